// The file work of a cache folder: which file a path names now, so that
// what was worked out from a file is used only while it is that very
// file; entries read without blocking, or mapped into memory; entries
// written together so that each is there whole or not at all; entries
// marked as used, and those unused for long swept away. What an entry
// holds is its owner's matter.
#pragma once

#include <cstdint>
#include <ctime>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ignivar::files {

// Which file a path names: the same device, inode, size, modification and
// change times.
struct Stamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified_ns = 0, changed_ns = 0;
    bool operator==(const Stamp&) const = default;
};
// Nothing when the path names no regular file.
std::optional<Stamp> stamp(const std::string& path);

// An entry open for reading, its bytes read in order.
class EntryReader {
public:
    // A regular file, opened without blocking; nothing when there is none.
    static std::optional<EntryReader> open(const std::string& path);
    EntryReader(EntryReader&& other) noexcept;
    EntryReader& operator=(EntryReader&&) = delete;
    ~EntryReader();

    std::uint64_t size() const { return size_; }
    // Reads the next `bytes` bytes, all of them or false.
    bool read(void* to, std::size_t bytes);
    // The `bytes` bytes from `offset` on, mapped into memory as they are in
    // the system's file cache: nothing is copied until a page is written,
    // and what is written stays in memory. Taken instead of read where many
    // megabytes are wanted at once. Nothing when they cannot be mapped or
    // lie past the end.
    struct Mapped {
        std::shared_ptr<void> mapping;  // unmapped when the last holder lets go
        std::uint8_t* data;
    };
    std::optional<Mapped> map(std::uint64_t offset, std::size_t bytes);
    // Marks the entry as used now, when it was last marked longer ago than
    // `seconds` (a mark is a write; once a day is enough to tell).
    void mark_used(std::time_t seconds);

private:
    EntryReader(int fd, std::uint64_t size, std::time_t modified) : fd_(fd), size_(size), modified_(modified) {}
    int fd_;
    std::uint64_t size_;
    std::time_t modified_;
};

// An entry to write: its path and its bytes, in parts.
struct Entry {
    std::string path;
    std::vector<std::span<const std::uint8_t>> parts;
};
// Makes the folder, writes every entry beside its place, brings them all
// to the disk at once, and then lets each take its place. An entry that
// cannot be written is left out; how many were written.
std::size_t write_entries(const std::string& folder, const std::vector<Entry>& entries);

}  // namespace ignivar::files
