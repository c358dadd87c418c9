#include <gtest/gtest.h>

#include "SaverRig.h"

namespace hq::test {
namespace {

TEST(Snow, TheBackAndMiddleLayersFillInFlakeByFlakeOverTheFirstSixteenSeconds) {
    SaverRig rig;
    rig.Open();
    const Snow& snow = rig.window->Village.Snowfall;
    std::string middle, back;  // the flakes on after each second
    for (int second = 1; second <= 18; ++second) {
        rig.Seconds(1);
        for (int i = 0; i < kFlakeSlots; ++i) {
            if (snow.SmallFlakeOn[std::size_t(i)]) middle += char('1' + i);
            if (snow.TinyFlakeOn[std::size_t(i)]) back += char('1' + i);
        }
        middle += ' ';
        back += ' ';
    }
    EXPECT_EQ(middle, "1 1 14 147 147 1247 1247 12347 12347 123457 1234567 1234567 12345678 12345678 12345678 "
                      "123456789 123456789 123456789 ");
    EXPECT_EQ(back, "1 1 14 14 134 134 1234 1234 12345 12345 123457 1234567 12345678 12345678 123456789 "
                    "123456789 123456789 123456789 ");
}

TEST(Snow, AFlakeNotYetOnIsNeitherMovedNorDrawnButIsStillPutBackWhenFarBelow) {
    SceneRig rig;
    rig.Open();
    const int flake = rig.sprites().TinyFlakeSprite[1];
    rig.Place(flake, 400, 771);
    const auto calls = rig.FrameAfter(100);
    EXPECT_FALSE(Has(calls, Draw(flake)));
    EXPECT_TRUE(CallsOf(calls, "MoveSpriteY", flake).empty());
    ASSERT_EQ(CallsOf(calls, "SetSpriteY", flake).size(), 1u);
    EXPECT_LT(IndexIn(calls, CallsOf(calls, "SetSpriteY", flake)[0]), IndexIn(calls, CallsOf(calls, "SetSpriteX", flake).at(0)))
        << "y first, then x";
    EXPECT_GE(rig.State(flake).y, -150);
    EXPECT_LE(rig.State(flake).y, -80);
    EXPECT_GE(rig.State(flake).x, -30);
    EXPECT_LE(rig.State(flake).x, 1000);
}

TEST(Snow, AFrontFlakeFallsAPixelPerThrottleAndReturnsToTheTopInItsOwnColumn) {
    SceneRig rig;
    rig.Open();
    const int flake = rig.sprites().BigFlakeSprite[3];  // starts at (750, 520)
    rig.FrameAfter(10);
    rig.FrameAfter(5);
    EXPECT_EQ(rig.State(flake).y, 521) << "the second frame came within the 10 ms throttle";
    rig.FrameAfter(500);
    EXPECT_EQ(rig.State(flake).y, 522) << "a late frame still moves it only one pixel";
    rig.Place(flake, 750, 770);
    rig.FrameAfter(10);
    EXPECT_EQ(rig.State(flake).y, -176);
    EXPECT_EQ(rig.State(flake).x, 750);
}

// The texts of one frame, with their fonts.
std::vector<std::string> Texts(SceneRig& rig) {
    std::vector<std::string> out;
    for (const auto& c : rig.FrameAfter(16))
        if (c.rfind("SetFont(", 0) == 0 || c.rfind("DrawText(", 0) == 0) out.push_back(c);
    return out;
}

// A frame's texts with only the message on, its size stored as given.
std::vector<std::string> MessageTexts(const std::string& size) {
    SceneRig rig;
    rig.Set({{"CountDown", "0"}, {"Clock", "0"}, {"ShowDirections", "False"}, {"ShowMessage", "1"}, {"Message", "Hi"}});
    rig.Set("FontSizeMsg", size);
    rig.Open();
    return Texts(rig);
}

const std::string kRed = std::to_string(0xFF0000), kWhite = std::to_string(0xFFFFFF);

TEST(Texts, TheMessageSitsOnTheBottomEdgeWithItsShadowWhateverIsStoredAsItsSize) {
    EXPECT_EQ(MessageTexts("26"), (std::vector<std::string>{"SetFont(Arial,26,30,000)", "DrawText(Hi,2,571,0)",
                                                            "SetFont(Arial,26,30,000)", "DrawText(Hi,1,570," + kRed + ")"}));
    EXPECT_EQ(MessageTexts("big"), MessageTexts("26")) << "no number: the first-run size";
    const auto half = MessageTexts("26.5");
    EXPECT_EQ(half[0], "SetFont(Arial,26,30,000)");
    EXPECT_EQ(half[1], "DrawText(Hi,2,570,0)") << "570.5 rounds to even";
    EXPECT_EQ(half[3], "DrawText(Hi,1,570," + kRed + ")") << "569.5 rounds to even";
    EXPECT_EQ(MessageTexts("650")[1], "DrawText(Hi,2,-53,0)") << "a huge size starts above the top";
}

// The day-count line's calls on a given date.
std::vector<std::string> CountDownOn(CivilDate date) {
    SceneRig rig(date);
    rig.Set({{"Clock", "0"}, {"ShowDirections", "False"}, {"FontName", "Courier New"}});
    rig.Open();
    return Texts(rig);
}

TEST(Texts, TheDayCountIsWhiteOverRedAndOnChristmasDayTheGreetingIsRedOverWhite) {
    const std::string font = "SetFont(Courier New,40,30,000)";
    EXPECT_EQ(CountDownOn({2026, 12, 24}), (std::vector<std::string>{font, "DrawText(1 Days Until Christmas,341,2," + kRed + ")",
                                                                      font, "DrawText(1 Days Until Christmas,340,1," + kWhite + ")"}));
    EXPECT_EQ(CountDownOn({2026, 12, 25}), (std::vector<std::string>{font, "DrawText(It's Christmas,401,2," + kWhite + ")",
                                                                      font, "DrawText(It's Christmas,400,1," + kRed + ")"}));
    EXPECT_EQ(CountDownOn({2026, 12, 26})[1], "DrawText(-1 Days Until Christmas,341,2," + kRed + ")");
    EXPECT_EQ(CountDownOn({2028, 1, 1})[1], "DrawText(359 Days Until Christmas,341,2," + kRed + ")");
}

TEST(Texts, TheClockAndTheFiveDirectionsEachGetTheirFontFirst) {
    SceneRig rig;
    rig.Set({{"CountDown", "0"}, {"FontSize", "31.5"}});
    rig.Open();
    const std::string small = "SetFont(Arial,14,1,000)";
    EXPECT_EQ(Texts(rig), (std::vector<std::string>{
                              "SetFont(Arial,32,1,000)", "DrawText(5:00:00 PM,1,1," + std::to_string(0x00FF00) + ")",
                              small, "DrawText(Press 'X' to turn this off/on,670,538,0)",
                              small, "DrawText(Press 'Q' to stop music,670,550,0)",
                              small, "DrawText(Press 'S' to start music,670,562,0)",
                              small, "DrawText(Press 'N' for next song,670,574,0)",
                              small, "DrawText(Press 'P' for previous song,670,586,0)"}));
    rig.window->KeyDown('X');
    EXPECT_EQ(Texts(rig).size(), 2u) << "X hides the directions from the next frame";
}

}  // namespace
}  // namespace hq::test
