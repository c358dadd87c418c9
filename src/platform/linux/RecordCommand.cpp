// The headless tools: --record writes the saver's picture to a PNG or its animation to a GIF;
// --bench measures start-up, frame composition and memory.
#include <gif_lib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "app/Bench.h"
#include "app/Recorder.h"
#include "platform/linux/FileSettingsStore.h"
#include "platform/linux/LinuxModes.h"
#include "platform/linux/TtfFontRasterizer.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include "stb_image_write.h"
#pragma GCC diagnostic pop

namespace hq {

namespace {

constexpr const char* kRecordUsage =
    "usage: hollyquill --record FILE.png|FILE.gif [--seconds N] [--fps N] [--seed N] [--at YYYY-MM-DDTHH:MM:SS]\n";

bool WritePng(const std::string& path, const RecordedFrame& frame) {
    std::vector<unsigned char> rgb(std::size_t(frame.width) * std::size_t(frame.height) * 3);
    for (std::size_t i = 0; i < std::size_t(frame.width) * std::size_t(frame.height); ++i) {
        rgb[3 * i] = static_cast<unsigned char>(frame.pixels[i] >> 16);
        rgb[3 * i + 1] = static_cast<unsigned char>(frame.pixels[i] >> 8);
        rgb[3 * i + 2] = static_cast<unsigned char>(frame.pixels[i]);
    }
    return stbi_write_png(path.c_str(), frame.width, frame.height, 3, rgb.data(), frame.width * 3) != 0;
}

// An animated GIF that loops for ever. Each frame holds only the rectangle that changed, with its
// own palette made for the pixels that changed; unchanged pixels are transparent and keep what
// the previous frame showed.
class GifFile {
public:
    explicit GifFile(const std::string& path) {
        int error = 0;
        m_gif = EGifOpenFileName(path.c_str(), false, &error);
        if (m_gif) EGifSetGifVersion(m_gif, true);
    }
    ~GifFile() { Close(); }
    bool IsOpen() const { return m_gif != nullptr; }

    bool Close() {
        if (!m_gif) return false;
        int error = 0;
        const bool ok = EGifCloseFile(m_gif, &error) == GIF_OK && m_ok;
        m_gif = nullptr;
        return ok;
    }

    bool Add(const RecordedFrame& frame) {
        if (!m_gif || !m_ok) return false;
        if (m_previous.empty()) m_ok = Start(frame.width, frame.height);
        if (m_ok) m_ok = PutFrame(frame);
        m_previous.assign(frame.pixels, frame.pixels + std::size_t(frame.width) * std::size_t(frame.height));
        return m_ok;
    }

private:
    static constexpr int kTransparent = 255;

    bool Start(int width, int height) {
        if (EGifPutScreenDesc(m_gif, width, height, 8, 0, nullptr) != GIF_OK) return false;
        static const GifByteType kLoop[] = {1, 0, 0};  // sub-block 1: repeat for ever
        return EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
               EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") == GIF_OK &&
               EGifPutExtensionBlock(m_gif, 3, kLoop) == GIF_OK && EGifPutExtensionTrailer(m_gif) == GIF_OK;
    }

    bool PutFrame(const RecordedFrame& frame) {
        const int w = frame.width, h = frame.height;
        const bool first = m_previous.empty();
        auto changed = [&](std::size_t i) { return first || frame.pixels[i] != m_previous[i]; };
        int left = w, top = h, right = -1, bottom = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (changed(std::size_t(y) * std::size_t(w) + std::size_t(x))) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
        if (right < 0) left = top = right = bottom = 0;  // nothing changed: one transparent pixel
        const int boxW = right - left + 1, boxH = bottom - top + 1;

        std::vector<GifByteType> red, green, blue;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
                if (!changed(i)) continue;
                red.push_back(GifByteType(frame.pixels[i] >> 16));
                green.push_back(GifByteType(frame.pixels[i] >> 8));
                blue.push_back(GifByteType(frame.pixels[i]));
            }
        GifColorType colours[256] = {};
        std::vector<GifByteType> quantized(red.size());
        int colourCount = kTransparent;
        if (!red.empty() && GifQuantizeBuffer(unsigned(red.size()), 1, &colourCount, red.data(), green.data(),
                                              blue.data(), quantized.data(), colours) != GIF_OK)
            return false;

        std::vector<GifByteType> raster(std::size_t(boxW) * std::size_t(boxH), kTransparent);
        bool anyTransparent = red.empty();
        std::size_t next = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x <= right; ++x) {
                const std::size_t i = std::size_t(y) * std::size_t(w) + std::size_t(x);
                GifByteType& out = raster[std::size_t(y - top) * std::size_t(boxW) + std::size_t(x - left)];
                if (changed(i) && !red.empty()) out = quantized[next++];
                else anyTransparent = true;
            }

        GraphicsControlBlock control{DISPOSE_DO_NOT, false, frame.delayCentiseconds,
                                     anyTransparent ? kTransparent : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK) return false;

        std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, colours),
                                                                       GifFreeMapObject);
        if (!map || EGifPutImageDesc(m_gif, left, top, boxW, boxH, false, map.get()) != GIF_OK) return false;
        for (int row = 0; row < boxH; ++row)
            if (EGifPutLine(m_gif, &raster[std::size_t(row) * std::size_t(boxW)], boxW) != GIF_OK) return false;
        return true;
    }

    GifFileType* m_gif = nullptr;
    bool m_ok = true;
    std::vector<std::uint32_t> m_previous;
};

void Now(CivilDate& date, double& secondsSinceMidnight) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    date = {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    secondsSinceMidnight = local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec;
}

}  // namespace

int RunRecordCommand(const std::vector<std::string>& args, const std::string& assetFolder) {
    const RecordRequest request = ParseRecordArgs(args);
    if (!request.options) {
        std::fprintf(stderr, "hollyquill: %s\n%s", request.error.c_str(), kRecordUsage);
        return 2;
    }
    const RecordOptions& options = *request.options;
    TtfFontRasterizer fonts;
    FileSettingsStore store(FileSettingsStore::DefaultFolder());
    RecordSetup setup{assetFolder, store, fonts, {}, 0};
    Now(setup.date, setup.secondsSinceMidnight);

    const bool showProgress = isatty(STDERR_FILENO);
    auto progress = [&](double share) {
        if (showProgress) std::fprintf(stderr, "\rrecording %s: %3d%%", options.file.c_str(), int(share * 100));
    };
    std::unique_ptr<GifFile> gif;
    if (options.animated) {
        gif = std::make_unique<GifFile>(options.file);
        if (!gif->IsOpen()) {
            std::fprintf(stderr, "hollyquill: cannot create %s\n", options.file.c_str());
            return 1;
        }
    }
    auto keep = [&](const RecordedFrame& frame) { return gif ? gif->Add(frame) : WritePng(options.file, frame); };

    std::string error;
    bool ok = Record(options, setup, keep, progress, error);
    if (gif && !gif->Close() && ok) {
        ok = false;
        error = "the animation could not be written";
    }
    if (showProgress) std::fputc('\n', stderr);
    if (!ok) {
        std::fprintf(stderr, "hollyquill: %s: %s\n", options.file.c_str(), error.c_str());
        return 1;
    }
    return 0;
}

int RunBenchCommand(const std::vector<std::string>& args, const std::string& assetFolder) {
    if (args.size() != 1) {
        std::fputs("hollyquill: --bench takes no further arguments\n", stderr);
        return 2;
    }
    TtfFontRasterizer fonts;
    const BenchResult result = RunBench(assetFolder, fonts);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double rssMb = double(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
    std::printf("pictures: %zu files from %s, %zu missing\n", result.pictureFiles, assetFolder.c_str(),
                result.missingPictures);
    std::printf("{\"startup_ms\": %.1f, \"compose_ms_median\": %.3f, \"compose_ms_p99\": %.3f, \"frames\": %zu, "
                "\"rss_mb\": %.1f}\n",
                result.startupMs, result.composeMsMedian, result.composeMsP99, result.frames, rssMb);
    return 0;
}

}  // namespace hq
