// The 44 bindable keys and the seven key bindings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "base/text.h"

namespace ignivar::input {

struct KeyEntry {
    std::string_view name;  // as shown in hints: "'1'", "'left arrow' key"
    std::uint16_t code;     // virtual-key code carried by key events
    std::string_view item;  // as listed in the key settings dialog: "1", "<LEFT ARROW>" (the named keys translated)
};

inline constexpr int kKeyCount = 44;
inline constexpr int kBindingCount = 7;

// Key codes of the keys that are not letters or digits.
namespace vk {
inline constexpr std::uint16_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kSpace = 0x20;
inline constexpr std::uint16_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
}  // namespace vk

// The key table: entry i (1..44) is row i - 1; the key settings dialog's
// list item i - 1 is the same key.
// clang-format off
inline constexpr std::array<KeyEntry, kKeyCount> kKeyTable = {{
    {"'0'",                0x30,        "0"},             // 1
    {"'1'",                0x31,        "1"},             // 2
    {"'2'",                0x32,        "2"},             // 3
    {"'3'",                0x33,        "3"},             // 4
    {"'4'",                0x34,        "4"},             // 5
    {"'5'",                0x35,        "5"},             // 6
    {"'6'",                0x36,        "6"},             // 7
    {"'7'",                0x37,        "7"},             // 8
    {"'8'",                0x38,        "8"},             // 9
    {"'9'",                0x39,        "9"},             // 10
    {"'A'",                0x41,        "A"},             // 11
    {"'B'",                0x42,        "B"},             // 12
    {"'C'",                0x43,        "C"},             // 13
    {"'D'",                0x44,        "D"},             // 14
    {"'E'",                0x45,        "E"},             // 15
    {"'F'",                0x46,        "F"},             // 16
    {"'G'",                0x47,        "G"},             // 17
    {"'H'",                0x48,        "H"},             // 18
    {"'I'",                0x49,        "I"},             // 19
    {"'J'",                0x4A,        "J"},             // 20
    {"'K'",                0x4B,        "K"},             // 21
    {"'L'",                0x4C,        "L"},             // 22
    {"'M'",                0x4D,        "M"},             // 23
    {"'N'",                0x4E,        "N"},             // 24
    {"'O'",                0x4F,        "O"},             // 25
    {"'P'",                0x50,        "P"},             // 26
    {"'Q'",                0x51,        "Q"},             // 27
    {"'R'",                0x52,        "R"},             // 28
    {"'S'",                0x53,        "S"},             // 29
    {"'T'",                0x54,        "T"},             // 30
    {"'U'",                0x55,        "U"},             // 31
    {"'V'",                0x56,        "V"},             // 32
    {"'W'",                0x57,        "W"},             // 33
    {"'X'",                0x58,        "X"},             // 34
    {"'Y'",                0x59,        "Y"},             // 35
    {"'Z'",                0x5A,        "Z"},             // 36
    {"'up arrow' key",     vk::kUp,     IGNIVAR_TEXT("KeySettings", "<UP ARROW>")},    // 37
    {"'down arrow' key",   vk::kDown,   IGNIVAR_TEXT("KeySettings", "<DOWN ARROW>")},  // 38
    {"'left arrow' key",   vk::kLeft,   IGNIVAR_TEXT("KeySettings", "<LEFT ARROW>")},  // 39
    {"'right arrow' key",  vk::kRight,  IGNIVAR_TEXT("KeySettings", "<RIGHT ARROW>")}, // 40
    {"'alt' key",          vk::kAlt,    IGNIVAR_TEXT("KeySettings", "<ALT>")},         // 41
    {"'ctrl' key",         vk::kCtrl,   IGNIVAR_TEXT("KeySettings", "<CTRL>")},        // 42
    {"'shift' key",        vk::kShift,  IGNIVAR_TEXT("KeySettings", "<SHIFT>")},       // 43
    {"'spacebar'",         vk::kSpace,  IGNIVAR_TEXT("KeySettings", "<SPACEBAR>")},    // 44
}};
// clang-format on

// Entry `index` (1..44) of the key table, or nothing outside that range.
const KeyEntry* key_entry(int index);
// The table index (1..44) of a key code, or nothing for a key outside it.
std::optional<int> key_index_of_code(std::uint16_t code);


// Default key index of each binding 1..7, and the settings value names.
inline constexpr std::array<int, kBindingCount> kDefaultKeyIndex = {2, 3, 4, 39, 40, 42, 41};


class Bindings {
public:
    // Derives binding N's key code from a key index (AssignWord): an index
    // outside 1..44 leaves the code it had.
    void AssignWord(int binding, int key_index);

    int key_index(int binding) const { return index_[binding - 1]; }
    std::uint16_t key_code(int binding) const { return code_[binding - 1]; }
    // The first binding (1..7) whose key code is `code`, or 0 for none.
    int binding_for_code(std::uint16_t code) const;

private:
    std::array<int, kBindingCount> index_{};
    std::array<std::uint16_t, kBindingCount> code_{};
};

}  // namespace ignivar::input
