#include <gtest/gtest.h>

#include "SaverRig.h"
#include "settings/Schema.h"

namespace hq::test {
namespace {

TEST(FirstRun, AnEmptyStoreGetsEveryFirstRunValue) {
    SaverRig rig;
    rig.Open();
    for (const KeySpec& key : SettingsSchema()) EXPECT_EQ(rig.Get(key.key, key.section), key.firstRun) << key.key;
    EXPECT_EQ(rig.window->Settings.MouseSen, 6);
    for (int n = 1; n <= 36; ++n) EXPECT_EQ(rig.window->Settings.CarolOn[n], 1);
}

TEST(FirstRun, AMarkerOtherThanTwoResetsEveryKnownKeyButKeepsOthers) {
    SaverRig rig;
    rig.Set({{"SetReg", "7"}, {"Message", "Hello"}, {"MyOwnKey", "kept"}});
    rig.Set("Music4", "0", "Music");
    rig.Open();
    EXPECT_EQ(rig.Get("Message"), "Place a message here");
    EXPECT_EQ(rig.Get("Music4", "Music"), "1");
    EXPECT_EQ(rig.Get("SetReg"), "2");
    EXPECT_EQ(rig.Get("MyOwnKey"), "kept");
}

TEST(FirstRun, WithTheMarkerPresentStoredValuesAreReadAndKeptAndHandEditedOnesReadAsFirstRunValues) {
    SaverRig rig;
    // Clock does not fit a 16-bit number; CountDown rounds half to even: 0.
    rig.Set({{"Message", "Merry"}, {"Layer2", "0"}, {"MouseSen", "lots"}, {"Layer1", ""}, {"Clock", "99999"},
             {"ShowDirections", "maybe"}, {"CountDown", "0.5"}});
    rig.Set("Music4", "0", "Music");
    rig.Set("Music3", "x", "Music");
    const auto writes = rig.store.WriteCount();
    rig.Open();
    EXPECT_EQ(rig.store.WriteCount(), writes + 1) << "only the marker is written";
    const SaverSettings& s = rig.window->Settings;
    EXPECT_EQ(s.Message, "Merry");
    EXPECT_EQ(s.LayerOn[2], 0);
    EXPECT_EQ(s.CarolOn[4], 0);
    EXPECT_EQ(s.MouseSen, 6);
    EXPECT_EQ(s.LayerOn[1], 1);
    EXPECT_EQ(s.ShowClock, 1);
    EXPECT_TRUE(s.ShowDirections);
    EXPECT_EQ(s.CarolOn[3], 1);
    EXPECT_EQ(s.ShowCountDown, 0);
    EXPECT_EQ(rig.Get("MouseSen"), "lots") << "the stored text is left as it was";
}

TEST(Lifecycle, TheLoadStepHidesTheCursorBeforeOpeningTheDisplayAndArmsTheMouseLast) {
    SaverRig rig;
    rig.Open();
    const int hide = rig.journal.IndexOf("ShowCursor(0)");
    ASSERT_GE(hide, 0);
    EXPECT_LT(hide, rig.journal.IndexOf("OpenDisplay(800,600,16)"));
    EXPECT_TRUE(rig.window->Input.MouseArmed);
    EXPECT_EQ(rig.host.CursorCount(), -1);
    for (TimerId id : {TimerId::Timer1, TimerId::Timer2, TimerId::TimerMIDI}) EXPECT_TRUE(rig.host.TimerEnabled(id));
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::Timer3));
}

TEST(Lifecycle, CloseDownGivesEverythingBackInOrder) {
    SaverRig rig;
    rig.Open();
    rig.host.SetScreenSaverRunning(true);
    rig.Seconds(3);
    rig.journal.Clear();
    rig.window->KeyDown(27);
    const std::vector<std::string> expected = {
        "ShowCursor(1)", "CloseDisplay()", "SetScreenSaverRunning(0)", "StopPlayback()",
        "StopPlayback()", "ShowCursor(1)", "StopPlayback()",  // the window's unload step
        "EndProcess()"};
    EXPECT_EQ(rig.journal.Calls(), expected);
    EXPECT_FALSE(rig.sound.IsPlaying());
    rig.Seconds(5);
    EXPECT_EQ(rig.journal.Calls(), expected) << "nothing runs after the end";
}

TEST(Lifecycle, ADisplayThatCannotOpenIsReportedAndEndsWithNoSprite) {
    SaverRig rig;
    rig.drawing.FailOpen = true;
    rig.Open();
    ASSERT_EQ(rig.host.MessageBoxes().size(), 1u);
    const SimMessageBox& box = rig.host.MessageBoxes()[0];
    EXPECT_EQ(box.title, "Error opening Direct Draw!");
    EXPECT_EQ(box.icon, MessageIcon::Critical);
    EXPECT_NE(box.text.find("The screensaver stated you were using 16-bit color\r\n\r\nHowever"), std::string::npos);
    EXPECT_EQ(rig.drawing.SpriteCount(), 0);
    EXPECT_TRUE(rig.window->Closed());
    EXPECT_TRUE(rig.host.Ended());
    EXPECT_GE(rig.host.CursorCount(), 0);
}

TEST(Lifecycle, FocusLostShowsTheCursorAndKeepsRunning) {
    SaverRig rig;
    rig.Open();
    rig.window->FocusLost();
    EXPECT_EQ(rig.host.CursorCount(), 0);
    rig.Seconds(2);
    EXPECT_FALSE(rig.host.Ended());
}

TEST(MonitorPower, KeptOnWhenPowerSavingIsDisabledElsePassedOnAndTheMusicStopsOnTheFourthPowerOffTick) {
    SaverRig kept;
    kept.Set("PwrSave", "1");
    kept.Open();
    EXPECT_FALSE(kept.window->MonitorPowerRequest());
    EXPECT_FALSE(kept.host.TimerEnabled(TimerId::Timer3));

    SaverRig rig;
    rig.Open();
    rig.Seconds(2);
    ASSERT_TRUE(rig.sound.IsPlaying());
    EXPECT_TRUE(rig.window->MonitorPowerRequest());
    rig.Seconds(3 * 15);
    EXPECT_TRUE(rig.sound.IsPlaying());
    rig.Seconds(15);
    EXPECT_FALSE(rig.sound.IsPlaying());
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::TimerMIDI));
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::Timer3));
    EXPECT_EQ(rig.window->TimerClocks.PowerOffTicks, 4);
}

TEST(Clocks, CountersWrapPastTheirLimits) {
    SaverRig rig;
    rig.Open();
    rig.Seconds(20);
    const Clocks& c = rig.window->TimerClocks;
    EXPECT_EQ(c.SantaPoseCount, 20);
    rig.Seconds(1);
    EXPECT_EQ(c.SantaPoseCount, 0);
    EXPECT_EQ(c.SecondsOpen, 21);
    EXPECT_EQ(c.ElfJackCount, 21) << "only the frame handler resets it";
    rig.Seconds(56.25 - 21);  // 225 quarter-second ticks
    EXPECT_EQ(c.BGSledCount[1], 225);
    rig.Seconds(0.25);
    EXPECT_EQ(c.BGSledCount[6], 0);
    rig.Seconds(501 - 56.5);
    EXPECT_EQ(c.PengFishCount, 0);
    EXPECT_EQ(c.PengSledGate, 0);
    rig.window->TimerClocks.SecondsOpen = Clocks::kSecondsOpenLimit;
    rig.Seconds(1);
    EXPECT_EQ(c.SecondsOpen, 0);
}

TEST(Clocks, DaysToChristmasIsKnownWhenTheWindowOpensAndFollowsTheCalendarAcrossMidnight) {
    for (auto [date, days] : {std::pair{CivilDate{2026, 12, 31}, -6}, std::pair{CivilDate{2027, 1, 1}, 358}}) {
        SaverRig rig(date, 12 * 3600.0);
        rig.Open();
        EXPECT_EQ(rig.window->TimerClocks.DaysToChristmas, days) << date.month << "/" << date.day;
    }
    SaverRig rig({2026, 12, 24}, 24 * 3600.0 - 1.5);
    rig.Open();
    EXPECT_EQ(rig.window->TimerClocks.DaysToChristmas, 1);
    rig.Seconds(2);
    EXPECT_EQ(rig.window->TimerClocks.DaysToChristmas, 0);
}

TEST(Isolation, TwoSaverWindowsInOneProcessShareNothing) {
    SaverRig a, b;
    a.Open();
    b.Set("SoundOff", "1");
    b.Open();
    a.Seconds(70);
    a.window->KeyDown('X');
    EXPECT_EQ(b.window->TimerClocks.SecondsOpen, 0);
    EXPECT_TRUE(b.window->Settings.ShowDirections);
    EXPECT_EQ(b.window->Music.CurrentSong, 0);
    b.Seconds(70);
    EXPECT_FALSE(b.host.TimerEnabled(TimerId::TimerMIDI));
    EXPECT_TRUE(a.host.TimerEnabled(TimerId::TimerMIDI)) << "b's cut-off does not reach a";
    b.window->MouseDown();
    EXPECT_TRUE(b.host.Ended());
    EXPECT_FALSE(a.host.Ended());
}

}  // namespace
}  // namespace hq::test
