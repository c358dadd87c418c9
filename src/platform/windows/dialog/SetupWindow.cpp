#include "platform/windows/dialog/SetupWindow.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <string_view>

#include "platform/windows/TextCodec.h"
#include "settings/DialogTexts.h"

namespace hq::win {

namespace {

constexpr wchar_t kDialogClass[] = L"HollyquillSetup";
constexpr wchar_t kPageClass[] = L"HollyquillSetupPage";
constexpr wchar_t kHelpClass[] = L"HollyquillHelp";

// The design: 9285 x 6885 twips, a 975-twip banner and a 690-twip button strip.
constexpr int kDesignWidth = 619;
constexpr int kDesignHeight = 459;
constexpr int kBannerHeight = 65;
constexpr int kStripHeight = 46;
constexpr int kDesignFontPoints = 8;
constexpr int kHelpWidth = 560;
constexpr int kHelpHeight = 440;

constexpr COLORREF kCarolRed = RGB(192, 0, 0);
constexpr COLORREF kDuskBlue = RGB(43, 47, 92);

enum ControlId : int {
    kFirstCheckId = 1000,
    kFirstTextId = 1100,
    kMouseSId = 1200,
    kFontsId,
    kSoundOffId,
    kKeyboardId,
    kAboutId,
    kHelpId,
    kBannerId,
    kTabsId,
    kFirstTestId = 1300,
    kHelpTextId = 1400,
};


RECT R(int x, int y, int w, int h) { return RECT{x, y, x + w, y + h}; }

int DpiFor(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    // Windows 10 knows each monitor's DPI; older systems have one for the whole desktop.
    if (auto fn = reinterpret_cast<GetDpiForWindowFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
        fn && window)
        if (const UINT dpi = fn(window)) return int(dpi);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

std::wstring WindowText(HWND control) {
    std::wstring text(std::size_t(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(std::size_t(GetWindowTextW(control, text.data(), int(text.size()))));
    return text;
}

// An edit control breaks lines only at CR LF.
std::wstring WithCrLf(const std::wstring& text) {
    std::wstring out;
    out.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (c == L'\r') {
            out += L"\r\n";
            if (i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        } else if (c == L'\n') {
            out += L"\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace

SetupWindow::SetupWindow(HINSTANCE instance, SetupPresenter& presenter, const std::string& assetFolder)
    : m_instance(instance), m_presenter(presenter), m_assetFolder(assetFolder) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.lpfnWndProc = DialogProc;
    wc.lpszClassName = kDialogClass;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = PageProc;
    wc.lpszClassName = kPageClass;
    wc.hIcon = nullptr;
    RegisterClassExW(&wc);
    wc.lpfnWndProc = HelpProc;
    wc.lpszClassName = kHelpClass;
    RegisterClassExW(&wc);

    m_window = CreateWindowExW(WS_EX_CONTROLPARENT, kDialogClass, Widen(kDialogCaption).c_str(),
                               WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT,
                               kDesignWidth, kDesignHeight, nullptr, nullptr, instance, this);
    if (!m_window) return;
    m_dpi = DpiFor(m_window);
    Build();

    // The client area of the design, scaled, in the middle of the work area.
    RECT frame{0, 0, Scale(kDesignWidth), Scale(kDesignHeight)};
    AdjustWindowRectEx(&frame, DWORD(GetWindowLongPtrW(m_window, GWL_STYLE)), FALSE, WS_EX_CONTROLPARENT);
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    SetWindowPos(m_window, nullptr, std::max<int>(work.left, (work.left + work.right - width) / 2),
                 std::max<int>(work.top, (work.top + work.bottom - height) / 2), width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    ShowPage(0);  // the first tab is shown when the dialog opens
    MirrorAll();
}

SetupWindow::~SetupWindow() {
    if (m_help) DestroyWindow(m_help);
    if (m_window) DestroyWindow(m_window);
    if (m_font) DeleteObject(m_font);
    if (m_bannerPicture) DeleteObject(m_bannerPicture);
}

// ---- Building -----------------------------------------------------------------------------

HWND SetupWindow::Add(HWND parent, const wchar_t* className, const std::string& text, DWORD style, RECT design, int id,
                      DWORD exStyle) {
    HWND control = CreateWindowExW(exStyle, className, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                                   parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), m_instance, nullptr);
    if (!control) return nullptr;
    // A group box goes under the controls it frames, so it never paints over them.
    if ((style & BS_TYPEMASK) == BS_GROUPBOX && className == std::wstring_view(WC_BUTTONW))
        SetWindowPos(control, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (parent == m_window) m_dialogControls.push_back({control, design});
    else m_pageControls[parent == m_pages[0] ? 0 : 1].push_back({control, design});
    return control;
}

HWND SetupWindow::AddCheck(HWND parent, CheckId id, const std::string& caption, RECT design, bool red) {
    HWND box = Add(parent, WC_BUTTONW, caption, BS_AUTOCHECKBOX | WS_TABSTOP, design, kFirstCheckId + int(id));
    m_checks[std::size_t(id)] = box;
    if (red) {
        // Themed check boxes ignore the caption colour; these draw themselves the classic way.
        SetWindowTheme(box, L"", L"");
        m_redControls.push_back(box);
    }
    return box;
}

HWND SetupWindow::AddText(HWND parent, TextId id, RECT design, DWORD extraStyle) {
    HWND text = Add(parent, WC_EDITW, "", ES_AUTOHSCROLL | WS_TABSTOP | extraStyle, design, kFirstTextId + int(id),
                    WS_EX_CLIENTEDGE);
    m_texts[std::size_t(id)] = text;
    return text;
}

void SetupWindow::AddTip(HWND control, const std::string& tip) {
    if (!m_tips || !control) return;
    const std::wstring text = Widen(tip);
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

// A group box lets the mouse through to its page, so its tip belongs to an area of the page.
void SetupWindow::AddAreaTip(HWND page, RECT design, const std::string& tip) {
    if (!m_tips) return;
    const std::wstring text = Widen(tip);
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = page;
    info.uId = m_areaTips.size() + 1;
    info.rect = ScaleRect(design, {0, 0});
    info.lpszText = const_cast<wchar_t*>(text.c_str());
    SendMessageW(m_tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    m_areaTips.push_back({page, info.uId});
    m_areaTipDesigns.push_back(design);
}

void SetupWindow::Build() {
    m_tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0,
                             m_window, nullptr, m_instance, nullptr);
    if (m_tips) SendMessageW(m_tips, TTM_SETMAXTIPWIDTH, 0, Scale(320));

    // The banner: banner.bmp from the asset folder, its edge colour carried to the sides; the
    // name on dusk blue when the picture is missing.
    m_bannerPicture = static_cast<HBITMAP>(LoadImageW(nullptr, Widen(m_assetFolder + "banner.bmp").c_str(),
                                                      IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (m_bannerPicture) {
        m_banner = Add(m_window, WC_STATICW, "", SS_BITMAP | SS_CENTERIMAGE, R(0, 0, kDesignWidth, kBannerHeight),
                       kBannerId);
        SendMessageW(m_banner, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_bannerPicture));
    } else {
        m_banner = Add(m_window, WC_STATICW, kDialogCaption, SS_CENTER | SS_CENTERIMAGE,
                       R(0, 0, kDesignWidth, kBannerHeight), kBannerId);
    }

    m_tabs = Add(m_window, WC_TABCONTROLW, "", WS_CLIPSIBLINGS | WS_TABSTOP,
                 R(4, kBannerHeight + 4, kDesignWidth - 8, kDesignHeight - kBannerHeight - kStripHeight - 4), kTabsId);
    const char* tabNames[2] = {dialog_text::kSettingsTab, dialog_text::kCarolsTab};
    for (int i = 0; i < 2; ++i) {
        std::wstring name = Widen(tabNames[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = name.data();
        SendMessageW(m_tabs, TCM_INSERTITEMW, WPARAM(i), reinterpret_cast<LPARAM>(&item));
        m_pages[std::size_t(i)] = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, nullptr, WS_CHILD, 0,
                                                  0, 0, 0, m_window, nullptr, m_instance, this);
        // Above the tab control, which would otherwise paint over the page.
        SetWindowPos(m_pages[std::size_t(i)], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    BuildSettingsPage();
    BuildCarolsPage();

    const int stripTop = kDesignHeight - kStripHeight + 10;
    HWND about = Add(m_window, WC_BUTTONW, dialog_text::kAboutButton, BS_PUSHBUTTON | WS_TABSTOP, R(8, stripTop, 88, 26), kAboutId);
    AddTip(about, dialog_text::kAboutTip);
    HWND help = Add(m_window, WC_BUTTONW, dialog_text::kHelpButton, BS_PUSHBUTTON | WS_TABSTOP, R(104, stripTop, 88, 26), kHelpId);
    AddTip(help, dialog_text::kHelpTip);
    Add(m_window, WC_BUTTONW, dialog_text::kOkButton, BS_DEFPUSHBUTTON | WS_TABSTOP, R(kDesignWidth - 96, stripTop, 88, 26), IDOK);
}

void SetupWindow::BuildSettingsPage() {
    HWND page = m_pages[0];
    const DWORD group = BS_GROUPBOX | WS_GROUP;

    Add(page, WC_BUTTONW, dialog_text::kLayersGroup, group, R(6, 4, 290, 84), 0);
    AddAreaTip(page, R(6, 4, 290, 84), dialog_text::kLayersTip);
    for (int i = 0; i < 3; ++i) AddCheck(page, chkLayer(i), dialog_text::kLayerCaptions[i], R(18, 22 + 20 * i, 260, 18));

    Add(page, WC_BUTTONW, dialog_text::kCountDownGroup, group, R(6, 94, 290, 46), 0);
    AddCheck(page, CheckId::chkCountDown, dialog_text::kCountDownCheck, R(18, 114, 260, 18));

    Add(page, WC_BUTTONW, dialog_text::kMouseGroup, group, R(6, 146, 290, 80), 0);
    AddAreaTip(page, R(6, 146, 290, 80), dialog_text::kMouseTip);
    m_mouseS = Add(page, TRACKBAR_CLASSW, "", TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP, R(14, 164, 222, 30), kMouseSId);
    SendMessageW(m_mouseS, TBM_SETRANGE, TRUE, MAKELPARAM(kMouseSensitivityMin, kMouseSensitivityMax));
    SendMessageW(m_mouseS, TBM_SETLINESIZE, 0, 1);
    SendMessageW(m_mouseS, TBM_SETPAGESIZE, 0, 1);
    AddTip(m_mouseS, dialog_text::kMouseTip);
    AddText(page, TextId::txtMouseS, R(242, 168, 42, 22), ES_READONLY | ES_CENTER);
    Add(page, WC_STATICW, dialog_text::kMouseLight, SS_LEFT, R(20, 198, 100, 16), 0);
    Add(page, WC_STATICW, dialog_text::kMouseHeavy, SS_RIGHT, R(170, 198, 62, 16), 0);

    HWND power = AddCheck(page, CheckId::chkPowerSave, dialog_text::kPowerSaveCheck, R(10, 236, 286, 18));
    AddTip(power, dialog_text::kPowerSaveTip);

    Add(page, WC_BUTTONW, dialog_text::kClockGroup, group, R(304, 4, 292, 50), 0);
    HWND clock = AddCheck(page, CheckId::chkClock, dialog_text::kClockCheck, R(316, 25, 110, 18));
    AddTip(clock, dialog_text::kClockTip);
    Add(page, WC_STATICW, dialog_text::kClockSizeLabel, SS_RIGHT, R(440, 27, 76, 16), 0);
    AddTip(AddText(page, TextId::txtFontSize, R(520, 23, 64, 22)), dialog_text::kClockSizeTip);

    Add(page, WC_BUTTONW, dialog_text::kMessageGroup, group, R(304, 60, 292, 196), 0);
    AddCheck(page, CheckId::chkShowMessage, dialog_text::kMessageCheck, R(316, 80, 200, 18));
    AddText(page, TextId::txtMessage, R(316, 102, 268, 22));
    Add(page, WC_STATICW, dialog_text::kMessageSizeLabel, SS_LEFT, R(316, 137, 58, 16), 0);
    AddText(page, TextId::txtFontSizeMsg, R(376, 133, 50, 22));
    Add(page, WC_STATICW, dialog_text::kFontLabel, SS_RIGHT, R(430, 137, 34, 16), 0);
    m_fonts = Add(page, WC_COMBOBOXW, "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, R(468, 133, 116, 240), kFontsId);
    AddCheck(page, CheckId::chkFonts, "", R(316, 166, 16, 18));
    Add(page, WC_STATICW, dialog_text::kFontsNote, SS_LEFT, R(336, 167, 250, 82), 0);
}

void SetupWindow::BuildCarolsPage() {
    HWND page = m_pages[1];
    // The line's caption holds the list in its run of blanks.
    const std::string line = dialog_text::kSoundOffLine;
    const std::size_t gapStart = line.find("  ");
    const std::size_t gapEnd = line.find_first_not_of(' ', gapStart);
    m_redControls.push_back(Add(page, WC_STATICW, line.substr(0, gapStart), SS_LEFT, R(10, 12, 96, 16), 0));
    m_soundOff = Add(page, WC_COMBOBOXW, "", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                     R(110, 8, 72, 300), kSoundOffId);
    for (const std::string& choice : SoundOffChoices())
        SendMessageW(m_soundOff, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(choice).c_str()));
    AddTip(m_soundOff, dialog_text::kSoundOffTip);
    m_redControls.push_back(Add(page, WC_STATICW, line.substr(gapEnd), SS_LEFT, R(188, 12, 60, 16), 0));
    Add(page, WC_BUTTONW, dialog_text::kKeyboardButton, BS_PUSHBUTTON | WS_TABSTOP, R(460, 7, 134, 24), kKeyboardId);
    Add(page, WC_STATICW, "", SS_ETCHEDHORZ, R(6, 38, 590, 2), 0);

    constexpr int kRows = 12;
    constexpr int kColumnWidth = 198;
    for (int col = 0; col < 3; ++col) {
        const int left = 6 + col * kColumnWidth;
        if (col > 0) Add(page, WC_STATICW, "", SS_ETCHEDVERT, R(left - 5, 46, 2, 268), 0);
        for (int row = 0; row < kRows; ++row) {
            const int i = col * kRows + row;
            const int top = 46 + row * 22;
            m_testButtons[std::size_t(i)] = Add(page, WC_BUTTONW, kTestCaption, BS_PUSHBUTTON | WS_TABSTOP,
                                                R(left, top, 42, 20), kFirstTestId + i);
            AddCheck(page, ChkMidi(i), std::string(CarolTitle(i + 1)), R(left + 46, top + 1, kColumnWidth - 52, 18), true);
        }
    }
}

RECT SetupWindow::ScaleRect(RECT design, POINT origin) const {
    return RECT{origin.x + Scale(design.left), origin.y + Scale(design.top), origin.x + Scale(design.right),
                origin.y + Scale(design.bottom)};
}

void SetupWindow::Layout() {
    // The design's 8-point dialog face, at this monitor's DPI.
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    face.lfHeight = -MulDiv(kDesignFontPoints, m_dpi, 72);
    face.lfWidth = 0;
    if (m_font) DeleteObject(m_font);
    m_font = CreateFontIndirectW(&face);

    auto place = [this](const Placed& p) {
        const RECT r = ScaleRect(p.design, {0, 0});
        SetWindowPos(p.control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(p.control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
    };
    for (const Placed& p : m_dialogControls) place(p);
    RECT pageArea{};
    GetWindowRect(m_tabs, &pageArea);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT*>(&pageArea), 2);
    SendMessageW(m_tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&pageArea));
    for (int i = 0; i < 2; ++i) {
        SetWindowPos(m_pages[std::size_t(i)], HWND_TOP, pageArea.left, pageArea.top, pageArea.right - pageArea.left,
                     pageArea.bottom - pageArea.top, SWP_NOACTIVATE);
        for (const Placed& p : m_pageControls[std::size_t(i)]) place(p);
    }
    for (std::size_t i = 0; i < m_areaTips.size(); ++i) {
        TOOLINFOW info{};
        info.cbSize = sizeof info;
        info.hwnd = m_areaTips[i].first;
        info.uId = m_areaTips[i].second;
        info.rect = ScaleRect(m_areaTipDesigns[i], {0, 0});
        SendMessageW(m_tips, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
    }
    InvalidateRect(m_window, nullptr, TRUE);
}

void SetupWindow::ShowPage(int page) {
    for (int i = 0; i < 2; ++i) ShowWindow(m_pages[std::size_t(i)], i == page ? SW_SHOW : SW_HIDE);
}

// ---- Messages -----------------------------------------------------------------------------

LRESULT CALLBACK SetupWindow::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || !self->m_window) return DefWindowProcW(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

LRESULT CALLBACK SetupWindow::PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // The controls of a page talk to the dialog.
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return SendMessageW(GetParent(window), message, wParam, lParam);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT SetupWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        Command(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_HSCROLL:
        // Every step, also while the thumb is dragged.
        if (reinterpret_cast<HWND>(lParam) == m_mouseS && !m_mirroring)
            m_presenter.SetMouseSensitivity(int(SendMessageW(m_mouseS, TBM_GETPOS, 0, 0)));
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->hwndFrom == m_tabs && header->code == TCN_SELCHANGE)
            ShowPage(int(SendMessageW(m_tabs, TCM_GETCURSEL, 0, 0)));
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        HWND control = reinterpret_cast<HWND>(lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        if (control == m_banner && !m_bannerPicture) {
            SetTextColor(dc, RGB(255, 255, 255));
            SetBkColor(dc, kDuskBlue);
            SetDCBrushColor(dc, kDuskBlue);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        if (std::find(m_redControls.begin(), m_redControls.end(), control) != m_redControls.end()) {
            SetTextColor(dc, kCarolRed);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        break;
    }
    case WM_DPICHANGED: {
        m_dpi = HIWORD(wParam);
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(m_window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        Layout();
        return 0;
    }
    case WM_CLOSE:
        CloseWindow();
        return 0;
    case WM_DESTROY:
        m_window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

void SetupWindow::Command(int id, int code, HWND control) {
    if (id == IDOK) {
        m_presenter.ClickOK();
        return;
    }
    if (id == IDCANCEL) {  // Esc
        CloseWindow();
        return;
    }
    if (id >= kFirstCheckId && id < kFirstCheckId + kCheckCount) {
        if (code == BN_CLICKED && !m_mirroring)
            m_presenter.SetCheck(CheckId(id - kFirstCheckId), SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return;
    }
    if (id >= kFirstTextId && id < kFirstTextId + kTextCount) {
        if (code == EN_CHANGE && !m_mirroring) m_presenter.SetText(TextId(id - kFirstTextId), Narrow(WindowText(control)));
        return;
    }
    if (id >= kFirstTestId && id < kFirstTestId + kCarolCount) {
        if (code == BN_CLICKED) m_presenter.ClickTestMusic(id - kFirstTestId);
        return;
    }
    switch (id) {
    case kFontsId:
        if (code == CBN_SELCHANGE && !m_mirroring) m_presenter.SelectFont(int(SendMessageW(m_fonts, CB_GETCURSEL, 0, 0)));
        break;
    case kSoundOffId:
        if (m_mirroring) break;
        if (code == CBN_SELCHANGE) m_presenter.SelectSoundOff(int(SendMessageW(m_soundOff, CB_GETCURSEL, 0, 0)));
        if (code == CBN_EDITCHANGE) m_presenter.TypeSoundOff(Narrow(WindowText(m_soundOff)));
        break;
    case kKeyboardId: m_presenter.ClickKeyboard(); break;
    case kAboutId: m_presenter.ClickAbout(); break;
    case kHelpId: m_presenter.ClickHelp(); break;
    }
}

void SetupWindow::CloseWindow() {
    // Every change was stored when it was made; closing only ends the dialog and its help.
    m_presenter.CloseHelp();
    if (m_window) DestroyWindow(m_window);
}

// ---- Mirroring the presenter ---------------------------------------------------------------

void SetupWindow::SetMirroredText(HWND control, const std::string& text) {
    const std::wstring wide = Widen(text);
    // Only a change from code is copied, so the caret stays where the user types.
    if (!control || WindowText(control) == wide) return;
    m_mirroring = true;
    SetWindowTextW(control, wide.c_str());
    m_mirroring = false;
}

void SetupWindow::CheckChanged(CheckId id) {
    HWND box = m_checks[std::size_t(id)];
    if (!box) return;
    const CheckBox& state = m_presenter.Controls().Check(id);
    m_mirroring = true;
    if ((SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != state.ticked)
        SendMessageW(box, BM_SETCHECK, state.ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    EnableWindow(box, state.enabled);
    m_mirroring = false;
}

void SetupWindow::TextChanged(TextId id) { SetMirroredText(m_texts[std::size_t(id)], m_presenter.Controls().Text(id)); }

void SetupWindow::MouseSensitivityChanged() {
    if (!m_mouseS) return;
    const int value = m_presenter.Controls().hsbMouseS;
    m_mirroring = true;
    if (SendMessageW(m_mouseS, TBM_GETPOS, 0, 0) != value) SendMessageW(m_mouseS, TBM_SETPOS, TRUE, value);
    m_mirroring = false;
}

void SetupWindow::FontListChanged() {
    if (!m_fonts) return;
    const ComboBox& state = m_presenter.Controls().cboFontsScreen;
    m_mirroring = true;
    bool same = SendMessageW(m_fonts, CB_GETCOUNT, 0, 0) == LRESULT(state.items.size());
    for (std::size_t i = 0; same && i < state.items.size(); ++i) {
        std::wstring item(std::size_t(SendMessageW(m_fonts, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        item.resize(std::size_t(SendMessageW(m_fonts, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(item.data()))));
        same = item == Widen(state.items[i]);
    }
    if (!same) {
        SendMessageW(m_fonts, CB_RESETCONTENT, 0, 0);
        for (const std::string& item : state.items)
            SendMessageW(m_fonts, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    }
    // Text set from code without a selection shows the entry of that name, if the list has one.
    LRESULT shown = state.selected;
    if (shown < 0 && !state.text.empty())
        shown = SendMessageW(m_fonts, CB_FINDSTRINGEXACT, WPARAM(-1), reinterpret_cast<LPARAM>(Widen(state.text).c_str()));
    if (shown >= LRESULT(state.items.size())) shown = -1;
    if (SendMessageW(m_fonts, CB_GETCURSEL, 0, 0) != shown) SendMessageW(m_fonts, CB_SETCURSEL, WPARAM(shown), 0);
    EnableWindow(m_fonts, state.enabled);
    m_mirroring = false;
}

void SetupWindow::SoundOffChanged() { SetMirroredText(m_soundOff, m_presenter.Controls().cboSoundOff.text); }

void SetupWindow::TestButtonChanged(int i) {
    SetMirroredText(m_testButtons[std::size_t(i)], m_presenter.Controls().cmdTestMusic[std::size_t(i)]);
}

void SetupWindow::CloseDialog() { CloseWindow(); }

// ---- The help window -----------------------------------------------------------------------

void SetupWindow::HelpChanged() {
    const auto& help = m_presenter.Help();
    if (!help) {
        if (m_help) {
            HWND window = m_help;
            m_help = nullptr;
            DestroyWindow(window);
        }
        return;
    }
    if (!m_help) {
        RECT frame{0, 0, Scale(kHelpWidth), Scale(kHelpHeight)};
        AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
        m_help = CreateWindowExW(WS_EX_CONTROLPARENT, kHelpClass, Widen(help->caption).c_str(), WS_OVERLAPPEDWINDOW,
                                 CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                 m_window, nullptr, m_instance, this);
        if (!m_help) return;
        m_helpText = CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE |
                                         ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_READONLY,
                                     0, 0, 0, 0, m_help, reinterpret_cast<HMENU>(INT_PTR(kHelpTextId)), m_instance,
                                     nullptr);
        SendMessageW(m_helpText, EM_SETLIMITTEXT, 0, 0);
        m_helpClose = CreateWindowExW(0, WC_BUTTONW, Widen(dialog_text::kHelpCloseButton).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0,
                                      0, 0, m_help, reinterpret_cast<HMENU>(INT_PTR(IDCANCEL)), m_instance, nullptr);
        for (HWND control : {m_helpText, m_helpClose})
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_font), FALSE);
        RECT client;
        GetClientRect(m_help, &client);
        HandleHelp(WM_SIZE, 0, MAKELPARAM(client.right, client.bottom));
    }
    SetWindowTextW(m_help, Widen(help->caption).c_str());
    SetWindowTextW(m_helpText, WithCrLf(Widen(help->text)).c_str());
    ShowWindow(m_help, SW_SHOWNORMAL);
    SetForegroundWindow(m_help);
}

LRESULT CALLBACK SetupWindow::HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<SetupWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || self->m_help != window) return DefWindowProcW(window, message, wParam, lParam);
    return self->HandleHelp(message, wParam, lParam);
}

LRESULT SetupWindow::HandleHelp(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: {
        const int width = LOWORD(lParam), height = HIWORD(lParam);
        const int margin = Scale(6), buttonWidth = Scale(88), buttonHeight = Scale(26);
        SetWindowPos(m_helpText, nullptr, 0, 0, width, std::max(0, height - buttonHeight - 2 * margin),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(m_helpClose, nullptr, width - buttonWidth - margin, height - buttonHeight - margin, buttonWidth,
                     buttonHeight, SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) m_presenter.CloseHelp();
        return 0;
    case WM_CLOSE:
        m_presenter.CloseHelp();
        return 0;
    }
    return DefWindowProcW(m_help, message, wParam, lParam);
}

}  // namespace hq::win
