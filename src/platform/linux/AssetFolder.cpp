#include <cstdlib>
#include <filesystem>

#include "platform/linux/LinuxModes.h"

namespace hq {

std::string FindAssetFolder() {
    namespace fs = std::filesystem;
    auto withSlash = [](std::string folder) {
        if (folder.empty() || folder.back() != '/') folder += '/';
        return folder;
    };
    if (const char* env = std::getenv("HOLLYQUILL_ASSETS"); env && *env) return withSlash(env);
    std::error_code ec;
    // The installed folder when the program is installed; the build tree's while developing.
    if (fs::exists(fs::path(HQ_INSTALLED_ASSETS) / "bg3.bmp", ec)) return withSlash(HQ_INSTALLED_ASSETS);
    return withSlash(HQ_BUILD_ASSETS);
}

}  // namespace hq
