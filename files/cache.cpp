#include "files/cache.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

#include "files/read.h"
#include "files/write.h"

namespace ignivar::files {

std::optional<Stamp> stamp(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                 static_cast<std::uint64_t>(st.st_size),
                 std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec,
                 std::int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec};
}

std::optional<EntryReader> EntryReader::open(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return EntryReader(fd, static_cast<std::uint64_t>(st.st_size), st.st_mtime);
}

EntryReader::EntryReader(EntryReader&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), size_(other.size_), modified_(other.modified_) {}

EntryReader::~EntryReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool EntryReader::read(void* to, std::size_t bytes) { return read_fully(fd_, to, bytes) == bytes; }

std::optional<EntryReader::Mapped> EntryReader::map(std::uint64_t offset, std::size_t bytes) {
    if (bytes == 0 || offset > size_ || bytes > size_ - offset) return std::nullopt;
    // A mapping begins on a page: the part before `offset` in it is skipped.
    const auto page = static_cast<std::uint64_t>(::sysconf(_SC_PAGESIZE));
    const std::uint64_t from = offset / page * page;
    const std::size_t length = bytes + static_cast<std::size_t>(offset - from);
    void* base = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE, fd_, static_cast<off_t>(from));
    if (base == MAP_FAILED) return std::nullopt;
    std::shared_ptr<void> mapping(base, [length](void* p) { ::munmap(p, length); });
    return Mapped{std::move(mapping), static_cast<std::uint8_t*>(base) + (offset - from)};
}

void EntryReader::mark_used(std::time_t seconds) {
    if (modified_ < std::time(nullptr) - seconds) ::futimens(fd_, nullptr);
}

std::size_t write_entries(const std::string& folder, const std::vector<Entry>& entries) {
    if (entries.empty() || !make_folder(folder)) return 0;
    std::vector<std::pair<std::string, const Entry*>> written;  // temporary, entry
    for (const Entry& e : entries) {
        std::string temp = e.path + ".XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) continue;
        bool ok = true;
        for (const auto& part : e.parts) ok = ok && write_all(fd, part.data(), part.size());
        if (::close(fd) != 0 || !ok) {
            ::unlink(temp.c_str());
            continue;
        }
        written.emplace_back(std::move(temp), &e);
    }
    if (written.empty()) return 0;
    // One trip to the disk for all of them, then each takes its place: an
    // entry is there whole or not at all, also after a crash.
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
    std::size_t placed = 0;
    for (const auto& [temp, entry] : written) {
        if (::rename(temp.c_str(), entry->path.c_str()) == 0) ++placed;
        else ::unlink(temp.c_str());
    }
    return placed;
}

}  // namespace ignivar::files
