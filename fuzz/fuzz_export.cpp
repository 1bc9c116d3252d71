// What the clip exporter takes of a replay: whatever the text, it is
// refused, or the clip it plans runs no longer than the game the replay
// proves, and a second after it. The checksum line is made right first.
#include <cstddef>
#include <cstdint>
#include <string>

#include "clips/plan.h"
#include "replay_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar;
    const std::string text = replay_text_checked(data, size);
    const auto replay = host::read_replay(text);
    if (!replay) return 0;
    const auto length = clips::clip_length(*replay);
    if (!length) {
        if (length.message().empty()) __builtin_trap();
        return 0;
    }
    SilentSink silent;
    auto run = host::ReplayRun::start(*replay, silent);
    if (!run) __builtin_trap();  // what the plan took must run
    (*run)->to_the_end();
    if (!(*run)->over() || *length != (*run)->final_length() + 1000) __builtin_trap();
    return 0;
}
