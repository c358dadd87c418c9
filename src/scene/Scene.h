#pragma once
// The village scene: the sprite catalogue, the frame composed in painting order, and the actors
// that move within it. The timers only advance the clocks; the frame handler reads them.
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
};

class Scene {
public:
    explicit Scene(SceneContext context);

    // Opens the 800 x 600 display and creates every sprite. On failure it tells the user and
    // returns false; the window then closes.
    bool OpenDirectDrawSession();
    // The scene's starting values, set by the window's load step.
    void SetStartingValues();
    // One frame, from the cleared buffer to ShowFrame.
    void ComposeFrame();
    // The snow's start-up schedule, for one-second tick number `secondsOpen` (1..16).
    void ApplySnowSchedule(int secondsOpen);

private:
    SceneContext m_ctx;
};

}  // namespace hq
