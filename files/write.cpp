#include "files/write.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "files/read.h"

namespace ignivar::files {
namespace {

// `what` has the path as %1 and the system's reason as %2.
Error os_error(Text what, const std::string& path, int error) {
    return failure(std::move(what).with(path).with(std::strerror(error)));
}

Text cannot_write() { return said("Files", "cannot write %1: %2"); }

std::string parent_of(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Removes the regular files in `folder` whose names `ours` takes that have
// not changed for `seconds` (a minute: what a writer of this moment is not).
template <typename Ours>
void remove_stale(const std::string& folder, Ours ours, std::time_t seconds = 60) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    const std::time_t before = std::time(nullptr) - seconds;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        if (!ours(name)) continue;
        const std::string full = folder + "/" + name;
        struct stat st {};
        if (::lstat(full.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_mtime < before) ::unlink(full.c_str());
    }
    ::closedir(dir);
}

// Whether a name is `base` followed by a temporary's six letters or digits.
bool temporary_of(const std::string& name, std::string_view base) {
    return name.size() == base.size() + 6 && name.compare(0, base.size(), base) == 0 &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(base.size()), name.end(),
                       [](char c) { return std::isalnum(static_cast<unsigned char>(c)); });
}

}  // namespace

Status write_all(int fd, const void* data, std::size_t size) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return failure(std::strerror(n < 0 ? errno : EIO));
        p += n;
        size -= static_cast<std::size_t>(n);
    }
    return {};
}

Status make_folder(const std::string& path) {
    if (path.empty()) return {};
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) return {};
        return failure(said("Files", "%1 is in the way of a folder").with(path));
    }
    if (const std::string parent = parent_of(path); parent != path)
        if (Status made = make_folder(parent); !made) return made;
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return os_error(said("Files", "cannot make the folder %1: %2"), path, errno);
    return {};
}

// The permissions a file written anew gets: those of the file it replaces,
// else what the process's umask leaves of rw-rw-rw- (as creat() would give;
// mkstemp alone would make every file private to its owner).
static mode_t mode_for(const std::string& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    // Read without changing it: umask() itself would, for every thread.
    mode_t mask = 022;
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Umask:", 0) == 0) mask = static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8));
    return 0666 & ~mask;
}

Status write_atomically(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::string target = path;
    if (Text other = describe_non_regular(path); !other.english.empty())
        return failure(said("Files", "%1 is %2, so it is not written").with(path).with(std::move(other)));
    char resolved[PATH_MAX];
    struct stat link {};
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode) && ::realpath(path.c_str(), resolved))
        target = resolved;  // through the link to the regular file it names
    const std::string folder = parent_of(target);
    if (Status made = make_folder(folder); !made) return made;
    std::string temp = target + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return os_error(said("Files", "cannot write in %1: %2"), folder, errno);
    ::fchmod(fd, mode_for(target));
    Status written = write_all(fd, bytes.data(), bytes.size());
    if (written && ::fsync(fd) != 0) written = os_error(cannot_write(), temp, errno);
    if (::close(fd) != 0 && written) written = os_error(cannot_write(), temp, errno);
    if (written && ::rename(temp.c_str(), target.c_str()) != 0) written = os_error(cannot_write(), target, errno);
    if (!written) {
        ::unlink(temp.c_str());
        return failure_at(target, written.error().words());
    }
    return {};
}

void remove_stale_temporaries(const std::string& path) {
    const std::string base = path.substr(path.find_last_of('/') + 1) + ".";
    remove_stale(parent_of(path), [&](const std::string& name) { return temporary_of(name, base); });
}

void remove_stale_temporaries_of(const std::string& folder, std::string_view extension) {
    const std::string tail = std::string(extension) + ".";
    remove_stale(folder, [&](const std::string& name) {
        // A name, the extension, a dot and six letters or digits.
        return name.size() > tail.size() + 6 && name.compare(name.size() - 6 - tail.size(), tail.size(), tail) == 0 &&
               temporary_of(name, std::string_view(name).substr(0, name.size() - 6));
    });
}

void remove_unchanged_for(const std::string& folder, std::string_view extension, std::time_t seconds) {
    remove_stale(
        folder,
        [&](const std::string& name) { return name.size() > extension.size() && name.ends_with(extension); },
        seconds);
}

Result<bool> write_new(const std::string& path, const std::string& text) {
    const std::string folder = parent_of(path);
    if (Status made = make_folder(folder); !made) return made.error();
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) return os_error(said("Files", "cannot write in %1: %2"), folder, errno);
    ::fchmod(fd, mode_for(path));
    Status written = write_all(fd, text.data(), text.size());
    if (written && ::fsync(fd) != 0) written = os_error(cannot_write(), temp, errno);
    if (::close(fd) != 0 && written) written = os_error(cannot_write(), temp, errno);
    // A link takes the name only where there is none: the name is ours alone.
    int error = 0;
    if (written && ::link(temp.c_str(), path.c_str()) != 0) error = errno;
    ::unlink(temp.c_str());
    if (!written) return failure_at(path, written.error().words());
    if (error == EMLINK || error == EPERM || error == ENOSYS || error == EOPNOTSUPP) {
        // A file system without hard links (FAT, some network mounts, the
        // browser's): the name is taken by creating it where there is none,
        // then filled; a half-written file is removed.
        const int out = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode_for(path));
        if (out < 0) return errno == EEXIST ? Result<bool>(false) : os_error(cannot_write(), path, errno);
        Status filled = write_all(out, text.data(), text.size());
        if (filled && ::fsync(out) != 0) filled = os_error(cannot_write(), path, errno);
        if (::close(out) != 0 && filled) filled = os_error(cannot_write(), path, errno);
        if (!filled) {
            ::unlink(path.c_str());
            return failure_at(path, filled.error().words());
        }
        return true;
    }
    if (error == EEXIST) return false;
    if (error) return os_error(cannot_write(), path, error);
    return true;
}

Status write_atomically(const std::string& path, const std::string& text) {
    return write_atomically(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace ignivar::files
