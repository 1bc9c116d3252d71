#include "skin/ini.h"

#include "files/read.h"

#include <fstream>
#include <sstream>

namespace ignivar::skin {
namespace {

// The name a section and key are found by: both in lower case (ASCII only,
// as the platform's reader compares them).
std::string lookup_name(std::string_view section, std::string_view key) {
    std::string name;
    name.reserve(section.size() + 1 + key.size());
    for (const char c : section) name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    name += '\0';
    for (const char c : key) name += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    return name;
}

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n\f\v");
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(" \t\r\n\f\v");
    return s.substr(first, last - first + 1);
}

}  // namespace

IniFile IniFile::parse(std::string_view text) {
    IniFile ini;
    // A UTF-8 byte order mark is no part of the first line.
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::string section;
    bool in_section = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close == std::string_view::npos) continue;  // not a section line
            section = std::string(trim(line.substr(1, close - 1)));
            in_section = true;
            continue;
        }
        const auto eq = line.find('=');
        if (!in_section || eq == std::string_view::npos) continue;
        std::string_view key = trim(line.substr(0, eq));
        std::string_view value = trim(line.substr(eq + 1));
        // A value in matching quotes stands without them.
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        if (value.size() > kMaxValueLength) value = value.substr(0, kMaxValueLength);
        if (key.empty()) continue;
        ini.values_.try_emplace(lookup_name(section, key), value);
    }
    return ini;
}

Result<IniFile> IniFile::load(const std::string& path) {
    auto bytes = files::read_regular_file(path, kMaxIniFile);
    if (!bytes) return bytes.error();
    return parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    // The first occurrence counts, as with the platform's reader.
    const auto it = values_.find(lookup_name(section, key));
    if (it == values_.end()) return std::nullopt;
    return it->second;
}

std::string IniFile::read_string(std::string_view section, std::string_view key, std::string_view fallback) const {
    auto v = value(section, key);
    return v ? *v : std::string(fallback);
}

std::int32_t IniFile::read_integer(std::string_view section, std::string_view key, std::int32_t fallback) const {
    const auto v = value(section, key);
    if (!v) return fallback;
    return parse_integer(*v).value_or(fallback);
}

std::optional<std::int32_t> parse_integer(std::string_view s) {
    s = trim(s);
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    int base = 10;
    if (!s.empty() && s.front() == '$') {
        base = 16;
        s.remove_prefix(1);
    } else if (s.size() >= 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty()) return std::nullopt;
    std::uint64_t value = 0;
    for (char c : s) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return std::nullopt;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(d);
        if (value > 0xFFFFFFFFull) return std::nullopt;
    }
    if (base == 10) {
        if (value > (negative ? 2147483648ull : 2147483647ull)) return std::nullopt;
        return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
    }
    const auto bits = static_cast<std::uint32_t>(value);
    const auto signed_bits = static_cast<std::int32_t>(bits);
    return negative ? static_cast<std::int32_t>(0u - bits) : signed_bits;
}

}  // namespace ignivar::skin
