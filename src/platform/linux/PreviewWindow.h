#pragma once
// The still preview: one picture of the village, stretched over a host window's whole area.
#include <cstdint>
#include <string>
#include <vector>

namespace hq {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, row by row
};

// The picture in a BMP file; an empty picture when it cannot be read.
Picture LoadPicture(const std::string& path);
// `picture` stretched (bilinear) to the given size; a dark blue fill when the picture is empty.
Picture StretchPicture(const Picture& picture, int width, int height);

constexpr std::uint32_t kPreviewFallbackColour = 0x0B1A3A;

}  // namespace hq
