#pragma once
// The window timers of the desktop host, run on the event loop's own thread. Each enabled timer
// ticks once per interval; a tick that comes late is delivered once and the missed ones are
// dropped, keeping the timer's phase, as window timers do.
#include <array>
#include <cstdint>
#include <functional>

#include "platform/Timers.h"

namespace hq {

class LoopTimers : public TimerHost {
public:
    explicit LoopTimers(std::function<std::uint64_t()> clockMs) : m_clock(std::move(clockMs)) {}

    void StartTimer(TimerId id, std::uint32_t intervalMs) override;
    void StopTimer(TimerId id) override;

    // Delivers the ticks due by now, in timer order, one per timer at most. A handler may start
    // or stop timers; `stop` is asked before each tick (the window may have closed).
    void DeliverDue(TimerEvents& events, const std::function<bool()>& stop);
    // Milliseconds until the next tick is due (0 when one is due now); -1 when no timer runs.
    std::int64_t MsUntilNext() const;

    bool Enabled(TimerId id) const { return m_timers[int(id)].enabled; }

private:
    struct Timer {
        bool enabled = false;
        std::uint32_t interval = 0;
        std::uint64_t due = 0;
    };

    std::function<std::uint64_t()> m_clock;
    std::array<Timer, kTimerCount> m_timers{};
};

}  // namespace hq
