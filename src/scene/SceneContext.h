#pragma once
// What every part of the scene works with: the drawing control, the system's clocks, the one
// random generator, the timers' counters and the settings. Plus the two ways a sprite is drawn
// and the throttle every mover runs behind.
#include <cmath>
#include <cstdint>
#include <string>

#include "platform/DrawingControl.h"
#include "platform/Random.h"
#include "platform/SystemServices.h"
#include "saver/Clocks.h"
#include "settings/SaverSettings.h"

namespace hq {

struct SceneContext {
    DrawingControl& drawing;
    SystemServices& system;
    Random& random;
    Clocks& clocks;
    SaverSettings& settings;
    const std::string& assetFolder;

    // Int(Rnd * span + low), Int rounding down: a whole number from low to low + span - 1.
    int RandomInt(int span, int low) { return int(std::floor(random.Rnd() * double(span) + double(low))); }

    // Runs `mover` when at least `throttleMs` have passed on the tick count since `lastMove`, then
    // stores the tick count read after it. Unsigned differences keep this working when the tick
    // count wraps after 49.7 days.
    template <class Mover>
    void Throttled(std::uint32_t& lastMove, std::uint32_t throttleMs, Mover&& mover) {
        if (std::uint32_t(system.GetTickCount() - lastMove) < throttleMs) return;
        mover();
        lastMove = system.GetTickCount();
    }

    // The sprite's current frame, in place.
    void StaticDraw(int sprite) { drawing.DrawSprite(sprite); }
    // The sprite's current frame, then the next one once its frame delay has passed: the sprite
    // plays its frames in a loop at its own pace.
    void AnimatedDraw(int sprite) {
        drawing.DrawSprite(sprite);
        if (drawing.FrameDelayElapsed(sprite)) drawing.NextSpriteFrame(sprite);
    }
};

}  // namespace hq
