#include <gtest/gtest.h>

#include <set>

#include "SceneRig.h"

namespace hq::test {
namespace {

// The calls made for one sprite while the display opened, from its CreateSprite to the next.
std::vector<std::string> CreationOf(const CallLog& log, int sprite) {
    std::vector<std::string> out;
    const int from = log.IndexOf("CreateSprite()=" + std::to_string(sprite));
    const int to = log.IndexOf("CreateSprite()=" + std::to_string(sprite + 1));
    for (int i = from; i >= 0 && i < (to < 0 ? int(log.Calls().size()) : to); ++i) out.push_back(log.Calls()[std::size_t(i)]);
    return out;
}

TEST(Catalogue, WithEveryLayerOnTheFlakesComeFirstThenTheVillageEndingWithTheSnowman) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(c.TinyFlakeSprite[i], 1 + i);
        EXPECT_EQ(c.SmallFlakeSprite[i], 10 + i);
        EXPECT_EQ(c.BigFlakeSprite[i], 19 + i);
        EXPECT_EQ(rig.State(c.TinyFlakeSprite[i]).files.at(0), "/assets/tinyflake-" + std::to_string(i + 1) + ".bmp");
    }
    EXPECT_EQ(c.TinyFlakeSprite[9], 0) << "the tenth slot stays unused";
    EXPECT_EQ(c.BackgroundSprite, 28);
    EXPECT_EQ(c.HouseSprite, 29);
    EXPECT_EQ(c.BGSledSprite[6], 35);
    EXPECT_EQ(c.PengSkiSprite, 54);
    EXPECT_EQ(c.FightSprite, 69);
    EXPECT_EQ(c.SnowmanSprite, 72);
    EXPECT_EQ(rig.drawing.SpriteCount(), 72);

    const auto loads = rig.drawing.Log.Matching("LoadSpriteFrame(");
    std::set<std::string> files;
    int opaque = 0;
    for (const auto& call : loads) {
        const auto path = call.find("/assets/"), key = call.rfind(',');
        files.insert(call.substr(path, key - path));
        opaque += call.substr(key) == ",-2)";
    }
    EXPECT_EQ(loads.size(), 184u);
    EXPECT_EQ(files.size(), 126u);
    EXPECT_EQ(opaque, 1) << "only the backdrop is opaque";
    EXPECT_EQ(rig.drawing.Log.Matching("LoadSpriteFrame(28,1,/assets/bg3.bmp,-2)").size(), 1u);
}

TEST(Catalogue, EachSpriteGetsItsFramesThenStartFrameDelayYAndX) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    const std::vector<std::string> house = {
        "CreateSprite()=29",
        "LoadSpriteFrame(29,1,/assets/House1.bmp,-1)",
        "LoadSpriteFrame(29,2,/assets/House2.bmp,-1)",
        "LoadSpriteFrame(29,3,/assets/House3.bmp,-1)",
        "SetSpriteFrame(29,1)",
        "SetFrameDelay(29,250)",
        "SetSpriteY(29,50)",
        "SetSpriteX(29,748)",
    };
    EXPECT_EQ(CreationOf(rig.drawing.Log, c.HouseSprite), house);
    const std::vector<std::string> sled = {
        "CreateSprite()=53",
        "LoadSpriteFrame(53,1,/assets/pengsled.bmp,-1)",
        "LoadSpriteFrame(53,2,/assets/pengsled3.bmp,-1)",
        "SetSpriteY(53,134)",
        "SetSpriteX(53,360)",
        "SetSpriteWidth(53,24)",
        "SetSpriteHeight(53,24)",
    };
    EXPECT_EQ(CreationOf(rig.drawing.Log, c.PengSledSprite), sled);
    const std::vector<std::string> backdrop = {"CreateSprite()=28", "LoadSpriteFrame(28,1,/assets/bg3.bmp,-2)",
                                               "SetSpriteY(28,33)", "SetSpriteX(28,0)"};
    EXPECT_EQ(CreationOf(rig.drawing.Log, c.BackgroundSprite), backdrop);
}

TEST(Catalogue, FramesThatRepeatAFileAreSeparateFramesInTheListedOrder) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    auto names = [&](int sprite) {
        std::string out;
        for (const auto& f : rig.State(sprite).files) out += f.substr(8, f.size() - 12) + " ";
        return out;
    };
    EXPECT_EQ(names(c.LightsLeftSprite), "LightsL1 LightsL2 LightsL3 LightsL4 LightsL5 LightsL2 LightsL4 LightsL1 LightsL5 LightsL3 ");
    EXPECT_EQ(names(c.FightSprite),
              "Fight01 Fight02 Fight03 Fight04 Fight05 Fight01 Fight02 Fight03 Fight04 Fight05 Fight01 Fight02 Fight03 "
              "Fight06 Fight07 Fight01 Fight02 Fight03 Fight08 Fight09 Fight10 Fight11 Fight12 Fight11 Fight12 "
              "Fight11 Fight12 ");
    EXPECT_EQ(rig.State(c.ElfDeerSprite).frameCount, 19);
    EXPECT_EQ(rig.State(c.ElfDeerSprite).files[15], "/assets/ElfDeer2.bmp");
    EXPECT_EQ(rig.State(c.ElfDeerSprite).files[16], "/assets/ElfDeer3.bmp");
    EXPECT_EQ(names(c.PengFishSpriteC), "PengFish8 PengFish9 PengFish10 PengFish10 ");
    EXPECT_EQ(names(c.SantaSprite),
              "SantaSkate1 SantaSkate2 SantaSkate3 SantaSkate4 SantaSkate5 SantaSkate1b SantaSkate2b SantaSkate3b "
              "SantaSkate4b SantaSkate5b ");
}

TEST(Catalogue, SpritesSharingFilesKeepTheirOwnFrameDelayAndPlace) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    EXPECT_EQ(rig.State(c.WreathSprite1).files, rig.State(c.WreathSprite2).files);
    EXPECT_EQ(rig.State(c.WreathSprite1).frame, 1);
    EXPECT_EQ(rig.State(c.WreathSprite2).frame, 3);
    EXPECT_EQ(rig.State(c.WreathSprite2).x, 715);
    EXPECT_EQ(rig.State(c.SmallPengSkiSprite2).frame, 2);
    EXPECT_EQ(rig.State(c.PoleSprite).delay, 1900);
    EXPECT_EQ(rig.State(c.BGSledSprite[6]).x, 678);
    EXPECT_EQ(rig.State(c.BGSledSprite[6]).y, 54);
}

TEST(Catalogue, EachFlakeLayerExistsOnlyWhenItsSettingIsExactlyOne) {
    SceneRig none;
    none.Set("Layer1", "0");
    none.Set("Layer2", "2");
    none.Set("Layer3", "-1");
    none.Open();
    EXPECT_EQ(none.sprites().BackgroundSprite, 1);
    EXPECT_EQ(none.drawing.SpriteCount(), 72 - 27);

    SceneRig tinyOnly;
    tinyOnly.Set("Layer1", "0");
    tinyOnly.Set("Layer2", "0");
    tinyOnly.Open();
    EXPECT_EQ(tinyOnly.sprites().TinyFlakeSprite[0], 1);
    EXPECT_EQ(tinyOnly.sprites().SmallFlakeSprite[0], 0);
    EXPECT_EQ(tinyOnly.sprites().BigFlakeSprite[0], 0);
    EXPECT_EQ(tinyOnly.sprites().BackgroundSprite, 10);
}

TEST(Catalogue, ADisplayThatCannotOpenIsReportedAndNoSpriteIsCreated) {
    SceneRig rig;
    rig.drawing.FailOpen = true;
    rig.Open();
    ASSERT_EQ(rig.host.MessageBoxes().size(), 1u);
    EXPECT_EQ(rig.host.MessageBoxes()[0].title, "Error opening Direct Draw!");
    EXPECT_EQ(rig.host.MessageBoxes()[0].icon, MessageIcon::Critical);
    EXPECT_NE(rig.host.MessageBoxes()[0].text.find("16-bit color\r\n\r\nHowever"), std::string::npos);
    EXPECT_EQ(rig.drawing.SpriteCount(), 0);
    EXPECT_TRUE(rig.window->Closed());
}

}  // namespace
}  // namespace hq::test
