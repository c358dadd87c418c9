#include <gtest/gtest.h>

#include <set>

#include "app/Recorder.h"
#include "platform/sim/Recording.h"

namespace hq::test {
namespace {

std::optional<RecordOptions> Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "--record");
    return ParseRecordArgs(args).options;
}

std::string ErrorFor(std::vector<std::string> args) {
    args.insert(args.begin(), "--record");
    return ParseRecordArgs(args).error;
}

TEST(RecordCommandLine, TheFileNameChoosesAStillOrAnAnimationAndOptionsOverrideTheDefaults) {
    auto still = Parse({"out.PNG"});
    ASSERT_TRUE(still);
    EXPECT_FALSE(still->animated);
    EXPECT_EQ(still->seconds, 10);
    EXPECT_FALSE(still->date);

    auto gif = Parse({"run.gif", "--seconds", "2.5", "--fps", "25", "--seed", "7", "--at", "2026-12-25T08:30:05"});
    ASSERT_TRUE(gif);
    EXPECT_TRUE(gif->animated);
    EXPECT_EQ(gif->seconds, 2.5);
    EXPECT_EQ(gif->fps, 25);
    EXPECT_EQ(gif->seed, 7u);
    ASSERT_TRUE(gif->date);
    EXPECT_EQ(gif->date->day, 25);
    EXPECT_EQ(gif->secondsSinceMidnight, 8 * 3600 + 30 * 60 + 5);
}

TEST(RecordCommandLine, BadArgumentsAreRefusedWithAMessageNamingTheProblem) {
    EXPECT_NE(ErrorFor({}).find("file name"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.bmp"}).find(".png or .gif"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--seconds"}).find("needs a value"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--seconds", "0"}).find("--seconds"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--seconds", "ten"}).find("'ten'"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--fps", "2.5"}).find("--fps"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--fps", "51"}).find("--fps"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--seed", "-1"}).find("--seed"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--at", "2026-02-30T10:00:00"}).find("--at"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--at", "2026-12-25 10:00:00"}).find("--at"), std::string::npos);
    EXPECT_NE(ErrorFor({"out.png", "--colour", "red"}).find("unknown option '--colour'"), std::string::npos);
    EXPECT_FALSE(Parse({"out.png", "--at", "2026-12-25T24:00:00"}));
}

// Remembers every text it is asked to draw.
class TextList : public FontRasterizer {
public:
    TextMask Render(const std::string&, int size, bool, const std::string& text) override {
        Texts.insert(text);
        return {int(text.size()), size, std::vector<std::uint8_t>(text.size() * std::size_t(size), 255)};
    }
    std::set<std::string> Texts;
};

struct Recording {
    std::vector<int> delays;
    std::vector<std::uint32_t> last;
    bool ok = false;
    int progressCalls = 0;
    double lastProgress = 0;
};

Recording RecordWith(const RecordOptions& options, TextList& fonts) {
    MemorySettingsStore store;
    RecordSetup setup{"/nonexistent/", store, fonts, {2026, 12, 6}, 12 * 3600.0};
    Recording out;
    std::string error;
    out.ok = Record(
        options, setup,
        [&](const RecordedFrame& frame) {
            out.delays.push_back(frame.delayCentiseconds);
            out.last.assign(frame.pixels, frame.pixels + frame.width * frame.height);
            return true;
        },
        [&](double share) {
            ++out.progressCalls;
            out.lastProgress = share;
        },
        error);
    return out;
}

TEST(Recorder, AnAnimationHasAFramePerStepWhoseDelaysAddUpToTheRun) {
    RecordOptions options = *Parse({"x.gif", "--seconds", "1", "--fps", "30"});
    TextList fonts;
    const Recording run = RecordWith(options, fonts);
    ASSERT_TRUE(run.ok);
    ASSERT_EQ(run.delays.size(), 30u);
    int total = 0;
    for (int d : run.delays) {
        EXPECT_GE(d, 3);
        EXPECT_LE(d, 4);
        total += d;
    }
    EXPECT_EQ(total, 100);
    EXPECT_EQ(run.lastProgress, 1.0);
    EXPECT_EQ(run.last.size(), 800u * 600u);
}

TEST(Recorder, AStillIsTheLastFrameOfARunOnTheClockAskedFor) {
    RecordOptions options = *Parse({"x.png", "--seconds", "2", "--at", "2026-12-25T09:15:00"});
    TextList fonts;
    const Recording run = RecordWith(options, fonts);
    ASSERT_TRUE(run.ok);
    EXPECT_EQ(run.delays.size(), 1u);
    EXPECT_TRUE(fonts.Texts.count("It's Christmas"));
    EXPECT_TRUE(fonts.Texts.count("9:15:01 AM"));
    EXPECT_EQ(run.last[800 * 1 + 1], 0x00FF00u) << "the clock at (1, 1), drawn though no picture loaded";
}

}  // namespace
}  // namespace hq::test
