#pragma once
// A decoded picture ready to blit. Colours are premultiplied by their alpha, and each row's
// visible pixels are grouped into runs, so transparent parts cost nothing and opaque runs are
// plain copies. Built once when a picture or a text is loaded, then only read.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/DrawingControl.h"
#include "platform/engine/FontRasterizer.h"

namespace hq {

class Picture {
public:
    // Decodes a BMP file's bytes. Key mode -2 draws every pixel; any other mode leaves out what
    // the picture marks transparent: its alpha channel when it has one, else pure magenta
    // RGB(255, 0, 255). Nothing when the bytes are not a picture.
    static std::shared_ptr<const Picture> FromBmp(const std::string& bytes, int keyMode);
    // From straight (not premultiplied) 0xAARRGGBB pixels, row by row from the top.
    static std::shared_ptr<const Picture> FromArgb(int width, int height, const std::uint32_t* argb);
    // A text's coverage mask painted in `colour`.
    static std::shared_ptr<const Picture> FromMask(const TextMask& mask, Rgb colour);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // True when no pixel is transparent or partly transparent.
    bool Opaque() const { return m_opaque; }
    // Bytes held, for the text cache's bound.
    std::size_t Bytes() const;

    // Draws the picture with its top-left corner at (x, y) into a 0x00RRGGBB buffer of the given
    // size, clipped at all four edges.
    void Draw(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y) const;
    // The same, stretched to drawWidth x drawHeight: filtered from the nearest halving of the
    // picture that is at least that large, so a shrunk or grown sprite keeps smooth edges.
    void DrawStretched(std::uint32_t* target, int targetWidth, int targetHeight, int x, int y, int drawWidth,
                       int drawHeight) const;

private:
    struct Run {
        std::int32_t x;       // first pixel of the run within its row
        std::int32_t length;  // pixels
        bool opaque;          // all fully opaque: copied; otherwise blended
    };

    Picture(int width, int height);
    // The picture at half its width and height, each pixel the average of four.
    std::shared_ptr<const Picture> Halved() const;
    // This picture or its smallest halving still at least drawWidth x drawHeight.
    const Picture& LevelFor(int drawWidth, int drawHeight) const;
    // Groups each row's pixels into runs once the colours and alphas are filled in.
    void BuildRuns();

    int m_width;
    int m_height;
    bool m_opaque = true;
    std::vector<std::uint32_t> m_colour;  // premultiplied 0x00RRGGBB
    std::vector<std::uint8_t> m_alpha;
    std::vector<Run> m_runs;
    std::vector<std::uint32_t> m_rowRuns;  // row r's runs are m_runs[m_rowRuns[r] .. m_rowRuns[r + 1])
    // Halvings made the first time the picture is drawn smaller than half its size.
    mutable std::vector<std::shared_ptr<const Picture>> m_halvings;
};

}  // namespace hq
