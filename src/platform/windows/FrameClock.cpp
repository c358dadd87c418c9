#include "platform/windows/FrameClock.h"

#include <dwmapi.h>
#include <mmsystem.h>

#include <chrono>

namespace hq::win {

namespace {
// DwmFlush calls that return sooner than this did not wait for a refresh.
constexpr auto kShortestRefresh = std::chrono::milliseconds(4);
constexpr int kShortFlushesToGiveUp = 8;

bool CompositionRuns() {
    BOOL enabled = FALSE;
    return SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}
}  // namespace

void FrameClock::Start() {
    if (m_thread.joinable()) return;
    m_stop = false;
    m_pending = false;
    m_thread = std::thread([this] { Run(); });
}

void FrameClock::Stop() {
    m_stop = true;
    if (m_thread.joinable()) m_thread.join();
}

void FrameClock::Tick() {
    if (!m_pending.exchange(true) && !PostMessageW(m_target, m_message, 0, 0)) m_pending = false;
}

void FrameClock::Run() {
    using Clock = std::chrono::steady_clock;
    int shortFlushes = 0;
    m_pacedByDisplay = CompositionRuns();
    while (!m_stop && m_pacedByDisplay) {
        const auto before = Clock::now();
        if (FAILED(DwmFlush())) break;
        shortFlushes = Clock::now() - before < kShortestRefresh ? shortFlushes + 1 : 0;
        if (shortFlushes >= kShortFlushesToGiveUp) break;
        Tick();
    }
    m_pacedByDisplay = false;

    // A steady clock of its own: deadlines, not sleeps, so the rate does not drift.
    timeBeginPeriod(1);
    const auto period = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(1.0 / kFallbackHz));
    auto next = Clock::now() + period;
    while (!m_stop) {
        const auto now = Clock::now();
        if (now < next) {
            Sleep(DWORD(std::chrono::duration_cast<std::chrono::milliseconds>(next - now).count()));
            continue;
        }
        Tick();
        next += period;
        if (now - next > period * 4) next = now + period;  // after a stall, start afresh
    }
    timeEndPeriod(1);
}

}  // namespace hq::win
