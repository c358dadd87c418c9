#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/engine/SpriteEngine.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;

// Writes an uncompressed bottom-up BMP: 24-bit, or 32-bit with the alpha in the fourth byte.
// Pixels are 0xAARRGGBB, row by row from the top.
void WriteBmp(const fs::path& path, int w, int h, const std::vector<std::uint32_t>& argb, int bits) {
    const int bytes = bits / 8, rowBytes = (w * bytes + 3) & ~3;
    std::string file(std::size_t(54 + rowBytes * h), '\0');
    for (auto [at, v] : {std::pair{2, int(file.size())}, {10, 54}, {14, 40}, {18, w}, {22, h}, {26, 1}, {28, bits}})
        for (int i = 0; i < 4; ++i) file[std::size_t(at + i)] = char(unsigned(v) >> (8 * i));
    file[0] = 'B', file[1] = 'M';
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w * bytes; ++x)
            file[std::size_t(54 + (h - 1 - y) * rowBytes + x)] = char(argb[std::size_t(y * w + x / bytes)] >> (8 * (x % bytes)));
    std::ofstream(path, std::ios::binary).write(file.data(), std::streamsize(file.size()));
}

// Renders every character as a solid 4 x size block and counts its calls.
struct BlockFonts : FontRasterizer {
    TextMask Render(const std::string& face, int size, bool bold, const std::string& text) override {
        ++Calls;
        Last = face + "/" + std::to_string(size) + (bold ? "/bold" : "/regular");
        // Each character a solid 4-pixel-wide block; a blank leaves its block empty.
        TextMask mask{int(text.size()) * 4, size, std::vector<std::uint8_t>(text.size() * 4 * std::size_t(size), 255)};
        for (std::size_t i = 0; i < mask.coverage.size(); ++i)
            if (text[i % std::size_t(mask.width) / 4] == ' ') mask.coverage[i] = 0;
        return mask;
    }
    int Calls = 0;
    std::string Last;
};

struct CountingPresenter : FramePresenter {
    bool Open(int, int) override { return true; }
    void Present(const std::uint32_t*, int, int) override { ++Presented; }
    void Close() override {}
    int Presented = 0;
};

const std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kWhite = 0xFFFFFFFF;

// An 8 x 6 display and pictures the test writes itself.
struct EngineRig : ::testing::Test {
    EngineRig() : engine(fonts, presenter, [this] { return tick; }) {
        folder = fs::temp_directory_path() / ("hq_engine_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        engine.OpenDisplay(8, 6, 16, "");
    }
    ~EngineRig() override { fs::remove_all(folder); }

    std::string Picture(const std::string& name, int w, int h, const std::vector<std::uint32_t>& argb, int bits = 24) {
        WriteBmp(folder / name, w, h, argb, bits);
        return (folder / name).string();
    }
    int Sprite(const std::string& path, int keyMode, int x, int y) {
        const int s = engine.CreateSprite();
        engine.LoadSpriteFrame(s, 1, path, keyMode);
        engine.SetSpriteX(s, x);
        engine.SetSpriteY(s, y);
        return s;
    }
    // Clears to `clear`, draws the sprites in order and shows the frame.
    void Frame(Rgb clear, std::initializer_list<int> sprites) {
        engine.ClearScreen(clear);
        for (int s : sprites) engine.DrawSprite(s);
        engine.ShowFrame();
    }
    std::uint32_t At(int x, int y) const { return engine.Pixels()[y * engine.Width() + x]; }
    // The screen as text, one character per pixel: '.' black, r g b w the pure colours.
    std::string Screen() const {
        const std::map<std::uint32_t, char> names{{0, '.'}, {0xFF0000, 'r'}, {0x00FF00, 'g'}, {0x0000FF, 'b'}, {0xFFFFFF, 'w'}};
        std::string out;
        for (int y = 0; y < engine.Height(); ++y, out += '\n')
            for (int x = 0; x < engine.Width(); ++x) out += names.count(At(x, y)) ? names.at(At(x, y)) : '?';
        return out;
    }

    BlockFonts fonts;
    CountingPresenter presenter;
    std::uint32_t tick = 5000;
    SpriteEngine engine;
    fs::path folder;
};

TEST_F(EngineRig, KeyedPicturesLeaveOutMagentaOrBlendByAlphaAndOpaqueOnesDrawEveryPixel) {
    const auto keyed = Picture("keyed.bmp", 2, 1, {kRed, 0xFFFF00FF});
    const auto alpha = Picture("alpha.bmp", 3, 1, {0x00FFFFFF, 0x80FFFFFF, 0xFFFFFFFF}, 32);
    Frame(0, {Sprite(keyed, kKeyTransparent, 0, 0), Sprite(keyed, kKeyOpaque, 0, 1),
              Sprite(alpha, kKeyTransparent, 0, 2), Sprite(alpha, kKeyOpaque, 0, 3)});
    EXPECT_EQ(At(0, 0), 0xFF0000u);
    EXPECT_EQ(At(1, 0), 0u) << "the magenta pixel is not drawn";
    EXPECT_EQ(At(1, 1), 0xFF00FFu) << "opaque draws every pixel";
    EXPECT_EQ(At(0, 2), 0u);
    EXPECT_NEAR(double(At(1, 2) >> 16), 128, 2);
    EXPECT_EQ(At(1, 2) >> 16 & 0xFF, At(1, 2) & 0xFF) << "every channel blended alike";
    EXPECT_EQ(At(2, 2), 0xFFFFFFu);
    EXPECT_EQ(At(0, 3), 0xFFFFFFu) << "opaque ignores the alpha";
}

TEST_F(EngineRig, APictureIsClippedAtAllFourEdges) {
    // Red corners, green edges, a blue centre.
    const int s = Sprite(Picture("tile.bmp", 3, 3, {kRed, kGreen, kRed, kGreen, kBlue, kGreen, kRed, kGreen, kRed}),
                         kKeyTransparent, 0, 0);
    auto at = [&](int x, int y) {
        engine.SetSpriteX(s, x);
        engine.SetSpriteY(s, y);
        Frame(0, {s});
        return Screen();
    };
    const std::string empty = "........\n........\n........\n........\n........\n........\n";
    EXPECT_EQ(at(-1, -1), "bg......\ngr......\n........\n........\n........\n........\n");
    EXPECT_EQ(at(6, 4), "........\n........\n........\n........\n......rg\n......gb\n");
    EXPECT_EQ(at(-2, 4), "........\n........\n........\n........\nr.......\ng.......\n");
    EXPECT_EQ(at(7, -2), ".......r\n........\n........\n........\n........\n........\n");
    EXPECT_EQ(at(-3, 0), empty);
    EXPECT_EQ(at(8, 6), empty);
    EXPECT_EQ(at(-100000, 100000), empty);
}

TEST_F(EngineRig, StretchingScalesThePictureToTheSizeSetAndShrinkingAverages) {
    const int s = Sprite(Picture("quad.bmp", 2, 2, {kRed, kGreen, kBlue, kWhite}), kKeyTransparent, 1, 1);
    EXPECT_EQ(engine.GetSpriteWidth(s), 2) << "its own size until one is set";
    engine.SetSpriteWidth(s, 4);
    engine.SetSpriteHeight(s, 4);
    EXPECT_EQ(engine.GetSpriteHeight(s), 4);
    Frame(0, {s});
    // Filtered: the corners keep their colours, the pixels between them blend, nothing spills.
    EXPECT_EQ(Screen(), "........\n.r??g...\n.????...\n.????...\n.b??w...\n........\n");

    const int blue = Sprite(Picture("blue.bmp", 2, 2, {kBlue, kBlue, kBlue, kBlue}), kKeyTransparent, 5, 1);
    engine.SetSpriteWidth(blue, 6);  // stretched across the right edge
    engine.SetSpriteHeight(blue, 1);
    Frame(0, {blue});
    EXPECT_EQ(Screen(), "........\n.....bbb\n........\n........\n........\n........\n");

    // A fine red and white checkerboard shrunk eight times reads as one even pink, not as
    // whichever pixels a sampler happened to hit.
    std::vector<std::uint32_t> checks(16 * 16);
    for (int i = 0; i < 256; ++i) checks[std::size_t(i)] = ((i / 16 + i % 16) % 2) ? kRed : kWhite;
    const int board = Sprite(Picture("board.bmp", 16, 16, checks), kKeyOpaque, 0, 0);
    engine.SetSpriteWidth(board, 2);
    engine.SetSpriteHeight(board, 2);
    Frame(0, {board});
    const std::uint32_t pink = At(0, 0);
    EXPECT_EQ(pink >> 16 & 0xFF, 255u);
    EXPECT_NEAR(double(pink >> 8 & 0xFF), 127.5, 2.0);
    EXPECT_EQ(At(1, 1), pink);
}

TEST_F(EngineRig, AFrameThatCannotBeLoadedKeepsItsPlaceAndDrawsNothing) {
    const auto red = Picture("red.bmp", 1, 1, {kRed});
    std::ofstream(folder / "junk.bmp") << "not a picture";
    const int s = engine.CreateSprite();
    int frame = 1;
    for (const auto& file : {red, (folder / "missing.bmp").string(), (folder / "junk.bmp").string(), red})
        engine.LoadSpriteFrame(s, frame++, file, kKeyTransparent);
    std::string drawn;  // frame number, then r when it drew red
    for (int i = 0; i < 5; ++i) {
        drawn += std::to_string(engine.GetSpriteFrame(s));
        Frame(0, {s});
        drawn += At(0, 0) == 0xFF0000 ? "r " : "- ";
        engine.NextSpriteFrame(s);
    }
    EXPECT_EQ(drawn, "1r 2- 3- 4r 1r ");
    EXPECT_EQ(engine.PictureFiles(), 3u) << "the red picture is read once for both frames";
    EXPECT_EQ(engine.MissingPictures(), 2u);
    engine.SetSpriteFrame(s, 9);  // beyond the last frame: nothing drawn, nothing broken
    Frame(0, {s, 99});
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

TEST_F(EngineRig, AClearOwedUnderAWholeWidthBackdropStillFillsTheRowsItLeavesOpen) {
    const int backdrop = Sprite(Picture("wide.bmp", 8, 2, std::vector<std::uint32_t>(16, kBlue)), kKeyOpaque, 0, 2);
    const int narrow = Sprite(Picture("narrow.bmp", 7, 1, std::vector<std::uint32_t>(7, kGreen)), kKeyOpaque, 0, 5);
    Frame(0xFF0000, {backdrop, narrow});
    EXPECT_EQ(Screen(), "rrrrrrrr\nrrrrrrrr\nbbbbbbbb\nbbbbbbbb\nrrrrrrrr\ngggggggr\n");
    EXPECT_EQ(presenter.Presented, 1);
}

TEST_F(EngineRig, AnUnchangedTextIsRasterizedOnceAndTheCacheStaysBounded) {
    engine.SetFont("Arial", 3, 30, false, false, false);
    engine.ClearScreen(0);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    engine.ShowFrame();
    EXPECT_EQ(fonts.Calls, 1);
    EXPECT_EQ(fonts.Last, "Arial/3/bold");
    EXPECT_EQ(Screen(), "........\n.wwwwwww\n.wwwwwww\n.wwwwwww\n........\n........\n");
    engine.SetFont("Arial", 3, 1, false, false, false);
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    EXPECT_EQ(fonts.Calls, 2) << "another style is another text";
    for (int i = 0; i < int(SpriteEngine::kTextCacheEntries) + 5; ++i) engine.DrawText(std::to_string(i), 0, 0, 0xFFFFFF);
    const int before = fonts.Calls;
    engine.DrawText("ab", 1, 1, 0xFFFFFF);
    EXPECT_EQ(fonts.Calls, before + 1) << "the oldest texts made room";
}

TEST_F(EngineRig, ATextALittlePastTheRightEdgeIsNarrowedToEndThere) {
    engine.SetFont("Arial", 1, 1, false, false, false);
    engine.ClearScreen(0);
    engine.DrawText("a ", 1, 0, 0xFFFFFF);  // 8 pixels wide with 7 of room: narrowed
    engine.DrawText("a ", 3, 2, 0xFFFFFF);  // 5 of room is too little: clipped
    engine.DrawText("a ", 0, 4, 0xFFFFFF);  // fits: drawn as it is
    engine.ShowFrame();
    EXPECT_EQ(Screen(), ".www?...\n........\n...wwww.\n........\nwwww....\n........\n");
}

}  // namespace
}  // namespace hq::test
