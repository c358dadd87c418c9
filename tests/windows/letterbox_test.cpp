// Where the 800 x 600 scene lands on screens of other shapes, and what is painted black.
#include <gtest/gtest.h>

#include "platform/windows/Letterbox.h"

namespace hq::win {
namespace {

long Area(const std::vector<PixelRect>& rects) {
    long sum = 0;
    for (const auto& r : rects) sum += long(r.width) * r.height;
    return sum;
}

TEST(Letterbox, AScreenOfTheSameShapeIsFilled) {
    EXPECT_EQ(FitPicture(800, 600, {0, 0, 800, 600}), (PixelRect{0, 0, 800, 600}));
    EXPECT_EQ(FitPicture(800, 600, {0, 0, 1600, 1200}), (PixelRect{0, 0, 1600, 1200}));
    EXPECT_TRUE(BlackBands({0, 0, 1600, 1200}, {0, 0, 1600, 1200}).empty());
}

TEST(Letterbox, AWideScreenGetsBandsLeftAndRight) {
    const PixelRect picture = FitPicture(800, 600, {0, 0, 1920, 1080});
    EXPECT_EQ(picture, (PixelRect{240, 0, 1440, 1080}));
    const auto bands = BlackBands({0, 0, 1920, 1080}, picture);
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0], (PixelRect{0, 0, 240, 1080}));
    EXPECT_EQ(bands[1], (PixelRect{1680, 0, 240, 1080}));
}

TEST(Letterbox, ATallScreenGetsBandsAboveAndBelow) {
    const PixelRect picture = FitPicture(800, 600, {0, 0, 1280, 1024});
    EXPECT_EQ(picture, (PixelRect{0, 32, 1280, 960}));
    EXPECT_EQ(BlackBands({0, 0, 1280, 1024}, picture).size(), 2u);
}

TEST(Letterbox, ThePictureStaysOnThePrimaryMonitorOfAWiderDesktop) {
    // Two monitors side by side, the primary one on the right of the window's client area.
    const PixelRect window{0, 0, 1280 + 1920, 1080};
    const PixelRect picture = FitPicture(800, 600, {1280, 0, 1920, 1080});
    EXPECT_EQ(picture, (PixelRect{1280 + 240, 0, 1440, 1080}));
    const auto bands = BlackBands(window, picture);
    // Everything but the picture is black, and nothing is painted twice.
    EXPECT_EQ(Area(bands) + long(picture.width) * picture.height, long(window.width) * window.height);
    for (std::size_t i = 0; i < bands.size(); ++i)
        for (std::size_t j = i + 1; j < bands.size(); ++j) {
            const bool apart = bands[i].right() <= bands[j].left || bands[j].right() <= bands[i].left ||
                               bands[i].bottom() <= bands[j].top || bands[j].bottom() <= bands[i].top;
            EXPECT_TRUE(apart) << i << " overlaps " << j;
        }
}

TEST(Letterbox, OddSizesRoundDownAndStayInside) {
    const PixelRect area{0, 0, 1366, 768};
    const PixelRect picture = FitPicture(800, 600, area);
    EXPECT_EQ(picture.height, 768);
    EXPECT_EQ(picture.width, 1024);
    EXPECT_GE(picture.left, 0);
    EXPECT_LE(picture.right(), area.right());
}

TEST(Letterbox, NothingToShowGivesAnEmptyPictureAndAllBlack) {
    EXPECT_TRUE(FitPicture(800, 600, {0, 0, 0, 0}).empty());
    EXPECT_TRUE(FitPicture(0, 600, {0, 0, 100, 100}).empty());
    const auto bands = BlackBands({0, 0, 100, 50}, {});
    EXPECT_EQ(Area(bands), 100L * 50);
}

}  // namespace
}  // namespace hq::win
