#pragma once
// The two kinds of help the settings dialog offers: the help window, which shows the whole help
// file from the asset folder, and the short keyboard help message.
#include <cstddef>
#include <string>

#include "platform/SystemServices.h"

namespace hq {

inline constexpr const char* kHelpCaption = "Screensaver Help";
inline constexpr const char* kHelpInitialText = "Text1";
inline constexpr const char* kHelpFileName = "help.txt";
// The program's title, the caption of its message boxes.
inline constexpr const char* kProgramTitle = "Hollyquill1";

// A help file is plain text of a few kilobytes; reading stops here so a wrong file (a disk image
// named help.txt) cannot stall the dialog or exhaust memory.
inline constexpr std::size_t kHelpFileLimit = std::size_t(1) << 20;

// The music keys of the saver, one line each, every line ended by CR LF.
std::string KeyboardHelpText();

// The help file's bytes, unchanged. A missing or unreadable file gives the empty text; a file
// longer than kHelpFileLimit is cut there and a closing line says so.
std::string ReadHelpText(SystemServices& system, const std::string& path);

// The help window as the dialog keeps it: it exists from the first Help until Close.
struct HelpWindow {
    std::string caption = kHelpCaption;
    std::string text = kHelpInitialText;
    int reads = 0;  // how often the file was read into this window
};

}  // namespace hq
