#pragma once
// Turns a string into an 8-bit coverage mask; the sprite engine colours and caches it.
#include <cstdint>
#include <string>
#include <vector>

namespace hq {

struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> coverage;  // width * height, row by row, 255 = fully covered
};

class FontRasterizer {
public:
    virtual ~FontRasterizer() = default;
    // `size` is the height of a line of text in pixels (the saver lays its texts out that way: a
    // message of size 26 at y = 597 - 26 ends on the bottom edge); an unknown face falls back to a
    // similar font.
    virtual TextMask Render(const std::string& face, int size, bool bold, const std::string& text) = 0;
};

}  // namespace hq
