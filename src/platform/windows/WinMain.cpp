// Hollyquill for Windows: hollyquill.scr, started by the system with /s, /p <window>, /c or /a.
#include <string>

#include "app/CommandLine.h"
#include "platform/windows/TextCodec.h"
#include "platform/windows/WinModes.h"

namespace {

// Held by every running full-screen saver, so a second one can see the first.
constexpr wchar_t kSaverMutex[] = L"Local\\Hollyquill.Saver";

// The command line after the program's name, which may be quoted.
std::wstring ArgumentsOf(const wchar_t* line) {
    if (!line) return {};
    const wchar_t* p = line;
    while (*p == L' ' || *p == L'\t') ++p;
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p == L'"') ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    return p;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace hq;
    const StartRequest request = ReadCommandLine(win::Narrow(ArgumentsOf(GetCommandLineW())));

    HANDLE saverMutex = nullptr;
    if (request.mode == Mode::Saver) {
        saverMutex = CreateMutexW(nullptr, FALSE, kSaverMutex);
        const bool anotherCopyRunning = saverMutex && GetLastError() == ERROR_ALREADY_EXISTS;
        const bool displayPropertiesOpen = FindWindowA(nullptr, "Display Properties") != nullptr;
        if (RefuseSecondSaver(request, displayPropertiesOpen, anotherCopyRunning)) {
            CloseHandle(saverMutex);
            return 0;
        }
    }

    int status = 0;
    switch (request.mode) {
    case Mode::Saver: status = win::RunSaver(instance, win::FindAssetFolder()); break;
    case Mode::Preview: status = win::RunPreview(instance, request.hostWindow, win::FindAssetFolder()); break;
    case Mode::Configure: status = win::RunSetupDialog(instance, win::FindAssetFolder()); break;
    case Mode::Password: status = win::RunPasswordChange(HostWindowFrom(request.argumentText)); break;
    case Mode::None: break;
    }
    if (saverMutex) CloseHandle(saverMutex);
    return status;
}
