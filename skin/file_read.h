// Reading the files a player may hand the program (Config.ini, pictures,
// manual pages, sounds) without letting them hang or exhaust it: only
// regular files are read, opened without blocking (a FIFO in their place
// would otherwise stop the program for good), and only up to a size.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace ignivar::skin {

// The file's bytes, or the message that says why they were not read
// (missing, not a regular file, larger than `max_bytes`, unreadable).
using FileBytes = std::variant<std::vector<std::uint8_t>, std::string>;
FileBytes read_regular_file(const std::string& path, std::uint64_t max_bytes);

// Whether a regular file (or a link to one) is there.
bool is_regular_file(const std::string& path);

}  // namespace ignivar::skin
