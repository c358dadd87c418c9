#include <algorithm>
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
    std::string folder = FolderOf(ProgramPath());
    // The picture loader opens files by narrow paths: a folder named beyond ASCII is given by its
    // short (8.3) name, which is plain ASCII where the volume keeps short names.
    const bool ascii = std::all_of(folder.begin(), folder.end(), [](char c) { return (unsigned char)c < 0x80; });
    if (!ascii) {
        const std::wstring wide = Widen(folder);
        std::vector<wchar_t> shortName(wide.size() + MAX_PATH);
        const DWORD length = GetShortPathNameW(wide.c_str(), shortName.data(), DWORD(shortName.size()));
        if (length > 0 && length < shortName.size()) folder = Narrow(std::wstring(shortName.data(), length));
    }
    return folder;
}

}  // namespace hq::win
