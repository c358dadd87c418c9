// The desktop loop's parts that keep time and translate input: window timers, frame pacing,
// key codes and the letterboxed frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <vector>

#include "platform/linux/FramePacer.h"
#include "platform/linux/KeyCodes.h"
#include "platform/linux/LoopTimers.h"
#include "platform/linux/SdlPresenter.h"

namespace hq::test {
namespace {

struct TimerRig : TimerEvents {
    std::uint64_t now = 5000;
    LoopTimers timers{[this] { return now; }};
    std::vector<TimerId> ticks;
    std::function<void(TimerId)> onTick;

    void TimerTick(TimerId id) override {
        ticks.push_back(id);
        if (onTick) onTick(id);
    }
    int Count(TimerId id) const { return int(std::count(ticks.begin(), ticks.end(), id)); }
    // Advances the clock in steps of `stepMs`, delivering what falls due after each step.
    void Run(std::uint64_t ms, std::uint64_t stepMs = 1) {
        for (std::uint64_t t = 0; t < ms; t += stepMs) {
            now += stepMs;
            timers.DeliverDue(*this, [] { return false; });
        }
    }
};

TEST(LoopTimers, EachRunningTimerTicksOncePerIntervalAndTheLoopWaitsForTheNearest) {
    TimerRig rig;
    EXPECT_EQ(rig.timers.MsUntilNext(), -1) << "no timer runs";
    rig.timers.StartTimer(TimerId::Timer1, 1000);
    rig.timers.StartTimer(TimerId::Timer2, 250);
    rig.timers.StartTimer(TimerId::TimerMIDI, 1050);
    rig.timers.StartTimer(TimerId::Timer3, 0);  // no interval: never ticks
    EXPECT_EQ(rig.timers.MsUntilNext(), 250);
    rig.Run(4200);
    EXPECT_EQ(rig.Count(TimerId::Timer1), 4);
    EXPECT_EQ(rig.Count(TimerId::Timer2), 16);
    EXPECT_EQ(rig.Count(TimerId::TimerMIDI), 4);
    EXPECT_EQ(rig.Count(TimerId::Timer3), 0);
    rig.now += 300;
    EXPECT_EQ(rig.timers.MsUntilNext(), 0);
    for (TimerId id : {TimerId::Timer1, TimerId::Timer2, TimerId::TimerMIDI}) rig.timers.StopTimer(id);
    rig.ticks.clear();
    rig.Run(2000);
    EXPECT_TRUE(rig.ticks.empty()) << "stopped timers stay silent";
}

TEST(LoopTimers, ALateLoopGetsOneTickNotABurstAndKeepsThePhase) {
    TimerRig rig;
    rig.timers.StartTimer(TimerId::Timer2, 250);
    rig.Run(1000, 1000);  // the loop stalled for a second: four ticks were due
    EXPECT_EQ(rig.Count(TimerId::Timer2), 1);
    rig.Run(249);
    EXPECT_EQ(rig.Count(TimerId::Timer2), 1);
    rig.Run(1);
    EXPECT_EQ(rig.Count(TimerId::Timer2), 2) << "the next tick comes on the original beat";
}

TEST(LoopTimers, AHandlerThatRestartsItsTimerGetsAFullIntervalAndCanStopTheRest) {
    TimerRig rig;
    rig.timers.StartTimer(TimerId::Timer1, 1000);
    rig.timers.StartTimer(TimerId::TimerMIDI, 1000);
    rig.onTick = [&](TimerId id) {
        if (id == TimerId::Timer1) rig.timers.StartTimer(TimerId::Timer1, 400);
    };
    rig.Run(1000);
    EXPECT_EQ(rig.ticks, (std::vector<TimerId>{TimerId::Timer1, TimerId::TimerMIDI}));
    rig.Run(399);
    EXPECT_EQ(rig.Count(TimerId::Timer1), 1);
    rig.Run(1);
    EXPECT_EQ(rig.Count(TimerId::Timer1), 2);

    // A closed window takes no further tick, even one already due in the same pass.
    bool stopped = false;
    rig.ticks.clear();
    rig.onTick = [&](TimerId) { stopped = true; };
    rig.now += 5000;
    rig.timers.DeliverDue(rig, [&] { return stopped; });
    EXPECT_EQ(rig.ticks.size(), 1u);
}

TEST(FramePacer, WithoutADisplayThatWaitsFramesComeAtTheRefreshRateAndAStallStartsAfresh) {
    FramePacer pacer(60, false);
    std::uint64_t now = 1'000'000;
    int frames = 0;
    // One second in 1 ms steps; each frame takes 3 ms to compose and present.
    for (std::uint64_t end = now + 1'000'000; now < end; now += 1000) {
        if (pacer.UsUntilFrame(now) == 0) {
            ++frames;
            pacer.FramePresented(now + 3000);
        }
    }
    EXPECT_GE(frames, 59);
    EXPECT_LE(frames, 61);
    pacer.FramePresented(now + 500'000);  // half a second late
    EXPECT_GT(pacer.UsUntilFrame(now + 500'001), 15'000) << "no burst of frames to make up for the stall";
}

TEST(FramePacer, ADisplayThatClaimsToWaitButDoesNotIsPacedByTheClock) {
    FramePacer honest(60, true);
    std::uint64_t now = 0;
    for (int i = 0; i < 3 * FramePacer::kJudgedFrames; ++i) {
        EXPECT_EQ(honest.UsUntilFrame(now), 0);
        now += 16'667;
        honest.FramePresented(now);
    }
    EXPECT_TRUE(honest.DisplayPaces());

    FramePacer liar(60, true);
    now = 0;
    for (int i = 0; i <= FramePacer::kJudgedFrames + 1; ++i) {
        now += 500;  // presenting returns at once
        liar.FramePresented(now);
    }
    EXPECT_FALSE(liar.DisplayPaces());
    EXPECT_GT(liar.UsUntilFrame(now), 10'000);
}

TEST(KeyCodes, LettersGoByTheKeysPlaceOrLetterAndEveryOtherKeyHasItsOwnCode) {
    const std::vector<std::tuple<SDL_Keycode, SDL_Scancode, int>> cases = {
        {SDLK_n, SDL_SCANCODE_N, 'N'}, {SDLK_p, SDL_SCANCODE_P, 'P'}, {SDLK_q, SDL_SCANCODE_Q, 'Q'},
        {SDLK_s, SDL_SCANCODE_S, 'S'}, {SDLK_x, SDL_SCANCODE_X, 'X'},
        {SDLK_a, SDL_SCANCODE_Q, 'A'},   // AZERTY: the letter on the key counts
        {SDL_Keycode(0x0442), SDL_SCANCODE_N, 'N'},  // Cyrillic: known by its place, as Windows knows it
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 0x1B}};
    for (const auto& [symbol, scancode, code] : cases) EXPECT_EQ(KeyCodeFor(symbol, scancode), code) << code;

    std::set<int> seen;
    const std::set<int> musicKeys{'N', 'P', 'Q', 'S', 'X'};
    for (int sc = SDL_SCANCODE_A; sc < SDL_NUM_SCANCODES; ++sc) {
        const auto scancode = SDL_Scancode(sc);
        const int code = KeyCodeFor(SDL_SCANCODE_TO_KEYCODE(scancode), scancode);
        const bool isMusicKey = scancode == SDL_SCANCODE_N || scancode == SDL_SCANCODE_P || scancode == SDL_SCANCODE_Q ||
                                scancode == SDL_SCANCODE_S || scancode == SDL_SCANCODE_X;
        EXPECT_EQ(musicKeys.count(code) == 1, isMusicKey) << "scancode " << sc;
        EXPECT_GT(code, 0);
        seen.insert(code);
    }
    EXPECT_GT(seen.size(), 200u) << "keys without a name still get codes of their own";
}

TEST(FitRect, TheFrameFillsTheScreenWithBarsWhereTheProportionsDiffer) {
    EXPECT_EQ(FitRect(800, 600, 1024, 768), (ScreenRect{0, 0, 1024, 768}));
    EXPECT_EQ(FitRect(800, 600, 1920, 1080), (ScreenRect{240, 0, 1440, 1080}));
    EXPECT_EQ(FitRect(800, 600, 1280, 1024), (ScreenRect{0, 32, 1280, 960}));
    EXPECT_EQ(FitRect(800, 600, 1366, 768), (ScreenRect{171, 0, 1024, 768}));
    EXPECT_EQ(FitRect(800, 600, 0, 600), ScreenRect{});
}

}  // namespace
}  // namespace hq::test
