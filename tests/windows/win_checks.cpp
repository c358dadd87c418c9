// Checks of the Windows pieces on a real (or Wine's) Win32: registry, text, fonts, the frame
// presenter, files, the MIDI player, the saver's input and the preview; given the path of
// hollyquill.scr, also the preview as the display settings start it. Prints one line per check
// and a closing count. Usage: hq_win_checks [hollyquill.scr]
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <set>
#include <string>
#include <thread>

#include "platform/windows/GdiFontRasterizer.h"
#include "platform/windows/GdiFramePresenter.h"
#include "platform/windows/MidiOutSound.h"
#include "platform/windows/RegistrySettingsStore.h"
#include "platform/windows/TextCodec.h"
#include "platform/windows/WinModes.h"
#include "platform/windows/WinSystem.h"

using namespace hq;
using namespace hq::win;

namespace {

int g_passed = 0, g_failed = 0, g_skipped = 0;

void Check(bool ok, const char* name, const std::string& detail = {}) {
    (ok ? g_passed : g_failed)++;
    std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", name, detail.empty() ? "" : ": ", detail.c_str());
}

std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return Narrow(folder) + name;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// One track of one note, 96 ticks (100 ms) long at 480 ticks a quarter and 120 beats a minute.
const std::string kTinyMidi = std::string("MThd\0\0\0\6\0\0\0\1\x01\xE0MTrk\0\0\0\x0C", 22) +
                              std::string("\0\x90\x3C\x64\x60\x80\x3C\0\0\xFF\x2F\0", 12);

// A plain top-most popup window of this process with a white background.
HWND PlainWindow(const wchar_t* className, int x, int y, int width, int height, DWORD style = 0) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
    return CreateWindowExW(WS_EX_TOPMOST, className, L"check", WS_POPUP | WS_VISIBLE | style, x, y, width, height,
                           nullptr, nullptr, wc.hInstance, nullptr);
}

// Keeps this thread's windows responsive while waiting.
void PumpFor(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    } while (GetTickCount() < until);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

void RegistryChecks() {
    const std::string root = "Software\\Hollyquill checks " + std::to_string(GetCurrentProcessId());
    RegistrySettingsStore store(root);
    Check(store.GetSetting("hollyq1", "Settings", "Clock", "dflt") == "dflt", "registry: a missing key reads as the default");
    store.SaveSetting("hollyq1", "Settings", "Clock", "1");
    Check(store.GetSetting("hollyq1", "Settings", "Clock", "dflt") == "1", "registry: a written value reads back");
    store.SaveSetting("Hollyq1", "Settings", "ShowDirections", "False");
    Check(store.GetSetting("hollyq1", "Settings", "ShowDirections", "") == "False",
          "registry: application names compare without case");
    store.SaveSetting("hollyq1", "Settings", "Message", "Frohe Weihnachten, Grüße \xE2\x9C\xBF");
    Check(store.GetSetting("hollyq1", "Settings", "Message", "") == "Frohe Weihnachten, Grüße \xE2\x9C\xBF",
          "registry: text beyond ASCII survives");
    store.SaveSetting("hollyq1", "Settings", "Message", "");
    Check(store.GetSetting("hollyq1", "Settings", "Message", "dflt").empty(), "registry: an empty value is not the default");

    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, Widen(store.KeyPath("hollyq1", "Settings")).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key, nullptr);
    DWORD number = 7;
    RegSetValueExW(key, L"MouseSen", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(key);
    Check(store.GetSetting("hollyq1", "Settings", "MouseSen", "1") == "1",
          "registry: a value that is not text reads as the default");
    RegDeleteTreeW(HKEY_CURRENT_USER, Widen(root).c_str());
}

void TextChecks() {
    Check(Narrow(Widen("Grüße")) == "Grüße", "text: UTF-8 round trip");
    // "été" in the Western code page, as someone might have stored it by hand.
    Check(Widen("\xE9t\xE9") == L"\u00E9t\u00E9", "text: invalid UTF-8 is read in the system code page");
}

void FontChecks() {
    const auto fonts = ListScreenFonts();
    Check(!fonts.empty(), "fonts: the screen has fonts", std::to_string(fonts.size()));
    Check(std::set<std::string>(fonts.begin(), fonts.end()).size() == fonts.size() &&
              std::none_of(fonts.begin(), fonts.end(), [](const std::string& f) { return f.empty() || f[0] == '@'; }),
          "fonts: each family once, no vertical variants");

    GdiFontRasterizer raster;
    const TextMask regular = raster.Render("Arial", 24, false, "Hollyquill 12:34");
    const auto& ink = regular.coverage;
    Check(regular.width > regular.height && regular.height >= 22 && regular.height <= 28 &&
              std::count(ink.begin(), ink.end(), 255) > 0 && std::count(ink.begin(), ink.end(), 0) > 0,
          "fonts: a line of size 24 is about 24 pixels high, with ink and gaps",
          std::to_string(regular.width) + "x" + std::to_string(regular.height));
    const auto bold = raster.Render("Arial", 24, true, "Hollyquill 12:34").coverage;
    Check(std::accumulate(bold.begin(), bold.end(), 0L) > std::accumulate(ink.begin(), ink.end(), 0L),
          "fonts: bold text carries more ink than regular");
    Check(raster.Render("Arial", 24, false, "").coverage.empty(), "fonts: empty text gives an empty mask");
    const TextMask huge = raster.Render("Arial", 100000, false, "X");
    const TextMask tiny = raster.Render("Arial", -5, false, "X");
    Check(huge.height <= GdiFontRasterizer::kMaxPixelHeight * 2 && tiny.height > 0,
          "fonts: hand-edited sizes are clamped", std::to_string(tiny.height) + "/" + std::to_string(huge.height));
    Check(!raster.Render("No Such Face At All", 20, false, "Snow").coverage.empty(),
          "fonts: an unknown face falls back to another");
}

void SystemChecks() {
    WinSystem system;
    const std::string time = system.LongTimeText();
    Check(time.find_first_of("0123456789") != std::string::npos, "system: the long time text has digits", time);
    const double seconds = system.SecondsSinceMidnight();
    Check(seconds >= 0 && seconds < 86400, "system: seconds since midnight in range");
    const CivilDate today = system.Today();
    Check(today.year >= 2020 && today.month >= 1 && today.month <= 12 && today.day >= 1 && today.day <= 31,
          "system: today is a date");
    bool mapped = true;
    for (int i = 0; i < kTimerCount; ++i) {
        TimerId back;
        mapped = mapped && WinSystem::TimerFromEventId(WinSystem::TimerEventId(TimerId(i)), back) && back == TimerId(i);
    }
    TimerId none;
    Check(mapped && !WinSystem::TimerFromEventId(0, none) && !WinSystem::TimerFromEventId(99, none),
          "system: window timer ids map back to the saver's timers only");

    const std::string path = TempPath("hq-bytes.txt");
    WriteFile(path, "0123456789");
    Check(ReadFileBytes(path, 4) == std::optional<std::string>("0123"), "files: a read stops at the limit");
    std::string slashed = path;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    Check(ReadFileBytes(slashed, 100) == std::optional<std::string>("0123456789"), "files: forward slashes work");
    Check(!ReadFileBytes(path + ".missing", 100), "files: a missing file reads as nothing");
    DeleteFileW(Widen(path).c_str());

    Check(FolderOf("C:\\Games\\hollyquill.scr") == "C:\\Games\\" && FolderOf("x.scr") == ".\\",
          "assets: the folder of a path keeps its separator");
    const std::string assets = FindAssetFolder();
    Check(!assets.empty() && assets.back() == '\\', "assets: the asset folder ends with a backslash", assets);
}

void SoundChecks() {
    int ended = 0;
    MidiOutSound sound([&] { ++ended; });
    sound.PlayFile(TempPath("no-such-carol.mid"), 0, -1);
    Check(!sound.IsPlaying(), "sound: a missing file does not play");
    const std::string garbage = TempPath("hq-not-midi.mid");
    WriteFile(garbage, "this is not a MIDI file");
    sound.PlayFile(garbage, 0, -1);
    Check(!sound.IsPlaying(), "sound: a file that is not MIDI does not play");
    DeleteFileW(Widen(garbage).c_str());

    const std::string tune = TempPath("hq-tiny.mid");
    WriteFile(tune, kTinyMidi);
    sound.PlayFile(tune, 0, -1);
    if (!MidiOutSound::HasMidiOutput()) {
        Check(!sound.IsPlaying(), "sound: with no MIDI output nothing plays");
    } else {
        Check(sound.IsPlaying(), "sound: a MIDI file plays");
        for (int i = 0; i < 100 && sound.IsPlaying(); ++i) Sleep(20);
        Check(!sound.IsPlaying() && ended == 1, "sound: the end of a file is reported once");
        sound.PlayFile(tune, 0, -1);
        sound.StopPlayback();
        Sleep(200);
        Check(!sound.IsPlaying() && ended == 1, "sound: a stopped file reports no end");
    }
    sound.StopPlayback();
    sound.StopPlayback();
    Check(!sound.IsPlaying(), "sound: stopping twice is harmless");
    DeleteFileW(Widen(tune).c_str());
}

void PresenterChecks() {
    // Wider than 4:3 and away from the primary monitor's corner, so the whole client area is used.
    HWND window = PlainWindow(L"HqCheckWindow", 40, 40, 500, 300);
    GdiFramePresenter presenter(window);
    Check(presenter.Open(800, 600), "presenter: opens on a window");
    std::vector<std::uint32_t> red(800 * 600, 0xFF0000);
    presenter.Present(red.data(), 800, 600);
    GdiFlush();
    HDC dc = GetDC(window);
    const COLORREF middle = GetPixel(dc, 250, 150), band = GetPixel(dc, 10, 150);
    ReleaseDC(window, dc);
    Check(middle == RGB(255, 0, 0), "presenter: the frame fills the middle", std::to_string(middle));
    Check(band == RGB(0, 0, 0), "presenter: the sides of a wide window are black", std::to_string(band));
    presenter.Close();
    DestroyWindow(window);
    Check(!GdiFramePresenter(nullptr).Open(800, 600), "presenter: no window, no display");
}

// The saver host on its own thread of input: moves to where the pointer already is are no moves,
// the music keys do not end it, the sixth real move does, and the cursor is visible afterwards.
void SaverInputChecks() {
    RegistrySettingsStore().SaveSetting("hollyq1", "Settings", "MouseSen", "6");
    bool foundWindow = false, sameSpotKept = false, musicKeyKept = false, fiveMovesKept = false, sixthEnded = false;
    std::thread driver([&] {
        HWND saver = nullptr;
        for (int i = 0; i < 200 && !(saver && IsWindowVisible(saver)); ++i) {
            Sleep(100);
            saver = FindWindowW(L"HollyquillSaver", nullptr);
        }
        foundWindow = saver && IsWindowVisible(saver);
        if (!foundWindow) return;
        Sleep(1500);
        POINT pointer{};
        GetCursorPos(&pointer);
        ScreenToClient(saver, &pointer);
        for (int i = 0; i < 10; ++i) PostMessageW(saver, WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x, pointer.y));
        Sleep(500);
        sameSpotKept = IsWindow(saver);
        PostMessageW(saver, WM_KEYDOWN, 'N', 0);
        Sleep(300);
        musicKeyKept = IsWindow(saver);
        for (int i = 1; i <= 5; ++i) PostMessageW(saver, WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x + 7 * i, pointer.y + 3));
        Sleep(500);
        fiveMovesKept = IsWindow(saver);
        PostMessageW(saver, WM_MOUSEMOVE, 0, MAKELPARAM(pointer.x + 50, pointer.y + 40));
        for (int i = 0; i < 30 && IsWindow(saver); ++i) Sleep(100);
        sixthEnded = !IsWindow(saver);
        if (!sixthEnded) PostMessageW(saver, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    const int status = RunSaver(GetModuleHandleW(nullptr), FindAssetFolder());
    driver.join();
    Check(foundWindow, "saver: the window appears and is shown");
    Check(sameSpotKept, "saver: moves to where the pointer already is are not moves");
    Check(musicKeyKept, "saver: N does not end it");
    Check(fiveMovesKept, "saver: five moves with sensitivity 6 leave it running");
    Check(sixthEnded && status == 0, "saver: the sixth move ends it with status 0", std::to_string(status));
    ShowCursor(FALSE);
    Check(ShowCursor(TRUE) >= 0, "saver: the cursor is visible after it ends");
}

// The preview in a host window of this process (Wine shows another process's child window only
// as its host's background): the picture from the asset folder, or the night-sky fill without it.
void PreviewPictureChecks() {
    HWND host = PlainWindow(L"HqCheckPreviewHost", 300, 200, 152, 112);
    const std::string assets = FindAssetFolder();
    int status = -1;
    std::thread preview([&] { status = RunPreview(GetModuleHandleW(nullptr), std::int64_t(std::intptr_t(host)), assets); });

    HWND child = nullptr;
    COLORREF shown = CLR_INVALID;
    for (int i = 0; i < 100; ++i) {
        PumpFor(50);
        child = FindWindowExW(host, nullptr, L"HollyquillPreview", nullptr);
        if (child && (shown = ScreenPixel(300 + 76, 200 + 56)) != RGB(255, 255, 255) && shown != CLR_INVALID) break;
    }
    const bool hasPicture = GetFileAttributesW(Widen(assets + "preview.bmp").c_str()) != INVALID_FILE_ATTRIBUTES;
    constexpr COLORREF kFill = RGB(0x14, 0x1a, 0x33);
    if (hasPicture)
        Check(child && shown != RGB(255, 255, 255) && shown != kFill, "preview: preview.bmp fills the host",
              std::to_string(shown));
    else
        Check(child && shown == kFill, "preview: without preview.bmp the host shows the night sky", std::to_string(shown));
    DestroyWindow(host);
    preview.join();
    Check(status == 0, "preview: it ends with its host");
}

// The display settings' way: a window the size of their little monitor, and the saver started
// with "/p <window>" in a process of its own, which must become its child, fill its client area
// with a picture and end with status 0 once the window is destroyed.
void PreviewHostChecks(const wchar_t* scr) {
    HWND host = PlainWindow(L"HqPreviewHost", 100, 100, 152, 112, WS_CLIPCHILDREN);
    PumpFor(200);
    std::wstring command = L"\"" + std::wstring(scr) + L"\" /p " + std::to_wstring(reinterpret_cast<std::intptr_t>(host));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        Check(false, "preview: the saver starts");
        return;
    }

    HWND preview = nullptr;
    for (int i = 0; i < 150 && !preview; ++i) {
        PumpFor(100);
        preview = FindWindowExW(host, nullptr, L"HollyquillPreview", nullptr);
    }
    Check(preview != nullptr, "preview: a child window appears in the host");
    if (preview) {
        PumpFor(500);
        RECT hostClient{}, previewRect{};
        GetClientRect(host, &hostClient);
        GetWindowRect(preview, &previewRect);
        MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&previewRect), 2);
        Check(EqualRect(&hostClient, &previewRect) != 0, "preview: it covers the host's client area",
              std::to_string(previewRect.left) + "," + std::to_string(previewRect.top) + " " +
                  std::to_string(previewRect.right) + "x" + std::to_string(previewRect.bottom));
        const LONG_PTR style = GetWindowLongPtrW(preview, GWL_STYLE);
        Check((style & WS_CHILD) && !(style & WS_POPUP) && IsWindowVisible(preview) && GetParent(preview) == host,
              "preview: a visible child of the host");
        wchar_t caption[32] = {};
        GetWindowTextW(preview, caption, 32);
        Check(std::wstring(caption) == L"Preview", "preview: its caption is Preview");

        // What the screen shows in the middle of the host is the picture, not the host's white.
        // The other process paints in its own time.
        POINT middle{76, 56};
        ClientToScreen(host, &middle);
        COLORREF shown = CLR_INVALID;
        for (int i = 0; i < 30 && ((shown = ScreenPixel(middle.x, middle.y)) == CLR_INVALID || shown == RGB(255, 255, 255)); ++i)
            PumpFor(100);
        if (shown == RGB(255, 255, 255)) {
            // Wine does not put another process's child window on screen; Windows does.
            ++g_skipped;
            std::puts("SKIP preview: a picture is shown: the host's own background is on screen");
        } else {
            Check(shown != CLR_INVALID, "preview: a picture is shown", std::to_string(shown));
        }
    }

    DestroyWindow(host);
    const DWORD waited = WaitForSingleObject(process.hProcess, 10000);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    Check(waited == WAIT_OBJECT_0 && status == 0, "preview: it ends with status 0 when the host goes",
          std::to_string(status));
    if (waited != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    for (auto checks : {RegistryChecks, TextChecks, FontChecks, SystemChecks, SoundChecks, PresenterChecks,
                        SaverInputChecks, PreviewPictureChecks})
        checks();
    if (argc > 1) PreviewHostChecks(argv[1]);
    std::printf("%d passed, %d failed, %d skipped\n", g_passed, g_failed, g_skipped);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}
