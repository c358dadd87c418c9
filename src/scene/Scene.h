#pragma once
// The village scene: the sprite catalogue, the frame composed in painting order, and the actors
// that move within it. The timers only advance the clocks; the frame handler reads them.
#include "scene/Catalogue.h"
#include "scene/Frame.h"
#include "scene/SceneContext.h"
#include "scene/Skaters.h"
#include "scene/Sleds.h"
#include "scene/Snow.h"
#include "scene/Texts.h"

namespace hq {

class Scene {
public:
    explicit Scene(SceneContext context);
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Opens the 800 x 600 display and creates every sprite. On failure it tells the user and
    // returns false; the window then closes.
    bool OpenDirectDrawSession() { return Sprites.OpenDirectDrawSession(); }
    // The scene's starting values, set by the window's load step.
    void SetStartingValues();
    // One frame, from the cleared buffer to ShowFrame.
    void ComposeFrame() { Composer.ComposeFrame(); }
    // The snow's start-up schedule, for one-second tick number `secondsOpen` (1..16).
    void ApplySnowSchedule(int secondsOpen) { Snowfall.ApplySnowSchedule(secondsOpen); }

private:
    SceneContext m_ctx;  // first: every component below keeps a reference to it

public:
    Catalogue Sprites;
    Skaters Skating;
    Sleds Sledding;
    Snow Snowfall;
    Texts Overlays;
    Frame Composer;
};

}  // namespace hq
