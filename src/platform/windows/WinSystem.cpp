#include "platform/windows/WinSystem.h"

#include <algorithm>

#include "platform/windows/TextCodec.h"

namespace hq::win {

std::uint32_t WinSystem::GetTickCount() { return ::GetTickCount(); }

double WinSystem::SecondsSinceMidnight() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600.0 + now.wMinute * 60.0 + now.wSecond + now.wMilliseconds / 1000.0;
}

std::string WinSystem::LongTimeText() {
    // With no format and no flags, the user's long time format is used.
    wchar_t text[128] = {};
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, text, int(std::size(text))) <= 0) return {};
    return Narrow(text);
}

CivilDate WinSystem::Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return CivilDate{now.wYear, now.wMonth, now.wDay};
}

int WinSystem::ShowCursor(bool show) { return ::ShowCursor(show ? TRUE : FALSE); }

void WinSystem::SetScreenSaverRunning(bool running) {
    UINT previous = 0;
    SystemParametersInfoW(SPI_SETSCREENSAVERRUNNING, running ? TRUE : FALSE, &previous, 0);
}

void WinSystem::MessageBox(const std::string& title, const std::string& text, MessageIcon icon) {
    UINT style = MB_OK | MB_SETFOREGROUND;
    if (icon == MessageIcon::Information) style |= MB_ICONINFORMATION;
    if (icon == MessageIcon::Critical) style |= MB_ICONERROR;
    MessageBoxW(m_window, Widen(text).c_str(), Widen(title).c_str(), style);
}

void WinSystem::EndProcess() {
    m_endRequested = true;
    PostQuitMessage(0);
}

std::vector<std::string> WinSystem::ScreenFonts() { return ListScreenFonts(); }

std::optional<std::string> WinSystem::ReadWholeFile(const std::string& path, std::size_t maxBytes) {
    return ReadFileBytes(path, maxBytes);
}

void WinSystem::StartTimer(TimerId id, std::uint32_t intervalMs) {
    if (m_window) SetTimer(m_window, TimerEventId(id), std::max<UINT>(intervalMs, USER_TIMER_MINIMUM), nullptr);
}

void WinSystem::StopTimer(TimerId id) {
    if (m_window) KillTimer(m_window, TimerEventId(id));
}

bool WinSystem::TimerFromEventId(UINT_PTR eventId, TimerId& id) {
    if (eventId < 1 || eventId > UINT_PTR(kTimerCount)) return false;
    id = TimerId(eventId - 1);
    return true;
}

namespace {
int CALLBACK CollectFontFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    auto& names = *reinterpret_cast<std::vector<std::string>*>(list);
    // Names starting with '@' are the vertical-writing variants of East Asian fonts.
    if (font->lfFaceName[0] == L'@') return 1;
    std::string name = Narrow(font->lfFaceName);
    // A family is listed once per character set; keep its first place.
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    return 1;
}
}  // namespace

std::vector<std::string> ListScreenFonts() {
    std::vector<std::string> names;
    HDC screen = GetDC(nullptr);
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(screen, &wanted, CollectFontFamily, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::size_t maxBytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    LARGE_INTEGER size{};
    bool ok = GetFileSizeEx(file, &size) != 0;
    if (ok) {
        bytes.resize(std::min<std::size_t>(std::size_t(size.QuadPart), maxBytes));
        std::size_t done = 0;
        while (ok && done < bytes.size()) {
            DWORD got = 0;
            const DWORD want = DWORD(std::min<std::size_t>(bytes.size() - done, 1u << 30));
            ok = ReadFile(file, bytes.data() + done, want, &got, nullptr) != 0 && got > 0;
            done += got;
        }
        bytes.resize(done);
    }
    CloseHandle(file);
    if (!ok) return std::nullopt;
    return bytes;
}

}  // namespace hq::win
