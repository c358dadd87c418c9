#pragma once
// Where the sprite engine's composed frame goes: a window, a file, or nowhere.
#include <cstdint>

namespace hq {

class FramePresenter {
public:
    virtual ~FramePresenter() = default;
    // Prepares to show frames of this size; false when no display can be had.
    virtual bool Open(int width, int height) = 0;
    // `pixels` holds width * height values 0x00RRGGBB, row by row from the top.
    virtual void Present(const std::uint32_t* pixels, int width, int height) = 0;
    virtual void Close() = 0;
};

}  // namespace hq
