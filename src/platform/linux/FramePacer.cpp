#include "platform/linux/FramePacer.h"

namespace hq {

FramePacer::FramePacer(int refreshHz, bool displayWaits)
    : m_periodUs(1000000 / std::uint64_t(refreshHz > 0 ? refreshHz : 60)), m_displayWaits(displayWaits) {}

std::int64_t FramePacer::UsUntilFrame(std::uint64_t nowUs) const {
    if (m_displayWaits || m_nextDueUs == 0 || m_nextDueUs <= nowUs) return 0;
    return std::int64_t(m_nextDueUs - nowUs);
}

void FramePacer::FramePresented(std::uint64_t nowUs) {
    if (m_displayWaits) {
        if (m_windowFrames == 0) m_windowStartUs = nowUs;
        if (++m_windowFrames > kJudgedFrames) {
            // Frames coming at more than twice the refresh rate: presenting does not wait.
            const std::uint64_t average = (nowUs - m_windowStartUs) / kJudgedFrames;
            if (average < m_periodUs / 2) m_displayWaits = false;
            m_windowFrames = 0;
        }
        if (m_displayWaits) return;
        m_nextDueUs = nowUs + m_periodUs;
        return;
    }
    // Keep the phase while on time; after a stall, start afresh instead of catching up.
    if (m_nextDueUs == 0 || nowUs >= m_nextDueUs + m_periodUs) m_nextDueUs = nowUs + m_periodUs;
    else m_nextDueUs += m_periodUs;
}

}  // namespace hq
