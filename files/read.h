// Reading the files a player may hand the program (Config.ini, pictures,
// manual pages, sounds, settings, the gamepad mapping, saved games)
// without letting them hang or exhaust it: only regular files are read,
// opened without blocking (a FIFO in their place would otherwise stop the
// program for good), and only up to a size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"

namespace ignivar::files {

using Bytes = std::vector<std::uint8_t>;

// The file's bytes, or why they were not read (missing, not a regular
// file, larger than `max_bytes`, unreadable). Messages name the file.
Result<Bytes> read_regular_file(const std::string& path, std::uint64_t max_bytes);

// Reads up to `size` bytes of an open file (again where a signal broke in);
// the count read, short where the file ends or an error (set in `error`)
// stops it.
std::size_t read_fully(int fd, void* to, std::size_t size, int* error = nullptr);

// Whether a regular file (or a link to one) is there.
bool is_regular_file(const std::string& path);
// Whether anything is there (a link: what it leads to).
bool exists(const std::string& path);
// The size of the regular file there (a link followed), if it is one.
std::optional<std::uint64_t> regular_file_size(const std::string& path);

// What stands at `path` when it is not a regular file, for messages: "a
// folder", "a named pipe", "a device", "a socket", "a link that leads
// nowhere", "a link to a named pipe" ...; empty for a regular file or
// nothing at all.
Text describe_non_regular(const std::string& path);

// Files built into the program (the libretro core carries its default
// skin), read like files on disk under the folder they are mounted at.
struct ArchiveEntry {
    const char* name;  // relative to the archive: "Graphics/Skin/hero_1.png"
    const std::uint8_t* data;
    std::size_t size;
};
// Paths under `root` (an absolute folder that is not on the disk) are
// looked up among `entries` (which outlive the mount).
void mount_archive(const std::string& root, const ArchiveEntry* entries, std::size_t count);
void unmount_archives();

}  // namespace ignivar::files
