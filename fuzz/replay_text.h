// A fuzzer's bytes as a replay's text whose checksum line is made right,
// so that the fuzzer reaches the lines behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "sim/state.h"

inline std::string replay_text_checked(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto at = text.rfind("check "); at != std::string::npos && (at == 0 || text[at - 1] == '\n')) {
        char check[16];
        const std::uint32_t crc = ignivar::crc32(reinterpret_cast<const std::uint8_t*>(text.data()), at);
        std::snprintf(check, sizeof check, "%08x\n", crc);
        text.replace(at + 6, std::string::npos, check);
    }
    return text;
}
