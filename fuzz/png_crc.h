// PNG chunks with their check sums made right, for the fuzzers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>
#include <zlib.h>

namespace {

// libpng rejects a chunk whose check sum is wrong before it looks inside,
// so nearly every mutation would end there. Putting the right sums in, as
// libpng's own fuzzing ignores them, lets the mutations reach the decoder.
std::vector<std::uint8_t> with_right_crcs(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> out(data, data + size);
    std::size_t i = 8;  // after the signature
    while (i + 12 <= out.size()) {
        const std::uint32_t len = (std::uint32_t{out[i]} << 24) | (std::uint32_t{out[i + 1]} << 16) |
                                  (std::uint32_t{out[i + 2]} << 8) | out[i + 3];
        if (len > out.size() - i - 12) break;
        const std::uint32_t crc = static_cast<std::uint32_t>(crc32(0, &out[i + 4], len + 4));
        const std::size_t at = i + 8 + len;
        for (int b = 0; b < 4; ++b) out[at + b] = static_cast<std::uint8_t>(crc >> (24 - 8 * b));
        i = at + 4;
    }
    return out;
}

}  // namespace
