#include "platform/linux/dialog/HelpFrame.h"

#include "platform/linux/dialog/WxText.h"
#include "settings/DialogTexts.h"

namespace hq {

namespace {
constexpr int kHelpWidth = 600;
constexpr int kHelpHeight = 420;
}  // namespace

HelpFrame::HelpFrame(wxWindow* dialog, SetupPresenter& presenter)
    : wxFrame(dialog, wxID_ANY, kHelpCaption, wxDefaultPosition, wxSize(kHelpWidth, kHelpHeight),
              wxDEFAULT_FRAME_STYLE | wxFRAME_FLOAT_ON_PARENT),
      m_presenter(presenter) {
    auto* panel = new wxPanel(this);
    // Long lines scroll sideways rather than wrap, as the help file was laid out.
    m_text = new wxTextCtrl(panel, wxID_ANY, kHelpInitialText, wxDefaultPosition, wxDefaultSize,
                            wxTE_MULTILINE | wxTE_READONLY | wxHSCROLL | wxVSCROLL);
    auto* close = new wxButton(panel, wxID_ANY, dialog_text::kHelpCloseButton);
    close->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_presenter.CloseHelp(); });
    // The window's close box unloads it as the button does.
    Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent&) { m_presenter.CloseHelp(); });

    auto* column = new wxBoxSizer(wxVERTICAL);
    m_text->SetMargins(4, 2);
    column->Add(m_text, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 6);
    column->Add(close, 0, wxALIGN_RIGHT | wxALL, 6);
    panel->SetSizer(column);
    // In front of the dialog, which stays usable beside it.
    CentreOnParent();
}

void HelpFrame::ShowHelp(const HelpWindow& help) {
    SetTitle(ToWx(help.caption));
    m_text->ChangeValue(ToWxFromFile(help.text));
    m_text->SetInsertionPoint(0);
    Show();
    Raise();
}

}  // namespace hq
