#pragma once
// The MIDI playback control: one file at a time.
#include <string>

namespace hq {

class SoundControl {
public:
    virtual ~SoundControl() = default;
    // Starts the file from its beginning and returns at once. The two options are always 0 and -1.
    virtual void PlayFile(const std::string& path, int option1, int option2) = 0;
    // Ends any playback at once; harmless when nothing plays.
    virtual void StopPlayback() = 0;
    // False once the file's last event has passed, after a stop, and for a file that cannot play.
    virtual bool IsPlaying() = 0;
};

// Raised by a sound control when a file has played to its end.
class SoundEvents {
public:
    virtual ~SoundEvents() = default;
    virtual void SoundNotify() = 0;
};

}  // namespace hq
