#include "scene/Texts.h"

#include <limits>

#include "settings/Conversions.h"
#include "settings/Schema.h"

namespace hq {

namespace {

struct DirectionLine {
    const char* text;
    int y;
};
constexpr DirectionLine kDirections[] = {
    {"Press 'X' to turn this off/on", 538},
    {"Press 'Q' to stop music", 550},
    {"Press 'S' to start music", 562},
    {"Press 'N' for next song", 574},
    {"Press 'P' for previous song", 586},
};

constexpr const char* kMessageSizeKey = "FontSizeMsg";
constexpr const char* kClockSizeKey = "FontSize";

bool FitsInt32(double value) {
    return value >= double(std::numeric_limits<std::int32_t>::min()) &&
           value <= double(std::numeric_limits<std::int32_t>::max());
}

}  // namespace

void Texts::Font(const std::string& face, int size, int style) {
    m_ctx.drawing.SetFont(face, size, style, false, false, false);
}

int Texts::MessageSize() const { return TextSettingToInt32(m_ctx.settings.FontSizeMsg, kMessageSizeKey); }

int Texts::MessageY(int bottom) const {
    const double firstRun = ParseNumber(FindKey(kSectionSettings, kMessageSizeKey).firstRun).value_or(0);
    const double y = RoundHalfEven(bottom - ParseNumber(m_ctx.settings.FontSizeMsg).value_or(firstRun));
    return int(FitsInt32(y) ? y : RoundHalfEven(bottom - firstRun));
}

// Red with a black shadow one pixel below and to the right.
void Texts::DrawMessage() {
    const std::string& face = m_ctx.settings.FontName;
    const std::string& message = m_ctx.settings.Message;
    Font(face, MessageSize(), kBold);
    m_ctx.drawing.DrawText(message, 2, MessageY(kMessageShadowBottom), kBlack);
    Font(face, MessageSize(), kBold);
    m_ctx.drawing.DrawText(message, 1, MessageY(kMessageShadowBottom - 1), kRed);
}

// The count in white over a red shadow; on Christmas Day the greeting in red over white, further
// right. A count not yet known reads as Christmas Day.
void Texts::DrawCountDown() {
    const std::string& face = m_ctx.settings.FontName;
    const int days = m_ctx.clocks.DaysToChristmas.value_or(0);
    if (days != 0) {
        const std::string line = std::to_string(days) + kDaysSuffix;
        Font(face, kCountDownSize, kBold);
        m_ctx.drawing.DrawText(line, kCountDownX + 1, 2, kRed);
        Font(face, kCountDownSize, kBold);
        m_ctx.drawing.DrawText(line, kCountDownX, 1, kWhite);
    } else {
        Font(face, kCountDownSize, kBold);
        m_ctx.drawing.DrawText(kChristmasDay, kChristmasX + 1, 2, kWhite);
        Font(face, kCountDownSize, kBold);
        m_ctx.drawing.DrawText(kChristmasDay, kChristmasX, 1, kRed);
    }
}

void Texts::DrawClock() {
    Font(m_ctx.settings.FontName, TextSettingToInt32(m_ctx.settings.FontSize, kClockSizeKey), kRegular);
    m_ctx.drawing.DrawText(m_ctx.system.LongTimeText(), 1, 1, kGreen);
}

void Texts::DrawDirections() {
    for (const DirectionLine& line : kDirections) {
        Font(kDirectionsFace, kDirectionsSize, kRegular);
        m_ctx.drawing.DrawText(line.text, kDirectionsX, line.y, kBlack);
    }
}

}  // namespace hq
