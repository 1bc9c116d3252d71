#include "input/keys.h"

namespace ignivar::input {

const KeyEntry* key_entry(int index) {
    if (index < 1 || index > kKeyCount) return nullptr;
    return &kKeyTable[index - 1];
}

std::optional<int> key_index_of_code(std::uint16_t code) {
    for (int i = 0; i < kKeyCount; ++i)
        if (kKeyTable[i].code == code) return i + 1;
    return std::nullopt;
}

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
