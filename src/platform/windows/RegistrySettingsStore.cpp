#include "platform/windows/RegistrySettingsStore.h"

#include <vector>

#include "platform/windows/TextCodec.h"
#include "platform/windows/Win32.h"

namespace hq::win {

std::string RegistrySettingsStore::KeyPath(const std::string& app, const std::string& section) const {
    return m_root + "\\" + app + "\\" + section;
}

std::string RegistrySettingsStore::GetSetting(const std::string& app, const std::string& section,
                                              const std::string& key, const std::string& defaultValue) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, Widen(KeyPath(app, section)).c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return defaultValue;
    const std::wstring name = Widen(key);
    std::string result = defaultValue;
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        // One spare character: a value stored without its terminating null still reads whole.
        std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD size = DWORD(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(handle, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
            ERROR_SUCCESS)
            result = Narrow(std::wstring(buffer.data()));
    }
    RegCloseKey(handle);
    return result;
}

void RegistrySettingsStore::SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                                        const std::string& value) {
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, Widen(KeyPath(app, section)).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &handle, nullptr) != ERROR_SUCCESS)
        return;  // a store that refuses a write is not reported: the running window keeps its value
    const std::wstring text = Widen(value);
    RegSetValueExW(handle, Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   DWORD((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

}  // namespace hq::win
