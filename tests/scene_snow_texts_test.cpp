#include <gtest/gtest.h>

#include "SceneRig.h"

namespace hq::test {
namespace {

// Flake numbers (1 to 9) whose on-flag is set.
std::string OnFlakes(const std::array<bool, kFlakeSlots>& on) {
    std::string out;
    for (int i = 0; i < kFlakeSlots; ++i)
        if (on[std::size_t(i)]) out += std::to_string(i + 1);
    return out;
}

TEST(Snow, TheBackAndMiddleLayersFillInFlakeByFlakeOverTheFirstSixteenSeconds) {
    SaverRig rig;
    rig.Open();
    const Snow& snow = rig.window->Village.Snowfall;
    std::vector<std::string> middle, back;
    for (int second = 1; second <= 18; ++second) {
        rig.Seconds(1);
        middle.push_back(OnFlakes(snow.SmallFlakeOn));
        back.push_back(OnFlakes(snow.TinyFlakeOn));
    }
    const std::vector<std::string> expectedMiddle{"1",      "1",       "14",       "147",       "147",      "1247",
                                                  "1247",   "12347",   "12347",    "123457",    "1234567",  "1234567",
                                                  "12345678", "12345678", "12345678", "123456789", "123456789",
                                                  "123456789"};
    const std::vector<std::string> expectedBack{"1",       "1",       "14",       "14",        "134",      "134",
                                                "1234",    "1234",    "12345",    "12345",     "123457",   "1234567",
                                                "12345678", "12345678", "123456789", "123456789", "123456789",
                                                "123456789"};
    EXPECT_EQ(middle, expectedMiddle);
    EXPECT_EQ(back, expectedBack);
}

TEST(Snow, AFlakeNotYetOnIsNeitherMovedNorDrawnButIsStillPutBackWhenFarBelow) {
    SceneRig rig;
    rig.Open();
    const int flake = rig.sprites().TinyFlakeSprite[1];
    rig.Place(flake, 400, 771);
    const auto calls = rig.FrameAfter(100);
    EXPECT_FALSE(Has(calls, Draw(flake)));
    EXPECT_TRUE(CallsOf(calls, "MoveSpriteY", flake).empty());
    const auto put = CallsOf(calls, "SetSpriteY", flake);
    ASSERT_EQ(put.size(), 1u);
    EXPECT_LT(IndexIn(calls, put[0]), IndexIn(calls, CallsOf(calls, "SetSpriteX", flake).at(0))) << "y first, then x";
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

TEST(Snow, WithEveryLayerOffTheSnowStepDrawsNothing) {
    SceneRig rig;
    for (const char* key : {"Layer1", "Layer2", "Layer3"}) rig.Set(key, "0");
    rig.Open();
    for (int tick = 1; tick <= 16; ++tick) rig.scene().ApplySnowSchedule(tick);
    const auto calls = rig.FrameAfter(50);
    const int house = IndexIn(calls, Draw(rig.sprites().HouseSprite));
    ASSERT_GE(house, 0);
    for (std::size_t i = std::size_t(house) + 1; i + 1 < calls.size(); ++i)
        EXPECT_TRUE(calls[i].rfind("SetFont(", 0) == 0 || calls[i].rfind("DrawText(", 0) == 0) << calls[i];
    EXPECT_EQ(calls.back(), "ShowFrame()");
}

// Texts ------------------------------------------------------------------------------------------

std::vector<std::string> TextCalls(const std::vector<std::string>& calls) {
    std::vector<std::string> out;
    for (const auto& c : calls)
        if (c.rfind("SetFont(", 0) == 0 || c.rfind("DrawText(", 0) == 0) out.push_back(c);
    return out;
}

const std::string kRed = std::to_string(0xFF0000), kWhite = std::to_string(0xFFFFFF),
                  kGreen = std::to_string(0x00FF00);

TEST(Texts, TheMessageOfTheFirstRunSizeSitsOnTheBottomEdgeWithItsShadow) {
    SceneRig rig;
    rig.Set("ShowMessage", "1");
    rig.Set("CountDown", "0");
    rig.Set("Clock", "0");
    rig.Set("ShowDirections", "False");
    rig.Open();
    const std::vector<std::string> expected{
        "SetFont(Arial,26,30,000)", "DrawText(Place a message here,2,571,0)",
        "SetFont(Arial,26,30,000)", "DrawText(Place a message here,1,570," + kRed + ")"};
    EXPECT_EQ(TextCalls(rig.FrameAfter(16)), expected);
}

TEST(Texts, AMessageSizeThatIsNoNumberReadsAsTheFirstRunSizeAndHalvesRoundToEven) {
    SceneRig odd;
    odd.Set("ShowMessage", "1");
    odd.Set("FontSizeMsg", "big");
    odd.Set("FontName", "Courier New");
    odd.Open();
    auto calls = TextCalls(odd.FrameAfter(16));
    EXPECT_EQ(calls.at(0), "SetFont(Courier New,26,30,000)");
    EXPECT_EQ(calls.at(1), "DrawText(Place a message here,2,571,0)");

    SceneRig half;
    half.Set("ShowMessage", "1");
    half.Set("FontSizeMsg", "26.5");
    half.Open();
    calls = TextCalls(half.FrameAfter(16));
    EXPECT_EQ(calls.at(0), "SetFont(Arial,26,30,000)");
    EXPECT_EQ(calls.at(1), "DrawText(Place a message here,2,570,0)") << "570.5 rounds to 570";
    EXPECT_EQ(calls.at(3), "DrawText(Place a message here,1,570," + kRed + ")") << "569.5 rounds to 570";

    SceneRig tall;
    tall.Set("ShowMessage", "1");
    tall.Set("FontSizeMsg", "650");
    tall.Open();
    EXPECT_EQ(TextCalls(tall.FrameAfter(16)).at(1), "DrawText(Place a message here,2,-53,0)");
}

// The day-count line's calls on a given date.
std::vector<std::string> CountDownOn(CivilDate date) {
    SceneRig rig(date);
    rig.Set("Clock", "0");
    rig.Set("ShowDirections", "False");
    rig.Open();
    return TextCalls(rig.FrameAfter(16));
}

TEST(Texts, TheDayCountIsWhiteOverRedAndOnChristmasDayTheGreetingIsRedOverWhite) {
    const std::string font = "SetFont(Arial,40,30,000)";
    EXPECT_EQ(CountDownOn({2026, 12, 24}),
              (std::vector<std::string>{font, "DrawText(1 Days Until Christmas,341,2," + kRed + ")", font,
                                        "DrawText(1 Days Until Christmas,340,1," + kWhite + ")"}));
    EXPECT_EQ(CountDownOn({2026, 12, 25}),
              (std::vector<std::string>{font, "DrawText(It's Christmas,401,2," + kWhite + ")", font,
                                        "DrawText(It's Christmas,400,1," + kRed + ")"}));
    EXPECT_EQ(CountDownOn({2026, 12, 26}).at(1), "DrawText(-1 Days Until Christmas,341,2," + kRed + ")");
    EXPECT_EQ(CountDownOn({2028, 1, 1}).at(1), "DrawText(359 Days Until Christmas,341,2," + kRed + ")");
}

TEST(Texts, TheClockAndTheFiveDirectionsEachGetTheirFontFirst) {
    SceneRig rig;
    rig.Set("CountDown", "0");
    rig.Set("FontSize", "31.5");
    rig.Open();
    const std::vector<std::string> expected{
        "SetFont(Arial,32,1,000)",                "DrawText(5:00:00 PM,1,1," + kGreen + ")",
        "SetFont(Arial,14,1,000)",                "DrawText(Press 'X' to turn this off/on,670,538,0)",
        "SetFont(Arial,14,1,000)",                "DrawText(Press 'Q' to stop music,670,550,0)",
        "SetFont(Arial,14,1,000)",                "DrawText(Press 'S' to start music,670,562,0)",
        "SetFont(Arial,14,1,000)",                "DrawText(Press 'N' for next song,670,574,0)",
        "SetFont(Arial,14,1,000)",                "DrawText(Press 'P' for previous song,670,586,0)"};
    EXPECT_EQ(TextCalls(rig.FrameAfter(16)), expected);
    rig.window->KeyDown('X');
    EXPECT_EQ(TextCalls(rig.FrameAfter(16)).size(), 2u) << "X hides the directions from the next frame";
}

}  // namespace
}  // namespace hq::test
