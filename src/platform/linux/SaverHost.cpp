// Placeholder until the SDL2 desktop host lands.
#include <cstdio>

#include "platform/linux/LinuxModes.h"

namespace hq {

int RunSaver(const StartRequest&, const std::string&) {
    std::fputs("hollyquill: the full-screen saver is not built yet\n", stderr);
    return 1;
}
int RunPreview(std::int64_t, const std::string&) { return 0; }
int RunHack(unsigned long, const std::string&) {
    std::fputs("hollyquill: the XScreenSaver mode is not built yet\n", stderr);
    return 1;
}

}  // namespace hq
