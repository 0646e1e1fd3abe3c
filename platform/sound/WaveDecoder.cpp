#include "WaveDecoder.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace halvane::sound {

namespace {

constexpr std::uint16_t FormatPcm = 1;
constexpr std::uint16_t FormatMsAdpcm = 2;

std::uint16_t U16(const std::uint8_t *p) { return std::uint16_t(p[0] | (p[1] << 8)); }
std::int16_t S16(const std::uint8_t *p) { return std::int16_t(U16(p)); }
std::uint32_t U32(const std::uint8_t *p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

struct Format {
    std::uint16_t tag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bitsPerSample = 0;
    int samplesPerBlock = 0;
    std::vector<std::array<int, 2>> coefficients;
};

std::optional<DecodedWave> Fail(std::string *error, const char *reason)
{
    if (error)
        *error = reason;
    return std::nullopt;
}

bool ReadFormat(const std::uint8_t *p, std::size_t size, Format &format)
{
    if (size < 16)
        return false;
    format.tag = U16(p);
    format.channels = U16(p + 2);
    format.sampleRate = int(U32(p + 4));
    format.blockAlign = U16(p + 12);
    format.bitsPerSample = U16(p + 14);
    if (format.tag != FormatMsAdpcm)
        return true;
    if (size < 22)
        return false;
    const std::size_t extra = U16(p + 16);
    if (extra < 4 || 18 + extra > size)
        return false;
    format.samplesPerBlock = U16(p + 18);
    const std::size_t count = U16(p + 20);
    if (22 + count * 4 > size)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        format.coefficients.push_back({S16(p + 22 + 4 * i), S16(p + 24 + 4 * i)});
    return true;
}

void DecodePcm(const Format &format, const std::uint8_t *p, std::size_t size, DecodedWave &wave)
{
    if (format.bitsPerSample == 8) {
        wave.samples.reserve(size);
        for (std::size_t i = 0; i < size; ++i)
            wave.samples.push_back(std::int16_t((int(p[i]) - 128) << 8));
    } else {
        wave.samples.reserve(size / 2);
        for (std::size_t i = 0; i + 1 < size; i += 2)
            wave.samples.push_back(S16(p + i));
    }
    // A trailing partial frame cannot be played.
    wave.samples.resize(wave.samples.size() - wave.samples.size() % std::size_t(format.channels));
}

// One channel's state in a Microsoft ADPCM block.
struct AdpcmState {
    int coefficient1 = 0;
    int coefficient2 = 0;
    int delta = 16;
    int sample1 = 0;
    int sample2 = 0;

    std::int16_t Next(int nibble)
    {
        static constexpr int Adaptation[16] = {230, 230, 230, 230, 307, 409, 512, 614,
                                               768, 614, 512, 409, 307, 230, 230, 230};
        const int signedNibble = nibble >= 8 ? nibble - 16 : nibble;
        // Rounded down (an arithmetic shift), as encoders predict it.
        int predicted = (sample1 * coefficient1 + sample2 * coefficient2) >> 8;
        predicted += signedNibble * delta;
        predicted = std::clamp(predicted, -32768, 32767);
        sample2 = sample1;
        sample1 = predicted;
        delta = std::max(16, (Adaptation[nibble] * delta) / 256);
        return std::int16_t(predicted);
    }
};

bool DecodeAdpcmBlock(const Format &format, const std::uint8_t *p, std::size_t size, std::size_t framesWanted,
                      DecodedWave &wave)
{
    const int channels = format.channels;
    const std::size_t header = std::size_t(7 * channels);
    if (size < header)
        return false;
    std::array<AdpcmState, 2> states;
    for (int c = 0; c < channels; ++c) {
        const std::size_t index = p[c];
        if (index >= format.coefficients.size())
            return false;
        states[c].coefficient1 = format.coefficients[index][0];
        states[c].coefficient2 = format.coefficients[index][1];
        states[c].delta = S16(p + channels + 2 * c);
        states[c].sample1 = S16(p + 3 * channels + 2 * c);
        states[c].sample2 = S16(p + 5 * channels + 2 * c);
    }
    std::size_t frames = 0;
    // The block header carries the first two frames, older one first.
    for (int c = 0; c < channels && frames < framesWanted; ++c)
        wave.samples.push_back(std::int16_t(states[c].sample2));
    if (framesWanted > 0)
        ++frames;
    for (int c = 0; c < channels && frames < framesWanted; ++c)
        wave.samples.push_back(std::int16_t(states[c].sample1));
    if (framesWanted > 1)
        ++frames;
    // Then nibbles, high one first; in stereo the high nibble is the left channel.
    int channel = 0;
    for (std::size_t i = header; i < size && frames < framesWanted; ++i) {
        for (const int nibble : {p[i] >> 4, p[i] & 0x0F}) {
            wave.samples.push_back(states[channel].Next(nibble));
            if (++channel == channels) {
                channel = 0;
                if (++frames == framesWanted)
                    break;
            }
        }
    }
    // Keep whole frames only.
    wave.samples.resize(wave.samples.size() - wave.samples.size() % std::size_t(channels));
    return true;
}

void DecodeAdpcm(const Format &format, const std::uint8_t *p, std::size_t size, std::optional<std::uint32_t> totalFrames,
                 DecodedWave &wave)
{
    const std::size_t blockAlign = std::size_t(format.blockAlign);
    std::size_t remaining = totalFrames ? *totalFrames : std::size_t(-1);
    for (std::size_t offset = 0; offset < size && remaining > 0; offset += blockAlign) {
        const std::size_t length = std::min(blockAlign, size - offset);
        const std::size_t wanted = std::min<std::size_t>(std::size_t(format.samplesPerBlock), remaining);
        const std::size_t before = wave.frames();
        if (!DecodeAdpcmBlock(format, p + offset, length, wanted, wave))
            break;
        remaining -= std::min(remaining, wave.frames() - before);
    }
}

bool Supported(const Format &format)
{
    if (format.channels < 1 || format.channels > 2 || format.sampleRate < 1000 || format.sampleRate > 192000)
        return false;
    if (format.tag == FormatPcm)
        return format.bitsPerSample == 8 || format.bitsPerSample == 16;
    if (format.tag == FormatMsAdpcm) {
        const int header = 7 * format.channels;
        return format.bitsPerSample == 4 && format.blockAlign > header && !format.coefficients.empty() &&
               format.samplesPerBlock >= 2 &&
               // The nibbles of a block must hold the frames it promises.
               std::size_t(format.samplesPerBlock - 2) * std::size_t(format.channels) <=
                   std::size_t(format.blockAlign - header) * 2;
    }
    return false;
}

} // namespace

int DecodedWave::durationMs() const
{
    if (sampleRate <= 0)
        return 0;
    return int((std::uint64_t(frames()) * 1000 + std::uint64_t(sampleRate) - 1) / std::uint64_t(sampleRate));
}

std::optional<DecodedWave> DecodeWave(const std::uint8_t *data, std::size_t size, std::string *error)
{
    if (size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
        return Fail(error, "not a RIFF WAVE image");
    Format format;
    bool haveFormat = false;
    const std::uint8_t *payload = nullptr;
    std::size_t payloadSize = 0;
    std::optional<std::uint32_t> factFrames;
    std::size_t offset = 12;
    while (offset + 8 <= size) {
        const std::uint8_t *chunk = data + offset;
        const std::size_t length = U32(chunk + 4);
        const std::size_t available = std::min(length, size - offset - 8);
        if (std::memcmp(chunk, "fmt ", 4) == 0) {
            if (!ReadFormat(chunk + 8, available, format))
                return Fail(error, "damaged format chunk");
            haveFormat = true;
        } else if (std::memcmp(chunk, "fact", 4) == 0 && available >= 4) {
            factFrames = U32(chunk + 8);
        } else if (std::memcmp(chunk, "data", 4) == 0) {
            // A data chunk cut short by the end of the image plays what is there.
            payload = chunk + 8;
            payloadSize = available;
        }
        if (length > size)
            break;
        offset += 8 + length + (length & 1);
    }
    if (!haveFormat)
        return Fail(error, "no format chunk");
    if (!Supported(format))
        return Fail(error, "unsupported wave format");
    if (!payload)
        return Fail(error, "no data chunk");
    DecodedWave wave;
    wave.channels = format.channels;
    wave.sampleRate = format.sampleRate;
    if (format.tag == FormatPcm)
        DecodePcm(format, payload, payloadSize, wave);
    else
        DecodeAdpcm(format, payload, payloadSize, factFrames, wave);
    return wave;
}

std::optional<DecodedWave> DecodeWave(const std::vector<std::uint8_t> &bytes, std::string *error)
{
    return DecodeWave(bytes.data(), bytes.size(), error);
}

} // namespace halvane::sound
