#include "saver/Clocks.h"

#include <chrono>

namespace hq {

namespace {
void Advance(int& counter, int limit) {
    if (++counter > limit) counter = 0;
}
}  // namespace

void Clocks::AdvanceSeconds() {
    if (ElfJackCount < kElfJackBound) ++ElfJackCount;
    Advance(PengSledGate, kPengGateLimit);
    Advance(PengSkiGate, kPengGateLimit);
    Advance(PengFishCount, kPengFishLimit);
    Advance(SantaPoseCount, kPoseLimit);
    Advance(MrsSantaPoseCount, kPoseLimit);
    Advance(SnowmanPoseCount, kPoseLimit);
    Advance(SantaGate, kSkaterGateLimit);
    Advance(MrsSantaGate, kSkaterGateLimit);
    Advance(SnowmanGate, kSkaterGateLimit);
    Advance(PenguinGate, kSkaterGateLimit);
}

void Clocks::AdvanceQuarters() {
    Advance(PengSkiPhaseTicks, kPhaseTicksLimit);
    Advance(PengSledPhaseTicks, kPhaseTicksLimit);
    for (int k = 1; k <= 6; ++k) Advance(BGSledCount[k], kBGSledLimit);
}

int DaysUntilChristmas(const CivilDate& today) {
    using namespace std::chrono;
    const year y{today.year};
    const sys_days christmas{y / December / 25};
    const sys_days day{y / month(unsigned(today.month)) / std::chrono::day(unsigned(today.day))};
    return int((christmas - day).count());
}

}  // namespace hq
