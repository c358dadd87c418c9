#pragma once
// A simulated host: a virtual millisecond clock that delivers timer ticks at their intervals while
// the timers are enabled, frame events at a chosen rate and scripted input, plus the system
// services a saver asks for. Tests and the headless recorder drive the real saver window with it.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/DrawingControl.h"
#include "platform/SystemServices.h"
#include "platform/Timers.h"
#include "platform/sim/CallLog.h"

namespace hq {

struct SimMessageBox {
    std::string title;
    std::string text;
    MessageIcon icon;
};

class SimHost : public SystemServices, public TimerHost {
public:
    // The wall clock starts at `start` plus `secondsSinceMidnight`; the tick count at `tickStart`.
    SimHost(CivilDate start = {2026, 12, 6}, double secondsSinceMidnight = 17 * 3600.0, std::uint32_t tickStart = 1000);

    // SystemServices
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

    // TimerHost
    void StartTimer(TimerId id, std::uint32_t intervalMs) override;
    void StopTimer(TimerId id) override;

    // Where events go. A zero frame interval means no frame events.
    void Attach(DrawingEvents* drawing, TimerEvents* timers) {
        m_drawingEvents = drawing;
        m_timerEvents = timers;
    }
    void SetFrameInterval(std::uint32_t ms);
    // Runs `action` when the virtual clock reaches `atMs` (milliseconds since the host started).
    void At(std::uint64_t atMs, std::function<void()> action);
    // Advances the virtual clock by `ms`, delivering every event that falls due, in time order
    // (at one moment: scripted input, then timers, then the frame). Stops early once ended.
    void RunFor(std::uint64_t ms);

    std::uint64_t NowMs() const { return m_now; }
    bool Ended() const { return m_ended; }
    int CursorCount() const { return m_cursorCount; }
    bool ScreenSaverRunning() const { return m_saverRunning; }
    bool TimerEnabled(TimerId id) const { return m_timers[int(id)].enabled; }
    std::uint32_t TimerInterval(TimerId id) const { return m_timers[int(id)].interval; }
    const std::vector<SimMessageBox>& MessageBoxes() const { return m_boxes; }

    CallLog Log;  // cursor, saver-running flag, message boxes and the end of the process

    // Test controls.
    std::vector<std::string> Fonts{"Arial", "Courier New", "Times New Roman"};
    std::map<std::string, std::string> Files;  // ReadWholeFile looks here, then on disk
    void SetTickCount(std::uint32_t tick) { m_tickBase = tick - std::uint32_t(m_now); }

private:
    struct SimTimer {
        bool enabled = false;
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
    };

    double WallSeconds() const;  // local seconds since 1970-01-01

    std::uint64_t m_now = 0;
    std::uint32_t m_tickBase;
    double m_wallStart;
    std::array<SimTimer, kTimerCount> m_timers{};
    std::uint32_t m_frameInterval = 0;
    std::uint64_t m_nextFrame = 0;
    std::multimap<std::uint64_t, std::function<void()>> m_script;  // equal times keep their order
    DrawingEvents* m_drawingEvents = nullptr;
    TimerEvents* m_timerEvents = nullptr;
    bool m_ended = false;
    int m_cursorCount = 0;
    bool m_saverRunning = false;
    std::vector<SimMessageBox> m_boxes;
};

}  // namespace hq
