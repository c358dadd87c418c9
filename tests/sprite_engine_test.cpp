#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include <unistd.h>

#include "platform/engine/SpriteEngine.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;

constexpr std::uint32_t kMagenta = 0xFF00FF;

// Writes an uncompressed bottom-up BMP: 24-bit, or 32-bit with the alpha in the fourth byte.
// Pixels are 0xAARRGGBB, row by row from the top.
void WriteBmp(const fs::path& path, int w, int h, const std::vector<std::uint32_t>& argb, int bits) {
    const int rowBytes = (w * bits / 8 + 3) & ~3;
    const std::uint32_t dataSize = std::uint32_t(rowBytes * h), offset = 14 + 40;
    std::string file(offset + dataSize, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) file[at + std::size_t(i)] = char(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, offset + dataSize);
    put32(10, offset);
    put32(14, 40);
    put32(18, std::uint32_t(w));
    put32(22, std::uint32_t(h));
    file[26] = 1;
    file[28] = char(bits);
    put32(34, dataSize);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = argb[std::size_t(y * w + x)];
            const std::size_t at = offset + std::size_t((h - 1 - y) * rowBytes + x * bits / 8);
            file[at] = char(p);
            file[at + 1] = char(p >> 8);
            file[at + 2] = char(p >> 16);
            if (bits == 32) file[at + 3] = char(p >> 24);
        }
    std::ofstream(path, std::ios::binary).write(file.data(), std::streamsize(file.size()));
}

// Renders every character as a solid 4 x size block and counts its calls.
class BlockFonts : public FontRasterizer {
public:
    TextMask Render(const std::string& face, int size, bool bold, const std::string& text) override {
        ++Calls;
        Last = face + "/" + std::to_string(size) + (bold ? "/bold" : "/regular");
        TextMask mask{int(text.size()) * 4, size, {}};
        mask.coverage.assign(std::size_t(mask.width * mask.height), 255);
        return mask;
    }
    int Calls = 0;
    std::string Last;
};

class CountingPresenter : public FramePresenter {
public:
    bool Open(int, int) override { return !Refuse; }
    void Present(const std::uint32_t* pixels, int, int) override {
        ++Presented;
        First = pixels[0];
    }
    void Close() override { ++Closed; }
    bool Refuse = false;
    int Presented = 0, Closed = 0;
    std::uint32_t First = 0;
};

struct EngineRig : ::testing::Test {
    EngineRig() : engine(fonts, presenter, [this] { return tick; }) {
        folder = fs::temp_directory_path() / ("hq_engine_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        engine.OpenDisplay(8, 6, 16, "");
    }
    ~EngineRig() override { fs::remove_all(folder); }

    std::string Picture(const std::string& name, int w, int h, const std::vector<std::uint32_t>& argb, int bits = 24) {
        const fs::path path = folder / name;
        WriteBmp(path, w, h, argb, bits);
        return path.string();
    }
    int Sprite(const std::string& path, int keyMode, int x, int y) {
        const int s = engine.CreateSprite();
        engine.LoadSpriteFrame(s, 1, path, keyMode);
        engine.SetSpriteX(s, x);
        engine.SetSpriteY(s, y);
        return s;
    }
    std::uint32_t At(int x, int y) const { return engine.Pixels()[y * engine.Width() + x]; }
    // The screen as text, one character per pixel: '.' for the clear colour, else the legend's.
    std::string Screen(const std::map<std::uint32_t, char>& legend) const {
        std::string out;
        for (int y = 0; y < engine.Height(); ++y) {
            for (int x = 0; x < engine.Width(); ++x) {
                auto it = legend.find(At(x, y));
                out += it == legend.end() ? '?' : it->second;
            }
            out += '\n';
        }
        return out;
    }

    BlockFonts fonts;
    CountingPresenter presenter;
    std::uint32_t tick = 5000;
    SpriteEngine engine;
    fs::path folder;
};

const std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

TEST_F(EngineRig, A24BitPictureLeavesOutPureMagentaUnlessDrawnOpaque) {
    const auto path = Picture("keyed.bmp", 2, 1, {kRed, 0xFF000000 | kMagenta});
    const int keyed = Sprite(path, kKeyTransparent, 0, 0);
    const int opaque = Sprite(path, kKeyOpaque, 0, 1);
    engine.ClearScreen(0x0000FF);
    engine.DrawSprite(keyed);
    engine.DrawSprite(opaque);
    engine.ShowFrame();
    EXPECT_EQ(At(0, 0), 0xFF0000u);
    EXPECT_EQ(At(1, 0), 0x0000FFu) << "the magenta pixel is not drawn";
    EXPECT_EQ(At(1, 1), kMagenta) << "key mode -2 draws every pixel";
}

TEST_F(EngineRig, A32BitPictureIsBlendedByItsAlphaUnlessDrawnOpaque) {
    const auto path = Picture("alpha.bmp", 3, 1, {0x00FFFFFF, 0x80FFFFFF, 0xFFFFFFFF}, 32);
    const int blended = Sprite(path, kKeyTransparent, 0, 0);
    const int opaque = Sprite(path, kKeyOpaque, 0, 1);
    engine.ClearScreen(0);
    engine.DrawSprite(blended);
    engine.DrawSprite(opaque);
    engine.ShowFrame();
    EXPECT_EQ(At(0, 0), 0u);
    const std::uint32_t half = At(1, 0);
    EXPECT_NEAR(double(half >> 16), 128, 2);
    EXPECT_EQ(half >> 16 & 0xFF, half & 0xFF) << "every channel blended alike";
    EXPECT_EQ(At(2, 0), 0xFFFFFFu);
    EXPECT_EQ(At(0, 1), 0xFFFFFFu) << "opaque ignores the alpha";
}

TEST_F(EngineRig, APictureIsClippedAtAllFourEdges) {
    // A 3 x 3 picture: red corners, green edges, blue centre.
    const auto path = Picture("tile.bmp", 3, 3, {kRed, kGreen, kRed, kGreen, kBlue, kGreen, kRed, kGreen, kRed});
    const int s = Sprite(path, kKeyTransparent, -1, -1);
    auto frameAt = [&](int x, int y) {
        engine.SetSpriteX(s, x);
        engine.SetSpriteY(s, y);
        engine.ClearScreen(0);
        engine.DrawSprite(s);
        engine.ShowFrame();
        return Screen({{0, '.'}, {0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}});
    };
    EXPECT_EQ(frameAt(-1, -1), "bg......\ngr......\n........\n........\n........\n........\n");
    EXPECT_EQ(frameAt(6, 4), "........\n........\n........\n........\n......rg\n......gb\n");
    EXPECT_EQ(frameAt(-2, 4), "........\n........\n........\n........\nr.......\ng.......\n");
    EXPECT_EQ(frameAt(7, -2), ".......r\n........\n........\n........\n........\n........\n");
    EXPECT_EQ(frameAt(-3, 0), "........\n........\n........\n........\n........\n........\n");
    EXPECT_EQ(frameAt(8, 6), "........\n........\n........\n........\n........\n........\n");
    EXPECT_EQ(frameAt(-100000, 100000), "........\n........\n........\n........\n........\n........\n");
}

TEST_F(EngineRig, StretchingScalesThePictureToTheSizeSet) {
    const auto path = Picture("quad.bmp", 2, 2, {kRed, kGreen, kBlue, kWhite});
    const int s = Sprite(path, kKeyTransparent, 1, 1);
    EXPECT_EQ(engine.GetSpriteWidth(s), 2) << "its own size until one is set";
    engine.SetSpriteWidth(s, 4);
    engine.SetSpriteHeight(s, 4);
    EXPECT_EQ(engine.GetSpriteWidth(s), 4);
    engine.ClearScreen(0);
    engine.DrawSprite(s);
    engine.ShowFrame();
    EXPECT_EQ(Screen({{0, '.'}, {0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}, {0xFFFFFF, 'w'}}),
              "........\n.rrgg...\n.rrgg...\n.bbww...\n.bbww...\n........\n");
    engine.SetSpriteX(s, 6);  // stretched and clipped at the right edge
    engine.SetSpriteWidth(s, 1);
    engine.SetSpriteHeight(s, 1);
    engine.ClearScreen(0);
    engine.DrawSprite(s);
    engine.ShowFrame();
    EXPECT_EQ(Screen({{0, '.'}, {0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}, {0xFFFFFF, 'w'}}),
              "........\n......w.\n........\n........\n........\n........\n");
}

TEST_F(EngineRig, AFrameThatCannotBeLoadedKeepsItsPlaceAndDrawsNothing) {
    const auto red = Picture("red.bmp", 1, 1, {kRed});
    const int s = engine.CreateSprite();
    engine.LoadSpriteFrame(s, 1, red, kKeyTransparent);
    engine.LoadSpriteFrame(s, 2, (folder / "missing.bmp").string(), kKeyTransparent);
    std::ofstream(folder / "junk.bmp") << "not a picture";
    engine.LoadSpriteFrame(s, 3, (folder / "junk.bmp").string(), kKeyTransparent);
    engine.LoadSpriteFrame(s, 4, red, kKeyTransparent);
    std::vector<int> frames;
    for (int i = 0; i < 5; ++i) {
        frames.push_back(engine.GetSpriteFrame(s));
        engine.ClearScreen(0);
        engine.DrawSprite(s);
        engine.ShowFrame();
        EXPECT_EQ(At(0, 0), frames.back() == 1 || frames.back() == 4 ? 0xFF0000u : 0u) << "frame " << frames.back();
        engine.NextSpriteFrame(s);
    }
    EXPECT_EQ(frames, (std::vector<int>{1, 2, 3, 4, 1}));
    EXPECT_EQ(engine.PictureFiles(), 3u) << "the red picture is read once for both frames";
    EXPECT_EQ(engine.MissingPictures(), 2u);
    engine.SetSpriteFrame(s, 9);  // beyond the last frame: nothing drawn, nothing broken
    engine.DrawSprite(s);
    EXPECT_EQ(engine.GetSpriteWidth(s), 0);
}

TEST_F(EngineRig, FrameDelaysRunOnTheTickCountAcrossItsWrap) {
    const int s = engine.CreateSprite();
    tick = 0xFFFFFF00u;
    engine.SetFrameDelay(s, 200);
    tick += 199;
    EXPECT_FALSE(engine.FrameDelayElapsed(s));
    tick += 1;  // wrapped past zero
    EXPECT_TRUE(engine.FrameDelayElapsed(s));
    engine.NextSpriteFrame(s);
    EXPECT_FALSE(engine.FrameDelayElapsed(s)) << "a frame step restarts the delay";
}

TEST_F(EngineRig, MovingBySignedAmountsFollowsTheScreensAxes) {
    const int s = engine.CreateSprite();
    engine.SetSpriteX(s, 10);
    engine.SetSpriteY(s, 10);
    engine.MoveSpriteX(s, -3);
    engine.MoveSpriteY(s, -5);  // a negative amount moves down
    EXPECT_EQ(engine.GetSpriteX(s), 7);
    EXPECT_EQ(engine.GetSpriteY(s), 15);
    EXPECT_EQ(engine.GetSpriteX(99), 0) << "an unknown sprite number is harmless";
    engine.DrawSprite(99);
}

TEST_F(EngineRig, AClearOwedUnderAWholeWidthBackdropStillFillsTheRowsItLeavesOpen) {
    std::vector<std::uint32_t> wide(8 * 2, kBlue);
    const int backdrop = Sprite(Picture("wide.bmp", 8, 2, wide), kKeyOpaque, 0, 2);
    const int narrow = Sprite(Picture("narrow.bmp", 7, 1, std::vector<std::uint32_t>(7, kGreen)), kKeyOpaque, 0, 5);
    engine.ClearScreen(0xFF0000);
    engine.DrawSprite(backdrop);
    engine.DrawSprite(narrow);
    engine.ShowFrame();
    EXPECT_EQ(Screen({{0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}}),
              "rrrrrrrr\nrrrrrrrr\nbbbbbbbb\nbbbbbbbb\nrrrrrrrr\ngggggggr\n");
    EXPECT_EQ(presenter.Presented, 1);
    EXPECT_EQ(presenter.First, 0xFF0000u);
}

TEST_F(EngineRig, AnUnchangedTextIsRasterizedOnceAndTheCacheStaysBounded) {
    engine.SetFont("Arial", 3, 30, false, false, false);
    engine.ClearScreen(0);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    engine.ShowFrame();
    EXPECT_EQ(fonts.Calls, 1);
    EXPECT_EQ(fonts.Last, "Arial/3/bold");
    EXPECT_EQ(At(1, 1), 0xFFFFFFu);
    EXPECT_EQ(At(7, 3), 0xFFFFFFu);
    EXPECT_EQ(At(7, 4), 0u);
    engine.SetFont("Arial", 3, 1, false, false, false);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    EXPECT_EQ(fonts.Calls, 2) << "another style is another text";
    for (int i = 0; i < int(SpriteEngine::kTextCacheEntries) + 5; ++i)
        engine.DrawText(std::to_string(i), 0, 0, 0xFFFFFF);
    const int before = fonts.Calls;
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    EXPECT_EQ(fonts.Calls, before + 1) << "the oldest texts made room";
}

TEST(Engine, ADisplayThePresenterCannotShowIsReportedAsNotOpen) {
    BlockFonts fonts;
    CountingPresenter presenter;
    presenter.Refuse = true;
    SpriteEngine engine(fonts, presenter, [] { return 0u; });
    EXPECT_FALSE(engine.OpenDisplay(800, 600, 16, ""));
    engine.ClearScreen(0);
    engine.ShowFrame();
    EXPECT_EQ(presenter.Presented, 0);
}

}  // namespace
}  // namespace hq::test
