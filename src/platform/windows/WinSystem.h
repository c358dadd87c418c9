#pragma once
// The system services of the core on Windows, and the saver window's timers as window timers
// (SetTimer with the timer's number as its id; WM_TIMER carries it back).
#include "platform/SystemServices.h"
#include "platform/Timers.h"
#include "platform/windows/Win32.h"

namespace hq::win {

class WinSystem : public SystemServices, public TimerHost {
public:
    // The window that owns the timers and the message boxes; null until it exists.
    void SetWindow(HWND window) { m_window = window; }

    std::uint32_t GetTickCount() override;
    double SecondsSinceMidnight() override;
    std::string LongTimeText() override;
    CivilDate Today() override;
    int ShowCursor(bool show) override;
    void SetScreenSaverRunning(bool running) override;
    void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) override;
    void EndProcess() override;
    std::vector<std::string> ScreenFonts() override;
    std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) override;

    void StartTimer(TimerId id, std::uint32_t intervalMs) override;
    void StopTimer(TimerId id) override;

    // WM_TIMER ids: the timer's number plus one, so no id is 0.
    static UINT_PTR TimerEventId(TimerId id) { return UINT_PTR(id) + 1; }
    static bool TimerFromEventId(UINT_PTR eventId, TimerId& id);

    // True once EndProcess was called: the message loop stops after the current message.
    bool EndRequested() const { return m_endRequested; }

private:
    HWND m_window = nullptr;
    bool m_endRequested = false;
};

// Every screen font family, in the order the system lists them, without vertical variants.
std::vector<std::string> ListScreenFonts();
// Reads a file through the wide-character API, so any path the core names can be opened.
std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes);

}  // namespace hq::win
