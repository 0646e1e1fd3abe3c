// Writes the game's signal sounds as 16-bit PCM wave files, synthesised from
// notes (sines with a few overtones and a bell-like decay) and filtered noise.
// Usage: halvane_signal_synth <name> <sample rate> <channels> <out.wav>
// The build then stores each one in its final format with sox.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr double Pi = 3.14159265358979323846;

struct Buffer {
    int rate = 22050;
    std::vector<double> left, right;

    void Reserve(double seconds)
    {
        const std::size_t n = std::size_t(seconds * rate) + 1;
        if (left.size() < n) {
            left.resize(n, 0.0);
            right.resize(n, 0.0);
        }
    }
};

double Frequency(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

// A struck tone: fast attack, exponential decay; `brightness` weights the overtones.
void Note(Buffer &b, double start, double length, int midiNote, double volume, double pan = 0.0,
          double brightness = 0.35, double decay = 4.0)
{
    b.Reserve(start + length);
    const double f = Frequency(midiNote);
    const std::size_t first = std::size_t(start * b.rate);
    const std::size_t count = std::size_t(length * b.rate);
    const double attack = 0.006;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / b.rate;
        const double envelope = std::min(1.0, t / attack) * std::exp(-decay * t / length) *
                                std::min(1.0, (length - t) / 0.01);
        double v = std::sin(2 * Pi * f * t) + brightness * std::sin(2 * Pi * 2 * f * t) * std::exp(-3 * t) +
                   brightness * 0.5 * std::sin(2 * Pi * 3.01 * f * t) * std::exp(-6 * t);
        v *= envelope * volume;
        b.left[first + i] += v * (1.0 - std::max(0.0, pan));
        b.right[first + i] += v * (1.0 + std::min(0.0, pan));
    }
}

// A gliding tone from one frequency to another.
void Glide(Buffer &b, double start, double length, double from, double to, double volume)
{
    b.Reserve(start + length);
    const std::size_t first = std::size_t(start * b.rate);
    const std::size_t count = std::size_t(length * b.rate);
    double phase = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / count;
        const double f = from * std::pow(to / from, t);
        phase += 2 * Pi * f / b.rate;
        const double envelope = std::sin(Pi * t);
        const double v = (std::sin(phase) + 0.2 * std::sin(2 * phase)) * envelope * volume;
        b.left[first + i] += v;
        b.right[first + i] += v;
    }
}

// Low-passed noise with a sharp attack: the sound of a card touching cloth.
void Thud(Buffer &b, double start, double length, double volume, double smoothing, unsigned seed)
{
    b.Reserve(start + length);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    const std::size_t first = std::size_t(start * b.rate);
    const std::size_t count = std::size_t(length * b.rate);
    double state = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / b.rate;
        state += smoothing * (noise(random) - state);
        const double v = state * std::exp(-t / (length * 0.25)) * std::min(1.0, t / 0.002) * volume * 3.0;
        b.left[first + i] += v;
        b.right[first + i] += v;
    }
}

// A buzz for refusals: a soft square wave.
void Buzz(Buffer &b, double start, double length, double frequency, double volume)
{
    b.Reserve(start + length);
    const std::size_t first = std::size_t(start * b.rate);
    const std::size_t count = std::size_t(length * b.rate);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = double(i) / b.rate;
        double v = 0.0;
        for (int k = 1; k <= 7; k += 2)
            v += std::sin(2 * Pi * k * frequency * t) / k;
        const double envelope = std::min(1.0, t / 0.01) * std::min(1.0, (length - t) / 0.04);
        b.left[first + i] += v * envelope * volume;
        b.right[first + i] += v * envelope * volume;
    }
}

void Arpeggio(Buffer &b, double start, double step, const std::vector<int> &notes, double length, double volume)
{
    for (std::size_t i = 0; i < notes.size(); ++i)
        Note(b, start + i * step, length, notes[i], volume, (double(i) / notes.size() - 0.5) * 0.6);
}

using Recipe = std::function<void(Buffer &)>;

const std::map<std::string, Recipe> &Recipes()
{
    static const std::map<std::string, Recipe> recipes{
        // A dialog opens: a quick rising swish.
        {"WOpenFo", [](Buffer &b) { Glide(b, 0.0, 0.22, 520, 1180, 0.35); }},
        // A deal laid out: a ripple of card sounds.
        {"WTasoKo", [](Buffer &b) {
             for (int i = 0; i < 10; ++i)
                 Thud(b, i * 0.055, 0.09, 0.45, 0.35, 11u + unsigned(i));
         }},
        // A contract ordered: a tiny ding.
        {"WDing_1", [](Buffer &b) { Note(b, 0.0, 0.04, 93, 0.45, 0.0, 0.2, 2.0); }},
        // "Take tricks" ordered: three rising notes.
        {"WPlMore", [](Buffer &b) { Arpeggio(b, 0.0, 0.11, {72, 76, 79}, 0.35, 0.35); }},
        // A card lands in the trick.
        {"WHodsDo", [](Buffer &b) { Thud(b, 0.0, 0.14, 0.6, 0.25, 7u); }},
        // The king of hearts lands: a card sound and a low bell.
        {"WSays40", [](Buffer &b) {
             Thud(b, 0.0, 0.12, 0.5, 0.25, 9u);
             Note(b, 0.05, 0.9, 57, 0.4, 0.0, 0.6, 3.5);
             Note(b, 0.05, 0.9, 64, 0.2, 0.0, 0.4, 3.5);
         }},
        // A refusal or a failure.
        {"WWrongs", [](Buffer &b) {
             Buzz(b, 0.0, 0.14, 196, 0.22);
             Buzz(b, 0.17, 0.2, 147, 0.22);
         }},
        // A deal ended well / badly.
        {"WKoGutX", [](Buffer &b) { Arpeggio(b, 0.0, 0.09, {67, 72, 76, 79}, 0.5, 0.3); }},
        {"WKoBadX", [](Buffer &b) { Arpeggio(b, 0.0, 0.13, {69, 65, 62, 57}, 0.55, 0.3); }},
        // The last deal ended well / badly.
        {"WKoGood", [](Buffer &b) {
             Arpeggio(b, 0.0, 0.1, {60, 64, 67, 72, 76}, 0.6, 0.28);
             Note(b, 0.55, 1.1, 84, 0.22, 0.0, 0.3, 3.0);
             Note(b, 0.55, 1.1, 72, 0.22, 0.0, 0.3, 3.0);
         }},
        {"WKoBads", [](Buffer &b) {
             Arpeggio(b, 0.0, 0.18, {64, 62, 60, 59}, 0.6, 0.28);
             Note(b, 0.75, 1.0, 57, 0.3, 0.0, 0.3, 3.0);
             Note(b, 0.75, 1.0, 45, 0.25, 0.0, 0.3, 3.0);
         }},
        // End-of-game screen: first place gets a fanfare of several phrases.
        {"WFiBest", [](Buffer &b) {
             const std::vector<std::vector<int>> phrases{{60, 64, 67}, {62, 65, 69}, {64, 67, 71}, {65, 69, 72}};
             double t = 0.0;
             for (const auto &chord : phrases) {
                 Arpeggio(b, t, 0.12, chord, 0.7, 0.22);
                 t += 0.9;
             }
             for (int note : {60, 64, 67, 72, 76})
                 Note(b, t, 2.6, note, 0.16, 0.0, 0.3, 3.0);
             for (int i = 0; i < 8; ++i)
                 Note(b, t + 0.3 + i * 0.25, 0.5, 84 + (i % 3) * 4, 0.08, (i % 2) ? 0.5 : -0.5, 0.2, 4.0);
         }},
        {"WFiGood", [](Buffer &b) {
             Arpeggio(b, 0.0, 0.14, {67, 71, 74, 79}, 0.8, 0.25);
             for (int note : {67, 71, 74})
                 Note(b, 0.7, 1.6, note, 0.16, 0.0, 0.3, 3.0);
         }},
        {"WFiBads", [](Buffer &b) {
             Arpeggio(b, 0.0, 0.3, {69, 67, 64, 62}, 0.8, 0.25);
             for (int note : {57, 60, 64})
                 Note(b, 1.2, 1.2, note, 0.16, 0.0, 0.3, 3.0);
         }},
        // Something arrived for the player: a two-note chime.
        {"WToMenK", [](Buffer &b) {
             Note(b, 0.0, 0.5, 83, 0.3, -0.3, 0.3, 3.0);
             Note(b, 0.12, 0.6, 88, 0.3, 0.3, 0.3, 3.0);
         }},
        // Move clock ticks: calm, then urgent.
        {"STimerA", [](Buffer &b) { Thud(b, 0.0, 0.05, 0.5, 0.8, 3u); }},
        {"STimerB", [](Buffer &b) {
             Note(b, 0.0, 0.09, 88, 0.4, 0.0, 0.1, 2.0);
             Thud(b, 0.0, 0.03, 0.3, 0.8, 5u);
         }},
    };
    return recipes;
}

void Put16(std::ofstream &out, std::uint16_t v) { out.put(char(v & 0xFF)).put(char(v >> 8)); }
void Put32(std::ofstream &out, std::uint32_t v)
{
    Put16(out, std::uint16_t(v & 0xFFFF));
    Put16(out, std::uint16_t(v >> 16));
}

// Normalises to a peak of -3 dB so no signal clips, and writes 16-bit PCM.
bool WriteWave(const Buffer &b, int channels, const char *path)
{
    double peak = 1e-9;
    for (std::size_t i = 0; i < b.left.size(); ++i)
        peak = std::max({peak, std::fabs(b.left[i]), std::fabs(b.right[i])});
    const double gain = 0.7 / peak;
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const std::uint32_t frames = std::uint32_t(b.left.size());
    const std::uint32_t bytes = frames * std::uint32_t(channels) * 2;
    out.write("RIFF", 4);
    Put32(out, 36 + bytes);
    out.write("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, std::uint16_t(channels));
    Put32(out, std::uint32_t(b.rate));
    Put32(out, std::uint32_t(b.rate * channels * 2));
    Put16(out, std::uint16_t(channels * 2));
    Put16(out, 16);
    out.write("data", 4);
    Put32(out, bytes);
    for (std::uint32_t i = 0; i < frames; ++i) {
        Put16(out, std::uint16_t(std::int16_t(std::lround(b.left[i] * gain * 32767))));
        if (channels == 2)
            Put16(out, std::uint16_t(std::int16_t(std::lround(b.right[i] * gain * 32767))));
    }
    return bool(out);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s <name> <rate> <channels> <out.wav>\n", argv[0]);
        return 2;
    }
    const auto recipe = Recipes().find(argv[1]);
    if (recipe == Recipes().end()) {
        std::fprintf(stderr, "unknown signal %s\n", argv[1]);
        return 2;
    }
    Buffer b;
    b.rate = std::atoi(argv[2]);
    const int channels = std::atoi(argv[3]);
    if (b.rate < 4000 || (channels != 1 && channels != 2))
        return 2;
    recipe->second(b);
    // A short tail of silence so the last note is not cut at the sample edge.
    b.Reserve(double(b.left.size()) / b.rate + 0.01);
    if (!WriteWave(b, channels, argv[4])) {
        std::fprintf(stderr, "cannot write %s\n", argv[4]);
        return 1;
    }
    return 0;
}
