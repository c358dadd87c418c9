#include <gtest/gtest.h>

#include "SaverRig.h"

namespace hq::test {
namespace {

struct MusicRig : SaverRig {
    // Only these carols on, or none when the list is empty.
    void OnlyCarols(std::initializer_list<int> on) {
        for (int n = 1; n <= 36; ++n) Set("Music" + std::to_string(n), "0", "Music");
        for (int n : on) Set("Music" + std::to_string(n), "1", "Music");
    }
    // The playing carol ends by itself; the song timer's next tick moves on.
    void FinishAndTick() {
        sound.FinishPlaying();
        Seconds(1.05);
    }
    // A key, then the song timer's next tick.
    void Press(int key) {
        window->KeyDown(key);
        Seconds(1.05);
    }
    int Last() const { return Played().empty() ? 0 : Played().back(); }
};

TEST(Playlist, WithEveryCarolOnPlaysOneToThirtySixAndWrapsButNotWhileACarolPlays) {
    MusicRig rig;
    rig.Open();
    rig.Seconds(60);
    EXPECT_EQ(rig.Played(), std::vector<int>{1});
    for (int i = 0; i < 37; ++i) rig.FinishAndTick();
    std::vector<int> expected;
    for (int n = 1; n <= 36; ++n) expected.push_back(n);
    expected.push_back(1);
    expected.push_back(2);
    EXPECT_EQ(rig.Played(), expected);
    EXPECT_EQ(rig.sound.Log.Matching("PlayFile(").front(), "PlayFile(/assets/Music/midi1.mid,0,-1)");
}

TEST(Playlist, WithOnlyTwoCarolsOnTheOthersAreSkippedAlsoByNextAndPrevious) {
    MusicRig rig;
    rig.OnlyCarols({5, 9});
    rig.Open();
    rig.Seconds(1.05);
    for (int i = 0; i < 3; ++i) rig.FinishAndTick();
    EXPECT_EQ(rig.Played(), (std::vector<int>{5, 9, 5, 9}));
    rig.Press('N');
    EXPECT_EQ(rig.Last(), 5) << "N while 9 plays";
    rig.FinishAndTick();
    ASSERT_EQ(rig.Last(), 9);
    rig.Press('P');
    EXPECT_EQ(rig.Last(), 9) << "P while 9 plays: 8 is off, the search comes back to 9";
}

TEST(Playlist, PreviousFromCarolOneIsThirtySixAndFromTwoIsOne) {
    MusicRig rig;
    rig.Open();
    rig.Seconds(1.05);
    rig.Press('P');
    EXPECT_EQ(rig.Last(), 36);
    rig.FinishAndTick();
    rig.FinishAndTick();
    ASSERT_EQ(rig.Last(), 2);
    rig.Press('P');
    EXPECT_EQ(rig.Last(), 1);
}

TEST(Playlist, StopThenStartReplaysTheStoppedCarolFromItsBeginning) {
    MusicRig rig;
    rig.Open();
    rig.Seconds(1.05);
    rig.FinishAndTick();
    rig.window->KeyDown('Q');
    rig.Seconds(10);
    EXPECT_EQ(rig.Played().size(), 2u) << "nothing plays after Q";
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::TimerMIDI));
    rig.Press('S');
    EXPECT_EQ(rig.Played(), (std::vector<int>{1, 2, 2}));
}

TEST(Playlist, StartWhilePlayingRepeatsTheCarolEachPressStepsBackButNotBelowOne) {
    struct Case {
        int finished, presses;
        std::vector<int> played;
    };
    for (const Case& c : {Case{1, 1, {1, 2, 2}}, Case{2, 2, {1, 2, 3, 2}}, Case{-1, 5, {1}}}) {
        MusicRig rig;
        rig.Open();
        if (c.finished >= 0) rig.Seconds(1.05);  // otherwise S is pressed before the first carol
        for (int i = 0; i < c.finished; ++i) rig.FinishAndTick();
        for (int i = 0; i < c.presses; ++i) rig.window->KeyDown('S');
        c.finished >= 0 ? rig.FinishAndTick() : rig.Seconds(1.05);
        EXPECT_EQ(rig.Played(), c.played) << c.presses << " presses";
    }
}

TEST(Playlist, WithEveryCarolOffNothingPlaysAndTheSongTimerStops) {
    MusicRig rig;
    rig.OnlyCarols({});
    rig.Open();
    rig.Seconds(5);
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::TimerMIDI));
    for (int key : {'S', 'N', 'P'}) rig.window->KeyDown(key);
    rig.Seconds(5);
    EXPECT_TRUE(rig.Played().empty());
    EXPECT_FALSE(rig.host.Ended());
}

TEST(Playlist, AMissingCarolIsSkippedAtTheNextTick) {
    MusicRig rig;
    rig.sound.Unplayable.insert("/assets/Music/midi2.mid");
    rig.Open();
    rig.Seconds(1.05);
    rig.FinishAndTick();
    rig.Seconds(1.05);
    EXPECT_EQ(rig.Played(), (std::vector<int>{1, 2, 3}));
}

TEST(SoundOff, FiveMinutesStopsAllMusicOnTheThreeHundredthTickEvenAfterRestart) {
    MusicRig rig;
    rig.Set("SoundOff", "5");
    rig.Open();
    rig.Seconds(299.5);
    EXPECT_TRUE(rig.host.TimerEnabled(TimerId::TimerMIDI));
    EXPECT_TRUE(rig.host.TimerEnabled(TimerId::Timer2));
    rig.Seconds(0.5);
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::TimerMIDI));
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::Timer2));
    EXPECT_FALSE(rig.sound.IsPlaying());
    const int quarters = rig.window->TimerClocks.PengSkiPhaseTicks;
    rig.window->KeyDown('S');
    rig.Seconds(1.5);
    EXPECT_FALSE(rig.sound.IsPlaying()) << "a restart lasts at most until the next one-second tick";
    EXPECT_EQ(rig.window->TimerClocks.PengSkiPhaseTicks, quarters) << "quarter-second counters keep their values";
}

TEST(SoundOff, ZeroNeverAndTextThatIsNotANumberNeverStopTheMusic) {
    for (const char* value : {"0", "Never", "soon"}) {
        MusicRig rig;
        rig.Set("SoundOff", value);
        rig.Open();
        rig.Seconds(3 * 3600);
        EXPECT_TRUE(rig.host.TimerEnabled(TimerId::TimerMIDI)) << value;
        EXPECT_TRUE(rig.sound.IsPlaying()) << value;
    }
}

TEST(SoundOff, AMinuteValueNotInTheTableStopsOnTheFirstTick) {
    MusicRig rig;
    rig.Set("SoundOff", "7");
    rig.Open();
    rig.Seconds(1);
    EXPECT_FALSE(rig.host.TimerEnabled(TimerId::TimerMIDI));
}

}  // namespace
}  // namespace hq::test
