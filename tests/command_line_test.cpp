#include <gtest/gtest.h>

#include <set>

#include "app/CommandLine.h"
#include "app/Recorder.h"
#include "platform/sim/Recording.h"

namespace hq::test {
namespace {

TEST(CommandLine, OnlyTheFirstTwoCharactersChooseTheModeAndThePreviewHostIsTheLongestNumericTail) {
    for (const auto& [line, mode] : {std::pair{"", Mode::Saver}, {"   ", Mode::Saver}, {"/S", Mode::Saver},
                                     {"  /s  ", Mode::Saver}, {"/saver", Mode::Saver}, {"/c:5678", Mode::Configure},
                                     {"/C", Mode::Configure}, {"/a 1234", Mode::Password}, {"/p 99", Mode::Preview},
                                     {"-s", Mode::None}, {"s", Mode::None}, {"/x", Mode::None}, {"abc", Mode::None},
                                     {"--help", Mode::None}, {"/", Mode::None}, {"-root", Mode::None}})
        EXPECT_EQ(ReadCommandLine(line).mode, mode) << line;
    // 12.5 rounds half to even; a number too large for a handle, or after /c, is no handle.
    for (const auto& [line, host] : {std::pair{"/p 1234", 1234}, {"/p:1234", 1234}, {"/P1234", 1234},
                                     {"/p  1234  ", 1234}, {"/p 12.5", 12}, {"/p", 0}, {"/p window", 0},
                                     {"/p 99999999999999999999", 0}, {"/c 1234", 0}})
        EXPECT_EQ(ReadCommandLine(line).hostWindow, host) << line;
}

TEST(CommandLine, ASecondSaverIsRefusedOnlyForSlashSWithoutTheSettingsWindow) {
    EXPECT_TRUE(RefuseSecondSaver(ReadCommandLine("/s"), false, true));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine("/s"), true, true));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine("/s"), false, false));
    EXPECT_FALSE(RefuseSecondSaver(ReadCommandLine(""), false, true)) << "a start without arguments always runs";
}

RecordRequest Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "--record");
    return ParseRecordArgs(args);
}

TEST(RecordCommandLine, TheFileNameChoosesAStillOrAnAnimationAndBadArgumentsAreRefusedWithAMessage) {
    const auto still = Parse({"out.PNG"}).options;
    ASSERT_TRUE(still);
    EXPECT_FALSE(still->animated);
    EXPECT_EQ(still->seconds, 10);
    EXPECT_FALSE(still->date);
    const auto gif = Parse({"run.gif", "--seed", "7"}).options;
    ASSERT_TRUE(gif);
    EXPECT_TRUE(gif->animated);
    EXPECT_EQ(gif->seed, 7u);

    const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
        {{}, "file name"},
        {{"out.bmp"}, ".png or .gif"},
        {{"out.png", "--seconds"}, "needs a value"},
        {{"out.png", "--seconds", "0"}, "--seconds"}, {{"out.png", "--seconds", "ten"}, "'ten'"},
        {{"out.png", "--fps", "2.5"}, "--fps"}, {{"out.png", "--fps", "51"}, "--fps"},
        {{"out.png", "--seed", "-1"}, "--seed"},
        {{"out.png", "--at", "2026-02-30T10:00:00"}, "--at"}, {{"out.png", "--at", "2026-12-25T24:00:00"}, "--at"},
        {{"out.png", "--at", "2026-12-25 10:00:00"}, "--at"},
        {{"out.png", "--colour", "red"}, "unknown option '--colour'"},
    };
    for (const auto& [args, says] : cases) {
        const RecordRequest request = Parse(args);
        EXPECT_FALSE(request.options) << says;
        EXPECT_NE(request.error.find(says), std::string::npos) << request.error;
    }
}

// Remembers every text it is asked to draw, each a solid block.
struct TextList : FontRasterizer {
    TextMask Render(const std::string&, int size, bool, const std::string& text) override {
        Texts.insert(text);
        return {int(text.size()), size, std::vector<std::uint8_t>(text.size() * std::size_t(size), 255)};
    }
    std::set<std::string> Texts;
};

struct Recording {
    TextList fonts;
    std::vector<int> delays;
    std::vector<std::uint32_t> last;
    double progress = 0;

    bool Run(const std::vector<std::string>& args) {
        MemorySettingsStore store;
        std::string error;
        return Record(*Parse(args).options, RecordSetup{"/nonexistent/", store, fonts, {2026, 12, 6}, 12 * 3600.0},
                      [&](const RecordedFrame& frame) {
                          delays.push_back(frame.delayCentiseconds);
                          last.assign(frame.pixels, frame.pixels + frame.width * frame.height);
                          return true;
                      },
                      [&](double share) { progress = share; }, error);
    }
};

TEST(Recorder, AnAnimationHasAFramePerStepWhoseDelaysAddUpToTheRun) {
    Recording run;
    ASSERT_TRUE(run.Run({"x.gif", "--seconds", "1", "--fps", "30"}));
    ASSERT_EQ(run.delays.size(), 30u);
    int total = 0;
    for (int d : run.delays) {
        EXPECT_TRUE(d == 3 || d == 4) << d;
        total += d;
    }
    EXPECT_EQ(total, 100);
    EXPECT_EQ(run.progress, 1.0);
}

TEST(Recorder, AStillIsTheLastFrameOfARunOnTheClockAskedFor) {
    Recording run;
    ASSERT_TRUE(run.Run({"x.png", "--seconds", "2", "--at", "2026-12-25T09:15:00"}));
    EXPECT_EQ(run.delays.size(), 1u);
    EXPECT_TRUE(run.fonts.Texts.count("It's Christmas"));
    EXPECT_TRUE(run.fonts.Texts.count("9:15:01 AM"));
    ASSERT_EQ(run.last.size(), 800u * 600u);
    EXPECT_EQ(run.last[800 * 1 + 1], 0x00FF00u) << "the clock at (1, 1), drawn though no picture loaded";
}

}  // namespace
}  // namespace hq::test
