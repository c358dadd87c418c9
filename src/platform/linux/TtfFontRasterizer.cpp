#include "platform/linux/TtfFontRasterizer.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cmath>

namespace hq {

namespace {

constexpr const char* kFallbackFace = "sans-serif";

// Text read from a settings file may be Latin-1 rather than UTF-8; such text is converted rather
// than drawn as replacement boxes.
bool IsUtf8(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int follow = c < 0x80 ? 0 : (c >> 5) == 0x6 ? 1 : (c >> 4) == 0xE ? 2 : (c >> 3) == 0x1E ? 3 : -1;
        if (follow < 0 || i + std::size_t(follow) >= text.size()) return false;
        for (int k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + std::size_t(k)]) & 0xC0) != 0x80) return false;
        i += std::size_t(follow) + 1;
    }
    return true;
}

std::string Latin1ToUtf8(const std::string& text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

TtfFontRasterizer::TtfFontRasterizer() { m_ready = TTF_Init() == 0; }

TtfFontRasterizer::~TtfFontRasterizer() {
    for (auto& [key, font] : m_fonts)
        if (font) TTF_CloseFont(font);
    if (m_ready) TTF_Quit();
}

std::string TtfFontRasterizer::FindFontFile(const std::string& face, bool bold, bool& fileIsBold) {
    fileIsBold = false;
    FcPattern* pattern = FcPatternCreate();
    if (!pattern) return {};
    const std::string family = face.empty() ? kFallbackFace : face;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    std::string file;
    if (match) {
        FcChar8* path = nullptr;
        if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
            file = reinterpret_cast<const char*>(path);
        int weight = 0;
        fileIsBold = FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch && weight >= FC_WEIGHT_DEMIBOLD;
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return file;
}

TTF_Font* TtfFontRasterizer::Font(const std::string& face, int size, bool bold) {
    const auto key = std::make_tuple(face, size, bold);
    if (auto it = m_fonts.find(key); it != m_fonts.end()) return it->second;

    TTF_Font* font = nullptr;
    bool fileIsBold = false;
    for (const std::string& name : {face, std::string(kFallbackFace)}) {
        const std::string file = FindFontFile(name, bold, fileIsBold);
        if (!file.empty()) font = TTF_OpenFont(file.c_str(), size);
        if (font) break;
    }
    if (font) {
        // Point sizes at 72 dpi give taller lines than asked (ascent plus descent is about 1.15
        // em); scale so a line is `size` pixels high.
        const int lineHeight = TTF_FontHeight(font);
        if (lineHeight > 0 && lineHeight != size)
            TTF_SetFontSize(font, std::max(1, int(std::lround(double(size) * size / lineHeight))));
        if (bold && !fileIsBold) TTF_SetFontStyle(font, TTF_STYLE_BOLD);
    }
    m_fonts.emplace(key, font);
    return font;
}

TextMask TtfFontRasterizer::Render(const std::string& face, int size, bool bold, const std::string& text) {
    TextMask mask;
    if (!m_ready || text.empty()) return mask;
    TTF_Font* font = Font(face, std::clamp(size, kMinSize, kMaxSize), bold);
    if (!font) return mask;
    const std::string utf8 = IsUtf8(text) ? text : Latin1ToUtf8(text);
    SDL_Surface* rendered = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (!rendered) return mask;
    SDL_Surface* surface = SDL_ConvertSurfaceFormat(rendered, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(rendered);
    if (!surface) return mask;
    mask.width = surface->w;
    mask.height = surface->h;
    mask.coverage.resize(std::size_t(mask.width) * std::size_t(mask.height));
    SDL_LockSurface(surface);
    for (int row = 0; row < mask.height; ++row) {
        const auto* pixels = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                             std::ptrdiff_t(row) * surface->pitch);
        for (int col = 0; col < mask.width; ++col)
            mask.coverage[std::size_t(row) * std::size_t(mask.width) + std::size_t(col)] = Uint8(pixels[col] >> 24);
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return mask;
}

}  // namespace hq
