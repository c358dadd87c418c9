#include "platform/linux/LoopTimers.h"

namespace hq {

void LoopTimers::StartTimer(TimerId id, std::uint32_t intervalMs) {
    Timer& t = m_timers[int(id)];
    t.enabled = intervalMs > 0;
    t.interval = intervalMs;
    t.due = m_clock() + intervalMs;
}

void LoopTimers::StopTimer(TimerId id) { m_timers[int(id)].enabled = false; }

void LoopTimers::DeliverDue(TimerEvents& events, const std::function<bool()>& stop) {
    const std::uint64_t now = m_clock();
    for (int i = 0; i < kTimerCount; ++i) {
        Timer& t = m_timers[i];
        if (!t.enabled || t.due > now) continue;
        if (stop()) return;
        // Skip the intervals that passed unseen, so a stall is followed by one tick, not a burst.
        const std::uint64_t missed = (now - t.due) / t.interval;
        t.due += (missed + 1) * t.interval;
        events.TimerTick(TimerId(i));
    }
}

std::int64_t LoopTimers::MsUntilNext() const {
    const std::uint64_t now = m_clock();
    std::int64_t best = -1;
    for (const Timer& t : m_timers) {
        if (!t.enabled) continue;
        const std::int64_t wait = t.due > now ? std::int64_t(t.due - now) : 0;
        if (best < 0 || wait < best) best = wait;
    }
    return best;
}

}  // namespace hq
