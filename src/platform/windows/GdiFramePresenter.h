#pragma once
// Shows the engine's composed frames in a window with StretchDIBits: the scene fills the primary
// monitor's part of the window (scaled, aspect kept) and the rest is black. The last frame is
// kept so WM_PAINT can repaint it.
#include <cstdint>
#include <vector>

#include "platform/engine/FramePresenter.h"
#include "platform/windows/Letterbox.h"
#include "platform/windows/Win32.h"

namespace hq::win {

class GdiFramePresenter : public FramePresenter {
public:
    explicit GdiFramePresenter(HWND window) : m_window(window) {}

    bool Open(int width, int height) override;
    void Present(const std::uint32_t* pixels, int width, int height) override;
    void Close() override;

    // Repaints the whole window from the last frame (WM_PAINT).
    void Repaint(HDC dc);
    // The window was moved or the screens changed: work out the picture's place again.
    void Relayout();

    std::uint64_t FramesPresented() const { return m_presented; }

private:
    void Draw(HDC dc, bool withBands);

    HWND m_window;
    bool m_open = false;
    int m_width = 0;
    int m_height = 0;
    std::vector<std::uint32_t> m_last;
    PixelRect m_client{};
    PixelRect m_picture{};
    bool m_bandsDue = true;
    std::uint64_t m_presented = 0;
};

// The primary monitor's rectangle in `window`'s client coordinates, or the whole client area when
// the primary monitor is not inside it (a preview or a test window).
PixelRect PrimaryMonitorIn(HWND window);

}  // namespace hq::win
