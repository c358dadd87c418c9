#include <gtest/gtest.h>

#include <map>

#include "SaverRig.h"

namespace hq::test {
namespace {

// The frame's painting as names: sprites drawn, texts by their first word, and the frame's ends.
std::string Painting(const Catalogue& c, const std::vector<std::string>& calls) {
    std::map<int, std::string> n;
    int i = 0;
    for (const char* name : {"Background", "House", "Sleders1", "Sleders2", "SmallSki1", "SmallSki2", "SmallSled",
                             "Cane2", "Cane1", "FenceL", "FenceR", "Xmas1", "Xmas2", "TreesL1", "TreesL2", "TreesR1",
                             "TreesR2", "Hole", "Penguin", "PengSled", "PengSki", "FishA", "FishB", "FishC", "JackA",
                             "JackB", "JackC", "ElfWork", "ElfDeer", "Pole", "DecTree", "Wreath1", "Wreath2",
                             "LightsL", "LightsR", "Fight", "MrsSanta", "Santa", "Snowman"}) {
        n[c.BackgroundSprite + i] = name;  // catalogue order, skipping the six sleds after the house
        i += i == 1 ? 7 : 1;
    }
    for (int k = 1; k <= 6; ++k) n[c.BGSledSprite[k]] = "BGSled" + std::to_string(k);
    for (int f = 0; f < 9; ++f) {
        n[c.TinyFlakeSprite[f]] = "Tiny" + std::to_string(f + 1);
        n[c.SmallFlakeSprite[f]] = "Small" + std::to_string(f + 1);
        n[c.BigFlakeSprite[f]] = "Big" + std::to_string(f + 1);
    }
    std::string out;
    for (const auto& call : calls) {
        if (call.rfind("DrawSprite(", 0) == 0) out += n.at(std::stoi(call.substr(11))) + " ";
        else if (call.rfind("DrawText(", 0) == 0) out += "Text:" + call.substr(9, call.find_first_of(" ,", 9) - 9) + " ";
        else if (call.rfind("ClearScreen(", 0) == 0 || call.rfind("ShowFrame(", 0) == 0) out += call.substr(0, call.find('(')) + " ";
    }
    return out;
}

TEST(Frame, EverythingIsPaintedFromTheFarHillsToTheSnow) {
    SceneRig rig;
    rig.Set({{"ShowMessage", "1"}, {"Message", "Hello"}});
    rig.Open();
    Clocks& clocks = rig.clocks();
    clocks.SnowmanGate = clocks.PenguinGate = clocks.MrsSantaGate = clocks.SantaGate = 10;
    for (int k = 1; k <= 6; ++k) clocks.BGSledCount[k] = 10;
    for (int tick = 1; tick <= 16; ++tick) rig.scene().ApplySnowSchedule(tick);

    const auto calls = rig.FrameAfter(100);
    std::string expected =
        "ClearScreen Background Text:Hello Text:Hello Text:19 Text:19 SmallSled SmallSki2 SmallSki1 "
        "BGSled1 BGSled2 BGSled3 BGSled4 BGSled5 BGSled6 Sleders1 Sleders2 ElfDeer Pole ElfWork JackA Fight "
        "FenceL FenceR TreesL2 TreesL1 TreesR2 TreesR1 Xmas1 Xmas2 DecTree Cane1 Cane2 LightsL LightsR Wreath1 Wreath2 "
        "Hole FishA Snowman Penguin MrsSanta Santa PengSled PengSki House Text:5:00:00 "
        "Text:Press Text:Press Text:Press Text:Press Text:Press ";
    for (const char* layer : {"Tiny", "Small", "Big"})
        for (int f = 1; f <= 9; ++f) expected += layer + std::to_string(f) + " ";
    EXPECT_EQ(Painting(rig.sprites(), calls), expected + "ShowFrame ");
    EXPECT_EQ(calls.front(), "ClearScreen(0)");
}

TEST(Frame, WithTextsAndSnowOffEachFrameIsTheSceneAloneStillShownEveryTime) {
    SaverRig rig;
    rig.Set({{"Layer1", "0"}, {"Layer2", "0"}, {"Layer3", "0"}, {"Clock", "0"}, {"CountDown", "0"}, {"ShowMessage", "0"},
             {"ShowDirections", "False"}});
    rig.Open(16);
    rig.drawing.Log.Clear();
    rig.Seconds(1.6);
    const CallLog& log = rig.drawing.Log;
    EXPECT_EQ(log.Matching("ShowFrame").size(), 100u) << "one frame per 16 ms";
    EXPECT_EQ(log.Matching("ClearScreen").size(), 100u);
    EXPECT_TRUE(log.Matching("DrawText").empty());
    EXPECT_TRUE(log.Matching("SetFont").empty());
}

// Runs the saver at 16 ms frames and lists the scene's phases: which of its three sprites the
// frames drew (in order, so "BC" is a frame drawing both) and when each run of equal frames began.
std::vector<std::pair<std::uint64_t, std::string>> Phases(SaverRig& rig, std::array<int, 3> sprites, int frames,
                                                          std::vector<std::vector<std::string>>* calls = nullptr) {
    std::vector<std::pair<std::uint64_t, std::string>> phases;
    for (int frame = 0; frame < frames; ++frame) {
        rig.drawing.Log.Clear();
        rig.host.RunFor(16);
        std::string drawn;
        for (const auto& c : rig.drawing.Log.Calls())
            for (int k = 0; k < 3; ++k)
                if (c == Draw(sprites[std::size_t(k)])) drawn += char('A' + k);
        if (phases.empty() || phases.back().second != drawn) {
            phases.push_back({rig.host.NowMs(), drawn});
            if (calls) calls->push_back(rig.drawing.Log.Calls());
        }
    }
    return phases;
}

TEST(ElfJack, FirstPoseForFiveSecondsThenTheJackUntilItsThirdFrameThenTheFinaleUntilSixteen) {
    SaverRig rig;
    rig.Open(16);
    const Catalogue& c = rig.window->Village.Sprites;
    const auto phases = Phases(rig, {c.ElfJackSpriteA, c.ElfJackSpriteB, c.ElfJackSpriteC}, 1500);
    ASSERT_GE(phases.size(), 7u);
    const std::vector<std::string> order{"A", "B", "BC", "C", "A", "B", "BC"};
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(phases[i].second, order[i]) << i;
    EXPECT_EQ(phases[1].first, 5008u) << "the first frame at count 5";
    EXPECT_EQ(phases[2].first, 5216u) << "frames 1, 2 and 3 of the jack, 200 ms apart";
    EXPECT_EQ(phases[4].first, 16016u) << "the finale ends when the count passes 15";
    EXPECT_EQ(phases[6].first, 21424u) << "the jack resumes from frame 3: 1, 2, 3 again";
}

TEST(Fishing, WaitCatchHoldAndBucketEachInTurnWithTheCatchDrawnTwiceWhenItEnds) {
    SaverRig rig;
    rig.Open(16);
    const Catalogue& c = rig.window->Village.Sprites;
    std::vector<std::vector<std::string>> calls;
    const auto phases = Phases(rig, {c.PengFishSpriteA, c.PengFishSpriteB, c.PengFishSpriteC}, 1100, &calls);
    ASSERT_GE(phases.size(), 6u);
    const std::vector<std::string> order{"A", "B", "BB", "B", "C", "A"};
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(phases[i].second, order[i]) << i;
    EXPECT_EQ(phases[1].first, 12000u);
    EXPECT_TRUE(Has(calls[3], Call("SetSpriteFrame", c.PengFishSpriteB, 4))) << "held on the catch";
    EXPECT_EQ(phases[4].first, 15008u) << "count 16 at 12.4 s, held through 18";
    EXPECT_EQ(phases[5].first, 15440u) << "C's frames 2, 3 and 4, then the wait again";
    EXPECT_EQ(rig.drawing.SpriteState(c.PengFishSpriteB).frame, 1) << "the catch starts again from its first frame";
    EXPECT_EQ(rig.drawing.SpriteState(c.PengFishSpriteC).frame, 1);
}

}  // namespace
}  // namespace hq::test
