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
    explicit RecordingView(const SetupPresenter& dialog) : m_dialog(dialog) {}
    void CheckChanged(CheckId id) override { Calls.push_back("check" + std::to_string(int(id))); }
    void TextChanged(TextId id) override { Calls.push_back("text" + std::to_string(int(id))); }
    void MouseSensitivityChanged() override { Calls.push_back("mouse"); }
    void FontListChanged() override { Calls.push_back("fonts"); }
    void SoundOffChanged() override { Calls.push_back("soundoff"); }
    void TestButtonChanged(int i) override { Calls.push_back("test" + std::to_string(i)); }
    void HelpChanged() override { HelpTexts.push_back(m_dialog.Help() ? m_dialog.Help()->text : "<closed>"); }
    void CloseDialog() override { Calls.push_back("close"); }
    std::vector<std::string> Calls, HelpTexts;

private:
    const SetupPresenter& m_dialog;
};

struct DialogRig {
    DialogRig() { system.Fonts = {"DejaVu Sans", "Liberation Mono", "Liberation Sans", "Nimbus Roman"}; }

    // Stores a value as a user who has run the saver before would have it.
    void Set(const std::string& key, const std::string& value, const std::string& section = "Settings") {
        if (!store.Has("hollyq1", "Settings", "SetReg")) SetRegistry(store);
        store.SaveSetting("hollyq1", section, key, value);
        store.Writes.clear();
    }
    void Set(std::initializer_list<std::pair<const char*, const char*>> settings) {
        for (const auto& [key, value] : settings) Set(key, value);
    }
    std::string Get(const std::string& key, const std::string& section = "Settings") {
        return store.GetSetting("hollyq1", section, key, "<absent>");
    }
    SetupPresenter& Open(bool neverRun = false) {
        if (!store.Has("hollyq1", "Settings", "SetReg") && !neverRun) Set("SetReg", "2");
        dialog.Load();
        return dialog;
    }
    const SetupControls& Controls() const { return dialog.Controls(); }
    const ComboBox& Fonts() const { return dialog.Controls().cboFontsScreen; }
    void HelpFile(const std::string& text) { system.Files["/assets/help.txt"] = text; }

    JournalStore store;
    RecordingSound sound;
    SimHost system;
    SetupPresenter dialog{SetupPlatform{store, sound, system, "/assets/"}};
    RecordingView view{dialog};
};

// ---- Load order and its side effects ---------------------------------------------------------

TEST(SetupLoad, WritesBackTheControlsThatChangeInReadingOrderAndChangesNoValue) {
    DialogRig rig;
    rig.Set("Music7", "0", "Music");
    rig.Set({{"ShowMessage", "1"}, {"Message", "Merry Christmas"}, {"MouseSen", "2"}});  // the bar's opening value
    std::map<std::string, std::string> before, after;
    for (const KeySpec& e : SettingsSchema()) before[e.section + "/" + e.key] = rig.Get(e.key, e.section);
    rig.Open();
    for (const KeySpec& e : SettingsSchema()) after[e.section + "/" + e.key] = rig.Get(e.key, e.section);
    EXPECT_EQ(after, before);

    // Controls that keep their opening value (clear boxes, "Music7" off, "PwrSave" 0, the bar at 2)
    // run no handler, though the bar's number still shows; "SoundOff" sets only the list's text.
    EXPECT_EQ(rig.Controls().Text(TextId::txtMouseS), "2");
    std::vector<std::string> expected = {"ShowMessage", "FontSizeMsg", "FontSize", "Message", "CheckFont",
                                         "Clock",       "Layer1",      "Layer2",   "Layer3"};
    for (int n = 1; n <= 36; ++n)
        if (n != 7) expected.push_back("Music" + std::to_string(n));
    expected.push_back("CountDown");
    std::vector<std::string> keys;
    for (const auto& w : rig.store.Writes) keys.push_back(w.substr(0, w.find('=')));
    EXPECT_EQ(keys, expected);
}

TEST(SetupLoad, ControlsShowWhatTheSaverWouldDoWithStoredAndHandEditedValues) {
    DialogRig rig;
    // MouseSen is beyond the bar, FontSize kept as typed, Layer1 not a number (the first-run
    // value), PwrSave keeps the monitor on for anything but 0, the saver draws the clock only for
    // 1, and ShowMessage rounds to 1.
    rig.Set({{"MouseSen", "50"}, {"FontSize", "abc"}, {"SoundOff", "15"}, {"Layer1", "lots"}, {"Layer2", "0"},
             {"PwrSave", "5"}, {"Clock", "5"}, {"CountDown", ""}, {"ShowMessage", "0.6"}});
    rig.Set("Music36", "0", "Music");
    rig.Open();
    const SetupControls& c = rig.Controls();
    EXPECT_EQ(c.hsbMouseS, 20);
    EXPECT_EQ(c.Text(TextId::txtMouseS), "20");
    EXPECT_EQ(c.Text(TextId::txtFontSize), "abc");
    EXPECT_EQ(c.Text(TextId::txtFontSizeMsg), "26");
    EXPECT_EQ(c.Text(TextId::txtMessage), "Place a message here");
    EXPECT_EQ(c.cboSoundOff.text, "15");
    for (auto [id, ticked] : {std::pair{chkLayer(0), true}, {chkLayer(1), false}, {CheckId::chkPowerSave, true},
                              {CheckId::chkClock, false}, {CheckId::chkCountDown, true}, {CheckId::chkShowMessage, true},
                              {ChkMidi(34), true}, {ChkMidi(35), false}})
        EXPECT_EQ(c.Check(id).ticked, ticked) << int(id);
    // What changed on screen is written back; a clear box that stays clear writes nothing.
    for (const auto& [key, value] : std::map<std::string, std::string>{
             {"MouseSen", "20"}, {"FontSize", "abc"}, {"Layer1", "1"}, {"PwrSave", "1"}, {"Clock", "5"}, {"ShowMessage", "1"}})
        EXPECT_EQ(rig.Get(key), value) << key;
}

TEST(SetupLoad, BeforeTheSaverEverRanTheFirstRunValuesAreWrittenAndShown) {
    DialogRig rig;
    rig.Open(/*neverRun=*/true);
    EXPECT_EQ(rig.Get("SetReg"), "2");
    for (int i = 0; i < 36; ++i) EXPECT_TRUE(rig.Controls().Check(ChkMidi(i)).ticked) << i;
    EXPECT_TRUE(rig.Controls().Check(chkLayer(2)).ticked);
    EXPECT_EQ(rig.Controls().hsbMouseS, 6);
    EXPECT_EQ(rig.Controls().cboSoundOff.text, "Never");
}

// ---- Font list -------------------------------------------------------------------------------

TEST(SetupFonts, CheckFontSetLeavesTheListEmptyClearingItFillsAndSelectsAndChoosingStoresPositionAndName) {
    DialogRig rig;
    rig.Set("SelectedFont", "1");
    rig.Open();
    EXPECT_TRUE(rig.Fonts().items.empty());
    EXPECT_FALSE(rig.Fonts().enabled);
    EXPECT_EQ(rig.Get("FontName"), "Arial");
    for (const auto& w : rig.store.Writes) EXPECT_NE(w.rfind("SelectedFont", 0), 0u) << w;

    rig.dialog.SetCheck(CheckId::chkFonts, false);
    EXPECT_EQ(rig.Get("CheckFont"), "0");
    EXPECT_TRUE(rig.Fonts().enabled);
    EXPECT_EQ(rig.Fonts().items, rig.system.Fonts);
    EXPECT_EQ(rig.Fonts().text, "Liberation Mono");
    EXPECT_EQ(rig.Get("FontName"), "Liberation Mono");
    rig.dialog.SetCheck(CheckId::chkFonts, true);
    EXPECT_FALSE(rig.Fonts().enabled);
    rig.dialog.SetCheck(CheckId::chkFonts, false);
    rig.dialog.LoadFonts();
    EXPECT_EQ(rig.Fonts().items, rig.system.Fonts) << "listed again, each font once";
    EXPECT_EQ(rig.Fonts().selected, 1);
    rig.dialog.SelectFont(3);
    EXPECT_EQ(rig.Get("SelectedFont"), "3");
    EXPECT_EQ(rig.Get("FontName"), "Nimbus Roman");
}

TEST(SetupFonts, AStoredPositionSelectsItsFontOrNothingWhenTheListDoesNotHaveIt) {
    for (const auto& [position, selected, name] :
         {std::tuple{"2", 2, "Liberation Sans"}, {"21", -1, "Arial"}, {"4", -1, "Arial"}, {"-1", -1, "Arial"},
          {"first", -1, "Arial"}, {"", -1, "Arial"}, {"none-listed", -1, "Arial"}}) {
        DialogRig rig;
        if (position == std::string("none-listed")) rig.system.Fonts.clear();
        rig.Set({{"CheckFont", "0"}, {"SelectedFont", position}});
        rig.Open();
        EXPECT_EQ(rig.Fonts().items, rig.system.Fonts) << position;
        EXPECT_EQ(rig.Fonts().selected, selected) << position;
        EXPECT_EQ(rig.Fonts().text, name) << position;
        EXPECT_EQ(rig.Get("FontName"), name) << position;
        EXPECT_EQ(rig.Get("SelectedFont"), position) << position;
    }
}

// ---- Each control writes its key -------------------------------------------------------------

TEST(SetupControls, EveryCheckBoxWritesItsOwnKeyAsZeroOrOne) {
    std::vector<std::tuple<CheckId, std::string, std::string>> cases;
    for (auto [id, key] : {std::pair{chkLayer(0), "Layer1"}, {chkLayer(1), "Layer2"}, {chkLayer(2), "Layer3"},
                           {CheckId::chkCountDown, "CountDown"}, {CheckId::chkClock, "Clock"},
                           {CheckId::chkShowMessage, "ShowMessage"}, {CheckId::chkPowerSave, "PwrSave"},
                           {CheckId::chkFonts, "CheckFont"}})
        cases.push_back({id, key, "Settings"});
    for (int i = 0; i < 36; ++i) cases.push_back({ChkMidi(i), "Music" + std::to_string(i + 1), "Music"});
    DialogRig rig;
    rig.Open();
    for (const auto& [id, key, section] : cases) {
        const bool was = rig.Controls().Check(id).ticked;
        rig.dialog.SetCheck(id, !was);
        EXPECT_EQ(rig.Get(key, section), was ? "0" : "1") << key;
        EXPECT_EQ(rig.store.Writes.back(), key + (was ? "=0" : "=1"));
        rig.dialog.SetCheck(id, was);
        EXPECT_EQ(rig.Get(key, section), was ? "1" : "0") << key;
    }
}

TEST(SetupControls, TextBoxesAndTheSensitivityBarStoreEveryStepEvenWhenEmptied) {
    DialogRig rig;
    rig.Open();
    for (const auto& [id, key] : {std::pair{TextId::txtMessage, "Message"}, std::pair{TextId::txtFontSize, "FontSize"},
                                  std::pair{TextId::txtFontSizeMsg, "FontSizeMsg"}})
        for (const std::string typed : {"N", "No", "", "x"}) {
            rig.dialog.SetText(id, typed);
            EXPECT_EQ(rig.Get(key), typed) << key;
            EXPECT_EQ(rig.Controls().Text(id), typed);
        }
    for (int v : {7, 8, 20, 2}) {
        rig.dialog.SetMouseSensitivity(v);
        EXPECT_EQ(rig.Get("MouseSen"), std::to_string(v));
        EXPECT_EQ(rig.Controls().Text(TextId::txtMouseS), std::to_string(v));
    }
}

TEST(SetupControls, NeverStoresZeroZeroShowsAsNeverAndTypingStoresNothing) {
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
    rig.store.Writes.clear();
    rig.dialog.TypeSoundOff("7");
    EXPECT_TRUE(rig.store.Writes.empty());
    EXPECT_EQ(rig.Get("SoundOff"), "480");

    for (const std::string zero : {"0", "0.0", " 0"}) {
        DialogRig again;
        again.Set("SoundOff", zero);
        again.Open();
        EXPECT_EQ(again.Controls().cboSoundOff.text, "Never") << zero;
        EXPECT_EQ(again.Get("SoundOff"), zero) << "showing the text writes nothing";
    }
}

// ---- Test buttons ----------------------------------------------------------------------------

TEST(SetupTestButtons, EachClickTogglesPlayAndStopOnTheOneSharedPlayer) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickTestMusic(6);
    EXPECT_EQ(rig.Controls().cmdTestMusic[6], "Stop");
    EXPECT_EQ(rig.sound.Log.Calls(), (std::vector<std::string>{"StopPlayback()", "PlayFile(/assets/Music/midi7.mid,0,-1)"}));
    rig.dialog.ClickTestMusic(6);
    EXPECT_EQ(rig.Controls().cmdTestMusic[6], "T&est");
    EXPECT_FALSE(rig.sound.IsPlaying());

    // A carol that ends by itself leaves "Stop"; another button takes the player over and the
    // first keeps its stale "Stop", which then only stops the sound and restores its caption.
    rig.dialog.ClickTestMusic(0);
    rig.sound.FinishPlaying();
    EXPECT_EQ(rig.Controls().cmdTestMusic[0], "Stop");
    rig.dialog.ClickTestMusic(35);
    EXPECT_EQ(rig.sound.Current, "/assets/Music/midi36.mid");
    EXPECT_TRUE(rig.sound.IsPlaying());
    EXPECT_EQ(rig.Controls().cmdTestMusic[0], "Stop");
    rig.sound.Log.Clear();
    rig.dialog.ClickTestMusic(0);
    EXPECT_EQ(rig.Controls().cmdTestMusic[0], "T&est");
    EXPECT_TRUE(rig.sound.Log.Matching("PlayFile").empty());
    EXPECT_FALSE(rig.sound.IsPlaying());
    EXPECT_EQ(rig.Controls().cmdTestMusic[35], "Stop");
}

// ---- Messages, help and the view -------------------------------------------------------------

TEST(SetupMessages, AboutAndKeyboardHelpUseTheProgramTitle) {
    DialogRig rig;
    rig.Open();
    rig.dialog.ClickAbout();
    rig.dialog.ClickKeyboard();
    ASSERT_EQ(rig.system.MessageBoxes().size(), 2u);
    for (const auto& box : rig.system.MessageBoxes()) EXPECT_EQ(box.title, "Hollyquill1");
    EXPECT_EQ(rig.system.MessageBoxes()[0].text, "Hollyquill 3.0");
    EXPECT_EQ(rig.system.MessageBoxes()[1].text,
              "KEYBOARD OPTIONS\r\n\r\nFor music, Press one of these keys to:\r\n\r\nN - Next Song\r\n\r\n"
              "P - Previous Song\r\n\r\nQ - Stop all music\r\n\r\nS - Start all music\r\n\r\n\r\n");
}

TEST(SetupHelp, ShowsTheWindowFirstThenTheFileUnchangedRereadsIntoTheSameWindowAndCloseUnloadsIt) {
    DialogRig rig;
    rig.dialog.SetView(&rig.view);
    rig.Open();
    rig.HelpFile("Hollyquill help\r\nLine two\r\n");
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->caption, "Screensaver Help");
    EXPECT_EQ(rig.view.HelpTexts, (std::vector<std::string>{"Text1", "Hollyquill help\r\nLine two\r\n"}));
    rig.HelpFile("second");
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, "second");
    EXPECT_EQ(rig.dialog.Help()->reads, 2) << "the same window";
    rig.dialog.CloseHelp();
    EXPECT_FALSE(rig.dialog.Help());
    EXPECT_EQ(rig.view.HelpTexts.back(), "<closed>");
    rig.system.Files.clear();
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->reads, 1) << "a new window";
    EXPECT_EQ(rig.dialog.Help()->text, "") << "a missing file";
    rig.HelpFile("");
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, "") << "an empty file";
}

TEST(SetupHelp, AFileOverOneMebibyteIsCutThereOnAWholeCharacterAndSaysSo) {
    DialogRig rig;
    rig.Open();
    const std::string exact(kHelpFileLimit, 'a');
    rig.HelpFile(exact);
    rig.dialog.ClickHelp();
    EXPECT_EQ(rig.dialog.Help()->text, exact) << "exactly the limit is shown whole";

    rig.HelpFile(std::string(kHelpFileLimit, 'b') + "TAIL");
    rig.dialog.ClickHelp();
    const std::string& text = rig.dialog.Help()->text;
    EXPECT_EQ(text.substr(0, kHelpFileLimit), std::string(kHelpFileLimit, 'b'));
    EXPECT_EQ(text.find("TAIL"), std::string::npos);
    EXPECT_NE(text.find("longer than 1 MiB"), std::string::npos);

    std::string accents = "x";
    while (accents.size() <= kHelpFileLimit) accents += "\xC3\xA9";
    rig.HelpFile(accents);
    rig.dialog.ClickHelp();
    const std::string& cut = rig.dialog.Help()->text;
    EXPECT_EQ(cut.substr(0, kHelpFileLimit - 1), accents.substr(0, kHelpFileLimit - 1));
    EXPECT_EQ(cut[kHelpFileLimit - 1], '\r') << "the lead byte of the split character is dropped";
}

TEST(SetupView, HearsAboutChangesMadeFromCodeAndOKClosesTheDialog) {
    DialogRig rig;
    rig.dialog.SetView(&rig.view);
    rig.Open();
    rig.view.Calls.clear();
    rig.dialog.SetCheck(CheckId::chkFonts, false);
    rig.dialog.SetMouseSensitivity(9);
    rig.dialog.ClickTestMusic(2);
    rig.dialog.ClickOK();
    const auto& calls = rig.view.Calls;
    for (const std::string& heard : {"check" + std::to_string(int(CheckId::chkFonts)), std::string("fonts"),
                                    std::string("mouse"), "text" + std::to_string(int(TextId::txtMouseS)),
                                    std::string("test2")})
        EXPECT_NE(std::find(calls.begin(), calls.end(), heard), calls.end()) << heard;
    EXPECT_EQ(calls.back(), "close");
}

}  // namespace
}  // namespace hq::test
