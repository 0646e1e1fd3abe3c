#include "MidiTune.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>

namespace halvane::sound {

namespace {

void Put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(v >> shift));
}

void PutVariable(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    std::uint8_t bytes[5];
    int n = 0;
    bytes[n++] = std::uint8_t(v & 0x7F);
    while (v >>= 7)
        bytes[n++] = std::uint8_t(0x80 | (v & 0x7F));
    while (n > 0)
        out.push_back(bytes[--n]);
}

void PutTrack(std::vector<std::uint8_t> &out, const std::vector<std::uint8_t> &events)
{
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    Put32(out, std::uint32_t(events.size()));
    out.insert(out.end(), events.begin(), events.end());
}

struct Event {
    int tick;
    int order; // note-offs before note-ons at the same tick
    std::vector<std::uint8_t> bytes;
};

std::vector<std::uint8_t> PartTrack(const MidiPart &part)
{
    std::vector<Event> events;
    const std::uint8_t ch = std::uint8_t(part.channel & 0x0F);
    events.push_back({0, 0, {std::uint8_t(0xC0 | ch), std::uint8_t(part.program & 0x7F)}});
    events.push_back({0, 0, {std::uint8_t(0xB0 | ch), 7, std::uint8_t(part.volume & 0x7F)}});
    for (const MidiNote &n : part.notes) {
        events.push_back({n.start, 2, {std::uint8_t(0x90 | ch), std::uint8_t(n.key & 0x7F), std::uint8_t(n.velocity & 0x7F)}});
        events.push_back({n.start + std::max(1, n.length), 1, {std::uint8_t(0x80 | ch), std::uint8_t(n.key & 0x7F), 0}});
    }
    std::stable_sort(events.begin(), events.end(),
                     [](const Event &a, const Event &b) { return std::tie(a.tick, a.order) < std::tie(b.tick, b.order); });
    std::vector<std::uint8_t> track;
    int now = 0;
    for (const Event &e : events) {
        PutVariable(track, std::uint32_t(e.tick - now));
        now = e.tick;
        track.insert(track.end(), e.bytes.begin(), e.bytes.end());
    }
    track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
    return track;
}

std::uint32_t Get32(const std::uint8_t *p) { return (std::uint32_t(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3]; }

bool GetVariable(const std::uint8_t *&p, const std::uint8_t *end, std::uint32_t &value)
{
    value = 0;
    for (int i = 0; i < 4; ++i) {
        if (p >= end)
            return false;
        const std::uint8_t b = *p++;
        value = (value << 7) | (b & 0x7F);
        if (!(b & 0x80))
            return true;
    }
    return false;
}

} // namespace

std::vector<std::uint8_t> WriteMidiFile(int ticksPerQuarter, int microsPerQuarter, const std::vector<MidiPart> &parts)
{
    std::vector<std::uint8_t> out{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    out.push_back(std::uint8_t((parts.size() + 1) >> 8));
    out.push_back(std::uint8_t(parts.size() + 1));
    out.push_back(std::uint8_t(ticksPerQuarter >> 8));
    out.push_back(std::uint8_t(ticksPerQuarter));
    // The first track holds the tempo.
    PutTrack(out, {0x00, 0xFF, 0x51, 0x03, std::uint8_t(microsPerQuarter >> 16), std::uint8_t(microsPerQuarter >> 8),
                   std::uint8_t(microsPerQuarter), 0x00, 0xFF, 0x2F, 0x00});
    for (const MidiPart &part : parts)
        PutTrack(out, PartTrack(part));
    return out;
}

int MidiDurationMs(const std::uint8_t *data, std::size_t size)
{
    if (size < 14 || std::memcmp(data, "MThd", 4) != 0 || Get32(data + 4) < 6)
        return -1;
    const int tracks = (data[10] << 8) | data[11];
    const int division = (data[12] << 8) | data[13];
    if (division & 0x8000 || division == 0)
        return -1;
    std::map<std::uint64_t, std::uint32_t> tempos{{0, 500000}}; // tick -> microseconds per quarter
    std::uint64_t lastTick = 0;
    std::size_t offset = 8 + Get32(data + 4);
    for (int t = 0; t < tracks; ++t) {
        if (offset + 8 > size || std::memcmp(data + offset, "MTrk", 4) != 0)
            return -1;
        const std::size_t length = Get32(data + offset + 4);
        if (length > size - offset - 8)
            return -1;
        const std::uint8_t *p = data + offset + 8;
        const std::uint8_t *end = p + length;
        std::uint64_t tick = 0;
        std::uint8_t status = 0;
        while (p < end) {
            std::uint32_t delta;
            if (!GetVariable(p, end, delta) || p >= end)
                return -1;
            tick += delta;
            if (*p & 0x80)
                status = *p++;
            else if (!status)
                return -1;
            if (status == 0xFF) {
                if (p >= end)
                    return -1;
                const std::uint8_t type = *p++;
                std::uint32_t metaLength;
                if (!GetVariable(p, end, metaLength) || metaLength > std::size_t(end - p))
                    return -1;
                if (type == 0x51 && metaLength == 3)
                    tempos[tick] = (std::uint32_t(p[0]) << 16) | (p[1] << 8) | p[2];
                p += metaLength;
                status = 0;
            } else if (status == 0xF0 || status == 0xF7) {
                std::uint32_t sysexLength;
                if (!GetVariable(p, end, sysexLength) || sysexLength > std::size_t(end - p))
                    return -1;
                p += sysexLength;
                status = 0;
            } else {
                const int kind = status & 0xF0;
                const std::size_t dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
                if (std::size_t(end - p) < dataBytes)
                    return -1;
                p += dataBytes;
            }
            lastTick = std::max(lastTick, tick);
        }
        offset += 8 + length;
    }
    double micros = 0.0;
    std::uint64_t tick = 0;
    std::uint32_t tempo = 500000;
    for (const auto &[at, next] : tempos) {
        if (at >= lastTick)
            break;
        micros += double(at - tick) * tempo / division;
        tick = at;
        tempo = next;
    }
    micros += double(lastTick - tick) * tempo / division;
    return int(micros / 1000.0 + 0.5);
}

} // namespace halvane::sound
