#include "platform/linux/PreviewWindow.h"

// Before Xlib, whose macro None would otherwise rename Mode::None.
#include "platform/linux/LinuxModes.h"
#include "platform/linux/X11Embed.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>

namespace hq {

namespace {

constexpr const char* kPreviewPicture = "preview.bmp";
constexpr const char* kPreviewCaption = "Preview";
constexpr int kWaitMs = 1000;

std::uint32_t Mix(std::uint32_t a, std::uint32_t b, int weightB /* 0..256 */) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int ca = int(a >> shift & 0xFF), cb = int(b >> shift & 0xFF);
        out |= std::uint32_t((ca * (256 - weightB) + cb * weightB) >> 8) << shift;
    }
    return out;
}

// A channel mask of a TrueColor visual as a shift and a width.
struct Channel {
    int shift = 0;
    int bits = 0;
    explicit Channel(unsigned long mask) {
        while (mask && !(mask & 1)) {
            mask >>= 1;
            ++shift;
        }
        while (mask & 1) {
            mask >>= 1;
            ++bits;
        }
    }
    unsigned long Place(std::uint32_t value8) const {
        return bits >= 8 ? (unsigned long)value8 << (shift + bits - 8) : (unsigned long)(value8 >> (8 - bits)) << shift;
    }
};

void Paint(const X11Embed& embed, const Picture& source) {
    Display* display = embed.Connection();
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, embed.Child(), &attributes) || attributes.width <= 0 || attributes.height <= 0) return;
    Visual* visual = attributes.visual;
    if (visual->c_class != TrueColor && visual->c_class != DirectColor) return;  // keeps its black background
    const Picture shown = StretchPicture(source, attributes.width, attributes.height);
    auto* data = static_cast<char*>(std::malloc(std::size_t(shown.width) * std::size_t(shown.height) * 4));
    if (!data) return;
    XImage* image = XCreateImage(display, visual, unsigned(attributes.depth), ZPixmap, 0, data, unsigned(shown.width),
                                 unsigned(shown.height), 32, 0);
    if (!image) {
        std::free(data);
        return;
    }
    const Channel red(visual->red_mask), green(visual->green_mask), blue(visual->blue_mask);
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x) {
            const std::uint32_t p = shown.pixels[std::size_t(y) * std::size_t(shown.width) + std::size_t(x)];
            XPutPixel(image, x, y, red.Place(p >> 16 & 0xFF) | green.Place(p >> 8 & 0xFF) | blue.Place(p & 0xFF));
        }
    GC gc = XCreateGC(display, embed.Child(), 0, nullptr);
    XPutImage(display, embed.Child(), gc, image, 0, 0, 0, 0, unsigned(shown.width), unsigned(shown.height));
    XFreeGC(display, gc);
    XDestroyImage(image);  // frees `data` too
    XFlush(display);
}

}  // namespace

Picture LoadPicture(const std::string& path) {
    Picture picture;
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (!loaded) return picture;
    SDL_Surface* rgb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_RGB888, 0);
    SDL_FreeSurface(loaded);
    if (!rgb) return picture;
    picture.width = rgb->w;
    picture.height = rgb->h;
    picture.pixels.resize(std::size_t(rgb->w) * std::size_t(rgb->h));
    for (int y = 0; y < rgb->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(rgb->pixels) + y * rgb->pitch);
        for (int x = 0; x < rgb->w; ++x) picture.pixels[std::size_t(y) * std::size_t(rgb->w) + std::size_t(x)] = row[x] & 0xFFFFFF;
    }
    SDL_FreeSurface(rgb);
    return picture;
}

Picture StretchPicture(const Picture& picture, int width, int height) {
    Picture out;
    if (width <= 0 || height <= 0) return out;
    out.width = width;
    out.height = height;
    out.pixels.assign(std::size_t(width) * std::size_t(height), kPreviewFallbackColour);
    if (picture.width <= 0 || picture.height <= 0) return out;
    for (int y = 0; y < height; ++y) {
        // Sample at pixel centres, in 1/256ths of a source pixel.
        const std::int64_t sy = std::max<std::int64_t>(0, (std::int64_t(2 * y + 1) * picture.height * 256 / (2 * height)) - 128);
        const int y0 = std::min(int(sy >> 8), picture.height - 1), y1 = std::min(y0 + 1, picture.height - 1);
        const int fy = int(sy & 0xFF);
        for (int x = 0; x < width; ++x) {
            const std::int64_t sx = std::max<std::int64_t>(0, (std::int64_t(2 * x + 1) * picture.width * 256 / (2 * width)) - 128);
            const int x0 = std::min(int(sx >> 8), picture.width - 1), x1 = std::min(x0 + 1, picture.width - 1);
            const int fx = int(sx & 0xFF);
            auto at = [&](int px, int py) { return picture.pixels[std::size_t(py) * std::size_t(picture.width) + std::size_t(px)]; };
            const std::uint32_t top = Mix(at(x0, y0), at(x1, y0), fx);
            const std::uint32_t bottom = Mix(at(x0, y1), at(x1, y1), fx);
            out.pixels[std::size_t(y) * std::size_t(width) + std::size_t(x)] = Mix(top, bottom, fy);
        }
    }
    return out;
}

int RunPreview(std::int64_t hostWindow, const std::string& assetFolder) {
    // No host, or a host that is not a window: nothing to draw into, nothing to report.
    if (hostWindow <= 0 || hostWindow > 0xFFFFFFFFLL) return 0;
    X11Embed embed(static_cast<unsigned long>(hostWindow), kPreviewCaption);
    if (!embed.Valid()) return 0;
    const Picture picture = LoadPicture(assetFolder + kPreviewPicture);
    Paint(embed, picture);
    // The preview lives until its host goes away.
    for (;;) {
        embed.Wait(kWaitMs);
        const X11Embed::Changes changes = embed.Poll();
        if (changes.parentGone) return 0;
        if (changes.resized || changes.exposed) Paint(embed, picture);
    }
}

}  // namespace hq
