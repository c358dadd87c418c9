#include "platform/windows/GdiFontRasterizer.h"

#include <algorithm>

#include "platform/windows/TextCodec.h"

namespace hq::win {

namespace {
constexpr std::size_t kFontCacheLimit = 16;  // the saver uses two or three fonts
}  // namespace

GdiFontRasterizer::GdiFontRasterizer() : m_dc(CreateCompatibleDC(nullptr)) {}

GdiFontRasterizer::~GdiFontRasterizer() {
    for (auto& [key, font] : m_fonts) DeleteObject(font);
    if (m_dc) DeleteDC(m_dc);
}

int GdiFontRasterizer::PixelHeightFor(int size) { return std::clamp(size, kMinPixelHeight, kMaxPixelHeight); }

HFONT GdiFontRasterizer::FontFor(const std::string& face, int size, bool bold) {
    const auto key = std::make_tuple(face, size, bold);
    if (auto found = m_fonts.find(key); found != m_fonts.end()) return found->second;
    if (m_fonts.size() >= kFontCacheLimit) {
        for (auto& [k, font] : m_fonts) DeleteObject(font);
        m_fonts.clear();
    }
    // A face GDI does not know is replaced by its closest match, as the font mapper does.
    // A positive height asks for the cell height: ascent plus descent, one line of text.
    HFONT font = CreateFontW(PixelHeightFor(size), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_SWISS, Widen(face.substr(0, LF_FACESIZE - 1)).c_str());
    if (font) m_fonts.emplace(key, font);
    return font;
}

TextMask GdiFontRasterizer::Render(const std::string& face, int size, bool bold, const std::string& text) {
    TextMask mask;
    const std::wstring wide = Widen(text);
    if (wide.empty() || !m_dc) return mask;
    HFONT font = FontFor(face, size, bold);
    if (!font) return mask;
    HGDIOBJ oldFont = SelectObject(m_dc, font);

    constexpr UINT kFormat = DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;
    RECT bounds{0, 0, 0, 0};
    DrawTextW(m_dc, wide.c_str(), int(wide.size()), &bounds, kFormat | DT_CALCRECT);
    // Italic overhangs and antialiasing can reach a pixel or two past the measured box.
    const int width = std::min<int>(bounds.right + 2, 8192);
    const int height = std::min<int>(bounds.bottom, 8192);
    if (width <= 2 || height <= 0) {
        SelectObject(m_dc, oldFont);
        return mask;
    }

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP surface = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!surface || !bits) {
        SelectObject(m_dc, oldFont);
        return mask;
    }
    HGDIOBJ oldBitmap = SelectObject(m_dc, surface);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::fill_n(static_cast<std::uint32_t*>(bits), std::size_t(width) * height, 0u);
    SetBkMode(m_dc, TRANSPARENT);
    SetTextColor(m_dc, RGB(255, 255, 255));
    RECT box{0, 0, width, height};
    DrawTextW(m_dc, wide.c_str(), int(wide.size()), &box, kFormat);
    GdiFlush();

    mask.width = width;
    mask.height = height;
    mask.coverage.resize(std::size_t(width) * height);
    for (std::size_t i = 0; i < mask.coverage.size(); ++i) {
        // Grey antialiasing draws equal channels; take the brightest in case ClearType is forced.
        const std::uint32_t p = pixels[i];
        mask.coverage[i] = std::uint8_t(std::max({p & 0xFF, (p >> 8) & 0xFF, (p >> 16) & 0xFF}));
    }

    SelectObject(m_dc, oldBitmap);
    SelectObject(m_dc, oldFont);
    DeleteObject(surface);
    return mask;
}

}  // namespace hq::win
