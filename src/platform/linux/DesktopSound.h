#pragma once
// The desktop's MIDI player, shared by the saver and the settings dialog's test buttons.
#include <memory>

#include "platform/SoundControl.h"

namespace hq {

// A player for Standard MIDI Files. Without an audio device it stays silent but still reports
// when a file would have ended, so the playlist keeps moving.
std::unique_ptr<SoundControl> MakeDesktopSound(SoundEvents* events = nullptr);

}  // namespace hq
