#include "skin/file_read.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ignivar::skin {

bool is_regular_file(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

FileBytes read_regular_file(const std::string& path, std::uint64_t max_bytes) {
    // Non-blocking, so that opening a FIFO returns at once instead of
    // waiting for a writer; what it is then decides.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return "Cannot open file \"" + path + "\": " + std::strerror(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return "\"" + path + "\" is not a regular file";
    }
    if (static_cast<std::uint64_t>(st.st_size) > max_bytes) {
        ::close(fd);
        return "\"" + path + "\" is too large (" + std::to_string(st.st_size) + " bytes; at most " +
               std::to_string(max_bytes) + " are read)";
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    bool failed = false;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) failed = true;
        if (n <= 0) break;  // an error, or the file shrank while it was read
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (failed) return "Cannot read file \"" + path + "\": " + std::strerror(errno);
    bytes.resize(got);
    return bytes;
}

}  // namespace ignivar::skin
