#include "settings/Schema.h"

#include <stdexcept>

namespace hq {

namespace {
std::vector<KeySpec> BuildSchema() {
    const std::string empty;
    std::vector<KeySpec> keys;
    for (int n = 1; n <= kCarolCount; ++n)
        keys.push_back({std::string(kSectionMusic), MusicKey(n), "1", "1", empty});

    const std::string s(kSectionSettings);
    const std::vector<KeySpec> settings = {
        {s, "CheckFont", "1", "1", "1"},
        {s, "Clock", "1", empty, "1"},
        {s, "CountDown", "1", "1", "1"},
        {s, "FontName", "Arial", empty, "1"},
        {s, "FontSize", "24", "1", "1"},
        {s, "FontSizeMsg", "26", "1", "1"},
        {s, "Layer1", "1", empty, empty},
        {s, "Layer2", "1", empty, empty},
        {s, "Layer3", "1", empty, empty},
        {s, "Message", "Place a message here", "1", "1"},
        {s, "MouseSen", "6", "1", "1"},
        {s, "PwrSave", "0", empty, empty},
        {s, "SelectedFont", "21", std::nullopt, "1"},
        {s, "SetReg", "2", empty, std::nullopt},
        {s, "ShowDirections", "True", empty, std::nullopt},
        {s, "ShowMessage", "0", "1", "1"},
        {s, "SoundOff", "0", "1", "1"},
    };
    keys.insert(keys.end(), settings.begin(), settings.end());
    return keys;
}
}  // namespace

const std::vector<KeySpec>& SettingsSchema() {
    static const std::vector<KeySpec> schema = BuildSchema();  // immutable table, shared safely
    return schema;
}

const KeySpec& FindKey(std::string_view section, std::string_view key) {
    for (const KeySpec& spec : SettingsSchema())
        if (spec.section == section && spec.key == key) return spec;
    throw std::logic_error("unknown setting " + std::string(section) + "/" + std::string(key));
}

std::string MusicKey(int carol) { return "Music" + std::to_string(carol); }
std::string LayerKey(int layer) { return "Layer" + std::to_string(layer); }

}  // namespace hq
