#pragma once
// Settings in the registry, where Visual Basic's GetSetting and SaveSetting keep them:
// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>, one REG_SZ
// value per key. Registry key names compare without case, as application names must.
#include <string>

#include "platform/SettingsStore.h"

namespace hq::win {

class RegistrySettingsStore : public SettingsStore {
public:
    static constexpr const char* kDefaultRoot = "Software\\VB and VBA Program Settings";

    // `root` is a key path under HKEY_CURRENT_USER; tests use a scratch key of their own.
    explicit RegistrySettingsStore(std::string root = kDefaultRoot) : m_root(std::move(root)) {}

    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) override;
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;

    std::string KeyPath(const std::string& app, const std::string& section) const;

private:
    std::string m_root;
};

}  // namespace hq::win
