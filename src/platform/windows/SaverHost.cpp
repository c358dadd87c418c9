// The full-screen saver on Windows: one topmost popup over the whole virtual screen, the scene on
// the primary monitor, frames at the display's pace, the saver window's timers as window timers,
// and the monitor power-off request answered by a subclassed window procedure.
#include <windowsx.h>

#include <memory>

#include "platform/windows/FrameClock.h"
#include "platform/windows/GdiFontRasterizer.h"
#include "platform/windows/GdiFramePresenter.h"
#include "platform/windows/MidiOutSound.h"
#include "platform/windows/RegistrySettingsStore.h"
#include "platform/windows/WinModes.h"
#include "platform/windows/WinSystem.h"
#include "saver/SaverWindow.h"

namespace hq::win {

namespace {

constexpr UINT kFrameMessage = WM_APP + 1;
constexpr UINT kSoundEndedMessage = WM_APP + 2;
constexpr wchar_t kSaverClass[] = L"HollyquillSaver";
constexpr wchar_t kSaverTitle[] = L"Hollyquill";

RECT VirtualScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return RECT{left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

class SaverHost {
public:
    SaverHost(HINSTANCE instance, std::string assetFolder) : m_instance(instance), m_assetFolder(std::move(assetFolder)) {}
    ~SaverHost() {
        if (m_clock) m_clock->Stop();
        m_saver.reset();
        m_sound.reset();
        if (m_window) DestroyWindow(m_window);
    }

    int Run();

private:
    static LRESULT CALLBACK OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PowerHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static SaverHost* From(HWND window) { return reinterpret_cast<SaverHost*>(GetWindowLongPtrW(window, GWLP_USERDATA)); }

    bool CreateSaverWindow();
    void CoverScreen(UINT extraFlags);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    bool Running() const { return m_saver && !m_saver->Closed(); }

    HINSTANCE m_instance;
    std::string m_assetFolder;
    HWND m_window = nullptr;
    WNDPROC m_ownProc = nullptr;
    POINT m_lastMouse{-1, -1};
    bool m_told = false;  // SPI_SCREENSAVERRUNNING was set

    WinSystem m_system;
    RegistrySettingsStore m_store;
    GdiFontRasterizer m_fonts;
    std::unique_ptr<GdiFramePresenter> m_presenter;
    std::unique_ptr<DrawingControl> m_drawing;
    std::unique_ptr<MidiOutSound> m_sound;
    std::unique_ptr<SaverWindow> m_saver;
    std::unique_ptr<FrameClock> m_clock;
};

bool SaverHost::CreateSaverWindow() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = OwnProc;
    wc.hInstance = m_instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = nullptr;  // the presenter paints every pixel
    wc.lpszClassName = kSaverClass;
    wc.hIcon = LoadIconW(m_instance, MAKEINTRESOURCEW(1));
    RegisterClassExW(&wc);

    const RECT screen = VirtualScreen();
    // Created hidden: the load step runs before the window is placed and shown.
    m_window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kSaverClass, kSaverTitle, WS_POPUP, screen.left,
                               screen.top, screen.right - screen.left, screen.bottom - screen.top, nullptr, nullptr,
                               m_instance, this);
    return m_window != nullptr;
}

void SaverHost::CoverScreen(UINT extraFlags) {
    const RECT screen = VirtualScreen();
    SetWindowPos(m_window, HWND_TOPMOST, screen.left, screen.top, screen.right - screen.left,
                 screen.bottom - screen.top, extraFlags);
    if (m_presenter) m_presenter->Relayout();
}

int SaverHost::Run() {
    if (!CreateSaverWindow()) return 1;
    m_system.SetWindow(m_window);

    // The message hook: the window's own procedure stays behind it for every other message.
    m_ownProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SaverHost::PowerHook)));

    m_presenter = std::make_unique<GdiFramePresenter>(m_window);
    m_drawing = MakeSaverDrawing(*m_presenter, m_fonts, m_system);
    HWND window = m_window;
    m_sound = std::make_unique<MidiOutSound>([window] { PostMessageW(window, kSoundEndedMessage, 0, 0); });
    m_saver = std::make_unique<SaverWindow>(SaverPlatform{*m_drawing, *m_sound, m_store, m_system, m_system,
                                                          m_assetFolder},
                                            std::uint64_t(GetTickCount64()));

    // The cursor's place now is no move; only a change of place is.
    GetCursorPos(&m_lastMouse);
    ScreenToClient(m_window, &m_lastMouse);

    if (!m_saver->Load()) return 1;

    CoverScreen(SWP_SHOWWINDOW);
    SetForegroundWindow(m_window);
    SetFocus(m_window);
    m_system.SetScreenSaverRunning(true);
    m_told = true;

    m_clock = std::make_unique<FrameClock>(m_window, kFrameMessage);
    m_clock->Start();

    MSG message;
    while (!m_system.EndRequested() && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);

    m_clock->Stop();
    // Closed by the system rather than by the saver: the system must not think a saver still runs.
    if (m_told && !m_saver->Closed()) m_system.SetScreenSaverRunning(false);
    return 0;
}

LRESULT CALLBACK SaverHost::OwnProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    SaverHost* host = From(window);
    if (!host || !host->m_window) return DefWindowProcW(window, message, wParam, lParam);
    return host->Handle(message, wParam, lParam);
}

LRESULT CALLBACK SaverHost::PowerHook(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    SaverHost* host = From(window);
    // The system asks to power the monitor down; a null message in its place keeps it on.
    if (message == WM_SYSCOMMAND && wParam == SC_MONITORPOWER && host->Running() &&
        !host->m_saver->MonitorPowerRequest())
        message = WM_NULL;
    return CallWindowProcW(host->m_ownProc, window, message, wParam, lParam);
}

LRESULT SaverHost::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kFrameMessage:
        if (Running()) m_saver->FrameDue();
        if (m_clock) m_clock->FrameHandled();
        return 0;
    case kSoundEndedMessage:
        if (Running()) m_saver->SoundNotify();
        return 0;
    case WM_TIMER: {
        TimerId id;
        if (Running() && WinSystem::TimerFromEventId(wParam, id)) m_saver->TimerTick(id);
        return 0;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        // Virtual-key codes of letters are their upper-case character codes.
        if (Running()) m_saver->KeyDown(int(wParam));
        return 0;
    case WM_MOUSEMOVE: {
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        // Windows repeats the last position when a window appears or changes; that is no move.
        if (at.x == m_lastMouse.x && at.y == m_lastMouse.y) return 0;
        m_lastMouse = at;
        if (Running()) m_saver->MouseMove();
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        if (Running()) m_saver->MouseDown();
        return 0;
    case WM_KILLFOCUS:
        if (Running()) m_saver->FocusLost();
        return 0;
    case WM_SYSCOMMAND:
        // A second screen saver must not start over this one.
        if ((wParam & 0xFFF0) == SC_SCREENSAVE) return 0;
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_window, &paint);
        if (m_presenter) m_presenter->Repaint(dc);
        EndPaint(m_window, &paint);
        return 0;
    }
    case WM_DISPLAYCHANGE:
        if (IsWindowVisible(m_window)) CoverScreen(SWP_NOACTIVATE);
        return 0;
    case WM_CLOSE:
        // The system closes the window: only the unload step runs.
        if (Running()) m_saver->Unload();
        DestroyWindow(m_window);
        return 0;
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

}  // namespace

int RunSaver(HINSTANCE instance, const std::string& assetFolder) {
    SaverHost host(instance, assetFolder);
    return host.Run();
}

}  // namespace hq::win
