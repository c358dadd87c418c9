#pragma once
// Settings kept in one small text file per application under the user's configuration folder
// ($XDG_CONFIG_HOME/hollyquill/, by default ~/.config/hollyquill/), as [Section] and Key=Value lines.
// Every write locks the file, reads it afresh, changes one value and renames a complete new file
// into place, so the settings dialog and a running saver never lose each other's keys.
#include <filesystem>
#include <optional>
#include <utility>
#include <vector>
#include <string>

#include "platform/SettingsStore.h"

namespace hq {

class FileSettingsStore : public SettingsStore {
public:
    explicit FileSettingsStore(std::filesystem::path folder);
    // The folder for this user: $XDG_CONFIG_HOME/hollyquill, else $HOME/.config/hollyquill.
    static std::filesystem::path DefaultFolder();

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;

    std::filesystem::path FileFor(const std::string& app) const;

    // Sections in file order, each with its keys in file order. Names compare without case.
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> values;
    };
    using Contents = std::vector<Section>;
    static bool Parse(const std::string& text, Contents& out);
    static std::string Format(const Contents& contents);

private:
    // The file's contents; a file that cannot be parsed is moved aside first, so nothing a person
    // had is lost silently, and reads as empty.
    Contents Load(const std::filesystem::path& file);

    std::filesystem::path m_folder;
    unsigned m_tempCount = 0;
};

}  // namespace hq
