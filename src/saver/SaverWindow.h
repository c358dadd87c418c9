#pragma once
// The full-screen saver window: its load step, its timers and their clocks, the playlist, the
// input rules and the scene, and CloseDown, which gives the desktop back and ends the process.
// All state lives here, so two windows in one process share nothing.
#include <string>

#include "music/Playlist.h"
#include "platform/DrawingControl.h"
#include "platform/Random.h"
#include "platform/SettingsStore.h"
#include "platform/SoundControl.h"
#include "platform/SystemServices.h"
#include "platform/Timers.h"
#include "saver/Clocks.h"
#include "saver/InputRules.h"
#include "scene/Scene.h"
#include "settings/SaverSettings.h"

namespace hq {

struct SaverPlatform {
    DrawingControl& drawing;
    SoundControl& sound;
    SettingsStore& store;
    SystemServices& system;
    TimerHost& timers;
    std::string assetFolder;  // with its closing separator
};

class SaverWindow : public DrawingEvents, public TimerEvents, public SoundEvents {
public:
    explicit SaverWindow(SaverPlatform platform, std::uint64_t randomSeed = 0x5EED);
    SaverWindow(const SaverWindow&) = delete;
    SaverWindow& operator=(const SaverWindow&) = delete;

    static constexpr std::uint32_t kTimer1Ms = 1000;
    static constexpr std::uint32_t kTimer2Ms = 250;
    // The power-off timer ticks every 15 s, so the music stops about a minute after the monitor
    // powers down.
    static constexpr std::uint32_t kTimer3Ms = 15000;
    static constexpr int kPowerOffStopTick = 4;

    // The load step; false when the display could not be opened (the window has then closed).
    bool Load();
    // The system asks to power the monitor down: true to pass the request on, false to answer it
    // with a null message so the monitor stays on.
    bool MonitorPowerRequest();
    void FocusLost();
    void Unload();
    void CloseDown();
    bool Closed() const { return m_closed; }

    void FrameDue() override;
    void MouseMove() override;
    void MouseDown() override;
    void KeyDown(int keyCode) override;
    void TimerTick(TimerId id) override;
    void SoundNotify() override;

    // Fields read by the host and by tests.
    std::string AssetFolder;
    SaverSettings Settings;
    Clocks TimerClocks;
    WindowTimer Timer1, Timer2, TimerMIDI, Timer3;
    Playlist Music;
    InputRules Input;
    Random Rng;
    Scene Village;

private:
    void SetRegistry();
    void GetRegistry();
    void Timer1Tick();
    void Timer3Tick();

    SaverPlatform m_platform;
    bool m_closed = false;
};

}  // namespace hq
