#pragma once
// The settings dialog without its toolkit: every control as plain state, every handler, the load
// step and the dialog's reading of the store. Each control writes its key the moment it changes;
// there is no Cancel. A view mirrors the state and forwards the user's actions here.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/SoundControl.h"
#include "platform/SystemServices.h"
#include "settings/Help.h"
#include "settings/Schema.h"

namespace hq {

inline constexpr const char* kDialogCaption = "Hollyquill";
inline constexpr const char* kAboutText = "Hollyquill 3.0";
inline constexpr const char* kTestCaption = "T&est";
inline constexpr const char* kStopCaption = "Stop";
inline constexpr const char* kNever = "Never";
inline constexpr int kMouseSensitivityMin = 2;
inline constexpr int kMouseSensitivityMax = 20;

// The title of carol 1..36 as the dialog lists it.
std::string_view CarolTitle(int carol);
// The entries of the "stop sound after" list, "Never" first.
const std::vector<std::string>& SoundOffChoices();

// The dialog's check boxes. The carol boxes follow the others: ChkMidi(i) is carol i+1.
enum class CheckId {
    chkLayer0, chkLayer1, chkLayer2, chkCountDown, chkClock, chkShowMessage, chkFonts, chkPowerSave, ChkMidi0
};
inline constexpr int kCheckCount = int(CheckId::ChkMidi0) + kCarolCount;
constexpr CheckId chkLayer(int i) { return CheckId(int(CheckId::chkLayer0) + i); }
constexpr CheckId ChkMidi(int i) { return CheckId(int(CheckId::ChkMidi0) + i); }

enum class TextId { txtMouseS, txtFontSize, txtFontSizeMsg, txtMessage };
inline constexpr int kTextCount = 4;

struct CheckBox {
    bool ticked = false;
    bool enabled = true;
};

struct ComboBox {
    std::vector<std::string> items;
    int selected = -1;  // -1: nothing selected
    std::string text;
    bool enabled = true;
};

// Everything the view shows that can change, with the values the dialog opens with.
struct SetupControls {
    std::array<CheckBox, kCheckCount> checks{};
    std::array<std::string, kTextCount> texts{std::to_string(kMouseSensitivityMin), "", "", "Place your message here"};
    int hsbMouseS = kMouseSensitivityMin;
    ComboBox cboFontsScreen;
    ComboBox cboSoundOff{SoundOffChoices(), -1, kNever, true};
    std::array<std::string, kCarolCount> cmdTestMusic;  // captions

    SetupControls() { cmdTestMusic.fill(kTestCaption); }
    const CheckBox& Check(CheckId id) const { return checks[std::size_t(id)]; }
    const std::string& Text(TextId id) const { return texts[std::size_t(id)]; }
};

// What the presenter tells its view. Each call names what changed; the view copies it from
// Controls() or Help() without raising its own change events.
class SetupView {
public:
    virtual ~SetupView() = default;
    virtual void CheckChanged(CheckId id) = 0;
    virtual void TextChanged(TextId id) = 0;
    virtual void MouseSensitivityChanged() = 0;
    virtual void FontListChanged() = 0;
    virtual void SoundOffChanged() = 0;
    virtual void TestButtonChanged(int i) = 0;
    // The help window appeared, got new text, or was closed (Help() is then empty).
    virtual void HelpChanged() = 0;
    virtual void CloseDialog() = 0;

    // Brings every control of a freshly built view up to the presenter's state.
    void MirrorAll() {
        for (int i = 0; i < kCheckCount; ++i) CheckChanged(CheckId(i));
        for (int i = 0; i < kTextCount; ++i) TextChanged(TextId(i));
        MouseSensitivityChanged();
        FontListChanged();
        SoundOffChanged();
        for (int i = 0; i < kCarolCount; ++i) TestButtonChanged(i);
    }
};

struct SetupPlatform {
    SettingsStore& store;
    SoundControl& sound;  // the dialog's own player, shared by the 36 test buttons
    SystemServices& system;
    std::string assetFolder;  // with its closing separator
};

class SetupPresenter {
public:
    explicit SetupPresenter(SetupPlatform platform, SetupView* view = nullptr);
    void SetView(SetupView* view) { m_view = view; }

    // The dialog's load step. A store the saver has never filled gets the first-run values first,
    // so the dialog shows what the saver would use.
    void Load();
    // Sets every control from the store, in the dialog's fixed order; a control whose value
    // changes runs its handler, which writes the value back.
    void GetRegistry();
    // Fills the font list (emptied first) and selects the stored "SelectedFont".
    void LoadFonts();

    // The user's actions.
    void SetCheck(CheckId id, bool ticked);
    void SetText(TextId id, const std::string& text);  // every keystroke
    void SetMouseSensitivity(int value);               // every step, also while dragging
    void SelectFont(int index);
    void SelectSoundOff(int index);
    void TypeSoundOff(const std::string& text);  // typing into the list's edit field stores nothing
    void ClickTestMusic(int i);
    void ClickKeyboard();
    void ClickHelp();
    void ClickAbout();
    void ClickOK();
    void CloseHelp();

    const SetupControls& Controls() const { return m_controls; }
    const std::optional<HelpWindow>& Help() const { return m_help; }
    const std::string& AssetFolder() const { return m_assetFolder; }

private:
    // Handlers, run by the user's change or by a change from code.
    void CheckClick(CheckId id);
    void TextChange(TextId id);
    void MouseSensitivityChange();
    void FontsScreenClick();
    void SoundOffClick();
    void FontsCheckClick();

    void SetFontSelection(int index);  // from code: selecting counts as the user's selection
    void SelectStoredFont();           // "SelectedFont" and then "FontName" into the font list
    void SetCheckFromStore(CheckId id, std::string_view key, std::string_view section);
    void SetTextFromStore(TextId id, std::string_view key);

    std::string Read(std::string_view section, std::string_view key);
    int ReadNumber(std::string_view section, std::string_view key);
    void Write(std::string_view section, std::string_view key, const std::string& value);

    template <typename F, typename... Args>
    void Notify(F member, Args... args) {
        if (m_view) (m_view->*member)(args...);
    }

    SettingsStore& m_store;
    SoundControl& m_sound;
    SystemServices& m_system;
    std::string m_platformFolder;
    std::string m_assetFolder;  // set by Load
    SetupView* m_view;
    SetupControls m_controls;
    std::optional<HelpWindow> m_help;
};

}  // namespace hq
