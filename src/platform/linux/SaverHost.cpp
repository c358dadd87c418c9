// The animated saver on a Linux desktop: full screen for /s (and a start with no arguments), or
// inside XScreenSaver's window. Both run the same saver window on the same loop.
#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

#include "platform/engine/SpriteEngine.h"
#include "platform/linux/DesktopLoop.h"
#include "platform/linux/DesktopSound.h"
#include "platform/linux/FileSettingsStore.h"
#include "platform/linux/InstanceLock.h"
#include "platform/linux/LinuxModes.h"
#include "platform/linux/TtfFontRasterizer.h"

namespace hq {

namespace {

// Passes the sound control's end-of-file notice on to the window once the window exists.
class SoundRelay : public SoundEvents {
public:
    void SoundNotify() override {
        if (m_window) m_window->SoundNotify();
    }
    void Attach(SaverWindow* window) { m_window = window; }

private:
    SaverWindow* m_window = nullptr;
};

// XScreenSaver's settings show a hack in a small preview beside its own dialog; carols would
// play over that dialog, so a window narrower than this stays quiet.
constexpr int kSmallestWindowWithMusic = 640;

class SilentSound : public SoundControl {
public:
    void PlayFile(const std::string&, int, int) override {}
    void StopPlayback() override {}
    bool IsPlaying() override { return false; }
};

std::uint64_t FreshSeed() {
    std::random_device device;
    const auto now = std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
    return (std::uint64_t(device()) << 32 | device()) ^ now;
}

void ReportLoop(const DesktopLoopReport& report) {
    const char* verbose = std::getenv("HOLLYQUILL_VERBOSE");
    if (!verbose || !*verbose || report.seconds <= 0) return;
    std::fprintf(stderr, "hollyquill: %llu frames composed, %llu drawn in %.1f s (%.1f per second)\n",
                 static_cast<unsigned long long>(report.framesComposed),
                 static_cast<unsigned long long>(report.framesDrawn), report.seconds,
                 double(report.framesComposed) / report.seconds);
}

// Loads the saver window and runs it until CloseDown. Returns the exit status: 1 when the
// display could not be opened (the window has said so), 0 otherwise.
int RunScene(const std::string& assetFolder, SdlPresenter& presenter, X11Embed* embed) {
    const bool fullScreen = embed == nullptr;
    const QuitSignals signals;
    int status = 0;
    {
        LinuxSystem system;
        FileSettingsStore store(FileSettingsStore::DefaultFolder());
        LoopTimers timers(&MonotonicMs);
        TtfFontRasterizer fonts;
        SpriteEngine drawing(fonts, presenter, [&system] { return system.GetTickCount(); });
        SoundRelay relay;
        const bool quiet = embed && embed->Width() < kSmallestWindowWithMusic;
        const std::unique_ptr<SoundControl> sound =
            quiet ? std::make_unique<SilentSound>() : MakeDesktopSound(&relay);
        SaverWindow window(SaverPlatform{drawing, *sound, store, system, timers, assetFolder}, FreshSeed());
        relay.Attach(&window);
        if (!window.Load()) {
            status = 1;
        } else {
            // The cursor was hidden before SDL's video was up; apply the count now.
            system.ApplyCursor();
            presenter.Show();
            if (fullScreen) system.SetScreenSaverRunning(true);
            ReportLoop(RunDesktopLoop({window, system, timers, presenter, embed, fullScreen}));
        }
        // CloseDown has shown the cursor, closed the display and stopped the music; what is
        // left goes with the objects of this scope.
        presenter.Close();
    }
    SDL_Quit();
    return status;
}

}  // namespace

int RunSaver(const StartRequest& request, const std::string& assetFolder) {
    // Held until the process ends. A desktop has no "Display Properties" window to make an
    // exception for.
    const InstanceLock lock;
    if (RefuseSecondSaver(request, false, lock.AnotherCopyRunning())) return 0;
    SdlPresenter presenter;
    return RunScene(assetFolder, presenter, nullptr);
}

int RunHack(unsigned long windowId, const std::string& assetFolder) {
    X11Embed embed(windowId, "Hollyquill");
    if (!embed.Valid()) {
        if (!embed.Connection()) std::fputs("hollyquill: cannot open the X display\n", stderr);
        else std::fprintf(stderr, "hollyquill: there is no window 0x%lx to draw into\n", windowId);
        return 1;
    }
    SdlPresenter presenter(embed.Child());
    return RunScene(assetFolder, presenter, &embed);
}

}  // namespace hq
