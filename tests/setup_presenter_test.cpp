#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "platform/sim/Recording.h"
#include "platform/sim/SimHost.h"
#include "settings/SaverSettings.h"
#include "settings/SetupPresenter.h"

namespace hq::test {
namespace {

// An in-memory store that also lists its writes as "Key=Value".
struct JournalStore : MemorySettingsStore {
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        Writes.push_back(key + "=" + value);
        MemorySettingsStore::SaveSetting(app, section, key, value);
    }
    std::vector<std::string> Writes;
};

// Lists what the view was told, and the help text at each help notification.
struct RecordingView : SetupView {
    explicit RecordingView(const SetupPresenter*& dialog) : m_dialog(dialog) {}
    void CheckChanged(CheckId id) override { Calls.push_back("check" + std::to_string(int(id))); }
    void TextChanged(TextId id) override { Calls.push_back("text" + std::to_string(int(id))); }
    void MouseSensitivityChanged() override { Calls.push_back("mouse"); }
    void FontListChanged() override { Calls.push_back("fonts"); }
    void SoundOffChanged() override { Calls.push_back("soundoff"); }
    void TestButtonChanged(int i) override { Calls.push_back("test" + std::to_string(i)); }
    void HelpChanged() override {
        const auto& help = m_dialog->Help();
        HelpTexts.push_back(help ? help->text : "<closed>");
    }
    void CloseDialog() override { Calls.push_back("close"); }
    std::vector<std::string> Calls;
    std::vector<std::string> HelpTexts;

private:
    const SetupPresenter*& m_dialog;
};

struct DialogRig {
    DialogRig() { system.Fonts = {"DejaVu Sans", "Liberation Mono", "Liberation Sans", "Nimbus Roman"}; }

    // Stores a value as a user who has run the saver before would have it.
    void Set(const std::string& key, const std::string& value, const std::string& section = "Settings") {
        if (!store.Has("hollyq1", "Settings", "SetReg")) SetRegistry(store);
        store.SaveSetting("hollyq1", section, key, value);
        store.Writes.clear();
    }
    std::string Get(const std::string& key, const std::string& section = "Settings") {
        return store.GetSetting("hollyq1", section, key, "<absent>");
    }
    SetupPresenter& Open() {
        if (!store.Has("hollyq1", "Settings", "SetReg") && !neverRun) Set("SetReg", "2");
        dialog.Load();
        return dialog;
    }
    const SetupControls& Controls() const { return dialog.Controls(); }
    const ComboBox& Fonts() const { return dialog.Controls().cboFontsScreen; }
    // Every value in both sections, to compare before and after.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> all;
        for (const KeySpec& entry : SettingsSchema())
            all[entry.section + "/" + entry.key] = store.GetSetting("hollyq1", entry.section, entry.key, "<absent>");
        return all;
    }

    JournalStore store;
    RecordingSound sound;
    SimHost system;
    bool neverRun = false;
    SetupPresenter dialog{SetupPlatform{store, sound, system, "/assets/"}};
};

std::vector<std::string> Keys(const std::vector<std::string>& writes) {
    std::vector<std::string> keys;
    for (const auto& w : writes) keys.push_back(w.substr(0, w.find('=')));
    return keys;
}

// ---- Load order and its side effects ---------------------------------------------------------

TEST(SetupLoad, WritesBackTheControlsThatChangeInReadingOrderAndChangesNoValue) {
    DialogRig rig;
    rig.Set("Music7", "0", "Music");
    rig.Set("ShowMessage", "1");
    rig.Set("Message", "Merry Christmas");
    const auto before = rig.Snapshot();
    rig.Open();

    EXPECT_EQ(rig.Snapshot(), before);
    // Controls that keep their opening value (clear boxes, "Music7" off, "PwrSave" 0) run no
    // handler; "SoundOff" sets only the list's text.
    std::vector<std::string> expected = {"MouseSen", "ShowMessage", "FontSizeMsg", "FontSize", "Message",
                                         "CheckFont", "Clock",       "Layer1",      "Layer2",   "Layer3"};
    for (int n = 1; n <= 36; ++n)
        if (n != 7) expected.push_back("Music" + std::to_string(n));
    expected.push_back("CountDown");
    EXPECT_EQ(Keys(rig.store.Writes), expected);
}

TEST(SetupLoad, ControlsShowTheStoredValues) {
    DialogRig rig;
    rig.Set("MouseSen", "11");
    rig.Set("FontSize", "abc");  // kept as typed
    rig.Set("SoundOff", "15");
    rig.Set("Layer2", "0");
    rig.Set("PwrSave", "1");
    rig.Set("Music36", "0", "Music");
    rig.Open();
    const SetupControls& c = rig.Controls();
    EXPECT_EQ(c.hsbMouseS, 11);
    EXPECT_EQ(c.Text(TextId::txtMouseS), "11");
    EXPECT_EQ(c.Text(TextId::txtFontSize), "abc");
    EXPECT_EQ(c.Text(TextId::txtFontSizeMsg), "26");
    EXPECT_EQ(c.Text(TextId::txtMessage), "Place a message here");
    EXPECT_EQ(c.cboSoundOff.text, "15");
    EXPECT_TRUE(c.Check(chkLayer(0)).ticked);
    EXPECT_FALSE(c.Check(chkLayer(1)).ticked);
    EXPECT_TRUE(c.Check(CheckId::chkPowerSave).ticked);
    EXPECT_TRUE(c.Check(ChkMidi(34)).ticked);
    EXPECT_FALSE(c.Check(ChkMidi(35)).ticked);
    EXPECT_EQ(rig.Get("FontSize"), "abc");
}

TEST(SetupLoad, SensitivityAtTheBarsOpeningValueStillShowsInTheTextBox) {
    DialogRig rig;
    rig.Set("MouseSen", "2");
    rig.Open();
    EXPECT_EQ(rig.Controls().Text(TextId::txtMouseS), "2");
    EXPECT_EQ(rig.store.Writes.front().rfind("MouseSen", 0), std::string::npos) << "no change, no write";
}

TEST(SetupLoad, BeforeTheSaverEverRanTheFirstRunValuesAreWrittenAndShown) {
    DialogRig rig;
    rig.neverRun = true;
    rig.Open();
    EXPECT_EQ(rig.Get("SetReg"), "2");
    EXPECT_EQ(rig.Get("Layer3"), "1");
    EXPECT_EQ(rig.Get("PwrSave"), "0");
    EXPECT_EQ(rig.Get("ShowDirections"), "True");
    EXPECT_EQ(rig.Get("Music36", "Music"), "1");
    for (int i = 0; i < 36; ++i) EXPECT_TRUE(rig.Controls().Check(ChkMidi(i)).ticked) << i;
    EXPECT_TRUE(rig.Controls().Check(chkLayer(2)).ticked);
    EXPECT_EQ(rig.Controls().hsbMouseS, 6);
    EXPECT_EQ(rig.Controls().cboSoundOff.text, "Never");
}

TEST(SetupLoad, HandEditedFlagsShowWhatTheSaverWouldDo) {
    DialogRig rig;
    rig.Set("Clock", "5");       // the saver draws the clock only for 1
    rig.Set("PwrSave", "5");     // the power hook keeps the monitor on for anything but 0
    rig.Set("Layer1", "lots");   // not a number: the first-run value
    rig.Set("CountDown", "");
    rig.Set("MouseSen", "50");   // beyond the bar
    rig.Set("ShowMessage", "0.6");  // rounds to 1
    rig.Open();
    const SetupControls& c = rig.Controls();
    EXPECT_FALSE(c.Check(CheckId::chkClock).ticked);
    EXPECT_TRUE(c.Check(CheckId::chkPowerSave).ticked);
    EXPECT_TRUE(c.Check(chkLayer(0)).ticked);
    EXPECT_TRUE(c.Check(CheckId::chkCountDown).ticked);
    EXPECT_TRUE(c.Check(CheckId::chkShowMessage).ticked);
    EXPECT_EQ(c.hsbMouseS, 20);
    EXPECT_EQ(rig.Get("Clock"), "5") << "clear box, no change from the opening state, nothing written";
    EXPECT_EQ(rig.Get("PwrSave"), "1");
    EXPECT_EQ(rig.Get("Layer1"), "1");
    EXPECT_EQ(rig.Get("MouseSen"), "20");
    EXPECT_EQ(rig.Get("ShowMessage"), "1");
}

// ---- Font list -------------------------------------------------------------------------------

TEST(SetupFonts, CheckFontSetLeavesTheListEmptyAndDisabled) {
    DialogRig rig;
    rig.Open();
    EXPECT_TRUE(rig.Controls().Check(CheckId::chkFonts).ticked);
    EXPECT_TRUE(rig.Fonts().items.empty());
    EXPECT_FALSE(rig.Fonts().enabled);
    EXPECT_EQ(rig.Get("FontName"), "Arial");
    for (const auto& w : rig.store.Writes) EXPECT_NE(w.rfind("SelectedFont", 0), 0u) << w;
}

TEST(SetupFonts, CheckFontClearLoadsTheListAndRewritesTheFontNameFromThePosition) {
    DialogRig rig;
    rig.Set("CheckFont", "0");
    rig.Set("SelectedFont", "2");
    rig.Open();
    EXPECT_EQ(rig.Fonts().items, rig.system.Fonts);
    EXPECT_TRUE(rig.Fonts().enabled);
    EXPECT_EQ(rig.Fonts().selected, 2);
    EXPECT_EQ(rig.Fonts().text, "Liberation Sans");
    EXPECT_EQ(rig.Get("FontName"), "Liberation Sans");
    EXPECT_EQ(rig.Get("SelectedFont"), "2");
    EXPECT_EQ(rig.Get("CheckFont"), "0");
}

TEST(SetupFonts, ClearingTheBoxFillsSelectsAndStoresTickingDisablesAndAgainListsEachFontOnce) {
    DialogRig rig;
    rig.Set("SelectedFont", "1");
    rig.Open();
    rig.dialog.SetCheck(CheckId::chkFonts, false);
    EXPECT_EQ(rig.Get("CheckFont"), "0");
    EXPECT_TRUE(rig.Fonts().enabled);
    EXPECT_EQ(rig.Fonts().items, rig.system.Fonts);
    EXPECT_EQ(rig.Get("FontName"), "Liberation Mono");
    EXPECT_EQ(rig.Fonts().text, "Liberation Mono");

    rig.dialog.SetCheck(CheckId::chkFonts, true);
    EXPECT_EQ(rig.Get("CheckFont"), "1");
    EXPECT_FALSE(rig.Fonts().enabled);

    rig.dialog.SetCheck(CheckId::chkFonts, false);
    EXPECT_EQ(rig.Fonts().items, rig.system.Fonts);
    EXPECT_EQ(rig.Fonts().selected, 1);
    rig.dialog.LoadFonts();
    EXPECT_EQ(rig.Fonts().items.size(), rig.system.Fonts.size());
}

TEST(SetupFonts, ChoosingAFontStoresItsPositionAndName) {
    DialogRig rig;
    rig.Set("CheckFont", "0");
    rig.Open();
    rig.dialog.SelectFont(3);
    EXPECT_EQ(rig.Get("SelectedFont"), "3");
    EXPECT_EQ(rig.Get("FontName"), "Nimbus Roman");
    rig.dialog.SelectFont(0);
    EXPECT_EQ(rig.Get("SelectedFont"), "0");
    EXPECT_EQ(rig.Get("FontName"), "DejaVu Sans");
}

TEST(SetupFonts, AStoredPositionTheListDoesNotHaveSelectsNothingAndKeepsTheFontName) {
    for (const std::string position : {"21", "4", "-1", "first", ""}) {
        DialogRig rig;
        rig.Set("CheckFont", "0");
        rig.Set("SelectedFont", position);
        rig.Set("FontName", "Arial");
        rig.Open();
        EXPECT_EQ(rig.Fonts().items.size(), 4u) << position;
        EXPECT_EQ(rig.Fonts().selected, -1) << position;
        EXPECT_EQ(rig.Fonts().text, "Arial") << position;
        EXPECT_EQ(rig.Get("FontName"), "Arial") << position;
        EXPECT_EQ(rig.Get("SelectedFont"), position) << position;
    }
}

TEST(SetupFonts, NoScreenFontsAtAllIsNoFailure) {
    DialogRig rig;
    rig.system.Fonts.clear();
    rig.Set("CheckFont", "0");
    rig.Open();
    EXPECT_TRUE(rig.Fonts().items.empty());
    EXPECT_EQ(rig.Get("FontName"), "Arial");
}

// ---- Each control writes its key -------------------------------------------------------------

TEST(SetupControls, EveryCheckBoxWritesItsOwnKeyAsZeroOrOne) {
    struct Case {
        CheckId id;
        std::string key, section;
    };
    std::vector<Case> cases = {{chkLayer(0), "Layer1", "Settings"},       {chkLayer(1), "Layer2", "Settings"},
                               {chkLayer(2), "Layer3", "Settings"},       {CheckId::chkCountDown, "CountDown", "Settings"},
                               {CheckId::chkClock, "Clock", "Settings"},   {CheckId::chkShowMessage, "ShowMessage", "Settings"},
                               {CheckId::chkPowerSave, "PwrSave", "Settings"}, {CheckId::chkFonts, "CheckFont", "Settings"}};
    for (int i = 0; i < 36; ++i) cases.push_back({ChkMidi(i), "Music" + std::to_string(i + 1), "Music"});

    DialogRig rig;
    rig.Open();
    for (const Case& c : cases) {
        const bool was = rig.Controls().Check(c.id).ticked;
        rig.store.Writes.clear();
        rig.dialog.SetCheck(c.id, !was);
        EXPECT_EQ(rig.Get(c.key, c.section), was ? "0" : "1") << c.key;
        EXPECT_EQ(rig.store.Writes.back(), c.key + (was ? "=0" : "=1"));
        rig.dialog.SetCheck(c.id, was);
        EXPECT_EQ(rig.Get(c.key, c.section), was ? "1" : "0") << c.key;
    }
    // Only its own key: Music5 off leaves Music4 and Music6 on.
    rig.dialog.SetCheck(ChkMidi(4), false);
    EXPECT_EQ(rig.Get("Music4", "Music"), "1");
    EXPECT_EQ(rig.Get("Music5", "Music"), "0");
    EXPECT_EQ(rig.Get("Music6", "Music"), "1");
}

TEST(SetupControls, TextBoxesStoreTheWholeTextOnEveryKeystrokeEvenWhenEmptied) {
    const std::pair<TextId, std::string> boxes[] = {
        {TextId::txtMessage, "Message"}, {TextId::txtFontSize, "FontSize"}, {TextId::txtFontSizeMsg, "FontSizeMsg"}};
    for (const auto& [id, key] : boxes) {
        DialogRig rig;
        rig.Open();
        for (const std::string typed : {"N", "No", "Noe", "Noel", "Noe", "", "x"}) {
            rig.dialog.SetText(id, typed);
            EXPECT_EQ(rig.Get(key), typed) << key;
            EXPECT_EQ(rig.Controls().Text(id), typed);
        }
    }
}

TEST(SetupControls, TheSensitivityNumberAndStoreFollowEveryStepOfTheDrag) {
    DialogRig rig;
    rig.Open();
    for (int v = 7; v <= 20; ++v) {
        rig.dialog.SetMouseSensitivity(v);
        EXPECT_EQ(rig.Get("MouseSen"), std::to_string(v));
        EXPECT_EQ(rig.Controls().Text(TextId::txtMouseS), std::to_string(v));
    }
    rig.dialog.SetMouseSensitivity(2);
    EXPECT_EQ(rig.Get("MouseSen"), "2");
    EXPECT_EQ(rig.Controls().Text(TextId::txtMouseS), "2");
}

TEST(SetupControls, NeverStoresZeroAndZeroShowsAsNever) {
    DialogRig rig;
    rig.Set("SoundOff", "45");
    rig.Open();
    EXPECT_EQ(rig.Controls().cboSoundOff.text, "45");
    rig.dialog.SelectSoundOff(0);
    EXPECT_EQ(rig.Get("SoundOff"), "0");
    rig.dialog.SelectSoundOff(10);
    EXPECT_EQ(rig.Controls().cboSoundOff.text, "45");
    EXPECT_EQ(rig.Get("SoundOff"), "45");
    rig.dialog.SelectSoundOff(19);
    EXPECT_EQ(rig.Get("SoundOff"), "480");

    for (const std::string zero : {"0", "0.0", " 0"}) {
        DialogRig again;
        again.Set("SoundOff", zero);
        again.Open();
        EXPECT_EQ(again.Controls().cboSoundOff.text, "Never") << zero;
        EXPECT_EQ(again.Get("SoundOff"), zero) << "showing the text writes nothing";
    }
}

TEST(SetupControls, TypingIntoTheSoundOffFieldStoresNothing) {
    DialogRig rig;
    rig.Set("SoundOff", "15");
    rig.Open();
    rig.store.Writes.clear();
    rig.dialog.TypeSoundOff("7");
    rig.dialog.TypeSoundOff("77");
    EXPECT_TRUE(rig.store.Writes.empty());
    EXPECT_EQ(rig.Get("SoundOff"), "15");
}

// ---- Test buttons ----------------------------------------------------------------------------

TEST(SetupTestButtons, ClickedTwicePlaysAndStopsAndAThirdTimePlaysAgain) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickTestMusic(6);
    EXPECT_EQ(rig.Controls().cmdTestMusic[6], "Stop");
    EXPECT_TRUE(rig.sound.IsPlaying());
    EXPECT_EQ(rig.sound.Log.Calls(), (std::vector<std::string>{"StopPlayback()", "PlayFile(/assets/Music/midi7.mid,0,-1)"}));
    rig.dialog.ClickTestMusic(6);
    EXPECT_EQ(rig.Controls().cmdTestMusic[6], "T&est");
    EXPECT_FALSE(rig.sound.IsPlaying());
    rig.dialog.ClickTestMusic(6);
    EXPECT_EQ(rig.Controls().cmdTestMusic[6], "Stop");
    EXPECT_EQ(rig.sound.Log.Matching("PlayFile").size(), 2u);
}

TEST(SetupTestButtons, AnotherButtonTakesOverThePlayerAndTheFirstKeepsItsStaleStop) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickTestMusic(0);
    rig.dialog.ClickTestMusic(35);
    EXPECT_EQ(rig.sound.Current, "/assets/Music/midi36.mid");
    EXPECT_TRUE(rig.sound.IsPlaying());
    EXPECT_EQ(rig.Controls().cmdTestMusic[0], "Stop");
    EXPECT_EQ(rig.Controls().cmdTestMusic[35], "Stop");

    // Clicking the stale button only stops the sound and restores its caption.
    rig.sound.Log.Clear();
    rig.dialog.ClickTestMusic(0);
    EXPECT_EQ(rig.Controls().cmdTestMusic[0], "T&est");
    EXPECT_TRUE(rig.sound.Log.Matching("PlayFile").empty());
    EXPECT_FALSE(rig.sound.IsPlaying());
    EXPECT_EQ(rig.Controls().cmdTestMusic[35], "Stop");
}

TEST(SetupTestButtons, ACarolThatEndsByItselfLeavesStop) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickTestMusic(3);
    rig.sound.FinishPlaying();
    EXPECT_EQ(rig.Controls().cmdTestMusic[3], "Stop");
    rig.dialog.ClickTestMusic(3);
    EXPECT_EQ(rig.Controls().cmdTestMusic[3], "T&est");
}

// ---- Messages, help and closing ---------------------------------------------------------------

TEST(SetupMessages, AboutAndKeyboardHelpUseTheProgramTitle) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickAbout();
    rig.dialog.ClickKeyboard();
    ASSERT_EQ(rig.system.MessageBoxes().size(), 2u);
    EXPECT_EQ(rig.system.MessageBoxes()[0].title, "Hollyquill1");
    EXPECT_EQ(rig.system.MessageBoxes()[0].text, "Hollyquill 3.0");
    EXPECT_EQ(rig.system.MessageBoxes()[1].title, "Hollyquill1");
    EXPECT_EQ(rig.system.MessageBoxes()[1].text,
              "KEYBOARD OPTIONS\r\n\r\nFor music, Press one of these keys to:\r\n\r\nN - Next Song\r\n\r\n"
              "P - Previous Song\r\n\r\nQ - Stop all music\r\n\r\nS - Start all music\r\n\r\n\r\n");
}

struct HelpRig : DialogRig {
    HelpRig() {
        dialog.SetView(&view);
        Open();
    }
    const SetupPresenter* self = &dialog;
    RecordingView view{self};
};

TEST(SetupHelp, ShowsTheWindowFirstThenTheFileUnchanged) {
    HelpRig rig;
    rig.system.Files["/assets/help.txt"] = "Hollyquill help\r\nLine two\r\n";
    rig.dialog.ClickHelp();
    ASSERT_TRUE(rig.dialog.Help());
    EXPECT_EQ(rig.dialog.Help()->caption, "Screensaver Help");
    EXPECT_EQ(rig.view.HelpTexts, (std::vector<std::string>{"Text1", "Hollyquill help\r\nLine two\r\n"}));
}

TEST(SetupHelp, MissingOrEmptyFileGivesAnEmptyText) {
    HelpRig rig;
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, "");
    rig.system.Files["/assets/help.txt"] = "";
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, "");
}

TEST(SetupHelp, AFileOverOneMebibyteIsCutThereAndSaysSo) {
    HelpRig rig;
    std::string exact(kHelpFileLimit, 'a');
    rig.system.Files["/assets/help.txt"] = exact;
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, exact) << "exactly the limit is shown whole";

    rig.system.Files["/assets/help.txt"] = std::string(kHelpFileLimit, 'b') + "TAIL";
    rig.dialog.ClickHelp();
    const std::string& text = rig.dialog.Help()->text;
    EXPECT_EQ(text.substr(0, kHelpFileLimit), std::string(kHelpFileLimit, 'b'));
    EXPECT_EQ(text.find("TAIL"), std::string::npos);
    EXPECT_NE(text.find("longer than 1 MiB"), std::string::npos);

    // A cut inside a two-byte character keeps whole characters only.
    std::string accents = "x";
    while (accents.size() <= kHelpFileLimit) accents += "\xC3\xA9";
    rig.system.Files["/assets/help.txt"] = accents;
    rig.dialog.ClickHelp();
    const std::string& cut = rig.dialog.Help()->text;
    EXPECT_EQ(cut.substr(0, kHelpFileLimit - 1), accents.substr(0, kHelpFileLimit - 1));
    EXPECT_EQ(cut[kHelpFileLimit - 1], '\r') << "the lead byte of the split character is dropped";
}

TEST(SetupHelp, HelpTwiceRereadsIntoTheSameWindowAndCloseUnloadsIt) {
    HelpRig rig;
    rig.system.Files["/assets/help.txt"] = "first";
    rig.dialog.ClickHelp();
    rig.system.Files["/assets/help.txt"] = "second";
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, "second");
    EXPECT_EQ(rig.dialog.Help()->reads, 2) << "the same window";

    rig.dialog.CloseHelp();
    EXPECT_FALSE(rig.dialog.Help());
    EXPECT_EQ(rig.view.HelpTexts.back(), "<closed>");
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->reads, 1) << "a new window";
}

TEST(SetupView, HearsAboutChangesMadeFromCodeAndOKClosesTheDialog) {
    HelpRig rig;
    rig.view.Calls.clear();
    rig.dialog.SetCheck(CheckId::chkFonts, false);
    rig.dialog.SetMouseSensitivity(9);
    rig.dialog.ClickTestMusic(2);
    rig.dialog.ClickOK();
    const auto& calls = rig.view.Calls;
    auto has = [&](const std::string& c) { return std::find(calls.begin(), calls.end(), c) != calls.end(); };
    EXPECT_TRUE(has("check" + std::to_string(int(CheckId::chkFonts))));
    EXPECT_TRUE(has("fonts"));
    EXPECT_TRUE(has("mouse"));
    EXPECT_TRUE(has("text" + std::to_string(int(TextId::txtMouseS))));
    EXPECT_TRUE(has("test2"));
    EXPECT_EQ(calls.back(), "close");
}

TEST(SetupCarols, TitlesAndSoundOffChoicesInTheirOrder) {
    EXPECT_EQ(CarolTitle(1), "Good King Wencesles");
    EXPECT_EQ(CarolTitle(15), "Chestnuts Roasting ...");
    EXPECT_EQ(CarolTitle(31), "... Upon a Midnight Clear");
    EXPECT_EQ(CarolTitle(36), "I'll be Home for Christmas");
    EXPECT_EQ(CarolTitle(37), "");
    const auto& choices = SoundOffChoices();
    ASSERT_EQ(choices.size(), 20u);
    EXPECT_EQ(choices.front(), "Never");
    EXPECT_EQ(choices[6], "10");
    EXPECT_EQ(choices.back(), "480");
}

}  // namespace
}  // namespace hq::test
