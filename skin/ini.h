// A reader for the skin's INI file: sections and keys match without regard
// to case, values are trimmed of surrounding spaces and cut to 2047
// characters, and lines starting with ';' or '#' are comments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "base/result.h"

namespace ignivar::skin {

inline constexpr std::size_t kMaxValueLength = 2047;
// A skin file far larger than any real one (a few kilobytes) is not read.
inline constexpr std::uint64_t kMaxIniFile = 1024 * 1024;

class IniFile {
public:
    static IniFile parse(std::string_view text);
    // Reads a file; fails when it cannot be read (not there, not a
    // regular file, larger than kMaxIniFile).
    static Result<IniFile> load(const std::string& path);

    // The value of a key when present (possibly empty).
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string read_string(std::string_view section, std::string_view key, std::string_view fallback) const;
    // Decimal, "$" hexadecimal or "0x" hexadecimal; anything else gives the fallback.
    std::int32_t read_integer(std::string_view section, std::string_view key, std::int32_t fallback) const;

private:
    // Each section and key, in lower case, to the value of its first line:
    // a skin reads hundreds of keys from hundreds of lines.
    std::unordered_map<std::string, std::string> values_;
};

// Converts the text of an integer the way the skin's number keys are read:
// optional sign, then decimal digits, or hexadecimal after "$" or "0x".
// Hexadecimal takes all 32 bits ("$FFFFFFFF" is -1).
std::optional<std::int32_t> parse_integer(std::string_view text);

}  // namespace ignivar::skin
