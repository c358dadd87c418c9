#include "platform/windows/MidiOutSound.h"

#include <mmsystem.h>

#include <chrono>

#include "platform/windows/WinSystem.h"

namespace hq::win {

namespace {
// Carols are a few hundred kilobytes at most; anything far larger is not one.
constexpr std::size_t kLargestMidiFile = 8u << 20;
constexpr int kChannels = 16;
constexpr std::uint32_t kAllSoundOff = 120;
constexpr std::uint32_t kResetControllers = 121;
constexpr std::uint32_t kAllNotesOff = 123;
}  // namespace

bool MidiOutSound::HasMidiOutput() { return midiOutGetNumDevs() > 0; }

void MidiOutSound::PlayFile(const std::string& path, int, int) {
    StopPlayback();
    // Without a device there is nothing to play to; checked first so a playlist that polls with
    // no device never reads its files.
    if (!HasMidiOutput()) return;
    const auto bytes = ReadFileBytes(path, kLargestMidiFile);
    if (!bytes) return;
    auto sequence = ReadSmf(*bytes);
    if (!sequence || sequence->messages.empty()) return;
    if (midiOutOpen(&m_out, MIDI_MAPPER, 0, 0, CALLBACK_NULL) != MMSYSERR_NOERROR) {
        m_out = nullptr;
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    m_playing = true;
    m_thread = std::thread([this, s = std::move(*sequence)]() mutable { Play(std::move(s)); });
}

void MidiOutSound::Play(SmfSequence sequence) {
    using Clock = std::chrono::steady_clock;
    timeBeginPeriod(1);
    const auto start = Clock::now();
    auto due = [&](double ms) {
        return start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(ms));
    };
    bool stopped = false;
    for (const TimedMidiMessage& message : sequence.messages) {
        std::unique_lock lock(m_mutex);
        if (m_wake.wait_until(lock, due(message.atMs), [this] { return m_stop; })) {
            stopped = true;
            break;
        }
        lock.unlock();
        midiOutShortMsg(m_out, message.packed);
    }
    if (!stopped) {
        // The file's last events (end of track) may lie after its last note.
        std::unique_lock lock(m_mutex);
        stopped = m_wake.wait_until(lock, due(sequence.lengthMs), [this] { return m_stop; });
    }
    timeEndPeriod(1);
    Silence();
    m_playing = false;
    if (!stopped && m_onEnd) m_onEnd();
}

void MidiOutSound::Silence() {
    for (int channel = 0; channel < kChannels; ++channel) {
        const std::uint32_t cc = 0xB0u | std::uint32_t(channel);
        midiOutShortMsg(m_out, cc | kAllNotesOff << 8);
        midiOutShortMsg(m_out, cc | kAllSoundOff << 8);
        midiOutShortMsg(m_out, cc | kResetControllers << 8);
    }
}

void MidiOutSound::StopPlayback() {
    if (m_thread.joinable()) {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    m_playing = false;
    if (m_out) {
        midiOutReset(m_out);
        midiOutClose(m_out);
        m_out = nullptr;
    }
}

}  // namespace hq::win
