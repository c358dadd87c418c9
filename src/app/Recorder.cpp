#include "app/Recorder.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/engine/SpriteEngine.h"
#include "platform/sim/SimHost.h"
#include "saver/SaverWindow.h"
#include "settings/Conversions.h"

namespace hq {

namespace {

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && ToLower(text.substr(text.size() - suffix.size())) == suffix;
}

template <class Number>
std::optional<Number> WholeNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    auto [at, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || at != end || text.empty()) return std::nullopt;
    return value;
}

// "YYYY-MM-DDTHH:MM:SS", a real calendar date and time of day.
bool ParseMoment(const std::string& text, CivilDate& date, double& secondsSinceMidnight) {
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    char tail = 0;
    if (text.size() != 19 || std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c", &y, &mo, &d, &h, &mi, &s, &tail) != 6)
        return false;
    if (text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':') return false;
    using namespace std::chrono;
    if (!year_month_day{year{y}, month(unsigned(mo)), day(unsigned(d))}.ok()) return false;
    if (h < 0 || h > 23 || mi < 0 || mi > 59 || s < 0 || s > 59) return false;
    date = {y, mo, d};
    secondsSinceMidnight = h * 3600.0 + mi * 60.0 + s;
    return true;
}

RecordRequest Fail(std::string error) { return {std::nullopt, std::move(error)}; }

// Keeps a copy of the frame last shown.
class CapturePresenter : public FramePresenter {
public:
    bool Open(int, int) override { return true; }
    void Present(const std::uint32_t* pixels, int width, int height) override {
        m_width = width;
        m_height = height;
        m_pixels.assign(pixels, pixels + std::size_t(width) * std::size_t(height));
    }
    void Close() override {}
    RecordedFrame Frame(int delayCentiseconds, int width, int height) {
        // Before the first frame is shown the screen is black.
        if (m_pixels.empty()) {
            m_width = width;
            m_height = height;
            m_pixels.assign(std::size_t(width) * std::size_t(height), 0);
        }
        return {m_pixels.data(), m_width, m_height, delayCentiseconds};
    }

private:
    std::vector<std::uint32_t> m_pixels;
    int m_width = 0, m_height = 0;
};

}  // namespace

RecordRequest ParseRecordArgs(const std::vector<std::string>& args) {
    if (args.size() < 2 || args[1].empty() || args[1].rfind("--", 0) == 0)
        return Fail("--record needs a file name ending in .png or .gif");
    RecordOptions options;
    options.file = args[1];
    if (EndsWith(options.file, ".gif")) options.animated = true;
    else if (!EndsWith(options.file, ".png")) return Fail("'" + options.file + "' must end in .png or .gif");

    for (std::size_t i = 2; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (name != "--seconds" && name != "--fps" && name != "--seed" && name != "--at")
            return Fail("unknown option '" + name + "' for --record");
        if (i + 1 >= args.size()) return Fail(name + " needs a value");
        const std::string& value = args[i + 1];
        if (name == "--seconds") {
            auto seconds = ParseNumber(value);
            if (!seconds || !(*seconds > 0) || *seconds > RecordOptions::kMaxSeconds)
                return Fail("--seconds takes a number of seconds above 0 and at most 3600, not '" + value + "'");
            options.seconds = *seconds;
        } else if (name == "--fps") {
            auto fps = WholeNumber<int>(value);
            if (!fps || *fps < 1 || *fps > RecordOptions::kMaxFps)
                return Fail("--fps takes a whole number from 1 to 50, not '" + value + "'");
            options.fps = *fps;
        } else if (name == "--seed") {
            auto seed = WholeNumber<std::uint64_t>(value);
            if (!seed) return Fail("--seed takes a whole number from 0 up, not '" + value + "'");
            options.seed = *seed;
        } else {
            CivilDate date;
            double seconds = 0;
            if (!ParseMoment(value, date, seconds))
                return Fail("--at takes a local date and time as YYYY-MM-DDTHH:MM:SS, not '" + value + "'");
            options.date = date;
            options.secondsSinceMidnight = seconds;
        }
    }
    return {options, ""};
}

bool Record(const RecordOptions& options, const RecordSetup& setup,
            const std::function<bool(const RecordedFrame&)>& frame, const std::function<void(double)>& progress,
            std::string& error) {
    SimHost host(options.date.value_or(setup.date),
                 options.date ? options.secondsSinceMidnight : setup.secondsSinceMidnight);
    CapturePresenter presenter;
    SpriteEngine engine(setup.fonts, presenter, [&host] { return host.GetTickCount(); });
    SilentSound sound;
    SaverWindow window(SaverPlatform{engine, sound, setup.store, host, host, setup.assetFolder}, options.seed);
    host.Attach(&window, &window);
    if (!window.Load()) {
        error = "the saver could not open its display";
        return false;
    }
    host.SetFrameInterval(kRecordFrameMs);

    const std::uint64_t totalMs = std::uint64_t(std::llround(options.seconds * 1000));
    const int width = Catalogue::kScreenWidth, height = Catalogue::kScreenHeight;
    if (!options.animated) {
        // In steps, so the caller can show progress.
        constexpr std::uint64_t kStepMs = 1000;
        for (std::uint64_t done = 0; done < totalMs;) {
            const std::uint64_t step = std::min(kStepMs, totalMs - done);
            host.RunFor(step);
            done += step;
            progress(double(done) / double(totalMs));
        }
        if (frame(presenter.Frame(0, width, height))) return true;
        error = "the picture could not be written";
        return false;
    }

    // One frame every 1/fps second; delays in whole centiseconds, rounded so they add up to the
    // run's length.
    const long frames = std::max(1L, std::lround(options.seconds * options.fps));
    long shownCs = 0;
    for (long i = 1; i <= frames; ++i) {
        const std::uint64_t at = std::uint64_t(std::llround(double(i) * 1000.0 / options.fps));
        host.RunFor(at - host.NowMs());
        const long untilCs = std::lround(double(i) * 100.0 / options.fps);
        if (!frame(presenter.Frame(int(untilCs - shownCs), width, height))) {
            error = "the animation could not be written";
            return false;
        }
        shownCs = untilCs;
        progress(double(i) / double(frames));
    }
    return true;
}

}  // namespace hq
