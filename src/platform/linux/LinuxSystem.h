#pragma once
// The system services of a Linux desktop: a monotonic millisecond clock, local time, the SDL
// cursor counted as the system counts it, the desktop's own blanking held off while the saver
// runs, message boxes, the font list and files.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/SystemServices.h"

namespace hq {

// Milliseconds on a monotonic clock; the one clock of the saver's loop.
std::uint64_t MonotonicMs();

class LinuxSystem : public SystemServices {
public:
    std::uint32_t GetTickCount() override;
    double SecondsSinceMidnight() override;
    std::string LongTimeText() override;
    CivilDate Today() override;

    // The cursor is hidden while the count is below 0. The count is kept even before a window
    // exists and applied to SDL's cursor whenever SDL's video is up.
    int ShowCursor(bool show) override;
    void SetScreenSaverRunning(bool running) override;
    // An SDL message box; on standard error when no display can show one.
    void MessageBox(const std::string& title, const std::string& text, MessageIcon icon) override;
    void EndProcess() override { m_endRequested = true; }

    std::vector<std::string> ScreenFonts() override;
    std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t maxBytes) override;

    bool EndRequested() const { return m_endRequested; }
    int CursorCount() const { return m_cursorCount; }
    bool ScreenSaverHeldOff() const { return m_heldOff; }
    // Brings the cursor's visibility in line with the count, e.g. once a window exists.
    void ApplyCursor() const;

private:
    int m_cursorCount = 0;
    bool m_heldOff = false;
    bool m_endRequested = false;
};

// "a\r\nb" as a message box on Linux shows it: line breaks without carriage returns.
std::string WithoutCarriageReturns(const std::string& text);

}  // namespace hq
