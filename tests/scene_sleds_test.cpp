#include <gtest/gtest.h>

#include "SceneRig.h"

namespace hq::test {
namespace {

struct SledRig : SceneRig {
    SledRig() { Open(); }
    Sleds& sleds() { return scene().Sledding; }
    int bgSled(int k) { return sprites().BGSledSprite[k]; }
};

TEST(BackgroundSleds, ASledRunsOnlyInsideItsWindowAndIsPutBackWhenItsCountPassesTheReset) {
    SledRig rig;
    const int sled = rig.bgSled(1);  // window 2..40, reset above 40
    rig.clocks().BGSledCount[1] = 1;
    EXPECT_FALSE(Has(rig.FrameAfter(30), Draw(sled)));
    rig.clocks().BGSledCount[1] = 2;
    auto calls = rig.FrameAfter(30);
    EXPECT_TRUE(Has(calls, Draw(sled)));
    EXPECT_EQ(CallsOf(calls, "MoveSpriteY", sled), std::vector<std::string>{Call("MoveSpriteY", sled, -1)});
    EXPECT_EQ(CallsOf(calls, "MoveSpriteX", sled), std::vector<std::string>{Call("MoveSpriteX", sled, 1)});
    rig.clocks().BGSledCount[1] = 40;
    EXPECT_TRUE(Has(rig.FrameAfter(30), Draw(sled)));
    rig.clocks().BGSledCount[1] = 41;
    calls = rig.FrameAfter(30);
    EXPECT_FALSE(Has(calls, Draw(sled)));
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
    EXPECT_EQ(rig.sleds().BGSledX[5], 500);
}

TEST(BackgroundSleds, ASledWhoseCountJumpedPastItsResetIsMovedDrawnAndResetInOneFrame) {
    SledRig rig;
    const int sled = rig.bgSled(4);  // always active above 2, reset above 44
    rig.clocks().BGSledCount[4] = 45;
    const auto calls = rig.FrameAfter(30);
    const int moved = IndexIn(calls, Call("MoveSpriteY", sled, -1));
    const int drawn = IndexIn(calls, Draw(sled));
    const int reset = IndexIn(calls, Call("SetSpriteX", sled, 676));
    ASSERT_GE(moved, 0);
    EXPECT_LT(moved, drawn);
    EXPECT_LT(drawn, reset);
    EXPECT_EQ(calls.at(std::size_t(reset) + 1), Call("SetSpriteY", sled, 56));
    EXPECT_EQ(rig.clocks().BGSledCount[4], 0);
}

TEST(BackgroundSleds, TheRotaRunsOnTheQuarterSecondTimer) {
    SaverRig rig;
    rig.Open(22);  // a frame every throttle interval: one step a frame
    const int sled6 = rig.window->Village.Sprites.BGSledSprite[6];  // active above 5, reset above 47
    rig.Seconds(1.2);
    EXPECT_EQ(rig.drawing.SpriteState(sled6).x, 678) << "count 4: still waiting";
    rig.Seconds(1.3);
    EXPECT_NEAR(rig.drawing.SpriteState(sled6).x, 678 - 45, 1) << "a pixel every 22 ms since count 6 at 1.5 s";
    rig.Seconds(8.5);
    EXPECT_GT(rig.drawing.SpriteState(sled6).x, 1500) << "parked at 2000, beyond the right edge, still moving";
    rig.Seconds(1.5);
    EXPECT_EQ(rig.drawing.SpriteState(sled6).x, 678) << "put back at count 48 (12 s), waiting for count 6";
    EXPECT_EQ(rig.drawing.SpriteState(sled6).y, 54);
}

struct RiderRig : SledRig {
    RiderRig() {
        clocks().PengSledGate = clocks().PengSkiGate = 10;  // riding, not yet rearming
    }
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

TEST(RidingPenguins, OnTheSlopeTheRiderGrowsOnTheThirdFifthAndSeventhStep) {
    RiderRig rig;
    std::vector<int> growthSteps;
    for (int step = 1; step <= 8; ++step) {
        const auto calls = rig.FrameAfter(30);
        if (Has(calls, Call("SetSpriteWidth", rig.sled(), rig.sleds().PengSledWidth + 3))) growthSteps.push_back(step);
    }
    EXPECT_EQ(growthSteps, (std::vector<int>{3, 5, 7}));
    EXPECT_EQ(rig.State(rig.sled()).width, 27 + 3 + 3);
    EXPECT_EQ(rig.State(rig.sled()).height, rig.State(rig.sled()).width);
}

TEST(RidingPenguins, PhaseOneRisesUntilTheYReadIsBelow100) {
    RiderRig rig;
    rig.InFlight(1, 96);  // read back at 101
    rig.FrameAfter(30);
    EXPECT_EQ(rig.sleds().PengSledPhase, 1);
    EXPECT_EQ(rig.State(rig.sled()).y, 101 - 15) << "rose 15 over the jump";
    rig.clocks().PengSledPhaseTicks = 7;
    rig.InFlight(1, 94);  // read back at 99
    rig.FrameAfter(30);
    EXPECT_EQ(rig.sleds().PengSledPhase, 2);
    EXPECT_EQ(rig.clocks().PengSledPhaseTicks, 0);
}

TEST(RidingPenguins, PhasesTwoAndThreeEachLastUntilTheQuarterSecondCounterReadsTwo) {
    RiderRig rig;
    rig.InFlight(2, 50);
    rig.clocks().PengSledPhaseTicks = 1;
    rig.FrameAfter(30);
    EXPECT_EQ(rig.sleds().PengSledPhase, 2);
    rig.clocks().PengSledPhaseTicks = 2;
    rig.FrameAfter(30);
    EXPECT_EQ(rig.sleds().PengSledPhase, 3);
    EXPECT_EQ(rig.clocks().PengSledPhaseTicks, 0);
    rig.clocks().PengSledPhaseTicks = 2;
    rig.FrameAfter(30);
    EXPECT_EQ(rig.sleds().PengSledPhase, 4);
    EXPECT_EQ(rig.clocks().PengSledPhaseTicks, 2) << "handing over to the drop leaves the counter alone";
}

TEST(RidingPenguins, ARiderWiderThan170FallsTwoExtraPixelsAStep) {
    RiderRig rig;
    rig.clocks().PengSledPhaseTicks = 0;
    rig.InFlight(2, 200, 170);
    rig.FrameAfter(30);
    EXPECT_EQ(rig.State(rig.sled()).y, 205);
    rig.InFlight(2, 200, 171);
    rig.FrameAfter(30);
    EXPECT_EQ(rig.State(rig.sled()).y, 207);
}

TEST(RidingPenguins, PastTheBottomTheSledWaitsAtTheTopAndTheSkierOutOfSight) {
    RiderRig rig;
    rig.InFlight(4, 596, 400);  // 601 after this step
    rig.sleds().PengSkiOnTrack = false;
    rig.sleds().PengSkiPhase = 4;
    rig.Place(rig.ski(), 300, 596);
    rig.drawing.SetSpriteFrame(rig.ski(), 2);
    rig.drawing.SetSpriteFrame(rig.sled(), 2);
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
    EXPECT_TRUE(rig.sleds().PengSledReady);
    EXPECT_TRUE(rig.sleds().PengSledOnTrack);
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
        const bool stepped = !CallsOf(rig.drawing.Log.Calls(), "MoveSpriteY", sled).empty();
        if (stepped && before.x == 360 && before.y == 134 && before.width == 24)
            rideStarts.push_back(double(rig.host.NowMs()) / 1000);
    }
    ASSERT_EQ(rideStarts.size(), 3u);
    EXPECT_NEAR(rideStarts[0], 8, 0.05);
    EXPECT_NEAR(rideStarts[1], 33, 0.05);
    EXPECT_NEAR(rideStarts[2], 58, 0.05);
}

}  // namespace
}  // namespace hq::test
