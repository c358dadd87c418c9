#pragma once
// The desktop host's one event loop: SDL's events, the four window timers and the frames, all
// on one thread, delivered to the saver window one at a time until it closes.
#include <signal.h>

#include "platform/linux/LinuxSystem.h"
#include "platform/linux/LoopTimers.h"
#include "platform/linux/SdlPresenter.h"
#include "platform/linux/X11Embed.h"
#include "saver/SaverWindow.h"

namespace hq {

// While one exists, SIGTERM (how XScreenSaver ends a hack) and SIGINT are noted instead of ending
// the process; the loop turns them into CloseDown, so the desktop is always given back.
class QuitSignals {
public:
    QuitSignals();
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;
    static bool Requested();

private:
    struct sigaction m_oldTerm {};
    struct sigaction m_oldInt {};
};

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

// Runs until the window has closed (CloseDown). A request to quit (a noted signal, the window
// manager closing the window) and the loss of the embedding window run CloseDown.
DesktopLoopReport RunDesktopLoop(DesktopLoopParts parts);

}  // namespace hq
