#pragma once
// The pace of FrameDue: a thread waits for the display's next refresh (DwmFlush while desktop
// composition runs) and posts one message to the window. A frame that is still queued is not
// queued again, so a slow frame costs a refresh, never a backlog. Where DwmFlush does not wait
// (no composition, or Wine), a 60 Hz clock takes its place.
#include <atomic>
#include <thread>

#include "platform/windows/Win32.h"

namespace hq::win {

class FrameClock {
public:
    static constexpr double kFallbackHz = 60.0;

    FrameClock(HWND target, UINT message) : m_target(target), m_message(message) {}
    ~FrameClock() { Stop(); }
    FrameClock(const FrameClock&) = delete;
    FrameClock& operator=(const FrameClock&) = delete;

    void Start();
    void Stop();
    // The window handled the posted frame; the next refresh may post another.
    void FrameHandled() { m_pending = false; }
    bool PacedByDisplay() const { return m_pacedByDisplay; }

private:
    void Run();
    void Tick();

    HWND m_target;
    UINT m_message;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_pending{false};
    std::atomic<bool> m_pacedByDisplay{false};
    std::thread m_thread;
};

}  // namespace hq::win
