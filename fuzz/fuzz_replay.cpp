// Reading replays: whatever the text, it is refused with a message or it
// is a game that runs to its end (or to its bound) without fault. The
// checksum line is made right first, so that the fuzzer reaches the lines
// behind it.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "host/replay.h"
#include "sim/state.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar;
    std::string text(reinterpret_cast<const char*>(data), size);
    if (const auto at = text.rfind("check "); at != std::string::npos && (at == 0 || text[at - 1] == '\n')) {
        char check[16];
        std::snprintf(check, sizeof check, "%08x\n", crc32(reinterpret_cast<const std::uint8_t*>(text.data()), at));
        text.replace(at + 6, std::string::npos, check);
    }
    const auto replay = host::read_replay(text);
    if (!replay) {
        if (replay.message().empty()) __builtin_trap();
        return 0;
    }
    // What was read is written back the same.
    const auto again = host::read_replay(host::write_replay(*replay));
    if (!again || again->steps != replay->steps || again->start != replay->start || again->score != replay->score)
        __builtin_trap();
    (void)host::verify(*replay);
    return 0;
}
