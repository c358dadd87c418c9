#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace hq::test {
namespace {

TEST(CommandLine, OnlyTheFirstTwoCharactersChooseTheMode) {
    EXPECT_EQ(ReadCommandLine("").mode, Mode::Saver);
    EXPECT_EQ(ReadCommandLine("   ").mode, Mode::Saver);
    EXPECT_EQ(ReadCommandLine("/S").mode, Mode::Saver);
    EXPECT_EQ(ReadCommandLine("  /s  ").mode, Mode::Saver);
    EXPECT_EQ(ReadCommandLine("/saver").mode, Mode::Saver);
    EXPECT_EQ(ReadCommandLine("/c:5678").mode, Mode::Configure);
    EXPECT_EQ(ReadCommandLine("/C").mode, Mode::Configure);
    EXPECT_EQ(ReadCommandLine("/a 1234").mode, Mode::Password);
    EXPECT_EQ(ReadCommandLine("/p 99").mode, Mode::Preview);
    for (const char* other : {"-s", "s", "/x", "abc", "--help", "/", "-root"})
        EXPECT_EQ(ReadCommandLine(other).mode, Mode::None) << other;
}

TEST(CommandLine, ThePreviewHostIsTheLongestNumericTail) {
    EXPECT_EQ(ReadCommandLine("/p 1234").hostWindow, 1234);
    EXPECT_EQ(ReadCommandLine("/p:1234").hostWindow, 1234);
    EXPECT_EQ(ReadCommandLine("/P1234").hostWindow, 1234);
    EXPECT_EQ(ReadCommandLine("/p  1234  ").hostWindow, 1234);
    EXPECT_EQ(ReadCommandLine("/p 12.5").hostWindow, 12) << "rounded half to even";
    EXPECT_EQ(ReadCommandLine("/p").hostWindow, 0);
    EXPECT_EQ(ReadCommandLine("/p window").hostWindow, 0);
    EXPECT_EQ(ReadCommandLine("/p 99999999999999999999").hostWindow, 0) << "too large for a handle";
    EXPECT_EQ(ReadCommandLine("/c 1234").hostWindow, 0) << "a handle after /c is not read";
}

TEST(CommandLine, ASecondSaverIsRefusedOnlyForSlashSWithoutTheSettingsWindow) {
    EXPECT_TRUE(RefuseSecondSaver(ReadCommandLine("/s"), false, true));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine("/s"), true, true));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine("/s"), false, false));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine(""), false, true)) << "a start without arguments always runs";
}

}  // namespace
}  // namespace hq::test
