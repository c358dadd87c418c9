#include <gtest/gtest.h>

#include <set>

#include "SaverRig.h"

namespace hq::test {
namespace {

// The calls made for one sprite while the display opened, from its CreateSprite to the next.
std::vector<std::string> CreationOf(const CallLog& log, int sprite) {
    const auto& calls = log.Calls();
    const int from = log.IndexOf("CreateSprite()=" + std::to_string(sprite));
    const int to = log.IndexOf("CreateSprite()=" + std::to_string(sprite + 1));
    return {calls.begin() + from, to < 0 ? calls.end() : calls.begin() + to};
}

// A sprite's frames by file name, without folder and extension.
std::string Frames(const SceneRig& rig, int sprite) {
    std::string out;
    for (const auto& f : rig.State(sprite).files) out += f.substr(8, f.size() - 12) + " ";
    return out;
}

TEST(Catalogue, EverySpriteIsCreatedInCatalogueOrderAndLoadedWithItsKeyMode) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    EXPECT_EQ(c.TinyFlakeSprite[0], 1);
    EXPECT_EQ(c.SmallFlakeSprite[8], 18);
    EXPECT_EQ(c.BigFlakeSprite[8], 27);
    EXPECT_EQ(c.TinyFlakeSprite[9], 0) << "the tenth slot stays unused";
    EXPECT_EQ(Frames(rig, c.SmallFlakeSprite[3]), "smflake-4 ");
    EXPECT_EQ(c.BackgroundSprite, 28);
    EXPECT_EQ(c.BGSledSprite[6], 35);
    EXPECT_EQ(c.PengSkiSprite, 54);
    EXPECT_EQ(c.SnowmanSprite, 72);
    EXPECT_EQ(rig.drawing.SpriteCount(), 72);

    std::set<std::string> files;
    std::vector<std::string> opaque;
    for (const auto& call : rig.drawing.Log.Matching("LoadSpriteFrame(")) {
        const auto path = call.find("/assets/"), key = call.rfind(',');
        files.insert(call.substr(path, key - path));
        if (call.substr(key) == ",-2)") opaque.push_back(call);
    }
    EXPECT_EQ(rig.drawing.Log.Matching("LoadSpriteFrame(").size(), 184u);
    EXPECT_EQ(files.size(), 126u);
    EXPECT_EQ(opaque, std::vector<std::string>{"LoadSpriteFrame(28,1,/assets/bg3.bmp,-2)"});
}

TEST(Catalogue, EachSpriteGetsItsFramesThenStartFrameDelayYXAndSize) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    EXPECT_EQ(CreationOf(rig.drawing.Log, c.HouseSprite),
              (std::vector<std::string>{"CreateSprite()=29", "LoadSpriteFrame(29,1,/assets/House1.bmp,-1)",
                                        "LoadSpriteFrame(29,2,/assets/House2.bmp,-1)",
                                        "LoadSpriteFrame(29,3,/assets/House3.bmp,-1)", "SetSpriteFrame(29,1)",
                                        "SetFrameDelay(29,250)", "SetSpriteY(29,50)", "SetSpriteX(29,748)"}));
    EXPECT_EQ(CreationOf(rig.drawing.Log, c.PengSledSprite),
              (std::vector<std::string>{"CreateSprite()=53", "LoadSpriteFrame(53,1,/assets/pengsled.bmp,-1)",
                                        "LoadSpriteFrame(53,2,/assets/pengsled3.bmp,-1)", "SetSpriteY(53,134)",
                                        "SetSpriteX(53,360)", "SetSpriteWidth(53,24)", "SetSpriteHeight(53,24)"}));
}

TEST(Catalogue, FramesThatRepeatAFileAreSeparateFramesAndSharedFilesKeepTheirOwnState) {
    SceneRig rig;
    rig.Open();
    const Catalogue& c = rig.sprites();
    EXPECT_EQ(Frames(rig, c.LightsLeftSprite),
              "LightsL1 LightsL2 LightsL3 LightsL4 LightsL5 LightsL2 LightsL4 LightsL1 LightsL5 LightsL3 ");
    EXPECT_EQ(Frames(rig, c.PengFishSpriteC), "PengFish8 PengFish9 PengFish10 PengFish10 ");

    EXPECT_EQ(rig.State(c.WreathSprite1).files, rig.State(c.WreathSprite2).files);
    EXPECT_EQ(rig.State(c.WreathSprite1).frame, 1);
    EXPECT_EQ(rig.State(c.WreathSprite2).frame, 3);
    EXPECT_EQ(rig.State(c.WreathSprite2).x, 715);
}

TEST(Catalogue, EachFlakeLayerExistsOnlyWhenItsSettingIsExactlyOne) {
    SceneRig none;
    none.Set({{"Layer1", "0"}, {"Layer2", "2"}, {"Layer3", "-1"}});
    none.Open();
    EXPECT_EQ(none.sprites().BackgroundSprite, 1);
    EXPECT_EQ(none.drawing.SpriteCount(), 72 - 27);

    SceneRig tinyOnly;
    tinyOnly.Set({{"Layer1", "0"}, {"Layer2", "0"}});
    tinyOnly.Open();
    EXPECT_EQ(tinyOnly.sprites().TinyFlakeSprite[0], 1);
    EXPECT_EQ(tinyOnly.sprites().SmallFlakeSprite[0], 0);
    EXPECT_EQ(tinyOnly.sprites().BigFlakeSprite[0], 0);
    EXPECT_EQ(tinyOnly.sprites().BackgroundSprite, 10);
}

}  // namespace
}  // namespace hq::test
