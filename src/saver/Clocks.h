#pragma once
// The clocks that the window's timers advance and the scene reads: counts of delivered ticks,
// never measured time. Each counter wraps to 0 when it passes its limit.
#include <array>
#include <cstdint>
#include <optional>

#include "platform/SystemServices.h"

namespace hq {

struct Clocks {
    // One-second tick.
    std::optional<int> DaysToChristmas;  // empty until first computed
    std::int32_t SecondsOpen = 0;
    int ElfJackCount = 0;  // no limit: the frame handler sets it back to 0
    int PengSledGate = 0;
    int PengSkiGate = 0;
    int PengFishCount = 0;
    int SantaPoseCount = 0;
    int MrsSantaPoseCount = 0;
    int SnowmanPoseCount = 0;
    int SantaGate = 0;
    int MrsSantaGate = 0;
    int SnowmanGate = 0;
    int PenguinGate = 0;

    // Quarter-second tick.
    int PengSkiPhaseTicks = 0;
    int PengSledPhaseTicks = 0;
    std::array<int, 7> BGSledCount{};  // indexed 1..6

    // Power-off timer.
    int PowerOffTicks = 0;

    static constexpr std::int32_t kSecondsOpenLimit = 2147483646;
    static constexpr int kPengGateLimit = 500;
    static constexpr int kPengFishLimit = 500;
    static constexpr int kPoseLimit = 20;
    static constexpr int kSkaterGateLimit = 30000;
    static constexpr int kPhaseTicksLimit = 50;
    static constexpr int kBGSledLimit = 225;
    // The scene resets ElfJackCount every 16 s; this bound only keeps it in range if no frame
    // is ever drawn.
    static constexpr int kElfJackBound = 32767;

    // Adds one to every per-second character counter.
    void AdvanceSeconds();
    // Adds one to every quarter-second counter.
    void AdvanceQuarters();
};

// Calendar days from the date to 25 December of the same year: 1 on 24 December, 0 on
// Christmas Day, negative after it.
int DaysUntilChristmas(const CivilDate& today);

}  // namespace hq
