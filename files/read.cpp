#include "files/read.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <string_view>
#include <unistd.h>

#ifdef _WIN32
// Windows has no FIFOs to hang on, no links in the POSIX sense and no
// controlling terminals: files open as they are, in binary.
#define O_NONBLOCK 0
#define O_CLOEXEC 0
#define O_NOCTTY 0
#define lstat stat
#ifndef S_ISLNK
#define S_ISLNK(m) 0
#endif
#ifndef S_ISSOCK
#define S_ISSOCK(m) 0
#endif
#ifndef S_ISFIFO
#define S_ISFIFO(m) (((m) & _S_IFMT) == _S_IFIFO)
#endif
#ifndef S_ISBLK
#define S_ISBLK(m) 0
#endif
#else
#define O_BINARY 0
#endif

namespace ignivar::files {
namespace {

struct Mount {
    std::string root;  // with a trailing slash
    const ArchiveEntry* entries;
    std::size_t count;
};
std::vector<Mount> g_mounts;

// The built-in file at `path`, if a mounted archive holds it; `under` is
// set when the path lies in a mounted folder at all.
const ArchiveEntry* archived(const std::string& given, bool* under = nullptr) {
    if (under) *under = false;
    if (g_mounts.empty()) return nullptr;
    std::string path = given;
    std::replace(path.begin(), path.end(), '\\', '/');
    for (const Mount& m : g_mounts) {
        if (path.compare(0, m.root.size(), m.root) != 0) continue;
        if (under) *under = true;
        const std::string_view rest = std::string_view(path).substr(m.root.size());
        for (std::size_t i = 0; i < m.count; ++i)
            if (rest == m.entries[i].name) return &m.entries[i];
    }
    return nullptr;
}

Text kind_of(mode_t mode) {
    if (S_ISDIR(mode)) return said("Files", "a folder");
    if (S_ISFIFO(mode)) return said("Files", "a named pipe");
    if (S_ISCHR(mode) || S_ISBLK(mode)) return said("Files", "a device");
    if (S_ISSOCK(mode)) return said("Files", "a socket");
    return said("Files", "not a regular file");
}

Error too_large(const std::string& path, std::uint64_t size, std::uint64_t max_bytes) {
    return failure(said("Files", "\"%1\" is too large (%2 bytes; at most %3 are read)")
                       .with(path)
                       .with(std::to_string(size))
                       .with(std::to_string(max_bytes)));
}

}  // namespace

void mount_archive(const std::string& root, const ArchiveEntry* entries, std::size_t count) {
    g_mounts.push_back({root.back() == '/' ? root : root + "/", entries, count});
}

void unmount_archives() { g_mounts.clear(); }

bool is_regular_file(const std::string& path) {
    bool under = false;
    if (archived(path, &under) || under) return archived(path) != nullptr;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool exists(const std::string& path) {
    bool under = false;
    if (archived(path, &under) || under) return archived(path) != nullptr;
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::optional<std::uint64_t> regular_file_size(const std::string& path) {
    bool under = false;
    if (const ArchiveEntry* e = archived(path, &under)) return e->size;
    if (under) return std::nullopt;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return static_cast<std::uint64_t>(st.st_size);
}

Text describe_non_regular(const std::string& path) {
    bool under = false;
    archived(path, &under);
    if (under) return {};
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0) return {};
    if (!S_ISLNK(link.st_mode)) return S_ISREG(link.st_mode) ? Text{} : kind_of(link.st_mode);
    struct stat target {};
    if (::stat(path.c_str(), &target) != 0) return said("Files", "a link that leads nowhere");
    if (S_ISREG(target.st_mode)) return {};
    return said("Files", "a link to %1").with(kind_of(target.st_mode));
}

std::size_t read_fully(int fd, void* to, std::size_t size, int* error) {
    auto* p = static_cast<std::uint8_t*>(to);
    std::size_t got = 0;
    while (got < size) {
        const auto n = ::read(fd, p + got, static_cast<unsigned>(std::min<std::size_t>(size - got, 1u << 30)));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && error) *error = errno;
        if (n <= 0) break;  // an error, or the file ended (or shrank while it was read)
        got += static_cast<std::size_t>(n);
    }
    return got;
}

Result<Bytes> read_regular_file(const std::string& path, std::uint64_t max_bytes) {
    bool under = false;
    if (const ArchiveEntry* e = archived(path, &under)) {
        if (e->size > max_bytes)
            return too_large(path, e->size, max_bytes);
        return Bytes(e->data, e->data + e->size);
    }
    if (under) return failure(said("Files", "Cannot open file \"%1\": %2").with(path).with(std::strerror(ENOENT)));
    // Non-blocking, so that opening a FIFO returns at once instead of
    // waiting for a writer; what it is then decides.
    const int fd = ::open(path.c_str(), O_RDONLY | O_BINARY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return failure(said("Files", "Cannot open file \"%1\": %2").with(path).with(std::strerror(errno)));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failure(said("Files", "\"%1\" is not a regular file").with(path));
    }
    if (static_cast<std::uint64_t>(st.st_size) > max_bytes) {
        ::close(fd);
        return too_large(path, static_cast<std::uint64_t>(st.st_size), max_bytes);
    }
    Bytes bytes(static_cast<std::size_t>(st.st_size));
    int error = 0;
    const std::size_t got = read_fully(fd, bytes.data(), bytes.size(), &error);
    ::close(fd);
    if (error) return failure(said("Files", "Cannot read file \"%1\": %2").with(path).with(std::strerror(error)));
    bytes.resize(got);
    return bytes;
}

}  // namespace ignivar::files
