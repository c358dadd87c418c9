#include <gtest/gtest.h>

#include "SaverRig.h"

namespace hq::test {
namespace {

struct MouseRig : SaverRig {
    using SaverRig::SaverRig;
    void MoveAt(double seconds) { host.At(std::uint64_t(seconds * 1000), [this] { window->MouseMove(); }); }
};

TEST(MouseRule, AMoveAfterTheWindowRanOutResetsTheCountAndTheSixthFreshMoveEnds) {
    MouseRig rig;
    rig.Open();
    rig.MoveAt(1);   // opens the window of time, count 1
    rig.MoveAt(2);
    rig.MoveAt(3);
    rig.MoveAt(12);  // more than 10 s after the opening move: reset, not counted
    rig.Seconds(13);
    EXPECT_EQ(rig.window->Input.MouseMoveCount, 0);
    EXPECT_EQ(rig.window->Input.MouseWindowStart, 0);
    for (int i = 0; i < 5; ++i) rig.MoveAt(14 + i);
    rig.Seconds(6);
    EXPECT_FALSE(rig.host.Ended()) << "five fresh moves are not six";
    rig.MoveAt(20);
    rig.Seconds(1);
    EXPECT_TRUE(rig.host.Ended());
    EXPECT_GE(rig.host.CursorCount(), 0) << "the cursor is visible again";
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

TEST(MouseRule, SensitivityOfZeroOrBelowNeverEndsAndOneEndsOnTheFirstMove) {
    for (const char* sen : {"0", "-3", "1"}) {
        MouseRig rig;
        rig.Set("MouseSen", sen);
        rig.Open();
        int moves = 0;
        for (; moves < 40000 && !rig.host.Ended(); ++moves) rig.window->MouseMove();  // all within one window
        EXPECT_EQ(moves, sen == std::string("1") ? 1 : 40000) << sen;
        EXPECT_LE(rig.window->Input.MouseMoveCount, 32767);
        EXPECT_GE(rig.window->Input.MouseMoveCount, 0);
    }
}

TEST(KeyRule, TheFiveKeysNeverEndTheSaverAndXStoresEachStateForTheNextRun) {
    SaverRig rig;
    rig.Open();
    rig.Seconds(2);
    for (int key : {'N', 'P', 'Q', 'S', 'X', 'N', 'P', 'Q', 'S'}) rig.window->KeyDown(key);
    rig.Seconds(2);
    EXPECT_FALSE(rig.host.Ended());
    EXPECT_FALSE(rig.window->Settings.ShowDirections);
    EXPECT_EQ(rig.store.GetSetting("Hollyq1", "Settings", "ShowDirections", ""), "False");
    SaverRig next;
    next.store = rig.store;
    next.Open();
    EXPECT_FALSE(next.window->Settings.ShowDirections);
    rig.window->KeyDown('X');
    EXPECT_TRUE(rig.window->Settings.ShowDirections);
    EXPECT_EQ(rig.Get("ShowDirections"), "True");
}

TEST(KeyRule, EveryOtherKeyAndAClickEndTheSaverAtOnce) {
    // Shift, Ctrl, Esc, Enter, space, other letters, digits, lower-case codes; 0 stands for a click.
    for (int key : std::initializer_list<int>{16, 17, 27, 13, 32, 'A', 'M', 'Z', '0', 'n', 112, 0}) {
        SaverRig rig;
        rig.Open();
        rig.host.SetScreenSaverRunning(true);
        key ? rig.window->KeyDown(key) : rig.window->MouseDown();
        EXPECT_TRUE(rig.host.Ended()) << "key " << key;
        EXPECT_FALSE(rig.host.ScreenSaverRunning());
    }
}

}  // namespace
}  // namespace hq::test
