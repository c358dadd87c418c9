#pragma once
// The headless recorder: the real saver window and sprite engine on a simulated clock, with no
// screen and no sound. It hands out composed frames: the last one for a still picture, or one every
// 1/fps second for an animation. Writing them to a file is the platform's part.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/SoundControl.h"
#include "platform/SystemServices.h"
#include "platform/engine/FontRasterizer.h"
#include "platform/engine/FramePresenter.h"

namespace hq {

struct RecordOptions {
    std::string file;
    bool animated = false;  // a GIF of the whole run; otherwise a PNG of the last frame
    double seconds = 10;
    int fps = 10;  // frames per second of the GIF
    std::uint64_t seed = 0x5EED;
    // The simulated wall clock at the start; none: the caller's present time.
    std::optional<CivilDate> date;
    double secondsSinceMidnight = 0;

    static constexpr double kMaxSeconds = 3600;
    static constexpr int kMaxFps = 50;
};

// Reads `--record FILE [--seconds N] [--fps N] [--seed N] [--at YYYY-MM-DDTHH:MM:SS]` (args
// start with "--record"). On bad input the result holds no options and says what is wrong.
struct RecordRequest {
    std::optional<RecordOptions> options;
    std::string error;
};
RecordRequest ParseRecordArgs(const std::vector<std::string>& args);

// A sound control that plays nothing; the playlist simply moves on.
class SilentSound : public SoundControl {
public:
    void PlayFile(const std::string&, int, int) override {}
    void StopPlayback() override {}
    bool IsPlaying() override { return false; }
};

// A presenter that shows nothing: the composed frame stays in the engine.
class NoPresenter : public FramePresenter {
public:
    bool Open(int, int) override { return true; }
    void Present(const std::uint32_t*, int, int) override {}
    void Close() override {}
};

struct RecordedFrame {
    const std::uint32_t* pixels;  // width * height 0x00RRGGBB
    int width;
    int height;
    int delayCentiseconds;  // how long it shows in an animation
};

struct RecordSetup {
    std::string assetFolder;
    SettingsStore& store;
    FontRasterizer& fonts;
    CivilDate date;  // used when the options give none
    double secondsSinceMidnight;
};

// The display refreshes at the pace of a 16 ms window timer: the scene's movers expect frames
// at least that often.
inline constexpr std::uint32_t kRecordFrameMs = 16;

// Runs the saver for the options' duration, calling `frame` for each frame to keep and
// `progress` with the share done (0 to 1). False, with `error` set, when the saver cannot start.
bool Record(const RecordOptions& options, const RecordSetup& setup,
            const std::function<bool(const RecordedFrame&)>& frame, const std::function<void(double)>& progress,
            std::string& error);

}  // namespace hq
