#pragma once
// Standard MIDI Files (formats 0, 1 and 2) read into one list of timed channel messages, merged
// across tracks and timed in milliseconds through the file's tempo map. Plain C++, free of
// Windows headers, so it is tested with the core.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace hq::win {

struct TimedMidiMessage {
    double atMs = 0;
    // Status in the low byte, then the data bytes, as midiOutShortMsg takes it.
    std::uint32_t packed = 0;
};

struct SmfSequence {
    std::vector<TimedMidiMessage> messages;  // in time order; equal times keep file order
    double lengthMs = 0;                     // the time of the last event, end-of-track included
};

// Nothing when the bytes are not a MIDI file. A track cut short keeps the events read before the
// cut; system-exclusive and meta events other than tempo are skipped.
std::optional<SmfSequence> ReadSmf(std::string_view bytes);

}  // namespace hq::win
