// WAV files read by our own code before any library sees them: the header
// is checked against what a sound effect can be (a PCM or float format, a
// sane rate and channel count, a decoded size within bounds), and the
// samples are decoded to 16-bit for front ends that mix on their own.
#pragma once

#include <cstdint>
#include <vector>

#include "base/result.h"

namespace ignivar::sound {

// What a sound effect may be.
inline constexpr int kMinRate = 4000;
inline constexpr int kMaxRate = 192000;
inline constexpr int kMaxChannels = 2;
// The most one sample may take once converted to 16-bit stereo at the
// highest rate a device is opened at (a minute of it).
inline constexpr std::uint64_t kMaxDecodedBytes = 60ull * 48000 * 4;

struct WavFormat {
    enum class Encoding { Pcm, Float };
    Encoding encoding = Encoding::Pcm;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::uint64_t frames = 0;         // sample frames in the data
    std::size_t data_offset = 0;      // where the samples start in the file
    // Bytes of 16-bit stereo at `output_rate` that the samples make.
    std::uint64_t converted_bytes(int output_rate) const;
};

// The format of a WAV file, or why it is not one that may be played.
Result<WavFormat> check_wav(const std::uint8_t* data, std::size_t size);

// The samples as 16-bit, interleaved as in the file.
struct Samples {
    int channels = 1;
    int rate = 0;
    std::vector<std::int16_t> values;
    std::size_t frames() const { return channels ? values.size() / static_cast<std::size_t>(channels) : 0; }
};
Result<Samples> decode_wav(const std::uint8_t* data, std::size_t size);

// The samples at another rate, as 16-bit stereo (linear interpolation).
std::vector<std::int16_t> to_stereo_at(const Samples& s, int rate);

}  // namespace ignivar::sound
