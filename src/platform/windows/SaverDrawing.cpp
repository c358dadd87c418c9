// The saver's drawing control: the software sprite engine, timed on the system tick count.
#include "platform/engine/SpriteEngine.h"
#include "platform/windows/WinModes.h"

namespace hq::win {

std::unique_ptr<DrawingControl> MakeSaverDrawing(FramePresenter& presenter, FontRasterizer& fonts,
                                                 SystemServices& system) {
    return std::make_unique<SpriteEngine>(fonts, presenter, [&system] { return system.GetTickCount(); });
}

}  // namespace hq::win
