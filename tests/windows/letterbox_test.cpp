// Where the 800 x 600 scene lands on screens of other shapes, and what is painted black.
#include <gtest/gtest.h>

#include "platform/windows/Letterbox.h"

namespace hq::win {
namespace {

TEST(Letterbox, ThePictureKeepsItsShapeOnThePrimaryMonitorAndBandsCoverTheRestOnce) {
    struct Case {
        PixelRect window, monitor, picture;
        std::size_t bands;
    };
    for (const Case& c : {Case{{0, 0, 1600, 1200}, {0, 0, 1600, 1200}, {0, 0, 1600, 1200}, 0},
                          Case{{0, 0, 1920, 1080}, {0, 0, 1920, 1080}, {240, 0, 1440, 1080}, 2},
                          Case{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 32, 1280, 960}, 2},
                          Case{{0, 0, 1366, 768}, {0, 0, 1366, 768}, {171, 0, 1024, 768}, 2},
                          // Two monitors side by side, the primary one on the right.
                          Case{{0, 0, 1280 + 1920, 1080}, {1280, 0, 1920, 1080}, {1280 + 240, 0, 1440, 1080}, 2},
                          Case{{0, 0, 100, 50}, {0, 0, 0, 0}, {}, 1}}) {
        const PixelRect picture = FitPicture(800, 600, c.monitor);
        EXPECT_EQ(picture, c.picture) << c.window.width;
        const auto bands = BlackBands(c.window, picture);
        long area = long(picture.width) * picture.height;
        for (const auto& b : bands) area += long(b.width) * b.height;
        EXPECT_EQ(area, long(c.window.width) * c.window.height) << "everything but the picture is black";
        for (std::size_t i = 0; i < bands.size(); ++i)
            for (std::size_t j = i + 1; j < bands.size(); ++j)
                EXPECT_TRUE(bands[i].right() <= bands[j].left || bands[j].right() <= bands[i].left ||
                            bands[i].bottom() <= bands[j].top || bands[j].bottom() <= bands[i].top)
                    << "nothing is painted twice";
        EXPECT_EQ(bands.size(), c.bands) << c.window.width;
    }
    EXPECT_TRUE(FitPicture(0, 600, {0, 0, 100, 100}).empty());
}

}  // namespace
}  // namespace hq::win
