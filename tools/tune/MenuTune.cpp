// Writes the menu tune: a calm waltz of our own for piano, strings and bass,
// as a standard MIDI file. Usage: halvane_menu_tune <out.mid>
#include "platform/sound/MidiTune.h"

#include <cstdio>
#include <fstream>

using halvane::sound::MidiNote;
using halvane::sound::MidiPart;

namespace {

constexpr int Beat = 480;      // ticks per quarter note
constexpr int Bar = 3 * Beat;  // three-four time

struct Chord {
    int root;       // bass note
    int tones[3];   // the chord in the middle register
};

// Sixteen bars, played twice; the second time the melody goes an octave up.
const Chord Progression[16] = {
    {48, {60, 64, 67}}, {45, {60, 64, 69}}, {41, {60, 65, 69}}, {43, {59, 62, 67}},
    {48, {60, 64, 67}}, {52, {59, 64, 67}}, {45, {60, 64, 69}}, {43, {59, 62, 65}},
    {41, {57, 60, 65}}, {43, {59, 62, 67}}, {40, {59, 64, 67}}, {45, {57, 60, 64}},
    {38, {57, 62, 65}}, {43, {59, 62, 67}}, {36, {55, 60, 64}}, {43, {55, 59, 62}},
};

// The melody, bar by bar: (beat offset in eighths, key, length in eighths).
struct Step {
    int at;
    int key;
    int length;
};
const Step Melody[16][4] = {
    {{0, 76, 3}, {3, 74, 1}, {4, 72, 2}, {0, 0, 0}},  {{0, 72, 2}, {2, 76, 2}, {4, 81, 2}, {0, 0, 0}},
    {{0, 81, 4}, {4, 79, 1}, {5, 77, 1}, {0, 0, 0}},  {{0, 74, 6}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {{0, 76, 3}, {3, 77, 1}, {4, 79, 2}, {0, 0, 0}},  {{0, 79, 2}, {2, 76, 2}, {4, 71, 2}, {0, 0, 0}},
    {{0, 72, 3}, {3, 74, 1}, {4, 76, 2}, {0, 0, 0}},  {{0, 74, 6}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {{0, 72, 2}, {2, 77, 2}, {4, 81, 2}, {0, 0, 0}},  {{0, 79, 3}, {3, 77, 1}, {4, 74, 2}, {0, 0, 0}},
    {{0, 76, 2}, {2, 79, 2}, {4, 83, 2}, {0, 0, 0}},  {{0, 81, 6}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {{0, 77, 2}, {2, 76, 2}, {4, 74, 2}, {0, 0, 0}},  {{0, 74, 3}, {3, 76, 1}, {4, 77, 2}, {0, 0, 0}},
    {{0, 76, 2}, {2, 72, 2}, {4, 67, 2}, {0, 0, 0}},  {{0, 72, 6}, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}},
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.mid>\n", argv[0]);
        return 2;
    }
    MidiPart piano{0, 0, 100, {}};      // acoustic grand piano: the melody
    MidiPart strings{1, 48, 70, {}};    // string ensemble: sustained chords
    MidiPart bass{2, 32, 90, {}};       // acoustic bass
    MidiPart harp{3, 46, 60, {}};       // harp: the waltz's second and third beats
    const int eighth = Beat / 2;
    for (int pass = 0; pass < 2; ++pass) {
        for (int bar = 0; bar < 16; ++bar) {
            const int start = (pass * 16 + bar) * Bar;
            const Chord &chord = Progression[bar];
            bass.notes.push_back({start, Beat, chord.root, 92});
            for (int tone : chord.tones) {
                strings.notes.push_back({start, Bar, tone, 55});
                harp.notes.push_back({start + Beat, Beat / 2, tone + 12, 62});
                harp.notes.push_back({start + 2 * Beat, Beat / 2, tone + 12, 56});
            }
            for (const Step &step : Melody[bar]) {
                if (step.length == 0)
                    continue;
                const int velocity = 84 + (step.at == 0 ? 8 : 0);
                piano.notes.push_back({start + step.at * eighth, step.length * eighth, step.key + pass * 12 - 0,
                                       velocity - pass * 10});
            }
        }
    }
    // A closing chord.
    const int end = 32 * Bar;
    bass.notes.push_back({end, 2 * Bar, 36, 90});
    for (int tone : {60, 64, 67, 72})
        piano.notes.push_back({end, 2 * Bar, tone, 80});
    const auto file = halvane::sound::WriteMidiFile(Beat, 600000, {piano, strings, bass, harp});
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char *>(file.data()), std::streamsize(file.size()));
    return out ? 0 : 1;
}
