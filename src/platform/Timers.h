#pragma once
// Window timers. The host delivers a timer's ticks to the window while the timer is enabled.
#include <cstdint>

namespace hq {

enum class TimerId { Timer1, Timer2, TimerMIDI, Timer3 };
constexpr int kTimerCount = 4;

class TimerHost {
public:
    virtual ~TimerHost() = default;
    // Starts (or restarts) the timer: its first tick comes intervalMs later.
    virtual void StartTimer(TimerId id, std::uint32_t intervalMs) = 0;
    virtual void StopTimer(TimerId id) = 0;
};

class TimerEvents {
public:
    virtual ~TimerEvents() = default;
    virtual void TimerTick(TimerId id) = 0;
};

// One timer as the window sees it: an interval and an enabled flag. Enabling a running timer
// does not restart it, and a timer with no interval never ticks.
class WindowTimer {
public:
    WindowTimer(TimerHost& host, TimerId id, std::uint32_t intervalMs) : m_host(host), m_id(id), m_interval(intervalMs) {}

    void SetEnabled(bool enabled) {
        if (enabled == m_enabled) return;
        m_enabled = enabled;
        if (m_enabled && m_interval > 0) m_host.StartTimer(m_id, m_interval);
        else m_host.StopTimer(m_id);
    }
    void SetInterval(std::uint32_t intervalMs) {
        m_interval = intervalMs;
        if (!m_enabled) return;
        if (m_interval > 0) m_host.StartTimer(m_id, m_interval);
        else m_host.StopTimer(m_id);
    }
    bool Enabled() const { return m_enabled; }
    std::uint32_t Interval() const { return m_interval; }

private:
    TimerHost& m_host;
    TimerId m_id;
    std::uint32_t m_interval;
    bool m_enabled = false;
};

}  // namespace hq
