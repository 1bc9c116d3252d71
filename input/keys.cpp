#include "input/keys.h"

#include <vector>

namespace ignivar::input {
namespace {

const std::vector<KeyEntry>& table() {
    static const std::vector<KeyEntry> t = [] {
        std::vector<KeyEntry> v;
        v.reserve(kKeyCount);
        for (char c = '0'; c <= '9'; ++c) v.push_back({std::string("'") + c + "'", static_cast<std::uint16_t>(c)});
        for (char c = 'A'; c <= 'Z'; ++c) v.push_back({std::string("'") + c + "'", static_cast<std::uint16_t>(c)});
        v.push_back({"'up arrow' key", vk::kUp});
        v.push_back({"'down arrow' key", vk::kDown});
        v.push_back({"'left arrow' key", vk::kLeft});
        v.push_back({"'right arrow' key", vk::kRight});
        v.push_back({"'alt' key", vk::kAlt});
        v.push_back({"'ctrl' key", vk::kCtrl});
        v.push_back({"'shift' key", vk::kShift});
        v.push_back({"'spacebar'", vk::kSpace});
        return v;
    }();
    return t;
}

}  // namespace

const KeyEntry* key_entry(int index) {
    if (index < 1 || index > kKeyCount) return nullptr;
    return &table()[index - 1];
}

std::optional<int> key_index_of_code(std::uint16_t code) {
    const auto& t = table();
    for (int i = 0; i < kKeyCount; ++i)
        if (t[i].code == code) return i + 1;
    return std::nullopt;
}

std::string binding_value_name(int binding) { return "Key" + std::to_string(binding); }

void Bindings::AssignWord(int binding, int key_index) {
    if (binding < 1 || binding > kBindingCount) return;
    index_[binding - 1] = key_index;
    if (const KeyEntry* e = key_entry(key_index)) code_[binding - 1] = e->code;
}

int Bindings::binding_for_code(std::uint16_t code) const {
    if (code == 0) return 0;  // no key event carries 0; a binding without a key has it
    for (int b = 1; b <= kBindingCount; ++b)
        if (code_[b - 1] == code) return b;
    return 0;
}

}  // namespace ignivar::input
