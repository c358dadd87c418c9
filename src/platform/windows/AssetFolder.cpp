#include <vector>

#include "platform/windows/TextCodec.h"
#include "platform/windows/WinModes.h"

namespace hq::win {

namespace {
constexpr const char* kFixedAssetFolder = "C:\\Winterlark\\Hollyquill\\";

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length == 0) return {};
        if (length < buffer.size()) return Narrow(std::wstring(buffer.data(), length));
        buffer.resize(buffer.size() * 2);
    }
}
}  // namespace

std::string FolderOf(const std::string& path) {
    const auto cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::string(".\\") : path.substr(0, cut + 1);
}

std::string FindAssetFolder() {
    if (IsFolder(kFixedAssetFolder)) return kFixedAssetFolder;
    return FolderOf(ProgramPath());
}

}  // namespace hq::win
