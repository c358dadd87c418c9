#pragma once
// Text for the sprite engine from GDI: the string is drawn white on black, antialiased, into a
// DIB section, and the drawn brightness becomes the coverage mask. The size is the height of a
// line of text in frame pixels (GDI's cell height), as the saver lays its texts out and as the
// Linux build draws them, whatever the screen's DPI.
#include <map>
#include <string>
#include <tuple>

#include "platform/engine/FontRasterizer.h"
#include "platform/windows/Win32.h"

namespace hq::win {

class GdiFontRasterizer : public FontRasterizer {
public:
    GdiFontRasterizer();
    ~GdiFontRasterizer() override;
    GdiFontRasterizer(const GdiFontRasterizer&) = delete;
    GdiFontRasterizer& operator=(const GdiFontRasterizer&) = delete;

    TextMask Render(const std::string& face, int size, bool bold, const std::string& text) override;

    // Pixel heights beyond these come from hand-edited sizes; they are clamped, not refused.
    static constexpr int kMinPixelHeight = 1;
    static constexpr int kMaxPixelHeight = 600;
    static int PixelHeightFor(int size);

private:
    HFONT FontFor(const std::string& face, int size, bool bold);

    HDC m_dc;
    std::map<std::tuple<std::string, int, bool>, HFONT> m_fonts;
};

}  // namespace hq::win
