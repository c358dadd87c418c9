#include "platform/linux/DesktopLoop.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <csignal>

#include "platform/linux/DesktopSound.h"
#include "platform/linux/FramePacer.h"
#include "platform/linux/KeyCodes.h"

namespace hq {

// Set by SIGTERM (how XScreenSaver ends a hack) and SIGINT. A signal reaches the process, not an
// object, so this one flag is process-wide.
namespace {
volatile std::sig_atomic_t g_quitSignal = 0;
extern "C" void NoteQuitSignal(int) { g_quitSignal = 1; }
}  // namespace

QuitSignals::QuitSignals() {
    g_quitSignal = 0;
    struct sigaction action {};
    action.sa_handler = &NoteQuitSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, &m_oldTerm);
    sigaction(SIGINT, &action, &m_oldInt);
}

QuitSignals::~QuitSignals() {
    sigaction(SIGTERM, &m_oldTerm, nullptr);
    sigaction(SIGINT, &m_oldInt, nullptr);
}

bool QuitSignals::Requested() { return g_quitSignal != 0; }

namespace {

// Focus may pass between our own windows (one per display) through a moment with none focused.
constexpr std::uint64_t kFocusSettleMs = 150;

std::uint64_t MonotonicUs() {
    using namespace std::chrono;
    return std::uint64_t(duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count());
}

class DesktopLoop {
public:
    explicit DesktopLoop(DesktopLoopParts parts)
        : m_p(parts), m_pacer(parts.presenter.RefreshHz(), parts.presenter.DisplayWaits()) {}

    DesktopLoopReport Run();

private:
    bool Ended() const { return m_p.system.EndRequested() || m_p.window.Closed(); }
    void Dispatch(const SDL_Event& event);
    void CheckFocus();
    void FollowEmbedding();
    int WaitMs() const;

    DesktopLoopParts m_p;
    FramePacer m_pacer;
    std::uint64_t m_focusLostAt = 0;  // 0: no loss to look into
    DesktopLoopReport m_report;
};

DesktopLoopReport DesktopLoop::Run() {
    const std::uint64_t startUs = MonotonicUs();
    SDL_Event event;
    while (!Ended()) {
        if (QuitSignals::Requested()) m_p.window.CloseDown();
        while (!Ended() && SDL_PollEvent(&event)) Dispatch(event);
        if (!Ended()) CheckFocus();
        if (!Ended()) FollowEmbedding();
        if (!Ended()) m_p.timers.DeliverDue(m_p.window, [this] { return Ended(); });
        if (!Ended() && m_pacer.UsUntilFrame(MonotonicUs()) == 0) {
            m_p.window.FrameDue();
            ++m_report.framesComposed;
            m_pacer.FramePresented(MonotonicUs());
        }
        if (Ended()) break;
        if (const int wait = WaitMs(); wait > 0 && SDL_WaitEventTimeout(&event, wait)) Dispatch(event);
    }
    m_report.framesDrawn = m_p.presenter.FramesDrawn();
    m_report.seconds = double(MonotonicUs() - startUs) / 1e6;
    return m_report;
}

int DesktopLoop::WaitMs() const {
    std::int64_t waitMs = (m_pacer.UsUntilFrame(MonotonicUs()) + 999) / 1000;
    const std::int64_t timerMs = m_p.timers.MsUntilNext();
    if (timerMs >= 0) waitMs = std::min(waitMs, timerMs);
    // The embedding window's events arrive on a connection SDL does not watch; look at it often.
    if (m_p.embed) waitMs = std::min<std::int64_t>(waitMs, 50);
    return int(std::max<std::int64_t>(waitMs, 0));
}

void DesktopLoop::Dispatch(const SDL_Event& event) {
    SaverWindow& window = m_p.window;
    switch (event.type) {
    case SDL_QUIT: window.CloseDown(); return;
    case SDL_KEYDOWN:
        // A held key repeats; it acts once, as one press.
        if (m_p.takeInput && !event.key.repeat) window.KeyDown(KeyCodeFor(event.key.keysym.sym, event.key.keysym.scancode));
        return;
    case SDL_MOUSEMOTION:
        // The first position SDL learns (a window appearing under the pointer) is no movement.
        if (m_p.takeInput && (event.motion.xrel != 0 || event.motion.yrel != 0)) window.MouseMove();
        return;
    case SDL_MOUSEBUTTONDOWN:
        if (m_p.takeInput) window.MouseDown();
        return;
    case SDL_WINDOWEVENT:
        switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_LOST: m_focusLostAt = MonotonicMs(); break;
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: m_p.presenter.WindowChanged(event.window.windowID); break;
        case SDL_WINDOWEVENT_CLOSE: window.CloseDown(); break;
        default: break;
        }
        return;
    default: DeliverSoundEvent(event); return;
    }
}

void DesktopLoop::CheckFocus() {
    if (m_focusLostAt == 0 || MonotonicMs() - m_focusLostAt < kFocusSettleMs) return;
    m_focusLostAt = 0;
    if (!m_p.presenter.HasFocus()) m_p.window.FocusLost();
}

void DesktopLoop::FollowEmbedding() {
    if (!m_p.embed) return;
    const X11Embed::Changes changes = m_p.embed->Poll();
    if (changes.parentGone) {
        m_p.window.CloseDown();
        return;
    }
    if (changes.resized) m_p.presenter.Resize(m_p.embed->Width(), m_p.embed->Height());
    else if (changes.exposed) m_p.presenter.Repaint();
}

}  // namespace

DesktopLoopReport RunDesktopLoop(DesktopLoopParts parts) { return DesktopLoop(parts).Run(); }

}  // namespace hq
