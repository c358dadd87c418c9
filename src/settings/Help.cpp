#include "settings/Help.h"

#include <initializer_list>

namespace hq {

namespace {
// A cut can fall inside a UTF-8 character; the piece left would make the whole text undecodable.
void DropPartialCharacter(std::string& text) {
    std::size_t back = 0;  // continuation bytes at the end
    while (back < 3 && back < text.size() && (static_cast<unsigned char>(text[text.size() - 1 - back]) & 0xC0) == 0x80)
        ++back;
    if (back == text.size()) return;
    const auto lead = static_cast<unsigned char>(text[text.size() - 1 - back]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length > back + 1) text.resize(text.size() - 1 - back);
}
}  // namespace

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
        DropPartialCharacter(text);
        text += "\r\n\r\n[The help file is longer than 1 MiB; only its first 1 MiB is shown.]\r\n";
    }
    return text;
}

}  // namespace hq
