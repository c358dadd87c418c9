#include <gtest/gtest.h>

#include "SaverRig.h"

namespace hq::test {
namespace {

struct SledRig : SceneRig {
    SledRig() {
        Open();
        clocks().PengSledGate = clocks().PengSkiGate = 10;  // riding, not yet rearming
    }
    Sleds& sleds() { return scene().Sledding; }
    int bgSled(int k) { return sprites().BGSledSprite[k]; }
    int sled() { return sprites().PengSledSprite; }
    int ski() { return sprites().PengSkiSprite; }
    // Puts the sled rider in flight at y (before this step's five pixels down) and width.
    void InFlight(int phase, int y, int width = 60) {
        sleds().PengSledOnTrack = false;
        sleds().PengSledPhase = phase;
        Place(sled(), 300, y);
        drawing.SetSpriteWidth(sled(), width);
        drawing.SetSpriteHeight(sled(), width);
    }
};

TEST(BackgroundSleds, ASledRunsOnlyInsideItsWindowAndIsPutBackWhenItsCountPassesTheReset) {
    SledRig rig;
    const int sled = rig.bgSled(1);  // window 2..40, reset above 40
    auto frameAt = [&](int count) {
        rig.clocks().BGSledCount[1] = count;
        return rig.FrameAfter(30);
    };
    EXPECT_FALSE(Has(frameAt(1), Draw(sled)));
    const auto calls = frameAt(2);
    EXPECT_TRUE(Has(calls, Draw(sled)));
    EXPECT_EQ(CallsOf(calls, "MoveSpriteY", sled), std::vector<std::string>{Call("MoveSpriteY", sled, -1)});
    EXPECT_EQ(CallsOf(calls, "MoveSpriteX", sled), std::vector<std::string>{Call("MoveSpriteX", sled, 1)});
    EXPECT_TRUE(Has(frameAt(40), Draw(sled)));
    EXPECT_FALSE(Has(frameAt(41), Draw(sled)));
    EXPECT_EQ(rig.clocks().BGSledCount[1], 0);
    EXPECT_EQ(rig.State(sled).x, 120);
    EXPECT_EQ(rig.State(sled).y, 50);
}

TEST(BackgroundSleds, SledsParkOutOfSightOncePastTheirEndPoint) {
    SledRig rig;
    for (int k = 1; k <= 6; ++k) rig.clocks().BGSledCount[k] = 20;
    rig.Place(rig.bgSled(1), 230, 80);  // steps to 231: past 230
    rig.Place(rig.bgSled(2), 229, 80);  // steps to 230: not yet
    rig.Place(rig.bgSled(4), 500, 80);  // steps to 499: below 500
    rig.Place(rig.bgSled(5), 501, 80);  // steps to 500: not yet
    rig.FrameAfter(30);
    EXPECT_EQ(rig.State(rig.bgSled(1)).x, -400);
    EXPECT_EQ(rig.State(rig.bgSled(1)).y, 81) << "sleds 1 to 3 keep their height";
    EXPECT_EQ(rig.State(rig.bgSled(2)).x, 230);
    EXPECT_EQ(rig.State(rig.bgSled(4)).x, 2000);
    EXPECT_EQ(rig.State(rig.bgSled(4)).y, 32);
    EXPECT_EQ(rig.State(rig.bgSled(5)).x, 500);
}

TEST(BackgroundSleds, ASledWhoseCountJumpedPastItsResetIsMovedDrawnAndResetInOneFrame) {
    SledRig rig;
    const int sled = rig.bgSled(4);  // always active above 2, reset above 44
    rig.clocks().BGSledCount[4] = 45;
    const auto calls = rig.FrameAfter(30);
    const int moved = IndexIn(calls, Call("MoveSpriteY", sled, -1)), drawn = IndexIn(calls, Draw(sled));
    const int reset = IndexIn(calls, Call("SetSpriteX", sled, 676));
    ASSERT_GE(moved, 0);
    EXPECT_LT(moved, drawn);
    EXPECT_LT(drawn, reset);
    EXPECT_EQ(calls.at(std::size_t(reset) + 1), Call("SetSpriteY", sled, 56));
    EXPECT_EQ(rig.clocks().BGSledCount[4], 0);
}

TEST(RidingPenguins, OnTheSlopeTheRiderGrowsOnTheThirdFifthAndSeventhStep) {
    SledRig rig;
    std::vector<int> growthSteps;
    for (int step = 1; step <= 8; ++step) {
        const auto calls = rig.FrameAfter(30);
        if (Has(calls, Call("SetSpriteWidth", rig.sled(), rig.sleds().PengSledWidth + 3))) growthSteps.push_back(step);
    }
    EXPECT_EQ(growthSteps, (std::vector<int>{3, 5, 7}));
    EXPECT_EQ(rig.State(rig.sled()).width, 33);
    EXPECT_EQ(rig.State(rig.sled()).height, 33);
}

TEST(RidingPenguins, TheFlightPhasesChangeOnTheYReadAndTheQuarterSecondCounterAndWideRidersFallFaster) {
    SledRig rig;
    auto step = [&](int phase, int y, int ticks) {
        rig.InFlight(phase, y);
        rig.clocks().PengSledPhaseTicks = ticks;
        rig.FrameAfter(30);
        return std::make_pair(rig.sleds().PengSledPhase, rig.clocks().PengSledPhaseTicks);
    };
    EXPECT_EQ(step(1, 96, 7), std::make_pair(1, 7)) << "y read back at 101: still rising";
    EXPECT_EQ(rig.State(rig.sled()).y, 101 - 15);
    EXPECT_EQ(step(1, 94, 7), std::make_pair(2, 0)) << "y read back at 99";
    EXPECT_EQ(step(2, 50, 1), std::make_pair(2, 1));
    EXPECT_EQ(step(2, 50, 2), std::make_pair(3, 0));
    EXPECT_EQ(step(3, 50, 1), std::make_pair(3, 1));
    EXPECT_EQ(step(3, 50, 2), std::make_pair(4, 2)) << "handing over to the drop leaves the counter alone";
    EXPECT_EQ(step(4, 500, 2), std::make_pair(4, 2));
    rig.InFlight(2, 200, 170);
    rig.FrameAfter(30);
    EXPECT_EQ(rig.State(rig.sled()).y, 205);
    rig.InFlight(2, 200, 171);
    rig.FrameAfter(30);
    EXPECT_EQ(rig.State(rig.sled()).y, 207) << "riders wider than 170 fall two extra pixels";
}

TEST(RidingPenguins, PastTheBottomTheSledWaitsAtTheTopAndTheSkierOutOfSightUntilRearmed) {
    SledRig rig;
    rig.InFlight(4, 596, 400);  // 601 after this step
    rig.sleds().PengSkiOnTrack = false;
    rig.sleds().PengSkiPhase = 4;
    rig.Place(rig.ski(), 300, 596);
    rig.FrameAfter(30);
    for (int sprite : {rig.sled(), rig.ski()}) {
        EXPECT_EQ(rig.State(sprite).x, 360);
        EXPECT_EQ(rig.State(sprite).width, 24);
        EXPECT_EQ(rig.State(sprite).height, 24);
    }
    EXPECT_EQ(rig.State(rig.sled()).y, 134);
    EXPECT_EQ(rig.State(rig.sled()).frame, 2) << "the sled keeps its flight frame";
    EXPECT_EQ(rig.State(rig.ski()).y, -134);
    EXPECT_EQ(rig.State(rig.ski()).frame, 1);
    EXPECT_FALSE(rig.sleds().PengSledReady);
    EXPECT_EQ(rig.sleds().PengSledPhase, 1);
    EXPECT_EQ(rig.sleds().PengSkiY, 134);

    const auto calls = rig.FrameAfter(30);
    EXPECT_TRUE(CallsOf(calls, "MoveSpriteY", rig.sled()).empty()) << "no ride until rearmed";
    EXPECT_TRUE(Has(calls, Draw(rig.sled()))) << "still drawn while waiting";
    rig.clocks().PengSledGate = 30;
    rig.FrameAfter(30);
    EXPECT_EQ(rig.clocks().PengSledGate, 5);
    EXPECT_TRUE(rig.sleds().PengSledReady && rig.sleds().PengSledOnTrack);
    EXPECT_EQ(rig.State(rig.sled()).frame, 1);
}

TEST(RidingPenguins, TheSledRidesAt8SecondsAndThenEvery25) {
    SaverRig rig;
    rig.Open(16);
    const int sled = rig.window->Village.Sprites.PengSledSprite;
    std::vector<double> rideStarts;  // seconds at which the sled left the top of the hill
    for (int frame = 0; frame < 60000 / 16; ++frame) {
        const auto before = rig.drawing.SpriteState(sled);
        rig.drawing.Log.Clear();
        rig.host.RunFor(16);
        if (!CallsOf(rig.drawing.Log.Calls(), "MoveSpriteY", sled).empty() && before.y == 134 && before.width == 24)
            rideStarts.push_back(double(rig.host.NowMs()) / 1000);
    }
    ASSERT_EQ(rideStarts.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(rideStarts[std::size_t(i)], 8 + 25 * i, 0.032) << "within a ride step";
}

}  // namespace
}  // namespace hq::test
