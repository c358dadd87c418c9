#include <gtest/gtest.h>

#include "SaverRig.h"

namespace hq::test {
namespace {

struct MouseRig : SaverRig {
    using SaverRig::SaverRig;
    void MoveAt(double seconds) { host.At(std::uint64_t(seconds * 1000), [this] { window->MouseMove(); }); }
};

TEST(MouseRule, SixthMoveWithinTenSecondsEndsTheSaver) {
    MouseRig rig;
    rig.Open();
    for (int i = 0; i < 5; ++i) rig.MoveAt(1 + i);
    rig.Seconds(6);
    EXPECT_FALSE(rig.host.Ended());
    rig.MoveAt(8);
    rig.Seconds(3);
    EXPECT_TRUE(rig.host.Ended());
    EXPECT_GE(rig.host.CursorCount(), 0) << "the cursor is visible again";
}

TEST(MouseRule, MoveAfterTheWindowRanOutResetsTheCountAndIsNotCounted) {
    MouseRig rig;
    rig.Open();
    rig.MoveAt(1);    // opens the window of time, count 1
    rig.MoveAt(2);    // 2
    rig.MoveAt(3);    // 3
    rig.MoveAt(12);   // more than 10 s after the opening move: reset, not counted
    rig.Seconds(13);
    EXPECT_EQ(rig.window->Input.MouseMoveCount, 0);
    EXPECT_EQ(rig.window->Input.MouseWindowStart, 0);
    for (int i = 0; i < 5; ++i) rig.MoveAt(14 + i);
    rig.Seconds(6);
    EXPECT_FALSE(rig.host.Ended()) << "five fresh moves are not six";
    rig.MoveAt(20);
    rig.Seconds(1);
    EXPECT_TRUE(rig.host.Ended());
}

TEST(MouseRule, TheCountIsTestedBeforeTheTime) {
    MouseRig rig;
    rig.Open();
    for (int i = 0; i < 5; ++i) rig.MoveAt(1 + i);
    rig.MoveAt(25);  // the sixth move, long after the window ran out
    rig.Seconds(26);
    EXPECT_TRUE(rig.host.Ended());
}

TEST(MouseRule, AWindowOpenedBeforeMidnightDoesNotRunOut) {
    MouseRig rig({2026, 12, 24}, 24 * 3600.0 - 5);
    rig.Set("MouseSen", "8");
    rig.Open();
    for (int i = 0; i < 7; ++i) rig.MoveAt(1 + 4 * i);  // 1 s .. 25 s, across midnight
    rig.Seconds(26);
    EXPECT_FALSE(rig.host.Ended());
    EXPECT_EQ(rig.window->Input.MouseMoveCount, 7);
    rig.MoveAt(40);
    rig.Seconds(15);
    EXPECT_TRUE(rig.host.Ended());
}

TEST(MouseRule, SensitivityOfZeroOrBelowNeverEndsAndTheCountStaysInRange) {
    for (const char* sen : {"0", "-3"}) {
        MouseRig rig;
        rig.Set("MouseSen", sen);
        rig.Open();
        for (int i = 0; i < 40000; ++i) rig.window->MouseMove();  // all within one window of time
        EXPECT_FALSE(rig.host.Ended()) << sen;
        EXPECT_LE(rig.window->Input.MouseMoveCount, 32767);
        EXPECT_GE(rig.window->Input.MouseMoveCount, 0);
    }
}

TEST(MouseRule, SensitivityOfOneEndsOnTheFirstMove) {
    MouseRig rig;
    rig.Set("MouseSen", "1");
    rig.Open();
    rig.window->MouseMove();
    EXPECT_TRUE(rig.host.Ended());
}

TEST(MouseRule, AClickEndsTheSaverAtOnce) {
    SaverRig rig;
    rig.Open();
    rig.window->MouseDown();
    EXPECT_TRUE(rig.host.Ended());
    EXPECT_FALSE(rig.host.ScreenSaverRunning());
}

TEST(KeyRule, TheFiveKeysNeverEndTheSaver) {
    SaverRig rig;
    rig.Open();
    rig.Seconds(2);
    for (int key : std::initializer_list<int>{'N', 'P', 'Q', 'S', 'X', 'N', 'P', 'Q', 'S', 'X'}) rig.window->KeyDown(key);
    rig.Seconds(2);
    EXPECT_FALSE(rig.host.Ended());
}

TEST(KeyRule, EveryOtherKeyEndsTheSaver) {
    // Shift, Ctrl, Esc, Enter, space, other letters, digits, lower-case codes.
    for (int key : std::initializer_list<int>{16, 17, 27, 13, 32, 'A', 'M', 'Z', '0', 'n', 112}) {
        SaverRig rig;
        rig.Open();
        rig.window->KeyDown(key);
        EXPECT_TRUE(rig.host.Ended()) << "key " << key;
    }
}

TEST(KeyRule, XTwiceRestoresTheDirectionsAndStoresEachState) {
    SaverRig rig;
    rig.Open();
    ASSERT_TRUE(rig.window->Settings.ShowDirections);
    rig.window->KeyDown('X');
    EXPECT_FALSE(rig.window->Settings.ShowDirections);
    EXPECT_EQ(rig.store.GetSetting("Hollyq1", "Settings", "ShowDirections", ""), "False");
    rig.window->KeyDown('X');
    EXPECT_TRUE(rig.window->Settings.ShowDirections);
    EXPECT_EQ(rig.Get("ShowDirections"), "True");
}

TEST(KeyRule, DirectionsToggledInOneRunAreReadByTheNext) {
    SaverRig first;
    first.Open();
    first.window->KeyDown('X');
    SaverRig second;
    second.store = first.store;
    second.Open();
    EXPECT_FALSE(second.window->Settings.ShowDirections);
}

}  // namespace
}  // namespace hq::test
