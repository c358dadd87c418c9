#include "settings/SaverSettings.h"

#include "settings/Conversions.h"

namespace hq {

namespace {
const std::string kApp(kAppName);

std::string ReadText(SettingsStore& store, std::string_view section, std::string_view key) {
    const KeySpec& spec = FindKey(section, key);
    return store.GetSetting(kApp, spec.section, spec.key, spec.saverDefault.value_or(""));
}

int ReadInt16(SettingsStore& store, std::string_view section, std::string_view key) {
    if (auto v = ToInt16(ReadText(store, section, key))) return *v;
    return ToInt16(FindKey(section, key).firstRun).value_or(0);
}

int ReadSetting(SettingsStore& store, std::string_view key) { return ReadInt16(store, kSectionSettings, key); }
std::string ReadSettingText(SettingsStore& store, std::string_view key) { return ReadText(store, kSectionSettings, key); }
}  // namespace

void SetRegistry(SettingsStore& store) {
    for (const KeySpec& spec : SettingsSchema()) store.SaveSetting(kApp, spec.section, spec.key, spec.firstRun);
}

bool NeedsFirstRun(SettingsStore& store) {
    auto marker = ToInt16(store.GetSetting(kApp, std::string(kSectionSettings), "SetReg", "1"));
    return marker.value_or(1) != kFirstRunMarker;
}

SaverSettings GetRegistry(SettingsStore& store) {
    SaverSettings s;
    s.CheckFont = ReadSettingText(store, "CheckFont");
    s.ShowClock = ReadSetting(store, "Clock");
    s.ShowCountDown = ReadSetting(store, "CountDown");
    s.FontName = ReadSettingText(store, "FontName");
    s.FontSize = ReadSettingText(store, "FontSize");
    s.FontSizeMsg = ReadSettingText(store, "FontSizeMsg");
    for (int layer = 1; layer <= 3; ++layer) s.LayerOn[layer] = ReadSetting(store, LayerKey(layer));
    s.Message = ReadSettingText(store, "Message");
    s.MouseSen = ReadSetting(store, "MouseSen");
    s.PwrSave = ReadSetting(store, "PwrSave");
    s.SetReg = ReadSetting(store, "SetReg");
    s.ShowDirections = ToBool(ReadSettingText(store, "ShowDirections"))
                           .value_or(*ToBool(FindKey(kSectionSettings, "ShowDirections").firstRun));
    s.ShowMessage = ReadSetting(store, "ShowMessage");
    s.SoundOffMinutes = ReadSettingText(store, "SoundOff");
    for (int n = 1; n <= kCarolCount; ++n) s.CarolOn[n] = ReadInt16(store, kSectionMusic, MusicKey(n));
    store.SaveSetting(kApp, std::string(kSectionSettings), "SetReg", std::to_string(kFirstRunMarker));
    return s;
}

int TextSettingToInt32(const std::string& value, std::string_view key) {
    if (auto v = ToInt32(value)) return *v;
    return ToInt32(FindKey(kSectionSettings, key).firstRun).value_or(0);
}

}  // namespace hq
