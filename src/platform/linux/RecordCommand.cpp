// Placeholder until the headless recorder lands.
#include <cstdio>

#include "platform/linux/LinuxModes.h"

namespace hq {

int RunRecordCommand(const std::vector<std::string>&, const std::string&) {
    std::fputs("hollyquill: --record is not built yet\n", stderr);
    return 1;
}
int RunBenchCommand(const std::vector<std::string>&, const std::string&) {
    std::fputs("hollyquill: --bench is not built yet\n", stderr);
    return 1;
}

}  // namespace hq
