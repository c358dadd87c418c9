#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

#include "SceneRig.h"

namespace hq::test {
namespace {

struct SkaterRig : SceneRig {
    SkaterRig() {
        Open();
        Clocks& c = clocks();
        c.SnowmanGate = c.MrsSantaGate = c.SantaGate = c.PenguinGate = 100;
    }
    Skaters& skaters() { return scene().Skating; }
    // Whether this frame sent the sprite back in on a new lane.
    static bool Restarted(const std::vector<std::string>& calls, int sprite) {
        return Has(calls, Call("SetFrameDelay", sprite, 200));
    }
};

TEST(Skaters, MovingRightASkaterRestartsOnlyOnceTheXReadBackIsPast800) {
    SkaterRig rig;
    const int santa = rig.sprites().SantaSprite;
    rig.Place(santa, 800, 400);
    rig.skaters().SantaDir = Skaters::kRight;
    rig.skaters().SantaX = 800;
    auto calls = rig.FrameAfter(20);
    EXPECT_FALSE(SkaterRig::Restarted(calls, santa));
    EXPECT_EQ(rig.State(santa).x, 803) << "still stepping right";

    rig.skaters().SantaX = 801;
    calls = rig.FrameAfter(20);
    ASSERT_TRUE(SkaterRig::Restarted(calls, santa));
    const int lane = LastValue(calls, "SetSpriteY", santa, 0);
    EXPECT_GE(lane, 330);
    EXPECT_LE(lane, 500);
    EXPECT_EQ(rig.State(santa).x, rig.skaters().SantaDir == Skaters::kRight ? -200 : 800);
    EXPECT_EQ(rig.State(santa).frame, 1);
}

TEST(Skaters, MovingLeftTheSnowmanTakesOneMoreStepAtMinus229AndRestartsAtMinus231) {
    SkaterRig rig;
    const int snowman = rig.sprites().SnowmanSprite;
    rig.Place(snowman, -229, 250);
    rig.skaters().SnowmanDir = Skaters::kLeft;
    rig.skaters().SnowmanX = -229;
    EXPECT_FALSE(SkaterRig::Restarted(rig.FrameAfter(20), snowman));
    EXPECT_EQ(rig.State(snowman).x, -231);
    EXPECT_EQ(rig.skaters().SnowmanX, -231);
    const auto calls = rig.FrameAfter(20);
    ASSERT_TRUE(SkaterRig::Restarted(calls, snowman));
    const int lane = LastValue(calls, "SetSpriteY", snowman, 0);
    EXPECT_GE(lane, 230);
    EXPECT_LE(lane, 280);
}

TEST(Skaters, ARestartDrawsTheLaneFirstAndTheDirectionSecond) {
    SkaterRig rig;
    const int santa = rig.sprites().SantaSprite;
    rig.skaters().SantaDir = Skaters::kRight;
    rig.skaters().SantaX = 900;
    Random expected = rig.window->Rng;  // Santa moving right does not reseed
    const int lane = int(std::floor(expected.Rnd() * 171 + 330));
    const int direction = int(std::floor(2 * expected.Rnd() + 1));
    const auto calls = rig.FrameAfter(20);
    EXPECT_EQ(LastValue(calls, "SetSpriteY", santa, 0), lane);
    EXPECT_EQ(rig.skaters().SantaDir, direction);
}

TEST(Skaters, MrsSantaReseedsFromTheClockBeforeEveryNewLane) {
    SkaterRig rig;
    const int mrs = rig.sprites().MrsSantaSprite;
    rig.skaters().MrsSantaDir = Skaters::kRight;
    rig.skaters().MrsSantaX = 900;
    Random expected = rig.window->Rng;
    expected.Randomize(rig.host.SecondsSinceMidnight());
    const int lane = int(std::floor(expected.Rnd() * 171 + 330));
    const auto calls = rig.FrameAfter(30);
    EXPECT_EQ(LastValue(calls, "SetSpriteY", mrs, 0), lane);
}

TEST(Skaters, SantaStartingRightAt800IsFirstSeenOnARandomLaneAfterHisSecondStep) {
    SkaterRig rig;
    const int santa = rig.sprites().SantaSprite;
    EXPECT_FALSE(SkaterRig::Restarted(rig.FrameAfter(20), santa));
    EXPECT_TRUE(SkaterRig::Restarted(rig.FrameAfter(20), santa));
}

TEST(Skaters, TheSkatingPenguinChangesPoseNear503And302And101AndReentersAt800) {
    SkaterRig rig;
    const int penguin = rig.sprites().PenguinSkateSprite;
    std::vector<std::pair<int, int>> poses;  // (x read back, frame set)
    std::vector<std::string> restart;
    for (int frame = 0; frame < 400 && restart.empty(); ++frame) {
        const auto calls = rig.FrameAfter(28);
        const auto set = CallsOf(calls, "SetSpriteFrame", penguin);
        if (Has(calls, Call("SetFrameDelay", penguin, 200))) {
            for (const auto& call : calls)
                if (call.rfind("Set", 0) == 0 && call.find("(" + std::to_string(penguin) + ",") != std::string::npos)
                    restart.push_back(call);
        } else if (!set.empty()) {
            poses.push_back({rig.skaters().PenguinX, LastValue(calls, "SetSpriteFrame", penguin, 0)});
        }
    }
    // Steps of 3 from 800 pass 503; 305 and 302; 104 and 101 inside the three pose windows.
    const std::vector<std::pair<int, int>> expected{{503, 2}, {305, 1}, {302, 1}, {104, 2}, {101, 2}};
    EXPECT_EQ(poses, expected);
    ASSERT_EQ(restart.size(), 4u);
    EXPECT_EQ(restart[0], Call("SetSpriteFrame", penguin, 1));
    EXPECT_EQ(restart[1], Call("SetFrameDelay", penguin, 200));
    EXPECT_EQ(restart[3], Call("SetSpriteX", penguin, 800));
    EXPECT_EQ(rig.skaters().PenguinX, -103) << "the first x below -100 on the way from 800";
    EXPECT_GE(rig.State(penguin).y, 350);
    EXPECT_LE(rig.State(penguin).y, 450);
}

TEST(Skaters, ASkaterIsNeitherDrawnNorMovedUntilItsGatePassesItsThreshold) {
    SkaterRig rig;
    const Catalogue& c = rig.sprites();
    Clocks& clocks = rig.clocks();
    clocks.SantaGate = 0;  // wrapped after 30000 s
    clocks.MrsSantaGate = 1;
    clocks.SnowmanGate = 4;
    clocks.PenguinGate = 9;
    const auto calls = rig.FrameAfter(100);
    for (int sprite : {c.SantaSprite, c.MrsSantaSprite, c.SnowmanSprite, c.PenguinSkateSprite}) {
        EXPECT_FALSE(Has(calls, Draw(sprite)));
        EXPECT_TRUE(CallsOf(calls, "MoveSpriteX", sprite).empty());
    }
    clocks.SantaGate = 1;
    clocks.MrsSantaGate = 2;
    clocks.SnowmanGate = 5;
    clocks.PenguinGate = 10;
    const auto shown = rig.FrameAfter(100);
    for (int sprite : {c.SantaSprite, c.MrsSantaSprite, c.SnowmanSprite, c.PenguinSkateSprite})
        EXPECT_TRUE(Has(shown, Draw(sprite)));
}

TEST(Skaters, ARandomPoseIsAlwaysOneOfTheSkatersOwnFrames) {
    SkaterRig rig;
    const Catalogue& c = rig.sprites();
    std::map<int, std::set<int>> poses;
    for (int frame = 0; frame < 400; ++frame) {
        Clocks& clocks = rig.clocks();
        clocks.SantaPoseCount = clocks.MrsSantaPoseCount = 2;
        clocks.SnowmanPoseCount = 3;
        const auto calls = rig.FrameAfter(1);  // the pose is set after any step, so it is the last frame set
        for (int sprite : {c.SantaSprite, c.MrsSantaSprite, c.SnowmanSprite})
            poses[sprite].insert(LastValue(calls, "SetSpriteFrame", sprite, 0));
        EXPECT_EQ(clocks.SantaPoseCount, 0) << "a pose change starts the count again";
    }
    auto range = [](int n) {
        std::set<int> all;
        for (int f = 1; f <= n; ++f) all.insert(f);
        return all;
    };
    EXPECT_EQ(poses[c.SantaSprite], range(10));
    EXPECT_EQ(poses[c.MrsSantaSprite], range(8));
    EXPECT_EQ(poses[c.SnowmanSprite], range(4));
}

TEST(Skaters, EachMoverStepsAtMostOncePerThrottleWhateverTheFrameRate) {
    SkaterRig rig;
    const int snowman = rig.sprites().SnowmanSprite;  // 15 ms throttle, 2 pixels a step
    const int x0 = rig.State(snowman).x;
    rig.FrameAfter(15);
    rig.FrameAfter(14);
    EXPECT_EQ(rig.State(snowman).x, x0 + 2) << "the second frame came too soon";
    rig.FrameAfter(1);
    EXPECT_EQ(rig.State(snowman).x, x0 + 4);
    rig.FrameAfter(500);
    EXPECT_EQ(rig.State(snowman).x, x0 + 6) << "a late frame still moves one step";
}

TEST(Skaters, ThrottlesKeepWorkingWhenTheTickCountWraps) {
    SkaterRig rig;
    const int snowman = rig.sprites().SnowmanSprite;
    rig.tick = 0xFFFFFFF0u - 20;
    rig.FrameAfter(20);  // a step at 0xFFFFFFF0
    const int x0 = rig.State(snowman).x;
    rig.FrameAfter(10);  // 0xFFFFFFFA: too soon
    EXPECT_EQ(rig.State(snowman).x, x0);
    rig.FrameAfter(10);  // wrapped to 4, 20 ms after the step
    EXPECT_EQ(rig.State(snowman).x, x0 + 2);
    rig.FrameAfter(14);
    EXPECT_EQ(rig.State(snowman).x, x0 + 2);
    rig.FrameAfter(1);
    EXPECT_EQ(rig.State(snowman).x, x0 + 4);
}

}  // namespace
}  // namespace hq::test
