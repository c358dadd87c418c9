#pragma once
// The sound control on winmm: a Standard MIDI File read into memory and played to the default
// MIDI output by a thread of its own. Nothing plays (and IsPlaying is false) when the file is
// missing or not a MIDI file, or when the system has no MIDI output at all. When a file plays to
// its end, `onEnd` runs on the player thread; the saver posts a message from it.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "platform/SoundControl.h"
#include "platform/windows/SmfSequence.h"
#include "platform/windows/Win32.h"

namespace hq::win {

class MidiOutSound : public SoundControl {
public:
    explicit MidiOutSound(std::function<void()> onEnd = {}) : m_onEnd(std::move(onEnd)) {}
    ~MidiOutSound() override { StopPlayback(); }
    MidiOutSound(const MidiOutSound&) = delete;
    MidiOutSound& operator=(const MidiOutSound&) = delete;

    void PlayFile(const std::string& path, int option1, int option2) override;
    void StopPlayback() override;
    bool IsPlaying() override { return m_playing; }

    static bool HasMidiOutput();

private:
    void Play(SmfSequence sequence);
    void Silence();

    std::function<void()> m_onEnd;
    std::atomic<bool> m_playing{false};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;  // guarded by m_mutex
    std::thread m_thread;
    HMIDIOUT m_out = nullptr;
};

}  // namespace hq::win
