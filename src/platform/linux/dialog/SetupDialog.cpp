// Placeholder until the settings dialog lands.
#include <cstdio>

#include "platform/linux/LinuxModes.h"

namespace hq {

int RunSetupDialog(int, char**, const std::string&) {
    std::fputs("hollyquill: the settings dialog is not built yet\n", stderr);
    return 1;
}

}  // namespace hq
