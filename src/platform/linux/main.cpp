// Hollyquill for Linux desktops: reads the command line the way a screen saver's is read, with a
// few extra options for people and for XScreenSaver, and runs one mode.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "platform/linux/LinuxModes.h"

namespace {

constexpr const char* kUsage =
    "Usage: hollyquill [/s | /c | /p WINDOW | /a]\n"
    "       hollyquill -root | -window-id WINDOW\n"
    "       hollyquill --record FILE.png|FILE.gif [--seconds N] [--fps N] [--seed N] [--at YYYY-MM-DDTHH:MM:SS]\n"
    "       hollyquill --bench | --help | --version\n"
    "\n"
    "  (none), /s     run the screen saver full screen\n"
    "  /c             open the settings dialog\n"
    "  /p WINDOW      draw the preview picture inside an X11 window\n"
    "  /a             password change (the desktop's screen lock manages passwords)\n"
    "  -root          run inside the root window (XScreenSaver)\n"
    "  -window-id ID  run inside the X11 window ID (XScreenSaver; also $XSCREENSAVER_WINDOW)\n"
    "  --record FILE  render the scene headless to a PNG (last frame) or an animated GIF\n"
    "  --bench        measure start-up, frame composition and memory; prints JSON\n"
    "\n"
    "Pictures, carols and help come from $HOLLYQUILL_ASSETS when it is set.\n";

// An X11 window id as XScreenSaver writes it: decimal or 0x-prefixed hexadecimal.
bool ParseWindowId(const std::string& text, unsigned long& id) {
    if (text.empty()) return false;
    char* end = nullptr;
    id = std::strtoul(text.c_str(), &end, 0);
    return end && *end == '\0';
}

int RunHackFor(const std::string& text, const std::string& assets) {
    unsigned long id = 0;
    if (!ParseWindowId(text, id)) {
        std::fprintf(stderr, "hollyquill: '%s' is not a window id\n", text.c_str());
        return 2;
    }
    return hq::RunHack(id, assets);
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    const std::string first = args.empty() ? "" : args[0];

    if (first == "--help" || first == "-h") {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (first == "--version") {
        std::puts("Hollyquill 3.0");
        return 0;
    }
    if (first == "--record") return hq::RunRecordCommand(args, hq::FindAssetFolder());
    if (first == "--bench") return hq::RunBenchCommand(args, hq::FindAssetFolder());
    if (first == "-root") return hq::RunHack(0, hq::FindAssetFolder());
    if (first == "-window-id") {
        if (args.size() < 2) {
            std::fputs("hollyquill: -window-id needs a window id\n", stderr);
            return 2;
        }
        return RunHackFor(args[1], hq::FindAssetFolder());
    }
    if (const char* xss = std::getenv("XSCREENSAVER_WINDOW"); xss && *xss && args.empty())
        return RunHackFor(xss, hq::FindAssetFolder());

    std::string line;
    for (const std::string& a : args) line += (line.empty() ? "" : " ") + a;
    const hq::StartRequest request = hq::ReadCommandLine(line);
    switch (request.mode) {
    case hq::Mode::Saver: return hq::RunSaver(request, hq::FindAssetFolder());
    case hq::Mode::Preview: return hq::RunPreview(request.hostWindow, hq::FindAssetFolder());
    case hq::Mode::Configure: return hq::RunSetupDialog(argc, argv, hq::FindAssetFolder());
    case hq::Mode::Password:
        std::puts("Hollyquill has no password of its own: the desktop's screen lock manages passwords.");
        return 0;
    case hq::Mode::None: break;
    }
    std::fprintf(stderr, "hollyquill: unknown option '%s' (try --help)\n", line.c_str());
    return 2;
}
