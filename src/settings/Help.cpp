#include "settings/Help.h"

#include <initializer_list>

namespace hq {

std::string KeyboardHelpText() {
    std::string text;
    for (const char* line : {"KEYBOARD OPTIONS", "", "For music, Press one of these keys to:", "", "N - Next Song", "",
                             "P - Previous Song", "", "Q - Stop all music", "", "S - Start all music", "", ""})
        text += std::string(line) + "\r\n";
    return text;
}

std::string ReadHelpText(SystemServices& system, const std::string& path) {
    // One byte more than the limit tells a file of exactly the limit from a longer one.
    std::string text = system.ReadWholeFile(path, kHelpFileLimit + 1).value_or("");
    if (text.size() > kHelpFileLimit) {
        text.resize(kHelpFileLimit);
        text += "\r\n\r\n[The help file is longer than 1 MiB; only its first 1 MiB is shown.]\r\n";
    }
    return text;
}

}  // namespace hq
