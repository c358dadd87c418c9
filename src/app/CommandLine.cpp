#include "app/CommandLine.h"

#include <cmath>
#include <limits>

#include "settings/Conversions.h"

namespace hq {

namespace {
Mode ModeFor(const std::string& switchText) {
    if (switchText.empty() || switchText == "/s") return Mode::Saver;
    if (switchText == "/p") return Mode::Preview;
    if (switchText == "/c") return Mode::Configure;
    if (switchText == "/a") return Mode::Password;
    return Mode::None;
}
}  // namespace

std::int64_t HostWindowFrom(std::string_view text) {
    for (std::size_t start = 0; start < text.size(); ++start) {
        auto number = ParseNumber(text.substr(start));
        if (!number) continue;
        double rounded = RoundHalfEven(*number);
        // A window handle is a 32-bit value; anything larger cannot name one.
        if (std::fabs(rounded) > double(std::numeric_limits<std::uint32_t>::max())) return 0;
        return std::int64_t(rounded);
    }
    return 0;
}

StartRequest ReadCommandLine(std::string_view arguments) {
    StartRequest r;
    r.argumentText = ToLower(Trim(arguments));
    r.switchText = r.argumentText.substr(0, 2);
    r.mode = ModeFor(r.switchText);
    if (r.mode == Mode::Preview || r.mode == Mode::Saver) r.hostWindow = HostWindowFrom(r.argumentText);
    return r;
}

bool RefuseSecondSaver(const StartRequest& request, bool displayPropertiesOpen, bool anotherCopyRunning) {
    return request.switchText == "/s" && !displayPropertiesOpen && anotherCopyRunning;
}

}  // namespace hq
