#pragma once
// RIFF WAVE images to 16-bit PCM: PCM 8-bit (unsigned) and 16-bit, and
// Microsoft ADPCM 4-bit, mono or stereo. Standard library only.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace halvane::sound {

struct DecodedWave {
    int channels = 1;
    int sampleRate = 22050;
    std::vector<std::int16_t> samples; // interleaved by channel

    std::size_t frames() const { return channels > 0 ? samples.size() / std::size_t(channels) : 0; }
    // The playing time in milliseconds, rounded up.
    int durationMs() const;
};

// Decodes a whole wave file image. Returns nothing, with a reason in `error`,
// for a damaged or unsupported image; never reads past the given bytes.
std::optional<DecodedWave> DecodeWave(const std::uint8_t *data, std::size_t size, std::string *error = nullptr);
std::optional<DecodedWave> DecodeWave(const std::vector<std::uint8_t> &bytes, std::string *error = nullptr);

} // namespace halvane::sound
