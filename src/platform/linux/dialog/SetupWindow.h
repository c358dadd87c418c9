#pragma once
// The settings dialog's wxWidgets view: it builds the controls, mirrors the presenter's state into
// them and forwards every user action to the presenter, which decides what is stored.
#include <wx/wx.h>

#include <array>

#include "settings/SetupPresenter.h"

class wxNotebook;

namespace hq {

class HelpFrame;

class SetupWindow : public wxDialog, public SetupView {
public:
    SetupWindow(SetupPresenter& presenter, const std::string& assetFolder);
    ~SetupWindow() override;

    // SetupView
    void CheckChanged(CheckId id) override;
    void TextChanged(TextId id) override;
    void MouseSensitivityChanged() override;
    void FontListChanged() override;
    void SoundOffChanged() override;
    void TestButtonChanged(int i) override;
    void HelpChanged() override;
    void CloseDialog() override;

private:
    wxWindow* BuildBanner(const std::string& assetFolder);
    wxWindow* BuildSettingsPage(wxNotebook* book);
    wxWindow* BuildCarolsPage(wxNotebook* book);
    wxSizer* BuildButtonStrip();
    wxCheckBox* AddCheck(wxWindow* parent, CheckId id, const wxString& caption, const wxColour& colour = wxNullColour);
    wxTextCtrl* AddText(wxWindow* parent, TextId id, int width);
    void SizeToFit();
    void OnClose(wxCloseEvent& event);

    SetupPresenter& m_presenter;
    std::array<wxCheckBox*, kCheckCount> m_checks{};
    std::array<wxTextCtrl*, kTextCount> m_texts{};
    std::array<wxButton*, kCarolCount> m_testButtons{};
    wxSlider* m_mouseS = nullptr;
    wxChoice* m_fonts = nullptr;
    wxComboBox* m_soundOff = nullptr;
    int m_noteWrap = 0;  // the width the font note is wrapped to
    HelpFrame* m_help = nullptr;
    bool m_mirroring = false;  // set while the view copies state, so its own events are ignored
};

}  // namespace hq
