#pragma once
// The desktop host's one event loop: SDL's events, the four window timers and the frames, all
// on one thread, delivered to the saver window one at a time until it closes.
#include "platform/linux/LinuxSystem.h"
#include "platform/linux/LoopTimers.h"
#include "platform/linux/SdlPresenter.h"
#include "platform/linux/X11Embed.h"
#include "saver/SaverWindow.h"

namespace hq {

struct DesktopLoopParts {
    SaverWindow& window;
    LinuxSystem& system;
    LoopTimers& timers;
    SdlPresenter& presenter;
    X11Embed* embed = nullptr;  // the window we draw into, or null for full screen
    bool takeInput = true;      // false inside XScreenSaver, which watches the input itself
};

struct DesktopLoopReport {
    std::uint64_t framesComposed = 0;
    std::uint64_t framesDrawn = 0;
    double seconds = 0;
};

// Runs until the window has closed (CloseDown). A request to quit (SIGTERM, SIGINT, the window
// manager closing the window) and the loss of the embedding window run CloseDown.
DesktopLoopReport RunDesktopLoop(DesktopLoopParts parts);

}  // namespace hq
