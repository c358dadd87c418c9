#pragma once
// The desktop's MIDI player, shared by the saver and the settings dialog's test buttons.
#include <memory>
#include <string>

#include "platform/SoundControl.h"

union SDL_Event;

namespace hq {

// A FluidSynth player for Standard MIDI Files with the SoundFont $HOLLYQUILL_SOUNDFONT, else
// TimGM6mb. The SoundFont loads on a thread of its own, so creating the player never waits for
// it. Without an audio device it stays silent but still reports when a file would have ended,
// so the playlist keeps moving.
//
// With `events`, the end of a file is announced through SDL's event queue; a host running an
// SDL event loop hands such events to DeliverSoundEvent, which raises SoundNotify on its thread.
std::unique_ptr<SoundControl> MakeDesktopSound(SoundEvents* events = nullptr);

// True when `event` was a sound control's announcement (delivered or stale); false otherwise.
bool DeliverSoundEvent(const SDL_Event& event);

// The SoundFont the player uses: $HOLLYQUILL_SOUNDFONT when that names a readable file, else
// the default one.
std::string ChosenSoundFont();
constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// Whether `bytes` holds a whole Standard MIDI File: its header and every track it announces.
bool IsCompleteMidiFile(const std::string& bytes);

}  // namespace hq
