#pragma once
// When the next frame is due. A display that waits for its vertical blank paces the frames by
// itself; one that does not (a software renderer, a virtual screen) is paced by a clock at the
// display's refresh rate. A display that claims to wait but does not is found out by watching
// how fast frames come, and is paced by the clock from then on.
#include <cstdint>

namespace hq {

class FramePacer {
public:
    // `refreshHz` of 0 or less counts as 60.
    FramePacer(int refreshHz, bool displayWaits);

    // Microseconds until the next frame should be composed; 0 when it is due now.
    std::int64_t UsUntilFrame(std::uint64_t nowUs) const;
    // A frame was presented; `nowUs` is when presenting returned.
    void FramePresented(std::uint64_t nowUs);

    bool DisplayPaces() const { return m_displayWaits; }
    std::uint64_t PeriodUs() const { return m_periodUs; }

    // Frames watched before judging whether the display really waits.
    static constexpr int kJudgedFrames = 30;

private:
    std::uint64_t m_periodUs;
    bool m_displayWaits;
    std::uint64_t m_nextDueUs = 0;  // 0: no frame yet, the first is due at once
    std::uint64_t m_windowStartUs = 0;
    int m_windowFrames = 0;
};

}  // namespace hq
