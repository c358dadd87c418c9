#include "saver/InputRules.h"

#include "music/Playlist.h"
#include "settings/Conversions.h"
#include "settings/SaverSettings.h"

namespace hq {

InputRules::InputRules(SystemServices& system, SettingsStore& store, Playlist& playlist, SaverSettings& settings,
                       std::function<void()> closeDown)
    : m_system(system), m_store(store), m_playlist(playlist), m_settings(settings), m_closeDown(std::move(closeDown)) {}

void InputRules::MouseMove() {
    if (!MouseArmed) return;
    // Never counting past the sensitivity keeps the count in range; a sensitivity of 0 or below
    // is then never reached, so movement alone never ends the saver.
    if (MouseMoveCount < m_settings.MouseSen) {
        if (++MouseMoveCount == m_settings.MouseSen) {
            m_closeDown();
            return;
        }
    }
    const double now = m_system.SecondsSinceMidnight();
    if (MouseWindowStart == 0) {
        MouseWindowStart = int(RoundHalfEven(now));
    } else if (now - MouseWindowStart > kMouseWindowSeconds) {
        // Past midnight the time falls below the start, so a window opened before it never runs out.
        MouseWindowStart = 0;
        MouseMoveCount = 0;
    }
}

void InputRules::MouseDown() { m_closeDown(); }

void InputRules::KeyDown(int keyCode) {
    switch (keyCode) {
    case kKeyN: m_playlist.NextSong(); break;
    case kKeyP: m_playlist.PreviousSong(); break;
    case kKeyQ: m_playlist.StopAllMusic(); break;
    case kKeyS: m_playlist.StartAllMusic(); break;
    case kKeyX: ToggleDirections(); break;
    default: m_closeDown(); break;
    }
}

void InputRules::ToggleDirections() {
    m_settings.ShowDirections = !m_settings.ShowDirections;
    m_store.SaveSetting(std::string(kAppNameDirections), std::string(kSectionSettings), "ShowDirections",
                        m_settings.ShowDirections ? "True" : "False");
}

}  // namespace hq
