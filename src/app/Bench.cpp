#include "app/Bench.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <vector>

#include "app/Recorder.h"
#include "platform/engine/SpriteEngine.h"
#include "platform/sim/Recording.h"
#include "platform/sim/SimHost.h"
#include "saver/SaverWindow.h"
#include "settings/Schema.h"

namespace hq {

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double CpuMs() { return double(std::clock()) * 1000.0 / CLOCKS_PER_SEC; }

// Times each frame on its way to the window.
class TimedFrames : public DrawingEvents {
public:
    explicit TimedFrames(SaverWindow& window) : m_window(window) {}
    void FrameDue() override {
        const auto start = Clock::now();
        const double cpuStart = CpuMs();
        m_window.FrameDue();
        CpuTimes.push_back(CpuMs() - cpuStart);
        Times.push_back(MsSince(start));
    }
    void MouseMove() override {}
    void MouseDown() override {}
    void KeyDown(int) override {}
    std::vector<double> Times, CpuTimes;

private:
    SaverWindow& m_window;
};

double Percentile(std::vector<double> values, double share) {
    if (values.empty()) return 0;
    const auto at = std::size_t(share * double(values.size() - 1) + 0.5);
    std::nth_element(values.begin(), values.begin() + std::ptrdiff_t(at), values.end());
    return values[at];
}

}  // namespace

BenchResult RunBench(const std::string& assetFolder, FontRasterizer& fonts, double simulatedSeconds) {
    MemorySettingsStore store;
    SetRegistry(store);
    const std::string app(kAppName), section(kSectionSettings);
    for (const char* key : {"ShowMessage", "CountDown", "Clock", "Layer1", "Layer2", "Layer3"})
        store.SaveSetting(app, section, key, "1");
    store.SaveSetting(app, section, "ShowDirections", "True");

    SimHost host;
    NoPresenter presenter;
    SpriteEngine engine(fonts, presenter, [&host] { return host.GetTickCount(); });
    SilentSound sound;
    BenchResult result;

    const auto start = Clock::now();
    SaverWindow window(SaverPlatform{engine, sound, store, host, host, assetFolder});
    TimedFrames timed(window);
    host.Attach(&timed, &window);
    window.Load();
    host.SetFrameInterval(kRecordFrameMs);
    host.RunFor(kRecordFrameMs);
    result.startupMs = MsSince(start);

    timed.Times.clear();
    timed.CpuTimes.clear();
    host.RunFor(std::uint64_t(simulatedSeconds * 1000));
    result.frames = timed.Times.size();
    result.composeMsMedian = Percentile(timed.CpuTimes, 0.5);
    result.composeMsP99 = Percentile(timed.CpuTimes, 0.99);
    result.composeWallMsMedian = Percentile(timed.Times, 0.5);
    result.composeWallMsP99 = Percentile(timed.Times, 0.99);
    result.pictureFiles = engine.PictureFiles();
    result.missingPictures = engine.MissingPictures();
    return result;
}

}  // namespace hq
