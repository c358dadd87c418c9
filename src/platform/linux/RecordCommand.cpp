// The headless tools: --record writes the saver's picture to a PNG or its animation to a GIF;
// --bench measures start-up, frame composition and memory.
#include <gif_lib.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unordered_map>
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

// An animated GIF that loops for ever. It keeps the picture a viewer shows after each frame and
// sends only the pixels that differ from it noticeably, as a rectangle with its own palette;
// the rest of the rectangle is transparent. A pixel a coarse palette got wrong differs from what
// it should show and is sent again, so quantization errors do not linger as trails.
class GifFile {
public:
    explicit GifFile(const std::string& path) {
        const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        int error = 0;
        if (fd >= 0) m_gif = EGifOpenFileHandle(fd, &error);
        if (m_gif) EGifSetGifVersion(m_gif, true);
        else if (fd >= 0) close(fd);
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
        if (m_shown.empty()) m_ok = Start(frame.width, frame.height);
        if (m_ok) m_ok = PutFrame(frame);
        return m_ok;
    }

private:
    static constexpr int kTransparent = 255;
    static constexpr int kPaletteColours = 255;  // one index is kept for transparency
    static constexpr int kTolerance = 6;          // per channel: closer than this counts as shown

    bool Start(int width, int height) {
        m_shown.assign(std::size_t(width) * std::size_t(height), 0);
        m_first = true;
        if (EGifPutScreenDesc(m_gif, width, height, 8, 0, nullptr) != GIF_OK) return false;
        static const GifByteType kLoop[] = {1, 0, 0};  // sub-block 1: repeat for ever
        return EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
               EGifPutExtensionBlock(m_gif, 11, "NETSCAPE2.0") == GIF_OK &&
               EGifPutExtensionBlock(m_gif, 3, kLoop) == GIF_OK && EGifPutExtensionTrailer(m_gif) == GIF_OK;
    }

    static bool Differs(std::uint32_t a, std::uint32_t b) {
        for (int shift = 0; shift <= 16; shift += 8) {
            const int d = int(a >> shift & 0xFF) - int(b >> shift & 0xFF);
            if (d > kTolerance || d < -kTolerance) return true;
        }
        return false;
    }

    // A palette for the colours to send, and each colour's index: exact when they are few, else
    // a median cut of the distinct colours weighted by how often they occur, each colour then
    // taking its nearest palette entry.
    static void Palette(const std::vector<std::uint32_t>& colours, std::vector<GifByteType>& indexes,
                        GifColorType (&palette)[256]) {
        std::unordered_map<std::uint32_t, std::uint32_t> counts;
        for (std::uint32_t c : colours) ++counts[c];
        struct Entry {
            std::uint32_t colour, count;
        };
        std::vector<Entry> distinct;
        distinct.reserve(counts.size());
        for (const auto& [c, n] : counts) distinct.push_back({c, n});
        auto channel = [](std::uint32_t c, int k) { return int(c >> (16 - 8 * k) & 0xFF); };

        std::vector<std::uint32_t> chosen;
        if (distinct.size() <= std::size_t(kPaletteColours)) {
            for (const Entry& e : distinct) chosen.push_back(e.colour);
        } else {
            struct Box {
                std::size_t from, to;  // a range of `distinct`
                int widest, range;     // its widest channel and that channel's spread
                double weight;
            };
            auto measure = [&](std::size_t from, std::size_t to) {
                Box box{from, to, 0, -1, 0};
                for (int k = 0; k < 3; ++k) {
                    int lo = 255, hi = 0;
                    for (std::size_t i = from; i < to; ++i) {
                        lo = std::min(lo, channel(distinct[i].colour, k));
                        hi = std::max(hi, channel(distinct[i].colour, k));
                    }
                    if (hi - lo > box.range) box.range = hi - lo, box.widest = k;
                }
                for (std::size_t i = from; i < to; ++i) box.weight += distinct[i].count;
                return box;
            };
            std::vector<Box> boxes{measure(0, distinct.size())};
            while (int(boxes.size()) < kPaletteColours) {
                // Split the box whose spread matters most: wide and well used.
                auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
                    return a.range * std::sqrt(a.weight) < b.range * std::sqrt(b.weight);
                });
                if (worst->range <= 0) break;
                const Box box = *worst;
                std::sort(distinct.begin() + std::ptrdiff_t(box.from), distinct.begin() + std::ptrdiff_t(box.to),
                          [&](const Entry& a, const Entry& b) {
                              return channel(a.colour, box.widest) < channel(b.colour, box.widest);
                          });
                double half = 0;
                std::size_t cut = box.from + 1;
                for (std::size_t i = box.from; i + 1 < box.to; ++i) {
                    half += distinct[i].count;
                    cut = i + 1;
                    if (half * 2 >= box.weight) break;
                }
                *worst = measure(box.from, cut);
                boxes.push_back(measure(cut, box.to));
            }
            for (const Box& box : boxes) {
                double sum[3] = {0, 0, 0};
                for (std::size_t i = box.from; i < box.to; ++i)
                    for (int k = 0; k < 3; ++k) sum[k] += double(channel(distinct[i].colour, k)) * distinct[i].count;
                std::uint32_t c = 0;
                for (int k = 0; k < 3; ++k) c = c << 8 | std::uint32_t(std::lround(sum[k] / box.weight));
                chosen.push_back(c);
            }
        }
        std::unordered_map<std::uint32_t, GifByteType> nearest;
        for (const Entry& e : distinct) {
            int best = 0, bestDistance = 1 << 30;
            for (std::size_t p = 0; p < chosen.size() && bestDistance > 0; ++p) {
                int d = 0;
                for (int k = 0; k < 3; ++k) {
                    const int diff = channel(e.colour, k) - channel(chosen[p], k);
                    d += diff * diff;
                }
                if (d < bestDistance) bestDistance = d, best = int(p);
            }
            nearest[e.colour] = GifByteType(best);
        }
        for (std::size_t p = 0; p < chosen.size(); ++p)
            palette[p] = {GifByteType(chosen[p] >> 16), GifByteType(chosen[p] >> 8), GifByteType(chosen[p])};
        indexes.resize(colours.size());
        for (std::size_t i = 0; i < colours.size(); ++i) indexes[i] = nearest[colours[i]];
    }

    bool PutFrame(const RecordedFrame& frame) {
        const int w = frame.width;
        std::vector<std::size_t> send;  // pixels to send, in raster order
        for (std::size_t i = 0; i < m_shown.size(); ++i)
            if (m_first || Differs(frame.pixels[i], m_shown[i])) send.push_back(i);
        m_first = false;
        int left = 0, top = 0, right = 0, bottom = 0;  // nothing to send: one transparent pixel
        if (!send.empty()) {
            left = w;
            right = -1;
            top = int(send.front() / std::size_t(w));
            bottom = int(send.back() / std::size_t(w));
            for (std::size_t i : send) {
                left = std::min(left, int(i % std::size_t(w)));
                right = std::max(right, int(i % std::size_t(w)));
            }
        }
        const int boxW = right - left + 1, boxH = bottom - top + 1;

        std::vector<std::uint32_t> colours;
        colours.reserve(send.size());
        for (std::size_t i : send) colours.push_back(frame.pixels[i] & 0xFFFFFF);
        GifColorType palette[256] = {};
        std::vector<GifByteType> indexes;
        if (!colours.empty()) Palette(colours, indexes, palette);

        std::vector<GifByteType> raster(std::size_t(boxW) * std::size_t(boxH), kTransparent);
        for (std::size_t k = 0; k < send.size(); ++k) {
            const std::size_t i = send[k];
            const int x = int(i % std::size_t(w)), y = int(i / std::size_t(w));
            raster[std::size_t(y - top) * std::size_t(boxW) + std::size_t(x - left)] = indexes[k];
            const GifColorType& c = palette[indexes[k]];
            m_shown[i] = std::uint32_t(c.Red) << 16 | std::uint32_t(c.Green) << 8 | c.Blue;
        }
        const bool anyTransparent = send.size() < raster.size();

        GraphicsControlBlock control{DISPOSE_DO_NOT, false, frame.delayCentiseconds,
                                     anyTransparent ? kTransparent : NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        const std::size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK) return false;

        std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(GifMakeMapObject(256, palette),
                                                                       GifFreeMapObject);
        if (!map || EGifPutImageDesc(m_gif, left, top, boxW, boxH, false, map.get()) != GIF_OK) return false;
        for (int row = 0; row < boxH; ++row)
            if (EGifPutLine(m_gif, &raster[std::size_t(row) * std::size_t(boxW)], boxW) != GIF_OK) return false;
        return true;
    }

    GifFileType* m_gif = nullptr;
    bool m_ok = true;
    bool m_first = true;
    std::vector<std::uint32_t> m_shown;  // what a viewer shows after the frames so far
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
    std::printf("compose, wall clock: median %.3f ms, p99 %.3f ms (the JSON gives processor time)\n",
                result.composeWallMsMedian, result.composeWallMsP99);
    std::printf("{\"startup_ms\": %.1f, \"compose_ms_median\": %.3f, \"compose_ms_p99\": %.3f, \"frames\": %zu, "
                "\"rss_mb\": %.1f}\n",
                result.startupMs, result.composeMsMedian, result.composeMsP99, result.frames, rssMb);
    return 0;
}

}  // namespace hq
