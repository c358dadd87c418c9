#pragma once
// The settings as the saver window holds them while it runs, and the saver's two store
// operations: writing the first-run values and reading everything back.
#include <array>
#include <string>

#include "platform/SettingsStore.h"
#include "settings/Schema.h"

namespace hq {

struct SaverSettings {
    std::string CheckFont;
    int ShowClock = 0;
    int ShowCountDown = 0;
    std::string FontName;  // the window's own font name
    std::string FontSize;
    std::string FontSizeMsg;
    std::array<int, 4> LayerOn{};  // indexed 1..3: big, small, tiny flakes
    std::string Message;
    int MouseSen = 0;
    int PwrSave = 0;
    int SetReg = 0;
    bool ShowDirections = false;
    int ShowMessage = 0;
    std::string SoundOffMinutes;
    std::array<int, kCarolCount + 1> CarolOn{};  // indexed 1..36
};

// Writes every key's first-run value, overwriting what is stored.
void SetRegistry(SettingsStore& store);

// True when "SetReg" (read with the default "1") is not 2, so first-run values must be written.
bool NeedsFirstRun(SettingsStore& store);

// Reads every setting the saver uses, then marks the first-run values present ("SetReg" = "2").
// Stored text that is not a number where one is needed reads as that key's first-run value.
SaverSettings GetRegistry(SettingsStore& store);

// A text setting kept as typed ("FontSize", "FontSizeMsg"), as a whole number when it is used.
int TextSettingToInt32(const std::string& value, std::string_view key);

}  // namespace hq
