// The CRC-32 (that of zlib and PNG) that saved moments and replays carry.
#include <cstdint>

#include "base/bytes.h"
#include "sim/state.h"

namespace ignivar {
namespace {

// CRC-32 eight bytes at a time: tables for each of the eight byte places.
struct CrcTables {
    std::uint32_t t[8][256];
    constexpr CrcTables() : t{} {
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (std::uint32_t i = 0; i < 256; ++i)
            for (int k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    }
};
constexpr CrcTables kCrc;

}  // namespace

std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
    crc = ~crc;
    while (size >= 8) {
        const std::uint32_t lo = le32(data) ^ crc, hi = le32(data + 4);
        crc = kCrc.t[7][lo & 0xFF] ^ kCrc.t[6][(lo >> 8) & 0xFF] ^ kCrc.t[5][(lo >> 16) & 0xFF] ^ kCrc.t[4][lo >> 24] ^
              kCrc.t[3][hi & 0xFF] ^ kCrc.t[2][(hi >> 8) & 0xFF] ^ kCrc.t[1][(hi >> 16) & 0xFF] ^ kCrc.t[0][hi >> 24];
        data += 8;
        size -= 8;
    }
    while (size--) crc = kCrc.t[0][(crc ^ *data++) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

}  // namespace ignivar
