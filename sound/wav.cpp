#include "sound/wav.h"

#include <cstring>
#include <string>

#include "base/bytes.h"

namespace ignivar::sound {
namespace {

constexpr std::uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

Status check_fmt(const std::uint8_t* c, std::uint32_t len, WavFormat& f) {
    if (len < 16) return failure(said("Sounds", "its format chunk is cut short"));
    std::uint16_t tag = le16(c);
    if (tag == kExtensible && len >= 26) tag = le16(c + 24);  // the subformat's first two bytes
    f.channels = le16(c + 2);
    f.rate = static_cast<int>(le32(c + 4));
    f.bits = le16(c + 14);
    if (tag == kPcm && (f.bits == 8 || f.bits == 16 || f.bits == 24 || f.bits == 32)) f.encoding = WavFormat::Encoding::Pcm;
    else if (tag == kFloat && f.bits == 32) f.encoding = WavFormat::Encoding::Float;
    else return failure(said("Sounds", "its encoding is not PCM or float (format %1, %2 bits)").with(std::to_string(tag)).with(std::to_string(f.bits)));
    if (f.channels < 1 || f.channels > kMaxChannels)
        return failure(said("Sounds", "it has %1 channels (1 or 2 can be played)").with(std::to_string(f.channels)));
    if (f.rate < kMinRate || f.rate > kMaxRate)
        return failure(said("Sounds", "its rate is %1 Hz (%2 to %3 Hz can be played)")
                           .with(std::to_string(f.rate))
                           .with(std::to_string(kMinRate))
                           .with(std::to_string(kMaxRate)));
    return {};
}

}  // namespace

std::uint64_t WavFormat::converted_bytes(int output_rate) const {
    const std::uint64_t out_frames = rate > 0 ? frames * static_cast<std::uint64_t>(output_rate) / static_cast<std::uint64_t>(rate) + 1 : 0;
    return out_frames * 4;
}

Result<WavFormat> check_wav(const std::uint8_t* d, std::size_t n) {
    if (n < 12 || std::memcmp(d, "RIFF", 4) != 0 || std::memcmp(d + 8, "WAVE", 4) != 0)
        return failure(said("Sounds", "it is not a WAV file"));
    WavFormat f;
    bool have_fmt = false;
    for (std::size_t i = 12; i + 8 <= n;) {
        const std::uint32_t len = le32(d + i + 4);
        const std::uint8_t* body = d + i + 8;
        const std::size_t room = n - (i + 8);
        if (std::memcmp(d + i, "fmt ", 4) == 0) {
            if (len > room) return failure(said("Sounds", "its format chunk runs past the end of the file"));
            if (Status s = check_fmt(body, len, f); !s) return s.error();
            have_fmt = true;
        } else if (std::memcmp(d + i, "data", 4) == 0) {
            if (!have_fmt) return failure(said("Sounds", "its samples come before their format"));
            const std::size_t bytes = len > room ? room : len;  // a data chunk cut short plays what is there
            const std::uint64_t frame_bytes = static_cast<std::uint64_t>(f.channels) * static_cast<std::uint64_t>(f.bits / 8);
            f.frames = bytes / frame_bytes;
            f.data_offset = i + 8;
            if (f.converted_bytes(48000) > kMaxDecodedBytes)
                return failure(said("Sounds", "it is far too long for a sound effect (%1 s)")
                                   .with(std::to_string(f.frames / static_cast<std::uint64_t>(f.rate))));
            return f;
        }
        if (len > room) break;
        i += 8 + len + (len & 1);
    }
    return failure(have_fmt ? said("Sounds", "it has no samples") : said("Sounds", "it has no format chunk"));
}

Result<Samples> decode_wav(const std::uint8_t* data, std::size_t size) {
    auto format = check_wav(data, size);
    if (!format) return format.error();
    const WavFormat& f = *format;
    Samples s;
    s.channels = f.channels;
    s.rate = f.rate;
    const std::size_t count = static_cast<std::size_t>(f.frames) * static_cast<std::size_t>(f.channels);
    s.values.resize(count);
    const std::uint8_t* p = data + f.data_offset;
    const int bytes = f.bits / 8;
    for (std::size_t i = 0; i < count; ++i, p += bytes) {
        if (f.encoding == WavFormat::Encoding::Float) {
            float v;
            std::memcpy(&v, p, 4);
            v = v != v ? 0.f : (v > 1.f ? 1.f : (v < -1.f ? -1.f : v));
            s.values[i] = static_cast<std::int16_t>(v * 32767.f);
        } else if (bytes == 1) {
            s.values[i] = static_cast<std::int16_t>((p[0] - 128) << 8);
        } else {
            // The two most significant bytes of a little-endian sample.
            s.values[i] = static_cast<std::int16_t>(p[bytes - 2] | (p[bytes - 1] << 8));
        }
    }
    return s;
}

std::vector<std::int16_t> to_stereo_at(const Samples& s, int rate) {
    std::vector<std::int16_t> out;
    const std::size_t in_frames = s.frames();
    if (in_frames == 0 || s.rate <= 0 || rate <= 0) return out;
    const std::size_t out_frames = static_cast<std::size_t>(static_cast<std::uint64_t>(in_frames) * static_cast<std::uint64_t>(rate) / static_cast<std::uint64_t>(s.rate));
    out.resize(out_frames * 2);
    const auto at = [&](std::size_t frame, int channel) {
        if (frame >= in_frames) frame = in_frames - 1;
        return s.values[frame * static_cast<std::size_t>(s.channels) + static_cast<std::size_t>(channel % s.channels)];
    };
    for (std::size_t i = 0; i < out_frames; ++i) {
        const std::uint64_t pos = static_cast<std::uint64_t>(i) * static_cast<std::uint64_t>(s.rate);
        const std::size_t j = static_cast<std::size_t>(pos / static_cast<std::uint64_t>(rate));
        const int frac = static_cast<int>((pos % static_cast<std::uint64_t>(rate)) * 1024 / static_cast<std::uint64_t>(rate));
        for (int c = 0; c < 2; ++c) {
            const int a = at(j, c), b = at(j + 1, c);
            out[i * 2 + static_cast<std::size_t>(c)] = static_cast<std::int16_t>(a + (b - a) * frac / 1024);
        }
    }
    return out;
}

}  // namespace ignivar::sound
