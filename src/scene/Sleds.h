#pragma once
// Downhill traffic. Six small sleds slide down the far slopes in a rota set by the quarter-second
// counters; two penguins, one on a sled and one on skis, come down the near hill, take off over a
// jump and drop towards the viewer, growing until they leave the bottom of the screen.
#include <array>
#include <cstdint>
#include <optional>

#include "scene/Catalogue.h"
#include "scene/SceneContext.h"

namespace hq {

class Sleds {
public:
    Sleds(SceneContext& context, Catalogue& sprites) : m_ctx(context), m_sprites(sprites) {}

    void SetStartingValues();

    // Per-frame updates: sled 1 to 6 early in the frame, the two riders later.
    void UpdateBGSled(int whichsled);
    void UpdatePengSled();
    void UpdatePengSki();

    void MoveBGSled(int whichsled);
    void MovePengSled();
    void MovePengSki();

    std::array<int, kBGSledCount + 1> BGSledX{};  // indexed 1..6
    std::array<std::uint32_t, kBGSledCount + 1> BGSledLastMove{};

    bool PengSledReady = true;
    bool PengSledOnTrack = true;
    int PengSledStep = 0;
    int PengSledPhase = 1;
    int PengSledY = 0;
    std::int32_t PengSledWidth = 0;
    int PengSledHeight = 0;
    std::uint32_t PengSledLastMove = 0;

    bool PengSkiReady = true;
    bool PengSkiOnTrack = true;
    int PengSkiStep = 0;
    int PengSkiPhase = 1;
    int PengSkiY = 0;
    std::int32_t PengSkiWidth = 0;
    int PengSkiHeight = 0;
    std::uint32_t PengSkiLastMove = 0;

private:
    struct BGSledRota {
        int dx;                        // each step: one pixel down and this much sideways
        int activeAbove, activeBelow;  // moved and drawn while activeAbove < count < activeBelow
        bool parksPastRight;           // parked once x > parkTestX (else once x < parkTestX)
        int parkTestX;
        int parkX;
        std::optional<int> parkY;  // none: y stays
        int resetAbove;            // back at the start, count 0, once the count passes this
        int resetX, resetY;
    };
    static constexpr int kAlwaysActive = 1 << 30;
    static constexpr std::array<BGSledRota, kBGSledCount + 1> kRota{{
        {},
        {+1, 1, 41, true, 230, -400, std::nullopt, 40, 120, 50},
        {+1, 4, 42, true, 230, -400, std::nullopt, 41, 126, 50},
        {+1, 6, 44, true, 230, -400, std::nullopt, 43, 118, 50},
        {-1, 2, kAlwaysActive, false, 500, 2000, 32, 44, 676, 56},
        {-1, 4, kAlwaysActive, false, 500, 2000, 31, 46, 680, 56},
        {-1, 5, kAlwaysActive, false, 500, 2000, 29, 47, 678, 54},
    }};
    static constexpr std::uint32_t kBGSledThrottleMs = 22;

    // What sets the two riders apart.
    struct Rider {
        int rideAboveGate;   // a ride runs while the gate is above this
        int rearmAboveGate;  // the rider is set up again when the gate passes this ...
        int rearmGateTo;     // ... and the gate goes back to this
        int slopeEndsBelowY;  // the jump comes once y read back exceeds this
        int slopeGrowthBelowWidth;
        int yAfterRide;
        bool firstFrameAfterRide;  // the skier lands back on frame 1; the sled keeps its frame
    };
    static constexpr Rider kSledRider{7, 29, 5, 270, 270, 134, false};
    static constexpr Rider kSkiRider{5, 27, 5, 265, 240, -134, true};
    static constexpr std::uint32_t kRideThrottleMs = 30;
    static constexpr int kTopX = 360, kTopY = 134;  // where a ride starts
    static constexpr int kStartSize = 24;
    static constexpr int kFlightFrame = 2;
    static constexpr int kOffScreenY = 600;

    // One rider's fields, so the sled and the skier share their rules.
    struct RideFields {
        int& gate;
        int& phaseTicks;
        bool& ready;
        bool& onTrack;
        int& step;
        int& phase;
        int& y;
        std::int32_t& width;
        int& height;
    };
    RideFields SledFields();
    RideFields SkiFields();
    void RideStep(const Rider& rider, int sprite, RideFields f);
    void Grow(int sprite, RideFields f, int by);

    SceneContext& m_ctx;
    Catalogue& m_sprites;
};

}  // namespace hq
