#pragma once
// Standard MIDI files: writing a tune of notes (format 1, one track per
// instrument) and measuring a file's playing time. Standard library only.

#include <cstdint>
#include <vector>

namespace halvane::sound {

struct MidiNote {
    int start = 0;  // ticks
    int length = 0; // ticks
    int key = 60;
    int velocity = 90;
};

struct MidiPart {
    int channel = 0; // 0..15; 9 is percussion
    int program = 0; // General MIDI instrument 0..127
    int volume = 100;
    std::vector<MidiNote> notes;
};

std::vector<std::uint8_t> WriteMidiFile(int ticksPerQuarter, int microsPerQuarter, const std::vector<MidiPart> &parts);

// The time from the start to the last event, in milliseconds, following the
// tempo changes; -1 for a damaged or unsupported file (SMPTE timing).
int MidiDurationMs(const std::uint8_t *data, std::size_t size);

} // namespace halvane::sound
