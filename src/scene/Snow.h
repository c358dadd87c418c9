#pragma once
// Three layers of falling snow, nine flakes each: tiny flakes at the back, small ones in the
// middle, big ones in front, each nearer layer falling faster. The back and middle layers start
// one flake after another during the first sixteen seconds; the front layer falls from the start.
#include <array>
#include <cstdint>

#include "scene/Catalogue.h"
#include "scene/SceneContext.h"

namespace hq {

class Snow {
public:
    Snow(SceneContext& context, Catalogue& sprites) : m_ctx(context), m_sprites(sprites) {}

    // The snow step of one frame: back, middle and front layer, each only when it is switched on.
    void UpdateSnow();
    // Sets the flakes that start falling at one-second tick `secondsOpen` (1 to 16).
    void ApplySnowSchedule(int secondsOpen);

    // Each moves one flake, by its index 0 to 8, one pixel down.
    void MoveTinyFlake(int TWhichFlake);
    void MoveSmallFlake(int SWhichFlake);
    void MoveBigFlake(int WhichFlake);

    std::array<bool, kFlakeSlots> TinyFlakeOn{};
    std::array<bool, kFlakeSlots> SmallFlakeOn{};
    std::array<std::uint32_t, kFlakeSlots> TinyFlakeLastMove{};
    std::array<std::uint32_t, kFlakeSlots> SmallFlakeLastMove{};
    std::array<std::uint32_t, kFlakeSlots> BigFlakeLastMove{};
    std::array<int, kFlakeSlots> TinyFlakeY{};
    std::array<int, kFlakeSlots> SmallFlakeY{};
    std::array<int, kFlakeSlots> BigFlakeY{};

    static constexpr std::uint32_t kTinyFlakeThrottleMs = 22;
    static constexpr std::uint32_t kSmallFlakeThrottleMs = 17;
    static constexpr std::uint32_t kBigFlakeThrottleMs = 10;
    static constexpr int kPutBackBelowY = 770;  // well below the screen
    // Back and middle flakes re-enter at a random height and column (first y, then x) ...
    static constexpr int kNewYSpan = 71, kNewYTop = -150;
    static constexpr int kNewXSpan = 1031, kNewXLeft = -30;
    // ... front flakes at this height in their own column.
    static constexpr int kBigFlakeNewY = -176;

private:
    // One back or middle flake: moved and drawn once it is on; its y is checked either way.
    void UpdateLayeredFlake(const std::array<int, kFlakeSlots>& sprites, int index, bool on, std::uint32_t& lastMove,
                            std::uint32_t throttleMs, void (Snow::*mover)(int), int& readBackY);
    static bool ValidFlake(int index) { return index >= 0 && index < kFlakeSlots; }

    SceneContext& m_ctx;
    Catalogue& m_sprites;
};

}  // namespace hq
