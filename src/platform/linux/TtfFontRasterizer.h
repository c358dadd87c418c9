#pragma once
// Text for the sprite engine through SDL2_ttf, with fontconfig finding the file for a face name
// ("Arial" resolves to a metric-compatible face such as Liberation Sans). The size is the height
// of a line of text in pixels, as the saver lays its texts out: a message of size 26 drawn at
// y = 597 - 26 ends at the bottom edge.
#include <map>
#include <string>
#include <tuple>

#include "platform/engine/FontRasterizer.h"

typedef struct _TTF_Font TTF_Font;

namespace hq {

class TtfFontRasterizer : public FontRasterizer {
public:
    TtfFontRasterizer();
    ~TtfFontRasterizer() override;
    TtfFontRasterizer(const TtfFontRasterizer&) = delete;
    TtfFontRasterizer& operator=(const TtfFontRasterizer&) = delete;

    // Sizes are kept within this range: larger text could never fit on the screen.
    static constexpr int kMinSize = 1;
    static constexpr int kMaxSize = 600;

    TextMask Render(const std::string& face, int size, bool bold, const std::string& text) override;

    // The font file fontconfig picks for a face; empty when there is none.
    static std::string FindFontFile(const std::string& face, bool bold, bool& fileIsBold);

private:
    TTF_Font* Font(const std::string& face, int size, bool bold);

    bool m_ready = false;
    std::map<std::tuple<std::string, int, bool>, TTF_Font*> m_fonts;  // null: no usable font
};

}  // namespace hq
