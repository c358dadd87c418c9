// Carols through the real FluidSynth path: SDL's disk audio driver writes what the player
// renders to a file, so the test hears what a user would.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <iterator>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "platform/linux/DesktopSound.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRate = 44100;

// A Standard MIDI File with one track of the given events (delta times included).
std::string MidiFile(const std::vector<unsigned char>& events) {
    std::string file = std::string("MThd") + std::string("\0\0\0\6\0\0\0\1\x01\xE0", 10);  // 480 per beat
    std::vector<unsigned char> track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,  // 120 beats a minute
                                        0x00, 0xC0, 0x00};                          // piano
    track.insert(track.end(), events.begin(), events.end());
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    const std::size_t n = track.size();
    file += "MTrk";
    file += char(n >> 24), file += char(n >> 16), file += char(n >> 8), file += char(n);
    file.append(track.begin(), track.end());
    return file;
}

// C, E and G, half a second each: the last note ends 1.5 s after the start.
std::string ThreeNotes() {
    return MidiFile({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x40,
                     0x00, 0x90, 0x40, 0x64, 0x83, 0x60, 0x80, 0x40, 0x40,
                     0x00, 0x90, 0x43, 0x64, 0x83, 0x60, 0x80, 0x43, 0x40});
}

// One chord held for eight seconds.
std::string LongChord() {
    return MidiFile({0x00, 0x90, 0x3C, 0x64, 0x00, 0x90, 0x40, 0x64, 0x00, 0x90, 0x43, 0x64,
                     0xBC, 0x00, 0x80, 0x3C, 0x40});  // 7680 ticks later
}

struct SoundRig {
    fs::path folder;
    fs::path rendered;
    SoundRig() {
        char name[] = "/tmp/hq-sound-XXXXXX";
        folder = mkdtemp(name);
        rendered = folder / "out.raw";
    }
    ~SoundRig() { fs::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        const fs::path file = folder / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    // What the device received: interleaved 16-bit stereo frames.
    std::vector<std::int16_t> Heard() const {
        std::ifstream in(rendered, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }
    void UseDiskAudio() const {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", rendered.c_str(), 1);
    }
};

int Peak(const std::vector<std::int16_t>& samples, double fromSeconds, double toSeconds) {
    const std::size_t from = std::size_t(fromSeconds * kRate) * 2, to = std::min(samples.size(), std::size_t(toSeconds * kRate) * 2);
    int peak = 0;
    for (std::size_t i = from; i < to; ++i) peak = std::max(peak, std::abs(int(samples[i])));
    return peak;
}

// Polls IsPlaying as the song timer does, more often; the seconds until it turned false.
double SecondsUntilSilent(SoundControl& sound, std::chrono::milliseconds limit) {
    const auto start = Clock::now();
    while (sound.IsPlaying() && Clock::now() - start < limit) std::this_thread::sleep_for(10ms);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(DesktopSound, ACarolIsHeardAndEndsWithItsLastNote) {
    SoundRig rig;
    rig.UseDiskAudio();
    const std::string carol = rig.Write("midi1.mid", ThreeNotes());
    auto sound = MakeDesktopSound();
    sound->PlayFile(carol, 0, -1);
    EXPECT_TRUE(sound->IsPlaying());
    const double seconds = SecondsUntilSilent(*sound, 6000ms);
    EXPECT_GE(seconds, 1.4) << "the file plays to its last note";
    EXPECT_LE(seconds, 1.5 + 0.7) << "it ends with the last event, not after the notes have died away";
    sound.reset();
    const auto heard = rig.Heard();
    ASSERT_GT(heard.size(), std::size_t(kRate));
    EXPECT_GT(Peak(heard, 0.2, 1.4), 2000) << "the notes are audible";
}

TEST(DesktopSound, StoppingSilencesAtOnceAndPlayingAgainStartsFromTheBeginning) {
    SoundRig rig;
    rig.UseDiskAudio();
    const std::string chord = rig.Write("chord.mid", LongChord());
    auto sound = MakeDesktopSound();
    sound->PlayFile(chord, 0, -1);
    std::this_thread::sleep_for(1000ms);
    sound->StopPlayback();
    EXPECT_FALSE(sound->IsPlaying());
    sound->StopPlayback();  // twice in a row, as the window's unload does
    std::this_thread::sleep_for(1200ms);
    sound->PlayFile(chord, 0, -1);
    EXPECT_TRUE(sound->IsPlaying());
    std::this_thread::sleep_for(500ms);
    sound.reset();
    const auto heard = rig.Heard();
    const double stoppedAt = 1.0, restartedAt = 2.2;
    const int playing = Peak(heard, 0.3, stoppedAt - 0.1);
    EXPECT_GT(playing, 2000);
    EXPECT_LT(Peak(heard, stoppedAt + 0.3, restartedAt - 0.1), playing / 50) << "silent soon after the stop";
    EXPECT_GT(Peak(heard, restartedAt + 0.1, restartedAt + 0.5), playing / 4) << "the chord sounds again";
}

TEST(DesktopSound, AFileThatCannotBePlayedIsNotPlaying) {
    SoundRig rig;
    rig.UseDiskAudio();
    auto sound = MakeDesktopSound();
    sound->PlayFile((rig.folder / "missing.mid").string(), 0, -1);
    EXPECT_FALSE(sound->IsPlaying());
    std::string truncated = ThreeNotes();
    truncated.resize(truncated.size() - 10);
    sound->PlayFile(rig.Write("truncated.mid", truncated), 0, -1);
    EXPECT_FALSE(sound->IsPlaying());
    sound->PlayFile(rig.Write("text.mid", "Not a MIDI file at all"), 0, -1);
    EXPECT_FALSE(sound->IsPlaying());
    sound->PlayFile(rig.folder.string(), 0, -1);  // a folder
    EXPECT_FALSE(sound->IsPlaying());
}

TEST(DesktopSound, AMidiFileMustHoldEveryTrackItAnnounces) {
    const std::string good = ThreeNotes();
    EXPECT_TRUE(IsCompleteMidiFile(good));
    EXPECT_FALSE(IsCompleteMidiFile(good.substr(0, good.size() - 1)));
    std::string twoTracks = good;
    twoTracks[11] = 2;  // announces a second track that is not there
    EXPECT_FALSE(IsCompleteMidiFile(twoTracks));
    std::string smpte = good;
    smpte[12] = char(0xE7);  // SMPTE time: 25 frames a second
    EXPECT_FALSE(IsCompleteMidiFile(smpte));
    EXPECT_FALSE(IsCompleteMidiFile(""));
}

TEST(DesktopSound, WithoutAnAudioDeviceTheFileStillEndsOnTime) {
    SoundRig rig;
    setenv("SDL_AUDIODRIVER", "no-such-device", 1);
    const std::string carol = rig.Write("midi1.mid", ThreeNotes());
    auto sound = MakeDesktopSound();
    sound->PlayFile(carol, 0, -1);
    EXPECT_TRUE(sound->IsPlaying());
    const double seconds = SecondsUntilSilent(*sound, 6000ms);
    EXPECT_GE(seconds, 1.4);
    EXPECT_LE(seconds, 3.0);
}

struct NoticeCount : SoundEvents {
    int notices = 0;
    void SoundNotify() override { ++notices; }
};

// Hands the SDL events to the sound control as the desktop loop does, for `forMs`.
void PumpEvents(NoticeCount& count, int upTo, std::chrono::milliseconds forMs) {
    const auto start = Clock::now();
    while (Clock::now() - start < forMs && count.notices < upTo) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) DeliverSoundEvent(event);
        std::this_thread::sleep_for(10ms);
    }
}

TEST(DesktopSound, TheEndOfAFileIsAnnouncedOnceAndAStoppedFileNever) {
    SoundRig rig;
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string carol = rig.Write("midi1.mid", ThreeNotes());
    NoticeCount count;
    auto sound = MakeDesktopSound(&count);
    const auto start = Clock::now();
    sound->PlayFile(carol, 0, -1);
    PumpEvents(count, 1, 4000ms);
    EXPECT_EQ(count.notices, 1);
    EXPECT_GE(std::chrono::duration<double>(Clock::now() - start).count(), 1.4);
    PumpEvents(count, 2, 500ms);
    EXPECT_EQ(count.notices, 1) << "announced once";

    sound->PlayFile(carol, 0, -1);
    std::this_thread::sleep_for(300ms);
    sound->StopPlayback();
    PumpEvents(count, 2, 2000ms);
    EXPECT_EQ(count.notices, 1) << "a stopped file does not end";
}

}  // namespace
}  // namespace hq::test
