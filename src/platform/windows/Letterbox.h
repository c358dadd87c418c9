#pragma once
// Where the 800 x 600 scene goes on a screen of another shape: as large as fits on the primary
// monitor, aspect kept, centred; everything else in the window is painted black. Plain
// arithmetic, kept free of Windows headers so it is tested with the core.
#include <algorithm>
#include <vector>

namespace hq::win {

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelRect&) const = default;
};

// The largest rectangle of the picture's shape that fits in `area`, centred in it.
inline PixelRect FitPicture(int pictureWidth, int pictureHeight, PixelRect area) {
    if (pictureWidth <= 0 || pictureHeight <= 0 || area.empty()) return {area.left, area.top, 0, 0};
    // Compare area.width / area.height with the picture's ratio without rounding.
    const long long wide = 1LL * area.width * pictureHeight;
    const long long tall = 1LL * area.height * pictureWidth;
    int width = area.width;
    int height = area.height;
    if (wide > tall) width = int(1LL * area.height * pictureWidth / pictureHeight);
    else if (tall > wide) height = int(1LL * area.width * pictureHeight / pictureWidth);
    return {area.left + (area.width - width) / 2, area.top + (area.height - height) / 2, width, height};
}

// The parts of `window` outside `picture`, as at most four non-overlapping bands.
inline std::vector<PixelRect> BlackBands(PixelRect window, PixelRect picture) {
    std::vector<PixelRect> bands;
    auto add = [&](int left, int top, int right, int bottom) {
        if (right > left && bottom > top) bands.push_back({left, top, right - left, bottom - top});
    };
    const int top = std::clamp(picture.top, window.top, window.bottom());
    const int bottom = std::clamp(picture.bottom(), top, window.bottom());
    const int left = std::clamp(picture.left, window.left, window.right());
    const int right = std::clamp(picture.right(), left, window.right());
    add(window.left, window.top, window.right(), top);         // above
    add(window.left, bottom, window.right(), window.bottom());  // below
    add(window.left, top, left, bottom);                        // left
    add(right, top, window.right(), bottom);                    // right
    return bands;
}

}  // namespace hq::win
