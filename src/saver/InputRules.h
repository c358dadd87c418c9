#pragma once
// Which input ends the saver and which steers it: enough mouse moves within about ten seconds,
// any mouse button, and every key but the five music and directions keys end it.
#include <functional>

#include "platform/SettingsStore.h"
#include "platform/SystemServices.h"

namespace hq {

class Playlist;
struct SaverSettings;

enum KeyCode : int { kKeyN = 78, kKeyP = 80, kKeyQ = 81, kKeyS = 83, kKeyX = 88 };

class InputRules {
public:
    InputRules(SystemServices& system, SettingsStore& store, Playlist& playlist, SaverSettings& settings,
               std::function<void()> closeDown);

    int MouseMoveCount = 0;
    int MouseWindowStart = 0;  // whole seconds since midnight when the window of time opened; 0: none
    bool MouseArmed = false;

    static constexpr double kMouseWindowSeconds = 10.0;

    void MouseMove();
    void MouseDown();
    void KeyDown(int keyCode);

private:
    void ToggleDirections();

    SystemServices& m_system;
    SettingsStore& m_store;
    Playlist& m_playlist;
    SaverSettings& m_settings;
    std::function<void()> m_closeDown;
};

}  // namespace hq
