// The preview: one still picture of the village (preview.bmp in the asset folder, 153 x 115),
// made a child of the window the system names and sized to its client area. It lives until
// that window destroys it.
#include "platform/windows/TextCodec.h"
#include "platform/windows/WinModes.h"

namespace hq::win {

namespace {

constexpr wchar_t kPreviewClass[] = L"HollyquillPreview";
constexpr COLORREF kNightSky = RGB(0x14, 0x1a, 0x33);  // shown when the picture is missing

struct PreviewState {
    HBITMAP picture = nullptr;
    SIZE size{};
};

LRESULT CALLBACK PreviewProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* state = reinterpret_cast<PreviewState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        if (state && state->picture) {
            HDC source = CreateCompatibleDC(dc);
            HGDIOBJ old = SelectObject(source, state->picture);
            SetStretchBltMode(dc, HALFTONE);
            StretchBlt(dc, 0, 0, client.right, client.bottom, source, 0, 0, state->size.cx, state->size.cy, SRCCOPY);
            SelectObject(source, old);
            DeleteDC(source);
        } else {
            HBRUSH sky = CreateSolidBrush(kNightSky);
            FillRect(dc, &client, sky);
            DeleteObject(sky);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int RunPreview(HINSTANCE instance, std::int64_t hostWindow, const std::string& assetFolder) {
    HWND host = WindowFromNumber(hostWindow);
    // No window to live in: nothing would ever show or end the preview.
    if (!host || !IsWindow(host)) return 0;

    PreviewState state;
    state.picture = static_cast<HBITMAP>(LoadImageW(nullptr, Widen(assetFolder + "preview.bmp").c_str(), IMAGE_BITMAP,
                                                    0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (state.picture) {
        BITMAP info{};
        GetObjectW(state.picture, sizeof info, &info);
        state.size = {info.bmWidth, info.bmHeight};
    }

    RECT hostRect{};
    GetClientRect(host, &hostRect);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = PreviewProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kPreviewClass;
    RegisterClassExW(&wc);
    HWND preview = CreateWindowExW(0, kPreviewClass, L"Preview", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, &state);
    if (!preview) return 1;

    // A child of the host: its style gains WS_CHILD (a popup cannot be a child), its parent and
    // owner become the host, and it takes the host's client area without taking the focus.
    LONG_PTR style = GetWindowLongPtrW(preview, GWL_STYLE);
    SetWindowLongPtrW(preview, GWL_STYLE, (style & ~LONG_PTR(WS_POPUP)) | WS_CHILD);
    SetParent(preview, host);
    SetWindowLongPtrW(preview, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(host));
    SetWindowPos(preview, nullptr, 0, 0, hostRect.right, hostRect.bottom, SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (state.picture) DeleteObject(state.picture);
    return 0;
}

}  // namespace hq::win
