// The MIDI file reader behind the Windows sound control: timing through the tempo map, merging
// of tracks, running status, and files that are damaged or not MIDI at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>

#include "platform/windows/SmfSequence.h"

namespace hq::win {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string out;
    for (int v : values) out.push_back(char(std::uint8_t(v)));
    return out;
}
std::string Be(std::uint32_t value, int count) {
    std::string out;
    for (int i = count - 1; i >= 0; --i) out.push_back(char((value >> (8 * i)) & 0xFF));
    return out;
}
std::string Vlq(std::uint32_t value) {
    std::string out(1, char(value & 0x7F));
    while (value >>= 7) out.insert(out.begin(), char(0x80 | (value & 0x7F)));
    return out;
}
std::string Track(const std::string& events) { return "MTrk" + Be(std::uint32_t(events.size()), 4) + events; }
std::string File(int format, int division, std::initializer_list<std::string> tracks) {
    std::string out = "MThd" + Be(6, 4) + Be(format, 2) + Be(std::uint32_t(tracks.size()), 2) + Be(division, 2);
    for (const auto& t : tracks) out += t;
    return out;
}
const std::string kEnd = Bytes({0x00, 0xFF, 0x2F, 0x00});
std::string Note(std::uint32_t delta, int status, int key, int velocity) { return Vlq(delta) + Bytes({status, key, velocity}); }
std::string Tempo(std::uint32_t delta, std::uint32_t microsPerQuarter) {
    return Vlq(delta) + Bytes({0xFF, 0x51, 0x03}) + Be(microsPerQuarter, 3);
}

// The messages read, as (milliseconds, message packed for midiOutShortMsg).
using Listing = std::vector<std::pair<double, std::uint32_t>>;
Listing Read(const std::string& file) {
    const auto s = ReadSmf(file);
    EXPECT_TRUE(s);
    Listing out;
    if (s)
        for (const auto& m : s->messages) out.push_back({m.atMs, m.packed});
    return out;
}

TEST(SmfSequence, TimingFollowsTheDivisionAndTheTempoMapFromEachChangesTickOn) {
    // Quarter notes at the default tempo are half a second.
    EXPECT_EQ(Read(File(0, 480, {Track(Note(0, 0x90, 60, 100) + Note(480, 0x80, 60, 0) + kEnd)})),
              (Listing{{0, 0x643C90}, {500, 0x003C80}}));
    // 120 bpm for the first beat, then 60 bpm: the second beat lasts a whole second.
    const auto s = ReadSmf(File(1, 480, {Track(Tempo(480, 1000000) + kEnd),
                                         Track(Note(0, 0x90, 60, 90) + Note(480, 0x90, 62, 90) + Note(480, 0x90, 64, 90) + kEnd)}));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->messages.at(2).atMs, 1500.0);
    EXPECT_EQ(s->lengthMs, 1500.0);
    // SMPTE: 25 frames a second, 40 ticks a frame: a tick is a millisecond, whatever the tempo says.
    EXPECT_EQ(Read(File(0, (0x100 - 25) << 8 | 40, {Track(Tempo(0, 250000) + Note(750, 0x90, 60, 1) + kEnd)})),
              (Listing{{750, 0x013C90}}));
    EXPECT_EQ(Read(File(0, 480, {Track(Tempo(0, 0) + Note(480, 0x90, 60, 1) + kEnd)})), (Listing{{500, 0x013C90}}))
        << "a zero tempo is ignored";
}

TEST(SmfSequence, TracksAreMergedInTimeOrderKeepingFileOrderAtEqualTimesAndFormatTwoPatternsFollowEachOther) {
    const std::string melody = Note(0, 0x90, 72, 80) + Note(240, 0x80, 72, 0) + kEnd;
    const std::string bass = Note(0, 0x91, 48, 80) + Note(120, 0x81, 48, 0) + kEnd;
    EXPECT_EQ(Read(File(1, 480, {Track(melody), Track(bass)})),
              (Listing{{0, 0x504890}, {0, 0x503091}, {125, 0x003081}, {250, 0x004880}}));
    const std::string pattern = Note(0, 0x90, 60, 1) + Note(480, 0x80, 60, 0) + kEnd;
    EXPECT_EQ(Read(File(2, 480, {Track(pattern), Track(pattern)})),
              (Listing{{0, 0x013C90}, {500, 0x003C80}, {500, 0x013C90}, {1000, 0x003C80}}));
}

TEST(SmfSequence, RunningStatusOneByteMessagesMetaSysExAndUnknownChunksAreReadRight) {
    // A program change (one data byte), then note on twice with the status byte left out.
    EXPECT_EQ(Read(File(0, 96, {Track(Vlq(0) + Bytes({0xC2, 19}) + Note(0, 0x92, 60, 70) + Vlq(96) + Bytes({64, 70}) +
                                      Vlq(96) + Bytes({60, 0}) + kEnd)})),
              (Listing{{0, 0x13C2}, {0, 0x463C92}, {500, 0x464092}, {1000, 0x003C92}}));
    // Meta and system-exclusive events are not sent but take their time; the end of track lies a
    // second after the last note.
    const auto s = ReadSmf(File(0, 480, {Track(Vlq(0) + Bytes({0xFF, 0x03, 0x04}) + "Bass" + Vlq(0) +
                                                Bytes({0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}) + Note(480, 0x90, 40, 60) +
                                                Vlq(960) + Bytes({0xFF, 0x2F, 0x00}))}));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->messages.size(), 1u);
    EXPECT_EQ(s->messages[0].atMs, 500.0);
    EXPECT_EQ(s->lengthMs, 1500.0);
    std::string unknown = File(0, 480, {});
    unknown[11] = 1;  // one track follows, after a chunk of another kind
    EXPECT_EQ(Read(unknown + "XFIH" + Be(3, 4) + "abc" + Track(Note(0, 0x90, 60, 1) + kEnd)).size(), 1u);
}

TEST(SmfSequence, WhatIsNotAMidiFileReadsAsNothingAndADamagedTrackKeepsTheEventsBeforeTheDamage) {
    for (const std::string& bad : {std::string(), std::string("RIFF....WAVEfmt "), std::string("MThd"),
                                   File(0, 0, {Track(kEnd)}),  // no time division
                                   File(3, 480, {Track(kEnd)}),  // no such format
                                   "MThd" + Be(6, 4) + Be(0, 2) + Be(1, 2) + Be(480, 2)})  // no track at all
        EXPECT_FALSE(ReadSmf(bad)) << bad.size();

    // The chunk claims more bytes than the file has, and the last note is cut in half.
    std::string cut = File(0, 480, {Track(Note(0, 0x90, 60, 1) + Note(480, 0x80, 60, 0) + Note(0, 0x90, 62, 1) + kEnd)});
    cut.resize(cut.size() - kEnd.size() - 2);
    EXPECT_EQ(Read(cut).size(), 2u);
    // Data bytes with no status before them, and an over-long delta, end the track quietly.
    EXPECT_TRUE(Read(File(0, 480, {Track(Bytes({0x00, 0x40, 0x40}))})).empty());
    EXPECT_TRUE(Read(File(0, 480, {Track(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 1, 1}))})).empty());
}

}  // namespace
}  // namespace hq::win
