// The MIDI file reader behind the Windows sound control: timing through the tempo map, merging
// of tracks, running status, and files that are damaged or not MIDI at all.
#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>

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

std::string Note(std::uint32_t delta, int status, int key, int velocity) {
    return Vlq(delta) + Bytes({status, key, velocity});
}

std::string Tempo(std::uint32_t delta, std::uint32_t microsPerQuarter) {
    return Vlq(delta) + Bytes({0xFF, 0x51, 0x03}) + Be(microsPerQuarter, 3);
}

TEST(SmfSequence, QuarterNotesAtTheDefaultTempoAreHalfASecond) {
    const auto s = ReadSmf(File(0, 480, {Track(Note(0, 0x90, 60, 100) + Note(480, 0x80, 60, 0) + kEnd)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 2u);
    EXPECT_DOUBLE_EQ(s->messages[0].atMs, 0.0);
    EXPECT_DOUBLE_EQ(s->messages[1].atMs, 500.0);
    EXPECT_EQ(s->messages[0].packed, 0x00643C90u);  // note on, key 60, velocity 100, as midiOutShortMsg wants
    EXPECT_EQ(s->messages[1].Status(), 0x80);
    EXPECT_EQ(s->messages[1].Data1(), 60);
}

TEST(SmfSequence, ATempoChangeAppliesFromItsTickOn) {
    // 120 bpm for the first beat, then 60 bpm: the second beat lasts a whole second.
    const std::string conductor = Tempo(480, 1000000) + kEnd;
    const std::string notes = Note(0, 0x90, 60, 90) + Note(480, 0x90, 62, 90) + Note(480, 0x90, 64, 90) + kEnd;
    const auto s = ReadSmf(File(1, 480, {Track(conductor), Track(notes)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 3u);
    EXPECT_DOUBLE_EQ(s->messages[1].atMs, 500.0);
    EXPECT_DOUBLE_EQ(s->messages[2].atMs, 1500.0);
    EXPECT_DOUBLE_EQ(s->lengthMs, 1500.0);
}

TEST(SmfSequence, TracksAreMergedInTimeOrderKeepingFileOrderAtEqualTimes) {
    const std::string melody = Note(0, 0x90, 72, 80) + Note(240, 0x80, 72, 0) + kEnd;
    const std::string bass = Note(0, 0x91, 48, 80) + Note(120, 0x81, 48, 0) + kEnd;
    const auto s = ReadSmf(File(1, 480, {Track(melody), Track(bass)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 4u);
    EXPECT_EQ(s->messages[0].Status(), 0x90);  // both at 0: the first track's comes first
    EXPECT_EQ(s->messages[1].Status(), 0x91);
    EXPECT_EQ(s->messages[2].Status(), 0x81);  // 125 ms
    EXPECT_EQ(s->messages[3].Status(), 0x80);  // 250 ms
    EXPECT_DOUBLE_EQ(s->messages[2].atMs, 125.0);
}

TEST(SmfSequence, RunningStatusAndOneByteMessagesAreRead) {
    // A program change (one data byte), then note on twice with the status byte left out.
    const std::string events =
        Vlq(0) + Bytes({0xC2, 19}) + Note(0, 0x92, 60, 70) + Vlq(10) + Bytes({64, 70}) + Vlq(10) + Bytes({60, 0}) + kEnd;
    const auto s = ReadSmf(File(0, 96, {Track(events)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 4u);
    EXPECT_EQ(s->messages[0].packed, 0x000013C2u);
    EXPECT_EQ(s->messages[2].Status(), 0x92);
    EXPECT_EQ(s->messages[2].Data1(), 64);
    EXPECT_EQ(s->messages[3].Data2(), 0);
}

TEST(SmfSequence, MetaAndSystemExclusiveEventsAreNotSentButTakeTheirTime) {
    const std::string events = Vlq(0) + Bytes({0xFF, 0x03, 0x04}) + "Bass" + Vlq(0) +
                               Bytes({0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7}) + Note(480, 0x90, 40, 60) +
                               Vlq(960) + Bytes({0xFF, 0x2F, 0x00});
    const auto s = ReadSmf(File(0, 480, {Track(events)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 1u);
    EXPECT_DOUBLE_EQ(s->messages[0].atMs, 500.0);
    EXPECT_DOUBLE_EQ(s->lengthMs, 1500.0);  // the end of track lies a second after the last note
}

TEST(SmfSequence, SmpteDivisionUsesFixedTickLengths) {
    // 25 frames a second, 40 ticks a frame: one tick is a millisecond, whatever the tempo says.
    const int division = (0x100 - 25) << 8 | 40;
    const auto s = ReadSmf(File(0, division, {Track(Tempo(0, 250000) + Note(750, 0x90, 60, 1) + kEnd)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 1u);
    EXPECT_DOUBLE_EQ(s->messages[0].atMs, 750.0);
}

TEST(SmfSequence, FormatTwoPatternsPlayOneAfterAnother) {
    const std::string pattern = Note(0, 0x90, 60, 1) + Note(480, 0x80, 60, 0) + kEnd;
    const auto s = ReadSmf(File(2, 480, {Track(pattern), Track(pattern)}));
    ASSERT_TRUE(s);
    ASSERT_EQ(s->messages.size(), 4u);
    EXPECT_DOUBLE_EQ(s->messages[2].atMs, 500.0);
    EXPECT_DOUBLE_EQ(s->messages[3].atMs, 1000.0);
}

TEST(SmfSequence, UnknownChunksAreSkipped) {
    std::string file = File(0, 480, {});
    file[11] = 1;  // one track follows, after a chunk of another kind
    file += "XFIH" + Be(3, 4) + "abc" + Track(Note(0, 0x90, 60, 1) + kEnd);
    const auto s = ReadSmf(file);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->messages.size(), 1u);
}

TEST(SmfSequence, WhatIsNotAMidiFileReadsAsNothing) {
    EXPECT_FALSE(ReadSmf(""));
    EXPECT_FALSE(ReadSmf("RIFF....WAVEfmt "));
    EXPECT_FALSE(ReadSmf("MThd"));                                           // header cut short
    EXPECT_FALSE(ReadSmf(File(0, 0, {Track(kEnd)})));                        // no time division
    EXPECT_FALSE(ReadSmf(File(3, 480, {Track(kEnd)})));                      // no such format
    EXPECT_FALSE(ReadSmf("MThd" + Be(6, 4) + Be(0, 2) + Be(1, 2) + Be(480, 2)));  // no track at all
}

TEST(SmfSequence, ADamagedTrackKeepsTheEventsBeforeTheDamage) {
    const std::string whole = Note(0, 0x90, 60, 1) + Note(480, 0x80, 60, 0) + Note(0, 0x90, 62, 1) + kEnd;
    // The chunk claims more bytes than the file has, and the last note is cut in half.
    std::string file = File(0, 480, {Track(whole)});
    file.resize(file.size() - kEnd.size() - 2);
    const auto s = ReadSmf(file);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->messages.size(), 2u);

    // Data bytes with no status before them, and an over-long delta, end the track quietly.
    EXPECT_TRUE(ReadSmf(File(0, 480, {Track(Bytes({0x00, 0x40, 0x40}))}))->messages.empty());
    EXPECT_TRUE(ReadSmf(File(0, 480, {Track(Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x90, 1, 1}))}))->messages.empty());
}

TEST(SmfSequence, AZeroTempoIsIgnored) {
    const auto s = ReadSmf(File(0, 480, {Track(Tempo(0, 0) + Note(480, 0x90, 60, 1) + kEnd)}));
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->messages[0].atMs, 500.0);
}

}  // namespace
}  // namespace hq::win
