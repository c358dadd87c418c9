#pragma once
// The help window: the help file's text in a scrolling box and a Close button. It stays open
// beside the dialog until it is closed.
#include <wx/wx.h>

#include "settings/SetupPresenter.h"

namespace hq {

class HelpFrame : public wxFrame {
public:
    HelpFrame(wxWindow* dialog, SetupPresenter& presenter);
    // Shows the window in front with this caption and text.
    void ShowHelp(const HelpWindow& help);

private:
    SetupPresenter& m_presenter;
    wxTextCtrl* m_text;
};

}  // namespace hq
