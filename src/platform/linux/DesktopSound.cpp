// Placeholder until the FluidSynth player lands: plays nothing.
#include "platform/linux/DesktopSound.h"

namespace hq {

namespace {
class SilentSound : public SoundControl {
public:
    void PlayFile(const std::string&, int, int) override {}
    void StopPlayback() override {}
    bool IsPlaying() override { return false; }
};
}  // namespace

std::unique_ptr<SoundControl> MakeDesktopSound(SoundEvents*) { return std::make_unique<SilentSound>(); }

}  // namespace hq
