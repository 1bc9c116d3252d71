// Writing the program's own files (saved games, replays, screenshots) so
// that a reader never sees half of one: the bytes go to a new file beside
// the target, reach the disk, and then take its place in one step.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"

namespace ignivar::files {

// Makes the folder and its parents (private to the user) as needed, then
// writes `bytes` as `path`. A folder, pipe or device in the file's place,
// or a link that leads to none, is refused and left as it is; a link to a
// regular file is written through.
Status write_atomically(const std::string& path, const std::vector<std::uint8_t>& bytes);
Status write_atomically(const std::string& path, const std::string& text);

// Writes `bytes` as a new file at `path`, whole or not at all, never over
// anything there (also not over a file another program makes at the same
// moment): true when written, false when something has that name already.
Result<bool> write_new(const std::string& path, const std::string& text);

// Makes a folder and its parents, private to the user where it is new.
Status make_folder(const std::string& path);

// Removes what writers killed in the middle of a write left beside `path`:
// regular files named path.XXXXXX (six letters or digits) that have not
// changed for a minute (a writer of this moment is left alone).
void remove_stale_temporaries(const std::string& path);
// The same for every file in `folder` whose name ends in `extension`.
void remove_stale_temporaries_of(const std::string& folder, std::string_view extension);
// Removes the regular files in `folder` whose names end in `extension` and
// that have not changed for `seconds`.
void remove_unchanged_for(const std::string& folder, std::string_view extension, std::time_t seconds);

// Writes all of `size` bytes to an open file (again where a signal broke in).
Status write_all(int fd, const void* data, std::size_t size);

}  // namespace ignivar::files
