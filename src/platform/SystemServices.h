#pragma once
// What the core asks of the operating system beyond drawing and sound.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hq {

struct CivilDate {
    int year = 2000;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
};

enum class MessageIcon { None, Information, Critical };

class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Milliseconds since some fixed moment; wraps at 2^32.
    virtual std::uint32_t GetTickCount() = 0;
    // The time of day in seconds since midnight, with fractions.
    virtual double SecondsSinceMidnight() = 0;
    // The time of day as text in the user's long time format (hours, minutes, seconds).
    virtual std::string LongTimeText() = 0;
    virtual CivilDate Today() = 0;

    // Shows or hides the mouse cursor by counting, as the system does; returns the new count.
    virtual int ShowCursor(bool show) = 0;
    // Tells the system whether a screen saver is running.
    virtual void SetScreenSaverRunning(bool running) = 0;
    virtual void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) = 0;
    // Ends the process once the current event handler returns; no further event is delivered.
    virtual void EndProcess() = 0;

    virtual std::vector<std::string> ScreenFonts() = 0;
    // The whole file, at most maxBytes of it; nothing when it cannot be read.
    virtual std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) = 0;
};

}  // namespace hq
