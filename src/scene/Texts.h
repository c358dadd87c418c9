#pragma once
// The texts over the scene, each switched on by a setting: the user's message along the bottom,
// the day count at the top, the clock in the top-left corner and the key directions in the
// bottom-right. The font is set again before every text.
#include <string>

#include "scene/SceneContext.h"

namespace hq {

class Texts {
public:
    explicit Texts(SceneContext& context) : m_ctx(context) {}

    void DrawMessage();
    void DrawCountDown();
    void DrawClock();
    void DrawDirections();

    static constexpr Rgb kBlack = MakeRgb(0, 0, 0);
    static constexpr Rgb kRed = MakeRgb(255, 0, 0);
    static constexpr Rgb kWhite = MakeRgb(255, 255, 255);
    static constexpr Rgb kGreen = MakeRgb(0, 255, 0);

    static constexpr int kBold = 30;
    static constexpr int kRegular = 1;

    // The message's baseline formula: shadow at (2, 597 - size), text at (1, 596 - size).
    static constexpr int kMessageShadowBottom = 597;
    static constexpr int kCountDownSize = 40;
    static constexpr int kCountDownX = 340;
    static constexpr int kChristmasX = 400;
    static constexpr const char* kDaysSuffix = " Days Until Christmas";
    static constexpr const char* kChristmasDay = "It's Christmas";
    static constexpr const char* kDirectionsFace = "Arial";
    static constexpr int kDirectionsSize = 14;
    static constexpr int kDirectionsX = 670;

private:
    void Font(const std::string& face, int size, int style);
    // Both sizes are kept as typed; text that is no number reads as the key's first-run value.
    int MessageSize() const;
    int MessageY(int bottom) const;

    SceneContext& m_ctx;
};

}  // namespace hq
