#include "platform/linux/dialog/SetupWindow.h"

#include <wx/notebook.h>
#include <wx/statline.h>

#include <algorithm>

#include "platform/linux/dialog/HelpFrame.h"
#include "platform/linux/dialog/WxText.h"
#include "settings/DialogTexts.h"

namespace hq {

namespace {

// The dialog was laid out for 619 x 459 pixels at 96 dots per inch; GTK's controls are larger
// than that design assumed, so the dialog grows to fit them but never past a small screen.
constexpr int kDesignWidth = 619;
constexpr int kDesignHeight = 459;
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
constexpr int kBannerHeight = 65;  // 975 twips
constexpr int kButtonStripHeight = 46;  // 690 twips

const wxColour kDuskBlue(43, 47, 92);
const wxColour kCarolRed(192, 0, 0);


// GTK's theme pads buttons and entries for touch screens; these few rules give back the density
// the dialog was designed with. They apply to one widget each.
constexpr const char* kCompactButtonCss = "button { min-height: 0; padding: 1px 5px; }";
constexpr const char* kCompactEntryCss = "entry { min-height: 0; padding-top: 2px; padding-bottom: 2px; }";

class CompactButton : public wxButton {
public:
    CompactButton(wxWindow* parent, const wxString& caption, long style = 0)
        : wxButton(parent, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, style) {
        GTKApplyCssStyle(kCompactButtonCss);
        InvalidateBestSize();
        SetInitialSize();
    }
};

// A check box with a coloured caption. GTK would paint the tick in that colour too; it keeps the
// theme's colour for marks drawn on the selection colour.
class ColouredCheckBox : public wxCheckBox {
public:
    ColouredCheckBox(wxWindow* parent, const wxString& caption, const wxColour& colour)
        : wxCheckBox(parent, wxID_ANY, caption) {
        SetForegroundColour(colour);
        GTKApplyCssStyle("check { color: @theme_selected_fg_color; }");
    }
};

class CompactText : public wxTextCtrl {
public:
    CompactText(wxWindow* parent, const wxSize& size, long style = 0)
        : wxTextCtrl(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, size, style) {
        GTKApplyCssStyle(kCompactEntryCss);
        // The size GTK asked for before the rule no longer holds.
        InvalidateBestSize();
        SetInitialSize(size);
    }
};

// The picture across the top: banner.bmp when the asset folder has one, a dusk-blue band
// otherwise. When the dialog is wider than the picture, the picture's edge columns carry its sky
// and snow out to the sides rather than leaving bars.
class Banner : public wxPanel {
public:
    Banner(wxWindow* parent, const std::string& assetFolder)
        : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxSize(kDesignWidth, kBannerHeight)) {
        SetMinSize(wxSize(kDesignWidth, kBannerHeight));
        SetBackgroundColour(kDuskBlue);
        const wxString path = ToWx(assetFolder + "banner.bmp");
        if (wxFileExists(path)) {
            wxLogNull quiet;  // a damaged picture falls back to the band
            m_picture.LoadFile(path, wxBITMAP_TYPE_BMP);
        }
        Bind(wxEVT_PAINT, [this](wxPaintEvent&) { Paint(); });
    }

private:
    void Paint() {
        wxPaintDC dc(this);
        if (!m_picture.IsOk()) return;
        const wxSize size = GetClientSize();
        if (m_shown.IsOk() && m_shown.GetSize() == size) {
            dc.DrawBitmap(m_shown, 0, 0);
            return;
        }
        const int w = m_picture.GetWidth(), h = m_picture.GetHeight();
        const int left = std::max(0, (size.x - w) / 2), right = std::max(0, size.x - w - left);
        wxImage wide(size.x, size.y);
        wide.SetRGB(wxRect(0, 0, size.x, size.y), kDuskBlue.Red(), kDuskBlue.Green(), kDuskBlue.Blue());
        const int top = (size.y - h) / 2;
        if (left > 0) wide.Paste(m_picture.GetSubImage(wxRect(0, 0, 1, h)).Scale(left, h), 0, top);
        if (right > 0) wide.Paste(m_picture.GetSubImage(wxRect(w - 1, 0, 1, h)).Scale(right, h), left + w, top);
        wide.Paste(m_picture, left - std::max(0, (w - size.x) / 2), top);
        m_shown = wxBitmap(wide);
        dc.DrawBitmap(m_shown, 0, 0);
    }

    wxImage m_picture;
    wxBitmap m_shown;
};

wxStaticText* Label(wxWindow* parent, const wxString& text) { return new wxStaticText(parent, wxID_ANY, text); }

}  // namespace

SetupWindow::SetupWindow(SetupPresenter& presenter, const std::string& assetFolder)
    : wxDialog(nullptr, wxID_ANY, kDialogCaption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX),
      m_presenter(presenter) {
    // The layout was drawn for small dialog type; one point below the desktop's text size keeps
    // it close to that without making it hard to read.
    wxFont font = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
    if (font.GetFractionalPointSize() >= 10) font.SetFractionalPointSize(font.GetFractionalPointSize() - 1);
    SetFont(font);

    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(BuildBanner(assetFolder), 0, wxEXPAND);

    auto* book = new wxNotebook(this, wxID_ANY);
    book->AddPage(BuildSettingsPage(book), dialog_text::kSettingsTab, true);
    book->AddPage(BuildCarolsPage(book), dialog_text::kCarolsTab);
    column->Add(book, 1, wxEXPAND | wxLEFT | wxRIGHT | wxTOP, 4);
    column->Add(BuildButtonStrip(), 0, wxEXPAND);
    SetSizer(column);

    Bind(wxEVT_CLOSE_WINDOW, &SetupWindow::OnClose, this);
    MirrorAll();
    SizeToFit();
    Centre();
}

SetupWindow::~SetupWindow() { m_presenter.SetView(nullptr); }

// ---- Building -----------------------------------------------------------------------------

wxWindow* SetupWindow::BuildBanner(const std::string& assetFolder) { return new Banner(this, assetFolder); }

wxCheckBox* SetupWindow::AddCheck(wxWindow* parent, CheckId id, const wxString& caption, const wxColour& colour) {
    auto* box = colour.IsOk() ? new ColouredCheckBox(parent, caption, colour) : new wxCheckBox(parent, wxID_ANY, caption);
    m_checks[std::size_t(id)] = box;
    box->Bind(wxEVT_CHECKBOX, [this, id, box](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.SetCheck(id, box->GetValue());
    });
    return box;
}

wxTextCtrl* SetupWindow::AddText(wxWindow* parent, TextId id, int width) {
    auto* text = new CompactText(parent, wxSize(width, -1));
    m_texts[std::size_t(id)] = text;
    text->Bind(wxEVT_TEXT, [this, id, text](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.SetText(id, FromWx(text->GetValue()));
    });
    return text;
}

wxWindow* SetupWindow::BuildSettingsPage(wxNotebook* book) {
    auto* page = new wxPanel(book);
    auto* left = new wxBoxSizer(wxVERTICAL);
    auto* right = new wxBoxSizer(wxVERTICAL);
    const int gap = 10;

    auto* layers = new wxStaticBoxSizer(wxVERTICAL, page, dialog_text::kLayersGroup);
    layers->GetStaticBox()->SetToolTip(dialog_text::kLayersTip);
    for (int i = 0; i < 3; ++i) layers->Add(AddCheck(layers->GetStaticBox(), chkLayer(i), dialog_text::kLayerCaptions[i]), 0, wxALL, 2);
    left->Add(layers, 0, wxEXPAND | wxBOTTOM, gap);

    auto* countDown = new wxStaticBoxSizer(wxVERTICAL, page, dialog_text::kCountDownGroup);
    countDown->Add(AddCheck(countDown->GetStaticBox(), CheckId::chkCountDown, dialog_text::kCountDownCheck), 0, wxALL, 2);
    left->Add(countDown, 0, wxEXPAND | wxBOTTOM, gap);

    auto* mouse = new wxStaticBoxSizer(wxVERTICAL, page, dialog_text::kMouseGroup);
    wxWindow* mouseBox = mouse->GetStaticBox();
    mouseBox->SetToolTip(dialog_text::kMouseTip);
    m_mouseS = new wxSlider(mouseBox, wxID_ANY, kMouseSensitivityMin, kMouseSensitivityMin, kMouseSensitivityMax);
    m_mouseS->SetLineSize(1);
    m_mouseS->SetPageSize(1);
    m_mouseS->SetToolTip(dialog_text::kMouseTip);
    // GTK reports every step of a drag, so the number and the store follow the thumb.
    m_mouseS->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.SetMouseSensitivity(m_mouseS->GetValue());
    });
    auto* barRow = new wxBoxSizer(wxHORIZONTAL);
    barRow->Add(m_mouseS, 1, wxALIGN_CENTER_VERTICAL);
    wxTextCtrl* number = AddText(mouseBox, TextId::txtMouseS, 36);
    number->SetEditable(false);  // it only shows the bar's value
    barRow->Add(number, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 4);
    mouse->Add(barRow, 0, wxEXPAND | wxLEFT | wxRIGHT, 2);
    auto* ends = new wxBoxSizer(wxHORIZONTAL);
    ends->Add(Label(mouseBox, dialog_text::kMouseLight));
    ends->AddStretchSpacer();
    ends->Add(Label(mouseBox, dialog_text::kMouseHeavy));
    ends->AddSpacer(number->GetSize().x + 4);
    mouse->Add(ends, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 2);
    left->Add(mouse, 0, wxEXPAND | wxBOTTOM, gap);

    wxCheckBox* power = AddCheck(page, CheckId::chkPowerSave, dialog_text::kPowerSaveCheck);
    power->SetToolTip(dialog_text::kPowerSaveTip);
    left->Add(power, 0, wxLEFT | wxTOP, 4);

    auto* clock = new wxStaticBoxSizer(wxHORIZONTAL, page, dialog_text::kClockGroup);
    wxWindow* clockBox = clock->GetStaticBox();
    wxCheckBox* showClock = AddCheck(clockBox, CheckId::chkClock, dialog_text::kClockCheck);
    showClock->SetToolTip(dialog_text::kClockTip);
    clock->Add(showClock, 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    clock->AddStretchSpacer();
    clock->Add(Label(clockBox, dialog_text::kClockSizeLabel), 0, wxALIGN_CENTER_VERTICAL);
    AddText(clockBox, TextId::txtFontSize, 48)->SetToolTip(dialog_text::kClockSizeTip);
    clock->Add(m_texts[std::size_t(TextId::txtFontSize)], 0, wxALIGN_CENTER_VERTICAL | wxALL, 2);
    right->Add(clock, 0, wxEXPAND | wxBOTTOM, gap);

    auto* message = new wxStaticBoxSizer(wxVERTICAL, page, dialog_text::kMessageGroup);
    wxWindow* messageBox = message->GetStaticBox();
    message->Add(AddCheck(messageBox, CheckId::chkShowMessage, dialog_text::kMessageCheck), 0, wxALL, 2);
    message->Add(AddText(messageBox, TextId::txtMessage, -1), 0, wxEXPAND | wxALL, 2);
    auto* fontRow = new wxBoxSizer(wxHORIZONTAL);
    fontRow->Add(Label(messageBox, dialog_text::kMessageSizeLabel), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    fontRow->Add(AddText(messageBox, TextId::txtFontSizeMsg, 48), 0, wxALIGN_CENTER_VERTICAL);
    fontRow->AddSpacer(10);
    fontRow->Add(Label(messageBox, dialog_text::kFontLabel), 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 4);
    m_fonts = new wxChoice(messageBox, wxID_ANY, wxDefaultPosition, wxSize(60, -1));
    m_fonts->Bind(wxEVT_CHOICE, [this](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.SelectFont(m_fonts->GetSelection());
    });
    fontRow->Add(m_fonts, 1, wxALIGN_CENTER_VERTICAL);
    message->Add(fontRow, 0, wxEXPAND | wxALL, 2);
    auto* noteRow = new wxBoxSizer(wxHORIZONTAL);
    noteRow->Add(AddCheck(messageBox, CheckId::chkFonts, wxEmptyString), 0, wxTOP, 2);
    wxStaticText* note = Label(messageBox, dialog_text::kFontsNote);
    noteRow->Add(note, 1, wxLEFT, 2);
    message->Add(noteRow, 0, wxEXPAND | wxALL, 2);
    right->Add(message, 0, wxEXPAND);

    auto* columns = new wxBoxSizer(wxHORIZONTAL);
    columns->Add(left, 1, wxEXPAND | wxALL, 6);
    columns->Add(right, 1, wxEXPAND | wxTOP | wxBOTTOM | wxRIGHT, 6);
    page->SetSizer(columns);
    // Wrapped narrow for a start; once the page has its size the note takes the whole width its
    // group got.
    m_noteWrap = kDesignWidth / 2 - 60;
    note->Wrap(m_noteWrap);
    page->Bind(wxEVT_SIZE, [this, page, note](wxSizeEvent& event) {
        event.Skip();
        page->CallAfter([this, page, note] {
            const int width = note->GetParent()->GetClientSize().x - note->GetPosition().x - 8;
            if (width <= m_noteWrap) return;
            m_noteWrap = width;
            note->SetLabel(dialog_text::kFontsNote);
            note->Wrap(width);
            page->Layout();
        });
    });
    return page;
}

wxWindow* SetupWindow::BuildCarolsPage(wxNotebook* book) {
    auto* page = new wxPanel(book);
    auto* column = new wxBoxSizer(wxVERTICAL);

    const std::string line = dialog_text::kSoundOffLine;
    const std::size_t gapStart = line.find("  ");
    const std::size_t gapEnd = line.find_first_not_of(' ', gapStart);
    auto* top = new wxBoxSizer(wxHORIZONTAL);
    wxStaticText* before = Label(page, ToWx(line.substr(0, gapStart)));
    wxStaticText* after = Label(page, ToWx(line.substr(gapEnd)));
    before->SetForegroundColour(kCarolRed);
    after->SetForegroundColour(kCarolRed);
    wxArrayString choices;
    for (const std::string& choice : SoundOffChoices()) choices.Add(ToWx(choice));
    m_soundOff = new wxComboBox(page, wxID_ANY, kNever, wxDefaultPosition, wxSize(96, -1), choices, wxCB_DROPDOWN);
    m_soundOff->SetToolTip(dialog_text::kSoundOffTip);
    m_soundOff->Bind(wxEVT_COMBOBOX, [this](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.SelectSoundOff(m_soundOff->GetSelection());
    });
    m_soundOff->Bind(wxEVT_TEXT, [this](wxCommandEvent&) {
        if (!m_mirroring) m_presenter.TypeSoundOff(FromWx(m_soundOff->GetValue()));
    });
    top->Add(before, 0, wxALIGN_CENTER_VERTICAL);
    top->Add(m_soundOff, 0, wxALIGN_CENTER_VERTICAL | wxLEFT | wxRIGHT, 8);
    top->Add(after, 0, wxALIGN_CENTER_VERTICAL);
    top->AddStretchSpacer();
    auto* keyboard = new CompactButton(page, dialog_text::kKeyboardButton);
    keyboard->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_presenter.ClickKeyboard(); });
    top->Add(keyboard, 0, wxALIGN_CENTER_VERTICAL);
    column->Add(top, 0, wxEXPAND | wxALL, 6);
    column->Add(new wxStaticLine(page), 0, wxEXPAND | wxLEFT | wxRIGHT, 6);

    auto* grid = new wxBoxSizer(wxHORIZONTAL);
    constexpr int kRows = 12;
    for (int col = 0; col < 3; ++col) {
        // Columns as wide as their titles; what is left over goes around the separators.
        if (col > 0) {
            grid->AddStretchSpacer();
            grid->Add(new wxStaticLine(page, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLI_VERTICAL), 0,
                      wxEXPAND | wxLEFT | wxRIGHT, 3);
            grid->AddStretchSpacer();
        }
        auto* rows = new wxBoxSizer(wxVERTICAL);
        for (int row = 0; row < kRows; ++row) {
            const int i = col * kRows + row;
            auto* test = new CompactButton(page, kTestCaption, wxBU_EXACTFIT);
            m_testButtons[std::size_t(i)] = test;
            test->Bind(wxEVT_BUTTON, [this, i](wxCommandEvent&) { m_presenter.ClickTestMusic(i); });
            wxCheckBox* carol = AddCheck(page, ChkMidi(i), ToWx(std::string(CarolTitle(i + 1))), kCarolRed);
            auto* cells = new wxBoxSizer(wxHORIZONTAL);
            cells->Add(test, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 3);
            cells->Add(carol, 0, wxALIGN_CENTER_VERTICAL);
            rows->Add(cells, 1, wxEXPAND | wxTOP, 1);
        }
        grid->Add(rows, 0, wxEXPAND);
    }
    column->Add(grid, 1, wxEXPAND | wxALL, 6);
    page->SetSizer(column);
    return page;
}

wxSizer* SetupWindow::BuildButtonStrip() {
    auto* strip = new wxBoxSizer(wxHORIZONTAL);
    auto* about = new CompactButton(this, dialog_text::kAboutButton);
    about->SetToolTip(dialog_text::kAboutTip);
    about->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_presenter.ClickAbout(); });
    auto* help = new CompactButton(this, dialog_text::kHelpButton);
    help->SetToolTip(dialog_text::kHelpTip);
    help->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_presenter.ClickHelp(); });
    auto* ok = new CompactButton(this, dialog_text::kOkButton);
    ok->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { m_presenter.ClickOK(); });
    ok->SetDefault();
    const wxSize buttonSize(88, -1);
    for (wxButton* button : {about, help, ok}) button->SetMinSize(buttonSize);

    strip->Add(about, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    strip->Add(help, 0, wxALIGN_CENTER_VERTICAL | wxLEFT, 8);
    strip->AddStretchSpacer();
    strip->Add(ok, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 8);
    strip->SetMinSize(wxSize(-1, kButtonStripHeight));
    return strip;
}

void SetupWindow::SizeToFit() {
    const wxSize needed = GetSizer()->GetMinSize();
    wxSize client(std::max(needed.x, kDesignWidth), std::max(needed.y, kDesignHeight));
    // Leave room for the window frame on an 800 x 600 screen.
    const wxSize frame = GetSize() - GetClientSize();
    client.x = std::min(client.x, kScreenWidth - std::max(frame.x, 0));
    client.y = std::min(client.y, kScreenHeight - std::max(frame.y, 0));
    SetClientSize(client);
}

// ---- Mirroring the presenter ---------------------------------------------------------------

void SetupWindow::CheckChanged(CheckId id) {
    wxCheckBox* box = m_checks[std::size_t(id)];
    if (!box) return;
    const CheckBox& state = m_presenter.Controls().Check(id);
    m_mirroring = true;
    if (box->GetValue() != state.ticked) box->SetValue(state.ticked);
    box->Enable(state.enabled);
    m_mirroring = false;
}

void SetupWindow::TextChanged(TextId id) {
    wxTextCtrl* text = m_texts[std::size_t(id)];
    if (!text) return;
    const wxString value = ToWx(m_presenter.Controls().Text(id));
    m_mirroring = true;
    // Only a change from code is copied, so the caret stays where the user types.
    if (text->GetValue() != value) text->ChangeValue(value);
    m_mirroring = false;
}

void SetupWindow::MouseSensitivityChanged() {
    if (!m_mouseS) return;
    m_mirroring = true;
    if (m_mouseS->GetValue() != m_presenter.Controls().hsbMouseS) m_mouseS->SetValue(m_presenter.Controls().hsbMouseS);
    m_mirroring = false;
}

void SetupWindow::FontListChanged() {
    if (!m_fonts) return;
    const ComboBox& state = m_presenter.Controls().cboFontsScreen;
    m_mirroring = true;
    wxArrayString items;
    for (const std::string& item : state.items) items.Add(ToWx(item));
    if (m_fonts->GetStrings() != items) m_fonts->Set(items);
    // Text set from code without a selection shows the entry of that name, if the list has one.
    int shown = state.selected;
    if (shown < 0 && !state.text.empty()) shown = m_fonts->FindString(ToWx(state.text), true);
    if (m_fonts->GetSelection() != shown) m_fonts->SetSelection(shown);
    m_fonts->Enable(state.enabled);
    m_mirroring = false;
}

void SetupWindow::SoundOffChanged() {
    if (!m_soundOff) return;
    const wxString text = ToWx(m_presenter.Controls().cboSoundOff.text);
    m_mirroring = true;
    if (m_soundOff->GetValue() != text) m_soundOff->ChangeValue(text);
    m_mirroring = false;
}

void SetupWindow::TestButtonChanged(int i) {
    wxButton* button = m_testButtons[std::size_t(i)];
    if (!button) return;
    const wxString caption = ToWx(m_presenter.Controls().cmdTestMusic[std::size_t(i)]);
    if (button->GetLabel() != caption) button->SetLabel(caption);
}

void SetupWindow::HelpChanged() {
    const auto& help = m_presenter.Help();
    if (!help) {
        if (m_help) m_help->Destroy();
        m_help = nullptr;
        return;
    }
    if (!m_help) m_help = new HelpFrame(this, m_presenter);
    m_help->ShowHelp(*help);
}

void SetupWindow::CloseDialog() { Close(); }

void SetupWindow::OnClose(wxCloseEvent&) {
    // Every change was stored when it was made; closing only ends the dialog, and its help window.
    m_presenter.CloseHelp();
    Destroy();
}

}  // namespace hq
