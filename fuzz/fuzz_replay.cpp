// Reading replays: whatever the text, it is refused with a message or it
// is a game that runs to its end (or to its bound) without fault. The
// checksum line is made right first, so that the fuzzer reaches the lines
// behind it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/replay.h"
#include "replay_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar;
    const std::string text = replay_text_checked(data, size);
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
