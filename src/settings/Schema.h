#pragma once
// Every stored setting in one table: its section, key, first-run value and the defaults its two
// readers (the saver and the settings dialog) pass.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hq {

inline constexpr std::string_view kAppName = "hollyq1";
// The saver's directions key writes under this spelling; names compare without case.
inline constexpr std::string_view kAppNameDirections = "Hollyq1";
inline constexpr std::string_view kSectionSettings = "Settings";
inline constexpr std::string_view kSectionMusic = "Music";

inline constexpr int kCarolCount = 36;
inline constexpr int kFirstRunMarker = 2;  // "SetReg" holds this once first-run values are present

struct KeySpec {
    std::string section;
    std::string key;
    std::string firstRun;
    std::optional<std::string> saverDefault;   // nothing: the saver does not read the key
    std::optional<std::string> dialogDefault;  // nothing: the dialog does not read the key
};

// In the order the first-run values are written: "Music1".."Music36", then the settings keys.
const std::vector<KeySpec>& SettingsSchema();
const KeySpec& FindKey(std::string_view section, std::string_view key);

std::string MusicKey(int carol);  // "Music7"
std::string LayerKey(int layer);  // "Layer2"

}  // namespace hq
