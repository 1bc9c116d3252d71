#include "sim/ports.h"

#include <charconv>

namespace ignivar {

std::string_view sample_name(Sample s) {
    static constexpr std::string_view names[kSampleCount] = {"Enemy", "Gameover", "Miss", "Shot", "Start"};
    return names[static_cast<int>(s)];
}

std::optional<std::int32_t> parse_stored_number(std::string_view text) {
    if (text.empty()) return std::nullopt;
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    // from_chars takes "-" but not "+" and no spaces: exactly the strict form.
    auto [end, ec] = std::from_chars(first, last, value, 10);
    if (ec != std::errc() || end != last) return std::nullopt;
    return value;
}

Status SettingsStore::write_text(std::string_view name, std::string_view text) {
    Status stored = store_text(name, text);
    if (!stored && on_failure_) on_failure_(stored.error());
    return stored;
}

Status SettingsStore::write_texts(const Values& values) {
    if (values.empty()) return {};
    Status stored = store_texts(values);
    if (!stored && on_failure_) on_failure_(stored.error());
    return stored;
}

Status SettingsStore::store_texts(const Values& values) {
    for (const auto& [name, text] : values)
        if (Status s = store_text(name, text); !s) return s;
    return {};
}

std::int32_t SettingsStore::read_number(std::string_view name, std::int32_t fallback) {
    const auto text = read_text(name);
    if (!text) return fallback;
    return parse_stored_number(*text).value_or(fallback);
}

bool SettingsStore::read_flag(std::string_view name, bool fallback) {
    return read_number(name, fallback ? 1 : 0) != 0;
}

Status SettingsStore::write_number(std::string_view name, std::int32_t value) {
    return write_text(name, std::to_string(value));
}

Status SettingsStore::write_flag(std::string_view name, bool value) {
    return write_text(name, value ? "1" : "0");
}

}  // namespace ignivar
