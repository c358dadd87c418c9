// Carols through the real FluidSynth path: SDL's disk audio driver writes what the player
// renders to a file, so the test hears what a user would.
#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "platform/linux/DesktopSound.h"

namespace hq::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kRate = 44100;

// A Standard MIDI File at 480 ticks a beat, 120 beats a minute, piano, with these events.
std::string MidiFile(const std::vector<unsigned char>& events) {
    std::vector<unsigned char> track = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xC0, 0x00};
    track.insert(track.end(), events.begin(), events.end());
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    const std::size_t n = track.size();
    std::string file = std::string("MThd\0\0\0\6\0\0\0\1\x01\xE0MTrk", 18);
    file += {char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    return file.append(track.begin(), track.end());
}

// C, E and G, half a second each: the last note ends 1.5 s after the start.
const std::string kThreeNotes = MidiFile({0x00, 0x90, 0x3C, 0x64, 0x83, 0x60, 0x80, 0x3C, 0x40,
                                          0x00, 0x90, 0x40, 0x64, 0x83, 0x60, 0x80, 0x40, 0x40,
                                          0x00, 0x90, 0x43, 0x64, 0x83, 0x60, 0x80, 0x43, 0x40});
// One chord held for eight seconds (7680 ticks).
const std::string kLongChord =
    MidiFile({0x00, 0x90, 0x3C, 0x64, 0x00, 0x90, 0x40, 0x64, 0x00, 0x90, 0x43, 0x64, 0xBC, 0x00, 0x80, 0x3C, 0x40});

struct SoundRig {
    fs::path folder;
    explicit SoundRig(const char* driver) {
        char name[] = "/tmp/hq-sound-XXXXXX";
        folder = mkdtemp(name);
        setenv("SDL_AUDIODRIVER", driver, 1);
        setenv("SDL_DISKAUDIOFILE", (folder / "out.raw").c_str(), 1);
    }
    ~SoundRig() { fs::remove_all(folder); }

    std::string Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    }
    // The loudest sample the device received between two moments (interleaved 16-bit stereo).
    int Peak(double fromSeconds, double toSeconds) const {
        std::ifstream in(folder / "out.raw", std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        const std::size_t to = std::min(samples.size(), std::size_t(toSeconds * kRate) * 2);
        int peak = 0;
        for (std::size_t i = std::size_t(fromSeconds * kRate) * 2; i < to; ++i) peak = std::max(peak, std::abs(int(samples[i])));
        return peak;
    }
};

// Polls IsPlaying as the song timer does, more often; the seconds until it turned false.
double SecondsUntilSilent(SoundControl& sound) {
    const auto start = Clock::now();
    while (sound.IsPlaying() && Clock::now() - start < 6s) std::this_thread::sleep_for(10ms);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

TEST(DesktopSound, ACarolIsHeardAndEndsWithItsLastNoteAlsoWithoutAnAudioDevice) {
    for (const char* driver : {"disk", "no-such-device"}) {
        SoundRig rig(driver);
        auto sound = MakeDesktopSound();
        sound->PlayFile(rig.Write("midi1.mid", kThreeNotes), 0, -1);
        EXPECT_TRUE(sound->IsPlaying()) << driver;
        const double seconds = SecondsUntilSilent(*sound);
        EXPECT_GE(seconds, 1.4) << driver << ": the file plays to its last note";
        EXPECT_LE(seconds, driver == std::string("disk") ? 1.5 + 0.7 : 3.0)
            << driver << ": it ends with the last event, not after the notes have died away";
        sound.reset();
        if (driver == std::string("disk")) {
            EXPECT_GT(rig.Peak(0.2, 1.4), 2000) << "the notes are audible";
        }
    }
}

TEST(DesktopSound, StoppingSilencesAtOnceAndPlayingAgainStartsFromTheBeginning) {
    SoundRig rig("disk");
    const std::string chord = rig.Write("chord.mid", kLongChord);
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
    const double stoppedAt = 1.0, restartedAt = 2.2;
    const int playing = rig.Peak(0.3, stoppedAt - 0.1);
    EXPECT_GT(playing, 2000);
    EXPECT_LT(rig.Peak(stoppedAt + 0.3, restartedAt - 0.1), playing / 50) << "silent soon after the stop";
    EXPECT_GT(rig.Peak(restartedAt + 0.1, restartedAt + 0.5), playing / 4) << "the chord sounds again";
}

TEST(DesktopSound, AFileThatIsMissingIncompleteOrNotMidiIsNotPlaying) {
    SoundRig rig("disk");
    std::string twoTracks = kThreeNotes, smpte = kThreeNotes;
    twoTracks[11] = 2;       // announces a second track that is not there
    smpte[12] = char(0xE7);  // SMPTE time: 25 frames a second
    for (const std::string& bad : {kThreeNotes.substr(0, kThreeNotes.size() - 1), twoTracks, smpte, std::string()})
        EXPECT_FALSE(IsCompleteMidiFile(bad)) << bad.size();
    EXPECT_TRUE(IsCompleteMidiFile(kThreeNotes));

    auto sound = MakeDesktopSound();
    for (const std::string& file : {(rig.folder / "missing.mid").string(), rig.folder.string(),
                                    rig.Write("truncated.mid", kThreeNotes.substr(0, kThreeNotes.size() - 10)),
                                    rig.Write("text.mid", "Not a MIDI file at all")}) {
        sound->PlayFile(file, 0, -1);
        EXPECT_FALSE(sound->IsPlaying()) << file;
    }
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
    SoundRig rig("dummy");
    const std::string carol = rig.Write("midi1.mid", kThreeNotes);
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
