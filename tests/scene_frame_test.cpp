#include <gtest/gtest.h>

#include <map>

#include "SceneRig.h"

namespace hq::test {
namespace {

// Names the sprites so a frame's calls read as the painting order.
std::map<int, std::string> SpriteNames(const Catalogue& c) {
    std::map<int, std::string> n{
        {c.BackgroundSprite, "Background"},   {c.HouseSprite, "House"},
        {c.BGSledersSprite1, "Sleders1"},     {c.BGSledersSprite2, "Sleders2"},
        {c.SmallPengSkiSprite1, "SmallSki1"}, {c.SmallPengSkiSprite2, "SmallSki2"},
        {c.SmallPengSledSprite, "SmallSled"}, {c.CandyCaneSprite1, "Cane1"},
        {c.CandyCaneSprite2, "Cane2"},        {c.FenceLeftSprite, "FenceL"},
        {c.FenceRightSprite, "FenceR"},       {c.XmasTreeSprite1, "Xmas1"},
        {c.XmasTreeSprite2, "Xmas2"},         {c.TreesLeftSprite1, "TreesL1"},
        {c.TreesLeftSprite2, "TreesL2"},      {c.TreesRightSprite1, "TreesR1"},
        {c.TreesRightSprite2, "TreesR2"},     {c.HoleSprite, "Hole"},
        {c.PenguinSkateSprite, "Penguin"},    {c.PengSledSprite, "PengSled"},
        {c.PengSkiSprite, "PengSki"},         {c.PengFishSpriteA, "FishA"},
        {c.PengFishSpriteB, "FishB"},         {c.PengFishSpriteC, "FishC"},
        {c.ElfJackSpriteA, "JackA"},          {c.ElfJackSpriteB, "JackB"},
        {c.ElfJackSpriteC, "JackC"},          {c.ElfWorkSprite, "ElfWork"},
        {c.ElfDeerSprite, "ElfDeer"},         {c.PoleSprite, "Pole"},
        {c.DecTreeSprite, "DecTree"},         {c.WreathSprite1, "Wreath1"},
        {c.WreathSprite2, "Wreath2"},         {c.LightsLeftSprite, "LightsL"},
        {c.LightsRightSprite, "LightsR"},     {c.FightSprite, "Fight"},
        {c.MrsSantaSprite, "MrsSanta"},       {c.SantaSprite, "Santa"},
        {c.SnowmanSprite, "Snowman"},
    };
    for (int k = 1; k <= 6; ++k) n[c.BGSledSprite[k]] = "BGSled" + std::to_string(k);
    for (int i = 0; i < 9; ++i) {
        if (c.TinyFlakeSprite[i]) n[c.TinyFlakeSprite[i]] = "Tiny" + std::to_string(i + 1);
        if (c.SmallFlakeSprite[i]) n[c.SmallFlakeSprite[i]] = "Small" + std::to_string(i + 1);
        if (c.BigFlakeSprite[i]) n[c.BigFlakeSprite[i]] = "Big" + std::to_string(i + 1);
    }
    return n;
}

// The frame's painting as names: sprites drawn, texts (by their first word) and the frame's ends.
std::string Painting(SceneRig& rig, const std::vector<std::string>& calls) {
    const auto names = SpriteNames(rig.sprites());
    std::string out;
    for (const auto& c : calls) {
        if (c.rfind("DrawSprite(", 0) == 0) out += names.at(std::stoi(c.substr(11))) + " ";
        else if (c.rfind("DrawText(", 0) == 0) out += "Text:" + c.substr(9, c.find_first_of(" ,", 9) - 9) + " ";
        else if (c.rfind("ClearScreen(", 0) == 0 || c.rfind("ShowFrame(", 0) == 0) out += c.substr(0, c.find('(')) + " ";
    }
    return out;
}

TEST(Frame, EverythingIsPaintedFromTheFarHillsToTheSnow) {
    SceneRig rig;
    rig.Set("ShowMessage", "1");
    rig.Set("Message", "Hello");
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
        for (int i = 1; i <= 9; ++i) expected += layer + std::to_string(i) + " ";
    expected += "ShowFrame ";
    EXPECT_EQ(Painting(rig, calls), expected);
    EXPECT_EQ(calls.front(), "ClearScreen(0)");
}

TEST(Frame, WithTextsAndSnowOffAFrameIsTheBackdropAndSceneAloneStillShownEachTime) {
    SaverRig rig;
    for (const char* key : {"Layer1", "Layer2", "Layer3", "Clock", "CountDown", "ShowMessage"}) rig.Set(key, "0");
    rig.Set("ShowDirections", "False");
    rig.Open(16);
    rig.drawing.Log.Clear();
    rig.Seconds(1.6);
    const CallLog& log = rig.drawing.Log;
    EXPECT_EQ(log.Matching("ShowFrame").size(), 100u) << "one frame per 16 ms";
    EXPECT_EQ(log.Matching("ClearScreen").size(), 100u);
    EXPECT_TRUE(log.Matching("DrawText").empty());
    EXPECT_TRUE(log.Matching("SetFont").empty());
    EXPECT_EQ(log.Calls().back(), "ShowFrame()");
}

// Which of the three sprites of a scene a frame drew, in order.
std::string Drawn(const std::vector<std::string>& calls, const std::vector<std::pair<int, const char*>>& sprites) {
    std::string out;
    for (const auto& c : calls)
        for (const auto& [sprite, name] : sprites)
            if (c == Draw(sprite)) out += name;
    return out;
}

TEST(ElfJack, FirstPoseForFiveSecondsThenTheJackUntilItsThirdFrameThenTheFinaleUntilSixteen) {
    SaverRig rig;
    rig.Open(16);
    const Catalogue& c = rig.window->Village.Sprites;
    const std::vector<std::pair<int, const char*>> jack{{c.ElfJackSpriteA, "A"}, {c.ElfJackSpriteB, "B"},
                                                        {c.ElfJackSpriteC, "C"}};
    std::map<std::string, std::vector<std::uint64_t>> seen;  // what a frame drew -> when
    for (int frame = 0; frame < 1500; ++frame) {
        rig.drawing.Log.Clear();
        rig.host.RunFor(16);
        seen[Drawn(rig.drawing.Log.Calls(), jack)].push_back(rig.host.NowMs());
    }
    EXPECT_EQ(seen["A"].front(), 16u);
    EXPECT_EQ(seen["B"].front(), 5008u) << "the first frame at count 5";
    const auto firstPoseAgain = *std::find_if(seen["A"].begin(), seen["A"].end(), [](auto t) { return t > 5000; });
    EXPECT_EQ(*(std::find(seen["A"].begin(), seen["A"].end(), firstPoseAgain) - 1), 4992u);
    // The finale runs until the count passes 15, then the first pose returns.
    EXPECT_NEAR(double(firstPoseAgain), 16000, 20);
    ASSERT_EQ(seen["BC"].size(), 2u) << "the hand-over frame draws the jack and the finale, once a cycle";
    EXPECT_NEAR(double(seen["BC"][0]), 5200, 16) << "frames 1, 2, 3 of the jack";
    EXPECT_NEAR(double(seen["BC"][1]), 21000 + 400, 30) << "the jack resumes from frame 3: 1, 2, 3 again";
    EXPECT_EQ(rig.window->Village.Composer.ElfJackFinale, true);
}

TEST(Fishing, WaitCatchHoldAndBucketEachInTurnWithTheCatchDrawnTwiceWhenItEnds) {
    SaverRig rig;
    rig.Open(16);
    const Catalogue& c = rig.window->Village.Sprites;
    const std::vector<std::pair<int, const char*>> fish{{c.PengFishSpriteA, "A"}, {c.PengFishSpriteB, "B"},
                                                        {c.PengFishSpriteC, "C"}};
    std::vector<std::pair<std::uint64_t, std::string>> frames;
    int restarts = 0;
    for (int frame = 0; frame < 2000; ++frame) {
        rig.drawing.Log.Clear();
        rig.host.RunFor(16);
        frames.push_back({rig.host.NowMs(), Drawn(rig.drawing.Log.Calls(), fish)});
        const auto& calls = rig.drawing.Log.Calls();
        if (frames.back().second == "BB") EXPECT_TRUE(Has(calls, Call("SetSpriteFrame", c.PengFishSpriteB, 4)));
        const int restart = IndexIn(calls, Call("SetSpriteFrame", c.PengFishSpriteA, 1));
        if (restart >= 0) {
            EXPECT_EQ(calls.at(std::size_t(restart) + 1), Call("SetSpriteFrame", c.PengFishSpriteB, 1));
            EXPECT_EQ(calls.at(std::size_t(restart) + 2), Call("SetSpriteFrame", c.PengFishSpriteC, 1));
            ++restarts;
        }
    }
    // Collapse runs of equal frames into the scene's phases and when each began.
    std::vector<std::pair<std::uint64_t, std::string>> phases;
    for (const auto& f : frames)
        if (phases.empty() || phases.back().second != f.second) phases.push_back(f);
    ASSERT_GE(phases.size(), 6u);
    EXPECT_EQ(phases[0].second, "A");
    EXPECT_EQ(phases[1].second, "B");
    EXPECT_NEAR(double(phases[1].first), 12000, 16);
    EXPECT_EQ(phases[2].second, "BB") << "the catch's last frame, then held on frame 4";
    EXPECT_EQ(phases[3].second, "B");
    EXPECT_EQ(phases[4].second, "C");
    EXPECT_NEAR(double(phases[4].first), 15000, 16) << "count 16 at 12.4 s, held through 18";
    EXPECT_EQ(phases[5].second, "A");
    EXPECT_EQ(restarts, 2) << "two whole cycles in 32 s, each ending with all three back on frame 1";
    EXPECT_EQ(phases[6].second, "B");
    EXPECT_NEAR(double(phases[6].first - phases[5].first), 12000, 1000);
}

}  // namespace
}  // namespace hq::test
