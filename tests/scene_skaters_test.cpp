#include <gtest/gtest.h>

#include <map>
#include <set>

#include "SaverRig.h"

namespace hq::test {
namespace {

struct SkaterRig : SceneRig {
    SkaterRig() {
        Open();
        clocks().SnowmanGate = clocks().MrsSantaGate = clocks().SantaGate = clocks().PenguinGate = 100;
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
    rig.skaters().SantaX = 800;
    EXPECT_FALSE(SkaterRig::Restarted(rig.FrameAfter(20), santa));
    EXPECT_EQ(rig.State(santa).x, 803) << "still stepping right";

    rig.skaters().SantaX = 801;
    const auto calls = rig.FrameAfter(20);
    ASSERT_TRUE(SkaterRig::Restarted(calls, santa));
    EXPECT_GE(rig.State(santa).y, 330);
    EXPECT_LE(rig.State(santa).y, 500);
    EXPECT_EQ(rig.State(santa).x, rig.skaters().SantaDir == Skaters::kRight ? -200 : 800);
    EXPECT_EQ(CallsOf(calls, "SetSpriteFrame", santa).front(), Call("SetSpriteFrame", santa, 1));
}

TEST(Skaters, MovingLeftTheSnowmanTakesOneMoreStepAtMinus229AndRestartsAtMinus231) {
    SkaterRig rig;
    const int snowman = rig.sprites().SnowmanSprite;
    rig.Place(snowman, -229, 250);
    rig.skaters().SnowmanDir = Skaters::kLeft;
    rig.skaters().SnowmanX = -229;
    EXPECT_FALSE(SkaterRig::Restarted(rig.FrameAfter(20), snowman));
    EXPECT_EQ(rig.skaters().SnowmanX, -231);
    EXPECT_TRUE(SkaterRig::Restarted(rig.FrameAfter(20), snowman));
    EXPECT_GE(rig.State(snowman).y, 230);
    EXPECT_LE(rig.State(snowman).y, 280);
}

TEST(Skaters, TheSkatingPenguinChangesPoseNear503And302And101AndReentersAt800) {
    SkaterRig rig;
    const int penguin = rig.sprites().PenguinSkateSprite;
    std::vector<std::pair<int, int>> poses;  // (x read back, frame set)
    std::vector<std::string> restart;
    while (restart.empty() && poses.size() < 10) {
        const auto calls = rig.FrameAfter(28);
        if (SkaterRig::Restarted(calls, penguin)) {
            for (const auto& call : calls)
                if (call.rfind("Set", 0) == 0 && call.find("(" + std::to_string(penguin) + ",") != std::string::npos)
                    restart.push_back(call);
        } else if (!CallsOf(calls, "SetSpriteFrame", penguin).empty()) {
            poses.push_back({rig.skaters().PenguinX, LastValue(calls, "SetSpriteFrame", penguin, 0)});
        }
    }
    // Steps of 3 from 800 pass 503; 305 and 302; 104 and 101 inside the three pose windows.
    EXPECT_EQ(poses, (std::vector<std::pair<int, int>>{{503, 2}, {305, 1}, {302, 1}, {104, 2}, {101, 2}}));
    EXPECT_EQ(rig.skaters().PenguinX, -103) << "the first x below -100 on the way from 800";
    ASSERT_EQ(restart.size(), 4u);
    EXPECT_EQ(restart[0], Call("SetSpriteFrame", penguin, 1));
    EXPECT_EQ(restart[1], Call("SetFrameDelay", penguin, 200));
    EXPECT_EQ(restart[3], Call("SetSpriteX", penguin, 800));
    EXPECT_GE(rig.State(penguin).y, 350);
    EXPECT_LE(rig.State(penguin).y, 450);
}

TEST(Skaters, ASkaterIsNeitherDrawnNorMovedUntilItsGatePassesItsThreshold) {
    SkaterRig rig;
    const Catalogue& c = rig.sprites();
    const std::vector<int> skaters{c.SantaSprite, c.MrsSantaSprite, c.SnowmanSprite, c.PenguinSkateSprite};
    auto gates = [&](int santa, int mrs, int snowman, int penguin) {
        rig.clocks().SantaGate = santa;  // 0 also after wrapping at 30000 s
        rig.clocks().MrsSantaGate = mrs;
        rig.clocks().SnowmanGate = snowman;
        rig.clocks().PenguinGate = penguin;
        return rig.FrameAfter(100);
    };
    const auto hidden = gates(0, 1, 4, 9);
    for (int sprite : skaters) {
        EXPECT_FALSE(Has(hidden, Draw(sprite)));
        EXPECT_TRUE(CallsOf(hidden, "MoveSpriteX", sprite).empty());
    }
    const auto shown = gates(1, 2, 5, 10);
    for (int sprite : skaters) EXPECT_TRUE(Has(shown, Draw(sprite)));
}

TEST(Skaters, ARandomPoseIsAlwaysOneOfTheSkatersOwnFrames) {
    SkaterRig rig;
    const Catalogue& c = rig.sprites();
    std::map<int, std::set<int>> poses;
    for (int frame = 0; frame < 400; ++frame) {
        rig.clocks().SantaPoseCount = rig.clocks().MrsSantaPoseCount = 2;
        rig.clocks().SnowmanPoseCount = 3;
        const auto calls = rig.FrameAfter(1);  // the pose is set after any step, so it is the last frame set
        for (int sprite : {c.SantaSprite, c.MrsSantaSprite, c.SnowmanSprite})
            poses[sprite].insert(LastValue(calls, "SetSpriteFrame", sprite, 0));
        ASSERT_EQ(rig.clocks().SantaPoseCount, 0) << "a pose change starts the count again";
    }
    EXPECT_EQ(poses[c.SantaSprite], (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(poses[c.MrsSantaSprite], (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(poses[c.SnowmanSprite], (std::set<int>{1, 2, 3, 4}));
}

TEST(Skaters, AMoverStepsAtMostOncePerThrottleAlsoWhenTheTickCountWraps) {
    SkaterRig rig;
    const int snowman = rig.sprites().SnowmanSprite;  // 15 ms throttle, 2 pixels a step
    rig.tick = 0xFFFFFFF0u - 20;
    std::vector<int> x;
    for (std::uint32_t gap : {20u, 10u, 10u, 14u, 1u, 500u}) {  // the third frame's tick count wraps to 4
        rig.FrameAfter(gap);
        x.push_back(rig.State(snowman).x);
    }
    EXPECT_EQ(x, (std::vector<int>{-198, -198, -196, -196, -194, -192}));
}

}  // namespace
}  // namespace hq::test
