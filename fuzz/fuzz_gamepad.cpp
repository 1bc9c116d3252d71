// Gamepad.txt: any text gives a mapping and a list of problems that stays
// a handful of short lines, however many there are.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "gamepad/gamepad.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar;
    if (size > gamepad::kMaxMappingFile) return 0;  // never read
    Report problems;
    const gamepad::Mapping m = gamepad::parse_mapping(std::string_view(reinterpret_cast<const char*>(data), size), problems);
    const std::string shown = problems.summary();
    std::size_t lines = 0;
    for (char c : shown) lines += c == '\n';
    if (lines > 8 || shown.size() > 9 * 160) __builtin_trap();
    for (const auto& [in, button] : m.inputs)
        if (button == input::Button::Set) __builtin_trap();
    return 0;
}
