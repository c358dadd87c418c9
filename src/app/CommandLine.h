#pragma once
// How a screen saver is started: the first two characters of the trimmed, lower-cased command
// line choose the mode, and the longest numeric tail names the host window of a preview.
#include <cstdint>
#include <string>
#include <string_view>

namespace hq {

enum class Mode { Saver, Preview, Configure, Password, None };

struct StartRequest {
    std::string argumentText;  // trimmed and lower-cased
    std::string switchText;    // its first two characters
    Mode mode = Mode::None;
    std::int64_t hostWindow = 0;  // 0 when no tail reads as a number
};

// `arguments` is the whole command line after the program name.
StartRequest ReadCommandLine(std::string_view arguments);

// The longest tail of `text` that reads as a number, rounded to the nearest whole number.
std::int64_t HostWindowFrom(std::string_view text);

// A second full-screen saver is refused while another copy runs, unless the display settings
// window ("Display Properties") is open.
bool RefuseSecondSaver(const StartRequest& request, bool displayPropertiesOpen, bool anotherCopyRunning);

}  // namespace hq
