// Sound files: our own check decides, and whatever it lets through decodes
// to exactly the samples it reckoned with, within the size it allowed.
#include <cstddef>
#include <cstdint>

#include "sound/wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar::sound;
    const auto format = check_wav(data, size);
    const auto decoded = decode_wav(data, size);
    if (format.ok() != decoded.ok()) __builtin_trap();
    if (!format) return 0;
    if (decoded->frames() != format->frames || decoded->channels != format->channels) __builtin_trap();
    for (int rate : {22050, 48000}) {
        const auto stereo = to_stereo_at(*decoded, rate);
        if (stereo.size() * sizeof(std::int16_t) > format->converted_bytes(rate)) __builtin_trap();
        if (format->converted_bytes(rate) > kMaxDecodedBytes * 4) __builtin_trap();
    }
    return 0;
}
