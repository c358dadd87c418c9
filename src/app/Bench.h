#pragma once
// The benchmark: the whole scene, every snow layer and every text switched on, run on a simulated
// clock with the real sprite engine and pictures, timing the start-up and each frame's composition
// on the wall clock. The settings are the first-run values in memory, so a user's own do not count.
#include <cstddef>
#include <string>

#include "platform/engine/FontRasterizer.h"

namespace hq {

struct BenchResult {
    double startupMs = 0;  // window creation to the first frame shown, every picture loaded
    // Composition as processor time, so other programs on a busy machine do not count ...
    double composeMsMedian = 0;
    double composeMsP99 = 0;
    // ... and as wall-clock time, which they do.
    double composeWallMsMedian = 0;
    double composeWallMsP99 = 0;
    std::size_t frames = 0;
    std::size_t pictureFiles = 0;
    std::size_t missingPictures = 0;
};

BenchResult RunBench(const std::string& assetFolder, FontRasterizer& fonts, double simulatedSeconds = 60);

}  // namespace hq
