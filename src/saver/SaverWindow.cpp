#include "saver/SaverWindow.h"

namespace hq {

SaverWindow::SaverWindow(SaverPlatform platform, std::uint64_t randomSeed)
    : Timer1(platform.timers, TimerId::Timer1, kTimer1Ms),
      Timer2(platform.timers, TimerId::Timer2, kTimer2Ms),
      TimerMIDI(platform.timers, TimerId::TimerMIDI, Playlist::kSongTimerMs),
      Timer3(platform.timers, TimerId::Timer3, kTimer3Ms),
      Music(platform.sound, TimerMIDI, Timer2, Settings, AssetFolder),
      Input(platform.system, platform.store, Music, Settings, [this] { CloseDown(); }),
      Rng(randomSeed),
      Village(SceneContext{platform.drawing, platform.system, Rng, TimerClocks, Settings, AssetFolder}),
      m_platform(std::move(platform)) {}

bool SaverWindow::Load() {
    // The three running timers start with the window; their first ticks come after the load step.
    Timer1.SetEnabled(true);
    Timer2.SetEnabled(true);
    TimerMIDI.SetEnabled(true);

    // The monitor power hook is installed by the host, which routes the request to
    // MonitorPowerRequest for the window's whole life.
    if (NeedsFirstRun(m_platform.store)) SetRegistry();
    GetRegistry();
    Village.SetStartingValues();
    // The count is there from the first frame rather than after the first one-second tick.
    TimerClocks.DaysToChristmas = DaysUntilChristmas(m_platform.system.Today());
    if (Settings.SoundOffMinutes != "Never") Music.SoundOff();
    m_platform.system.ShowCursor(false);
    AssetFolder = m_platform.assetFolder;
    if (!Village.OpenDirectDrawSession()) {
        Unload();
        m_closed = true;
        m_platform.system.EndProcess();
        return false;
    }
    Input.MouseArmed = true;
    return true;
}

void SaverWindow::SetRegistry() { hq::SetRegistry(m_platform.store); }
void SaverWindow::GetRegistry() { Settings = hq::GetRegistry(m_platform.store); }

bool SaverWindow::MonitorPowerRequest() {
    if (Settings.PwrSave != 0) return false;
    Timer3.SetEnabled(true);
    return true;
}

void SaverWindow::FocusLost() {
    if (m_closed) return;
    m_platform.system.ShowCursor(true);
}

void SaverWindow::Unload() {
    m_platform.sound.StopPlayback();
    m_platform.system.ShowCursor(true);
    m_platform.sound.StopPlayback();
}

void SaverWindow::CloseDown() {
    if (m_closed) return;
    m_platform.system.ShowCursor(true);
    m_platform.drawing.CloseDisplay();
    m_platform.system.SetScreenSaverRunning(false);
    m_platform.sound.StopPlayback();
    Timer1.SetEnabled(false);
    Timer2.SetEnabled(false);
    TimerMIDI.SetEnabled(false);
    Timer3.SetEnabled(false);
    Unload();
    m_closed = true;
    m_platform.system.EndProcess();
}

void SaverWindow::FrameDue() {
    if (m_closed) return;
    Village.ComposeFrame();
}

void SaverWindow::MouseMove() {
    if (!m_closed) Input.MouseMove();
}

void SaverWindow::MouseDown() {
    if (!m_closed) Input.MouseDown();
}

void SaverWindow::KeyDown(int keyCode) {
    if (!m_closed) Input.KeyDown(keyCode);
}

void SaverWindow::SoundNotify() {
    if (!m_closed) m_platform.sound.StopPlayback();
}

void SaverWindow::TimerTick(TimerId id) {
    if (m_closed) return;
    switch (id) {
    case TimerId::Timer1: Timer1Tick(); break;
    case TimerId::Timer2: TimerClocks.AdvanceQuarters(); break;
    case TimerId::TimerMIDI: Music.SongTimerTick(); break;
    case TimerId::Timer3: Timer3Tick(); break;
    }
}

void SaverWindow::Timer1Tick() {
    TimerClocks.DaysToChristmas = DaysUntilChristmas(m_platform.system.Today());
    Music.SoundOffCount();
    if (++TimerClocks.SecondsOpen > Clocks::kSecondsOpenLimit) TimerClocks.SecondsOpen = 0;
    if (TimerClocks.SecondsOpen >= 1 && TimerClocks.SecondsOpen <= 16) Village.ApplySnowSchedule(TimerClocks.SecondsOpen);
    TimerClocks.AdvanceSeconds();
}

void SaverWindow::Timer3Tick() {
    ++TimerClocks.PowerOffTicks;
    if (TimerClocks.PowerOffTicks == kPowerOffStopTick) {
        m_platform.sound.StopPlayback();
        TimerMIDI.SetEnabled(false);
        // Its work is done; stopping it also keeps the count in range.
        Timer3.SetEnabled(false);
    }
}

}  // namespace hq
