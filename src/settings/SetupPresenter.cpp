#include "settings/SetupPresenter.h"

#include <algorithm>

#include "music/Playlist.h"
#include "settings/Conversions.h"
#include "settings/SaverSettings.h"

namespace hq {

namespace {

constexpr std::string_view kCarolTitles[kCarolCount] = {
    "Good King Wencesles",     "We Three Kings",          "Deck the Halls",
    "Joy to the World",        "Silent Night",            "Greensleeves",
    "Nut Cracker",             "Hark the Herald Angel",   "Holy Night",
    "Rudolph",                 "Santas comin' to Town",   "Feliz Navidad",
    "O Tannenbaum",            "Jingle Bells",            "Chestnuts Roasting ...",
    "Away in the Manger",      "Lit'l Town Of Bethlehem", "O Come All Ye Faithful",
    "Little Drummer Boy",      "God Rest Ye Merry Gents", "Sugarplum Fairy",
    "Let it Snow",             "12 Days of Christmas",    "Frosty the Snowman",
    "Choir of Bells (Loud)",   "Christmas Medley",        "Do You Hear What I Hear",
    "Emmanuel",                "My Favorite Things",      "Merry Little Christmas",
    "... Upon a Midnight Clear", "Noel",                  "Silver Bells",
    "So this is Christmas",    "The Holly and the Ivy",   "I'll be Home for Christmas",
};

struct StoredKey {
    std::string_view section;
    std::string key;
};

StoredKey KeyOf(CheckId id) {
    const int n = int(id);
    if (n >= int(CheckId::ChkMidi0)) return {kSectionMusic, MusicKey(n - int(CheckId::ChkMidi0) + 1)};
    if (n <= int(CheckId::chkLayer2)) return {kSectionSettings, LayerKey(n - int(CheckId::chkLayer0) + 1)};
    switch (id) {
    case CheckId::chkCountDown: return {kSectionSettings, "CountDown"};
    case CheckId::chkClock: return {kSectionSettings, "Clock"};
    case CheckId::chkShowMessage: return {kSectionSettings, "ShowMessage"};
    case CheckId::chkFonts: return {kSectionSettings, "CheckFont"};
    default: return {kSectionSettings, "PwrSave"};
    }
}

// txtMouseS only mirrors the scroll bar and stores nothing.
std::optional<std::string> KeyOf(TextId id) {
    switch (id) {
    case TextId::txtFontSize: return "FontSize";
    case TextId::txtFontSizeMsg: return "FontSizeMsg";
    case TextId::txtMessage: return "Message";
    default: return std::nullopt;
    }
}

const std::string kApp(kAppName);

}  // namespace

std::string_view CarolTitle(int carol) {
    return carol >= 1 && carol <= kCarolCount ? kCarolTitles[carol - 1] : std::string_view();
}

const std::vector<std::string>& SoundOffChoices() {
    static const std::vector<std::string> choices = {kNever, "1",  "2",  "3",   "4",   "5",   "10",
                                                     "15",   "20", "30", "45",  "60",  "90",  "120",
                                                     "180",  "240", "300", "360", "420", "480"};
    return choices;
}

SetupPresenter::SetupPresenter(SetupPlatform platform, SetupView* view)
    : m_store(platform.store), m_sound(platform.sound), m_system(platform.system),
      m_platformFolder(std::move(platform.assetFolder)), m_view(view) {}

std::string SetupPresenter::Read(std::string_view section, std::string_view key) {
    const KeySpec& entry = FindKey(section, key);
    return m_store.GetSetting(kApp, entry.section, entry.key, entry.dialogDefault.value_or(""));
}

int SetupPresenter::ReadNumber(std::string_view section, std::string_view key) {
    // Text that is not a number reads as the key's first-run value, as the saver reads it.
    if (auto value = ToInt16(Read(section, key))) return *value;
    return ToInt16(FindKey(section, key).firstRun).value_or(0);
}

void SetupPresenter::Write(std::string_view section, std::string_view key, const std::string& value) {
    m_store.SaveSetting(kApp, std::string(section), std::string(key), value);
}

// ---- Load ----------------------------------------------------------------------------------

void SetupPresenter::Load() {
    m_assetFolder = m_platformFolder;
    // The dialog's player has no window of its own to hide.
    if (NeedsFirstRun(m_store)) SetRegistry(m_store);
    GetRegistry();
    if (!m_controls.Check(CheckId::chkFonts).ticked) LoadFonts();
    if (!m_controls.Check(CheckId::chkFonts).ticked) SelectStoredFont();
}

void SetupPresenter::GetRegistry() {
    SetMouseSensitivity(ReadNumber(kSectionSettings, "MouseSen"));
    SetCheckFromStore(CheckId::chkShowMessage, "ShowMessage", kSectionSettings);
    SetTextFromStore(TextId::txtFontSizeMsg, "FontSizeMsg");
    SetTextFromStore(TextId::txtFontSize, "FontSize");
    SetTextFromStore(TextId::txtMessage, "Message");
    SetCheckFromStore(CheckId::chkFonts, "CheckFont", kSectionSettings);
    SetCheckFromStore(CheckId::chkClock, "Clock", kSectionSettings);
    for (int i = 0; i < 3; ++i) SetCheckFromStore(chkLayer(i), LayerKey(i + 1), kSectionSettings);

    std::string soundOff = Read(kSectionSettings, "SoundOff");
    if (auto minutes = ParseNumber(soundOff); minutes && *minutes == 0) soundOff = kNever;
    m_controls.cboSoundOff.text = soundOff;  // setting the text runs no handler
    m_controls.cboSoundOff.selected = -1;
    Notify(&SetupView::SoundOffChanged);

    for (int i = 0; i < kCarolCount; ++i) SetCheckFromStore(ChkMidi(i), MusicKey(i + 1), kSectionMusic);
    SetCheckFromStore(CheckId::chkCountDown, "CountDown", kSectionSettings);
    SetCheckFromStore(CheckId::chkPowerSave, "PwrSave", kSectionSettings);
}

void SetupPresenter::SetCheckFromStore(CheckId id, std::string_view key, std::string_view section) {
    const int value = ReadNumber(section, key);
    // A box is ticked exactly when the saver treats the value as on: the power hook takes every
    // value but 0, everything else only 1.
    SetCheck(id, id == CheckId::chkPowerSave ? value != 0 : value == 1);
}

void SetupPresenter::SetTextFromStore(TextId id, std::string_view key) { SetText(id, Read(kSectionSettings, key)); }

// ---- Check boxes, text boxes, scroll bar ---------------------------------------------------

void SetupPresenter::SetCheck(CheckId id, bool ticked) {
    CheckBox& box = m_controls.checks[std::size_t(id)];
    if (box.ticked == ticked) return;
    box.ticked = ticked;
    Notify(&SetupView::CheckChanged, id);
    CheckClick(id);
}

void SetupPresenter::CheckClick(CheckId id) {
    if (id == CheckId::chkFonts) return FontsCheckClick();
    const StoredKey where = KeyOf(id);
    Write(where.section, where.key, m_controls.Check(id).ticked ? "1" : "0");
}

void SetupPresenter::FontsCheckClick() {
    ComboBox& fonts = m_controls.cboFontsScreen;
    if (m_controls.Check(CheckId::chkFonts).ticked) {
        fonts.enabled = false;
        Notify(&SetupView::FontListChanged);
    } else {
        fonts.enabled = true;
        Notify(&SetupView::FontListChanged);
        LoadFonts();
        SelectStoredFont();
    }
    Write(kSectionSettings, "CheckFont", m_controls.Check(CheckId::chkFonts).ticked ? "1" : "0");
}

void SetupPresenter::SetText(TextId id, const std::string& text) {
    std::string& box = m_controls.texts[std::size_t(id)];
    if (box == text) return;
    box = text;
    Notify(&SetupView::TextChanged, id);
    TextChange(id);
}

void SetupPresenter::TextChange(TextId id) {
    if (auto key = KeyOf(id)) Write(kSectionSettings, *key, m_controls.Text(id));
}

void SetupPresenter::SetMouseSensitivity(int value) {
    // The bar cannot show a value outside its range; the nearest end stands in for it.
    value = std::clamp(value, kMouseSensitivityMin, kMouseSensitivityMax);
    if (m_controls.hsbMouseS == value) return;
    m_controls.hsbMouseS = value;
    Notify(&SetupView::MouseSensitivityChanged);
    MouseSensitivityChange();
}

void SetupPresenter::MouseSensitivityChange() {
    const std::string value = std::to_string(m_controls.hsbMouseS);
    SetText(TextId::txtMouseS, value);
    Write(kSectionSettings, "MouseSen", value);
}

// ---- Font list -----------------------------------------------------------------------------

void SetupPresenter::LoadFonts() {
    // Emptied first, so clearing the box a second time does not list every font twice.
    ComboBox& fonts = m_controls.cboFontsScreen;
    fonts.items = m_system.ScreenFonts();
    fonts.selected = -1;
    fonts.text.clear();
    Notify(&SetupView::FontListChanged);
    SetFontSelection(ToInt16(Read(kSectionSettings, "SelectedFont")).value_or(-1));
}

void SetupPresenter::SelectStoredFont() {
    SetFontSelection(ToInt16(Read(kSectionSettings, "SelectedFont")).value_or(-1));
    // Setting the text runs no handler.
    m_controls.cboFontsScreen.text = Read(kSectionSettings, "FontName");
    Notify(&SetupView::FontListChanged);
}

void SetupPresenter::SetFontSelection(int index) {
    ComboBox& fonts = m_controls.cboFontsScreen;
    // A stored position the list does not have (the first-run value 21 on a machine with fewer
    // fonts, or a hand-edited value) selects nothing and leaves the stored choice alone.
    if (index < 0 || index >= int(fonts.items.size()) || index == fonts.selected) return;
    SelectFont(index);
}

void SetupPresenter::SelectFont(int index) {
    ComboBox& fonts = m_controls.cboFontsScreen;
    if (index < 0 || index >= int(fonts.items.size())) return;
    fonts.selected = index;
    fonts.text = fonts.items[std::size_t(index)];
    Notify(&SetupView::FontListChanged);
    FontsScreenClick();
}

void SetupPresenter::FontsScreenClick() {
    const ComboBox& fonts = m_controls.cboFontsScreen;
    Write(kSectionSettings, "SelectedFont", std::to_string(fonts.selected));
    Write(kSectionSettings, "FontName", fonts.text);
}

// ---- Sound-off list ------------------------------------------------------------------------

void SetupPresenter::SelectSoundOff(int index) {
    ComboBox& combo = m_controls.cboSoundOff;
    if (index < 0 || index >= int(combo.items.size())) return;
    combo.selected = index;
    combo.text = combo.items[std::size_t(index)];
    Notify(&SetupView::SoundOffChanged);
    SoundOffClick();
}

void SetupPresenter::SoundOffClick() {
    const std::string& text = m_controls.cboSoundOff.text;
    Write(kSectionSettings, "SoundOff", text == kNever ? "0" : text);
}

void SetupPresenter::TypeSoundOff(const std::string& text) {
    m_controls.cboSoundOff.text = text;
    m_controls.cboSoundOff.selected = -1;
}

// ---- Buttons -------------------------------------------------------------------------------

void SetupPresenter::ClickTestMusic(int i) {
    if (i < 0 || i >= kCarolCount) return;
    std::string& caption = m_controls.cmdTestMusic[std::size_t(i)];
    // One player serves every button: starting a carol here stops whatever another button
    // started, and that button keeps showing "Stop" until it is clicked.
    m_sound.StopPlayback();
    if (caption == kTestCaption) {
        caption = kStopCaption;
        Notify(&SetupView::TestButtonChanged, i);
        m_sound.PlayFile(Playlist::CarolPath(m_assetFolder, i + 1), 0, -1);
    } else {
        caption = kTestCaption;
        Notify(&SetupView::TestButtonChanged, i);
        m_sound.StopPlayback();
    }
}

void SetupPresenter::ClickKeyboard() { m_system.MessageBox(kProgramTitle, KeyboardHelpText(), MessageIcon::None); }

void SetupPresenter::ClickAbout() { m_system.MessageBox(kProgramTitle, kAboutText, MessageIcon::None); }

void SetupPresenter::ClickHelp() {
    // One help window: a second Help reuses it and reads the file again. It is shown before the
    // file is read.
    if (!m_help) {
        m_help.emplace();
        Notify(&SetupView::HelpChanged);
    }
    m_help->text = ReadHelpText(m_system, m_assetFolder + kHelpFileName);
    ++m_help->reads;
    Notify(&SetupView::HelpChanged);
}

void SetupPresenter::CloseHelp() {
    if (!m_help) return;
    m_help.reset();
    Notify(&SetupView::HelpChanged);
}

void SetupPresenter::ClickOK() { Notify(&SetupView::CloseDialog); }

}  // namespace hq
