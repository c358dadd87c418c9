#include "platform/windows/SmfSequence.h"

#include <algorithm>
#include <map>

namespace hq::win {

namespace {

constexpr std::uint32_t kDefaultTempo = 500000;  // microseconds per quarter note: 120 beats a minute

struct TickMessage {
    std::uint64_t tick;
    std::size_t order;  // file order, to keep equal ticks stable
    std::uint32_t packed;
};

class Cursor {
public:
    explicit Cursor(std::string_view bytes) : m_bytes(bytes) {}
    bool AtEnd() const { return m_pos >= m_bytes.size(); }
    std::size_t Left() const { return m_bytes.size() - m_pos; }
    bool Byte(std::uint8_t& out) {
        if (AtEnd()) return false;
        out = std::uint8_t(m_bytes[m_pos++]);
        return true;
    }
    bool Peek(std::uint8_t& out) const {
        if (AtEnd()) return false;
        out = std::uint8_t(m_bytes[m_pos]);
        return true;
    }
    bool BigEndian(int count, std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < count; ++i) {
            std::uint8_t b;
            if (!Byte(b)) return false;
            out = out << 8 | b;
        }
        return true;
    }
    // A variable-length quantity: at most four bytes of seven bits each.
    bool Vlq(std::uint32_t& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint8_t b;
            if (!Byte(b)) return false;
            out = out << 7 | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool Skip(std::size_t count) {
        if (count > Left()) return false;
        m_pos += count;
        return true;
    }
    std::string_view Take(std::size_t count) {
        count = std::min(count, Left());
        std::string_view out = m_bytes.substr(m_pos, count);
        m_pos += count;
        return out;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

int DataBytesFor(std::uint8_t status) {
    const std::uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// Reads one track's events into `out` and its tempo changes into `tempos`; returns the tick of
// its last event. Stops quietly where the data stops making sense.
std::uint64_t ReadTrack(std::string_view data, std::uint64_t startTick, std::vector<TickMessage>& out,
                        std::map<std::uint64_t, std::uint32_t>& tempos, std::size_t& order) {
    Cursor c(data);
    std::uint64_t tick = startTick;
    std::uint8_t running = 0;
    while (!c.AtEnd()) {
        std::uint32_t delta;
        if (!c.Vlq(delta)) break;
        tick += delta;
        std::uint8_t first;
        if (!c.Peek(first)) break;
        if (first == 0xFF) {  // meta event
            c.Skip(1);
            std::uint8_t type;
            std::uint32_t length;
            if (!c.Byte(type) || !c.Vlq(length) || length > c.Left()) break;
            std::string_view body = c.Take(length);
            if (type == 0x51 && body.size() == 3) {
                const std::uint32_t tempo = std::uint32_t(std::uint8_t(body[0])) << 16 |
                                            std::uint32_t(std::uint8_t(body[1])) << 8 | std::uint8_t(body[2]);
                if (tempo > 0) tempos[tick] = tempo;
            }
            if (type == 0x2F) return tick;
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {  // system exclusive: not sent
            c.Skip(1);
            std::uint32_t length;
            if (!c.Vlq(length) || !c.Skip(length)) break;
            continue;
        }
        std::uint8_t status = running;
        if (first & 0x80) {
            c.Skip(1);
            status = first;
            if (status >= 0xF0) break;  // a system message has no place in a file's track
            running = status;
        }
        if (!(status & 0x80)) break;  // data without any status before it
        std::uint32_t packed = status;
        bool complete = true;
        for (int i = 0; i < DataBytesFor(status); ++i) {
            std::uint8_t b;
            if (!c.Byte(b)) {
                complete = false;
                break;
            }
            packed |= std::uint32_t(b & 0x7F) << (8 * (i + 1));
        }
        if (!complete) break;
        out.push_back({tick, order++, packed});
    }
    return tick;
}

}  // namespace

std::optional<SmfSequence> ReadSmf(std::string_view bytes) {
    Cursor file(bytes);
    if (bytes.substr(0, 4) != "MThd") return std::nullopt;
    file.Skip(4);
    std::uint32_t headerLength, format, trackCount, division;
    if (!file.BigEndian(4, headerLength) || headerLength < 6 || !file.BigEndian(2, format) ||
        !file.BigEndian(2, trackCount) || !file.BigEndian(2, division) || !file.Skip(headerLength - 6))
        return std::nullopt;
    if (format > 2 || division == 0) return std::nullopt;

    std::vector<TickMessage> events;
    std::map<std::uint64_t, std::uint32_t> tempos;
    std::size_t order = 0;
    std::uint64_t lastTick = 0;
    std::uint64_t formatTwoStart = 0;
    std::uint32_t tracksRead = 0;
    while (tracksRead < trackCount && file.Left() >= 8) {
        const std::string_view id = file.Take(4);
        std::uint32_t length;
        file.BigEndian(4, length);
        const std::string_view data = file.Take(length);  // a cut-short chunk keeps what is there
        if (id != "MTrk") continue;  // chunks of unknown kinds are skipped
        ++tracksRead;
        // Format 2 holds independent patterns: they play one after another.
        const std::uint64_t start = format == 2 ? formatTwoStart : 0;
        const std::uint64_t end = ReadTrack(data, start, events, tempos, order);
        if (format == 2) formatTwoStart = end;
        lastTick = std::max(lastTick, end);
    }
    if (tracksRead == 0) return std::nullopt;

    std::stable_sort(events.begin(), events.end(), [](const TickMessage& a, const TickMessage& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });

    // Ticks to milliseconds. SMPTE division: frames per second in the high byte (negative),
    // ticks per frame in the low byte; a fixed tick length, tempo ignored.
    const bool smpte = (division & 0x8000) != 0;
    double smpteTickMs = 0;
    if (smpte) {
        int fps = -int(std::int8_t(division >> 8));
        const int ticksPerFrame = int(division & 0xFF);
        if (fps <= 0 || ticksPerFrame == 0) return std::nullopt;
        const double framesPerSecond = fps == 29 ? 29.97 : fps;
        smpteTickMs = 1000.0 / (framesPerSecond * ticksPerFrame);
    }
    const double ticksPerQuarter = smpte ? 1 : double(division);
    auto tempoAt = tempos.begin();
    std::uint64_t segmentTick = 0;
    double segmentMs = 0;
    std::uint32_t tempo = kDefaultTempo;
    auto toMs = [&](std::uint64_t tick) {
        if (smpte) return double(tick) * smpteTickMs;
        // Ticks only grow, so the tempo map is walked once.
        while (tempoAt != tempos.end() && tempoAt->first <= tick) {
            segmentMs += double(tempoAt->first - segmentTick) * tempo / 1000.0 / ticksPerQuarter;
            segmentTick = tempoAt->first;
            tempo = tempoAt->second;
            ++tempoAt;
        }
        return segmentMs + double(tick - segmentTick) * tempo / 1000.0 / ticksPerQuarter;
    };

    SmfSequence sequence;
    sequence.messages.reserve(events.size());
    for (const TickMessage& e : events) sequence.messages.push_back({toMs(e.tick), e.packed});
    sequence.lengthMs = toMs(std::max<std::uint64_t>(lastTick, events.empty() ? 0 : events.back().tick));
    return sequence;
}

}  // namespace hq::win
