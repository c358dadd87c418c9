#pragma once
// The settings dialog in native Win32 controls: a banner, a tab control with the "Settings" and
// " Christmas Carols" pages, and the button strip, laid out for 619 x 459 pixels at 96 dots per
// inch and scaled to the monitor's DPI. It mirrors the settings presenter and forwards the user's
// actions to it; the help window is a second top-level window owned by it.
#include <array>
#include <string>
#include <vector>

#include "platform/windows/Win32.h"
#include "settings/SetupPresenter.h"

namespace hq::win {

class SetupWindow : public SetupView {
public:
    SetupWindow(HINSTANCE instance, SetupPresenter& presenter, const std::string& assetFolder);
    ~SetupWindow() override;
    SetupWindow(const SetupWindow&) = delete;
    SetupWindow& operator=(const SetupWindow&) = delete;

    HWND Handle() const { return m_window; }
    HWND HelpHandle() const { return m_help; }
    bool Closed() const { return m_window == nullptr; }

    void CheckChanged(CheckId id) override;
    void TextChanged(TextId id) override;
    void MouseSensitivityChanged() override;
    void FontListChanged() override;
    void SoundOffChanged() override;
    void TestButtonChanged(int i) override;
    void HelpChanged() override;
    void CloseDialog() override;

private:
    // A control and where it goes, in design pixels of its page (or of the dialog).
    struct Placed {
        HWND control;
        RECT design;
    };

    static LRESULT CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK HelpProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleHelp(UINT message, WPARAM wParam, LPARAM lParam);

    void Build();
    void BuildSettingsPage();
    void BuildCarolsPage();
    HWND Add(HWND parent, const wchar_t* className, const std::string& text, DWORD style, RECT design, int id,
             DWORD exStyle = 0);
    HWND AddCheck(HWND parent, CheckId id, const std::string& caption, RECT design, bool red = false);
    HWND AddText(HWND parent, TextId id, RECT design, DWORD extraStyle = 0);
    void AddTip(HWND control, const std::string& tip);
    void AddAreaTip(HWND page, RECT design, const std::string& tip);
    void Layout();
    void ShowPage(int page);
    int Scale(int designPixels) const { return MulDiv(designPixels, m_dpi, 96); }
    RECT ScaleRect(RECT design, POINT origin) const;
    void Command(int id, int code, HWND control);
    void CloseWindow();
    void SetMirroredText(HWND control, const std::string& text);

    HINSTANCE m_instance;
    SetupPresenter& m_presenter;
    std::string m_assetFolder;
    HWND m_window = nullptr;
    HWND m_tabs = nullptr;
    std::array<HWND, 2> m_pages{};
    HWND m_tips = nullptr;
    HWND m_banner = nullptr;
    HBITMAP m_bannerPicture = nullptr;
    HFONT m_font = nullptr;
    HBRUSH m_face = nullptr;
    int m_dpi = 96;
    bool m_mirroring = false;
    std::vector<Placed> m_dialogControls;  // placed in the dialog's client area
    std::array<std::vector<Placed>, 2> m_pageControls;  // placed in their page
    std::vector<std::pair<HWND, UINT_PTR>> m_areaTips;
    std::vector<RECT> m_areaTipDesigns;

    std::array<HWND, kCheckCount> m_checks{};
    std::array<HWND, kTextCount> m_texts{};
    std::array<HWND, kCarolCount> m_testButtons{};
    std::vector<HWND> m_redControls;
    HWND m_mouseS = nullptr;
    HWND m_fonts = nullptr;
    HWND m_soundOff = nullptr;

    HWND m_help = nullptr;
    HWND m_helpText = nullptr;
    HWND m_helpClose = nullptr;
};

}  // namespace hq::win
