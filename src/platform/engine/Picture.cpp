#include "platform/engine/Picture.h"

#include <algorithm>
#include <climits>
#include <cstring>

// stb_image, compiled here for BMP only; its functions stay private to this file.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 8192  // a corrupt header cannot ask for gigabytes
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "stb_image.h"
#pragma GCC diagnostic pop

namespace hq {

namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Premultiplies a straight colour by its alpha, rounding to nearest.
std::uint32_t Premultiply(std::uint32_t rgb, std::uint32_t alpha) {
    if (alpha == 255) return rgb & 0xFFFFFF;
    auto channel = [alpha](std::uint32_t c) { return (c * alpha + 127) / 255; };
    return channel(rgb >> 16 & 0xFF) << 16 | channel(rgb >> 8 & 0xFF) << 8 | channel(rgb & 0xFF);
}

// dst * (1 - alpha) + src, two channels at a time. src is premultiplied, so no channel can carry
// into its neighbour.
inline std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, std::uint32_t alpha) {
    const std::uint32_t keep = 256 - alpha;
    const std::uint32_t rb = ((dst & 0xFF00FF) * keep >> 8) & 0xFF00FF;
    const std::uint32_t g = ((dst & 0x00FF00) * keep >> 8) & 0x00FF00;
    return src + rb + g;
}

}  // namespace

Picture::Picture(int width, int height)
    : m_width(width), m_height(height), m_colour(std::size_t(width) * std::size_t(height)),
      m_alpha(std::size_t(width) * std::size_t(height)) {}

std::shared_ptr<const Picture> Picture::FromBmp(const std::string& bytes, int keyMode) {
    if (bytes.empty() || bytes.size() > std::size_t(INT_MAX)) return nullptr;
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgba = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(bytes.data()), int(bytes.size()), &width,
                                          &height, &channels, 4);
    if (!rgba) return nullptr;
    std::shared_ptr<Picture> picture(new Picture(width, height));
    const bool opaque = keyMode == kKeyOpaque;
    const bool hasAlpha = channels == 4;
    const std::size_t count = std::size_t(width) * std::size_t(height);
    for (std::size_t i = 0; i < count; ++i) {
        const stbi_uc* p = rgba + 4 * i;
        const std::uint32_t rgb = std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
        std::uint32_t alpha = 255;
        if (!opaque) alpha = hasAlpha ? p[3] : (rgb == kMagenta ? 0 : 255);
        picture->m_alpha[i] = std::uint8_t(alpha);
        picture->m_colour[i] = Premultiply(rgb, alpha);
    }
    stbi_image_free(rgba);
    picture->BuildRuns();
    return picture;
}

std::shared_ptr<const Picture> Picture::FromArgb(int width, int height, const std::uint32_t* argb) {
    if (width <= 0 || height <= 0) return nullptr;
    std::shared_ptr<Picture> picture(new Picture(width, height));
    const std::size_t count = std::size_t(width) * std::size_t(height);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t alpha = argb[i] >> 24;
        picture->m_alpha[i] = std::uint8_t(alpha);
        picture->m_colour[i] = Premultiply(argb[i], alpha);
    }
    picture->BuildRuns();
    return picture;
}

std::shared_ptr<const Picture> Picture::FromMask(const TextMask& mask, Rgb colour) {
    if (mask.width <= 0 || mask.height <= 0 ||
        mask.coverage.size() < std::size_t(mask.width) * std::size_t(mask.height))
        return nullptr;
    std::shared_ptr<Picture> picture(new Picture(mask.width, mask.height));
    for (std::size_t i = 0; i < picture->m_alpha.size(); ++i) {
        picture->m_alpha[i] = mask.coverage[i];
        picture->m_colour[i] = Premultiply(colour, mask.coverage[i]);
    }
    picture->BuildRuns();
    return picture;
}

void Picture::BuildRuns() {
    m_rowRuns.assign(std::size_t(m_height) + 1, 0);
    m_runs.clear();
    m_opaque = true;
    for (int row = 0; row < m_height; ++row) {
        m_rowRuns[std::size_t(row)] = std::uint32_t(m_runs.size());
        const std::uint8_t* alpha = &m_alpha[std::size_t(row) * std::size_t(m_width)];
        int x = 0;
        while (x < m_width) {
            if (alpha[x] == 0) {
                m_opaque = false;
                ++x;
                continue;
            }
            const bool solid = alpha[x] == 255;
            int end = x + 1;
            while (end < m_width && alpha[end] != 0 && (alpha[end] == 255) == solid) ++end;
            if (!solid) m_opaque = false;
            m_runs.push_back({x, end - x, solid});
            x = end;
        }
    }
    m_rowRuns[std::size_t(m_height)] = std::uint32_t(m_runs.size());
}

std::size_t Picture::Bytes() const {
    return m_colour.size() * sizeof(std::uint32_t) + m_alpha.size() + m_runs.size() * sizeof(Run) +
           m_rowRuns.size() * sizeof(std::uint32_t);
}

void Picture::Draw(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y) const {
    if (x >= targetWidth || y >= targetHeight || x + m_width <= 0 || y + m_height <= 0) return;
    const int firstRow = std::max(0, -y);
    const int lastRow = std::min(m_height, targetHeight - y);  // exclusive
    for (int row = firstRow; row < lastRow; ++row) {
        std::uint32_t* out = target + std::size_t(y + row) * std::size_t(targetWidth);
        const std::size_t rowStart = std::size_t(row) * std::size_t(m_width);
        for (std::uint32_t r = m_rowRuns[std::size_t(row)]; r < m_rowRuns[std::size_t(row) + 1]; ++r) {
            const Run& run = m_runs[r];
            int from = run.x, to = run.x + run.length;  // within the picture's row
            from = std::max(from, -x);
            to = std::min(to, targetWidth - x);
            if (from >= to) continue;
            const std::uint32_t* colour = &m_colour[rowStart + std::size_t(from)];
            std::uint32_t* dst = out + (x + from);
            if (run.opaque) {
                std::memcpy(dst, colour, std::size_t(to - from) * sizeof(std::uint32_t));
            } else {
                const std::uint8_t* alpha = &m_alpha[rowStart + std::size_t(from)];
                for (int i = 0; i < to - from; ++i) dst[i] = Blend(dst[i], colour[i], alpha[i]);
            }
        }
    }
}

std::shared_ptr<const Picture> Picture::Halved() const {
    const int w = std::max(1, m_width / 2), h = std::max(1, m_height / 2);
    std::shared_ptr<Picture> half(new Picture(w, h));
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            std::uint32_t r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < 2; ++dy) {
                for (int dx = 0; dx < 2; ++dx) {
                    const std::size_t i = std::size_t(std::min(m_height - 1, 2 * y + dy)) * std::size_t(m_width) +
                                          std::size_t(std::min(m_width - 1, 2 * x + dx));
                    r += m_colour[i] >> 16 & 0xFF;
                    g += m_colour[i] >> 8 & 0xFF;
                    b += m_colour[i] & 0xFF;
                    a += m_alpha[i];
                }
            }
            const std::size_t o = std::size_t(y) * std::size_t(w) + std::size_t(x);
            half->m_colour[o] = (r + 2) / 4 << 16 | (g + 2) / 4 << 8 | (b + 2) / 4;
            half->m_alpha[o] = std::uint8_t((a + 2) / 4);
        }
    }
    half->BuildRuns();
    return half;
}

const Picture& Picture::LevelFor(int drawWidth, int drawHeight) const {
    const Picture* level = this;
    std::size_t n = 0;
    while (level->m_width / 2 >= drawWidth && level->m_height / 2 >= drawHeight && level->m_width >= 2 &&
           level->m_height >= 2) {
        if (n == m_halvings.size()) m_halvings.push_back(level->Halved());
        level = m_halvings[n++].get();
    }
    return *level;
}

void Picture::DrawStretched(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y, int drawWidth,
                            int drawHeight) const {
    if (drawWidth == m_width && drawHeight == m_height) return Draw(target, targetWidth, targetHeight, x, y);
    if (drawWidth <= 0 || drawHeight <= 0 || m_width == 0 || m_height == 0) return;
    if (x >= targetWidth || y >= targetHeight || std::int64_t(x) + drawWidth <= 0 || std::int64_t(y) + drawHeight <= 0)
        return;
    const Picture& src = LevelFor(drawWidth, drawHeight);
    const int firstCol = std::max(0, -x);
    const int lastCol = int(std::min<std::int64_t>(drawWidth, std::int64_t(targetWidth) - x));
    const int firstRow = std::max(0, -y);
    const int lastRow = int(std::min<std::int64_t>(drawHeight, std::int64_t(targetHeight) - y));

    // Sample positions in 8-bit fixed point, at pixel centres: a left/top texel and the weight of
    // the one after it.
    struct Tap {
        std::uint32_t at;
        std::uint32_t next;
        std::uint32_t weight;  // 0..256 for `next`
    };
    auto taps = [](int first, int last, int drawn, int size) {
        std::vector<Tap> out(std::size_t(last - first));
        for (int i = first; i < last; ++i) {
            const std::int64_t pos = ((2 * std::int64_t(i) + 1) * size * 256) / (2 * std::int64_t(drawn)) - 128;
            const std::int64_t clamped = std::clamp<std::int64_t>(pos, 0, std::int64_t(size - 1) * 256);
            const std::uint32_t at = std::uint32_t(clamped >> 8);
            out[std::size_t(i - first)] = {at, std::min<std::uint32_t>(at + 1, std::uint32_t(size - 1)),
                                           std::uint32_t(clamped & 0xFF)};
        }
        return out;
    };
    const std::vector<Tap> cols = taps(firstCol, lastCol, drawWidth, src.m_width);
    const std::vector<Tap> rows = taps(firstRow, lastRow, drawHeight, src.m_height);

    for (int row = firstRow; row < lastRow; ++row) {
        const Tap& ty = rows[std::size_t(row - firstRow)];
        const bool emptyRows = src.m_rowRuns[ty.at] == src.m_rowRuns[ty.at + 1] &&
                               src.m_rowRuns[ty.next] == src.m_rowRuns[ty.next + 1];
        if (emptyRows) continue;
        const std::size_t r0 = std::size_t(ty.at) * std::size_t(src.m_width);
        const std::size_t r1 = std::size_t(ty.next) * std::size_t(src.m_width);
        const std::uint32_t wy1 = ty.weight, wy0 = 256 - wy1;
        std::uint32_t* out = target + std::size_t(y + row) * std::size_t(targetWidth) + (x + firstCol);
        for (std::size_t i = 0; i < cols.size(); ++i) {
            const Tap& tx = cols[i];
            const std::uint32_t wx1 = tx.weight, wx0 = 256 - wx1;
            const std::uint32_t w[4] = {wx0 * wy0, wx1 * wy0, wx0 * wy1, wx1 * wy1};  // sum 65536
            const std::size_t at[4] = {r0 + tx.at, r0 + tx.next, r1 + tx.at, r1 + tx.next};
            std::uint32_t a = 0;
            for (int k = 0; k < 4; ++k) a += src.m_alpha[at[k]] * w[k];
            if (a < 128) continue;  // nothing visible here
            std::uint32_t r = 0, g = 0, b = 0;
            for (int k = 0; k < 4; ++k) {
                const std::uint32_t c = src.m_colour[at[k]];
                r += (c >> 16 & 0xFF) * w[k];
                g += (c >> 8 & 0xFF) * w[k];
                b += (c & 0xFF) * w[k];
            }
            const std::uint32_t colour = (r + 32768) >> 16 << 16 | (g + 32768) >> 16 << 8 | (b + 32768) >> 16;
            const std::uint32_t alpha = (a + 32768) >> 16;
            out[i] = alpha >= 255 ? colour : Blend(out[i], colour, alpha);
        }
    }
}

}  // namespace hq
