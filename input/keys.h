// The 44 bindable keys and the seven key bindings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ignivar::input {

struct KeyEntry {
    std::string name;    // as shown in hints: "'1'", "'left arrow' key"
    std::uint16_t code;  // virtual-key code carried by key events
};

inline constexpr int kKeyCount = 44;
inline constexpr int kBindingCount = 7;

// Entry `index` (1..44) of the key table, or nothing outside that range.
const KeyEntry* key_entry(int index);
// The table index (1..44) of a key code, or nothing for a key outside it.
std::optional<int> key_index_of_code(std::uint16_t code);

// Key codes of the keys that are not letters or digits.
namespace vk {
inline constexpr std::uint16_t kShift = 0x10, kCtrl = 0x11, kAlt = 0x12, kSpace = 0x20;
inline constexpr std::uint16_t kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
}  // namespace vk

// Default key index of each binding 1..7, and the settings value names.
inline constexpr std::array<int, kBindingCount> kDefaultKeyIndex = {2, 3, 4, 39, 40, 42, 41};
std::string binding_value_name(int binding);  // "Key1" .. "Key7"

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
