#include "settings/memory_store.h"

#include <algorithm>
#include <cctype>

namespace ignivar {

bool MemoryStore::NoCase::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) < std::tolower(y);
    });
}

std::optional<std::string> MemoryStore::read_text(std::string_view name) {
    const auto it = values_.find(std::string(name));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::vector<std::pair<std::string, std::string>> MemoryStore::all_values() {
    std::vector<std::pair<std::string, std::string>> out(values_.begin(), values_.end());
    std::sort(out.begin(), out.end());
    return out;
}

Status MemoryStore::store_text(std::string_view name, std::string_view text) {
    if (!failure_.empty()) return failure(failure_);
    // Replacing keeps the name as first stored, as the platform's store does.
    auto it = values_.find(std::string(name));
    if (it != values_.end()) it->second = std::string(text);
    else values_.emplace(std::string(name), std::string(text));
    return {};
}

}  // namespace ignivar
