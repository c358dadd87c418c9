#include "platform/windows/GdiFramePresenter.h"

#include <algorithm>
#include <cstring>

namespace hq::win {

PixelRect PrimaryMonitorIn(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    const PixelRect whole{0, 0, int(client.right), int(client.bottom)};

    MONITORINFO info{};
    info.cbSize = sizeof info;
    const POINT origin{0, 0};
    if (!GetMonitorInfoW(MonitorFromPoint(origin, MONITOR_DEFAULTTOPRIMARY), &info)) return whole;
    POINT corners[2] = {{info.rcMonitor.left, info.rcMonitor.top}, {info.rcMonitor.right, info.rcMonitor.bottom}};
    MapWindowPoints(nullptr, window, corners, 2);
    const PixelRect monitor{int(corners[0].x), int(corners[0].y), int(corners[1].x - corners[0].x),
                            int(corners[1].y - corners[0].y)};
    const bool inside = monitor.left >= whole.left && monitor.top >= whole.top && monitor.right() <= whole.right() &&
                        monitor.bottom() <= whole.bottom() && !monitor.empty();
    return inside ? monitor : whole;
}

bool GdiFramePresenter::Open(int width, int height) {
    if (!IsWindow(m_window) || width <= 0 || height <= 0) return false;
    m_width = width;
    m_height = height;
    m_last.assign(std::size_t(width) * std::size_t(height), 0);
    m_open = true;
    Relayout();
    return true;
}

void GdiFramePresenter::Relayout() {
    RECT client{};
    GetClientRect(m_window, &client);
    m_client = {0, 0, int(client.right), int(client.bottom)};
    m_picture = FitPicture(m_width, m_height, PrimaryMonitorIn(m_window));
    m_bandsDue = true;
}

void GdiFramePresenter::Present(const std::uint32_t* pixels, int width, int height) {
    if (!m_open || width != m_width || height != m_height || !pixels) return;
    std::memcpy(m_last.data(), pixels, m_last.size() * sizeof(std::uint32_t));
    ++m_presented;
    HDC dc = GetDC(m_window);
    if (!dc) return;
    // The window may have been placed after the display was opened.
    RECT client{};
    GetClientRect(m_window, &client);
    if (client.right != m_client.width || client.bottom != m_client.height) Relayout();
    Draw(dc, m_bandsDue);
    m_bandsDue = false;
    ReleaseDC(m_window, dc);
}

void GdiFramePresenter::Repaint(HDC dc) {
    Relayout();
    Draw(dc, true);
}

void GdiFramePresenter::Draw(HDC dc, bool withBands) {
    if (withBands) {
        HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        const auto bands = m_open ? BlackBands(m_client, m_picture) : std::vector<PixelRect>{m_client};
        for (const PixelRect& band : bands) {
            const RECT r{band.left, band.top, band.right(), band.bottom()};
            FillRect(dc, &r, black);
        }
    }
    if (!m_open || m_picture.empty()) return;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = m_width;
    info.bmiHeader.biHeight = -m_height;  // rows from the top, as the engine composes them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    // Plain pixel replication: the smoothing modes cost far more than the frame under Wine.
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, m_picture.left, m_picture.top, m_picture.width, m_picture.height, 0, 0, m_width, m_height,
                  m_last.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void GdiFramePresenter::Close() {
    if (!m_open) return;
    m_open = false;
    // What stays on screen until the window goes is black, not a frozen frame.
    if (HDC dc = GetDC(m_window)) {
        Draw(dc, true);
        ReleaseDC(m_window, dc);
    }
}

}  // namespace hq::win
