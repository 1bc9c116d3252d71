#include "skin/picture_cache.h"

#include <cstring>
#include <ctime>
#include <mutex>
#include <new>
#include <utility>
#include <vector>

#include "files/places.h"
#include "files/read.h"
#include "files/write.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ignivar::skin::picture_cache {

#ifdef _WIN32

// Only the desktop program keeps pictures, and it is not built for Windows.
void set_folder(const std::string&, const std::string&) {}
std::optional<Stamp> stamp(const std::string&) { return std::nullopt; }
std::optional<Picture> read(const PictureBudget::FileUse&, PixelForm, const Stamp&, std::uint64_t) {
    return std::nullopt;
}
void note(const PictureBudget::FileUse&, const Stamp&, std::shared_ptr<const Picture>) {}
void keep_noted() {}

#else

namespace {

constexpr char kMagic[8] = {'I', 'G', 'N', 'P', 'I', 'X', '1', '\n'};
// Far more than one skin's start names; the rest are not kept.
constexpr std::size_t kMostNoted = 1024;
// An entry no start has read or written for this long (another skin's, or
// that of a layout not used) is removed; one read is marked as used once a
// day at most, a write of its time.
constexpr std::time_t kDay = 24 * 60 * 60;
constexpr std::time_t kUnusedFor = 30 * kDay;

// An entry: this header, the picture file's path, the build, the pixels.
struct Header {
    char magic[8];
    std::uint32_t width, height;
    std::uint32_t use;
    std::uint32_t path_bytes, build_bytes;
    std::uint32_t form;
    Stamp stamp;
};

struct Noted {
    PictureBudget::FileUse file;
    Stamp stamp;
    std::shared_ptr<const Picture> picture;
};

struct State {
    std::mutex m;
    std::string folder, build;
    std::vector<Noted> noted;
    bool noting = true;  // until the start's pictures are kept
};

State& state() {
    static State s;
    return s;
}

std::pair<std::string, std::string> folder_and_build() {
    State& s = state();
    const std::lock_guard<std::mutex> lock(s.m);
    return {s.folder, s.build};
}

// One entry per file, use and form, named by a hash of them (FNV-1a).
std::string entry_path(const std::string& folder, const PictureBudget::FileUse& file, PixelForm form) {
    std::uint64_t h = 14695981039346656037ULL;
    const auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ULL; };
    for (const char c : file.first) mix(static_cast<unsigned char>(c));
    mix(static_cast<unsigned char>(file.second));
    mix(static_cast<unsigned char>(form));
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) name[static_cast<std::size_t>(i)] = kHex[h & 15];
    return files::join(folder, name + ".pixels");
}

// Whether all `bytes` were read.
bool read_all(int fd, void* to, std::size_t bytes) { return files::read_fully(fd, to, bytes) == bytes; }

// The entry open as `fd`, whose status is `st`.
std::optional<Picture> read_entry(int fd, const struct stat& st, const PictureBudget::FileUse& file, PixelForm form,
                                  const Stamp& stamp, std::uint64_t allowed, const std::string& build) {
    Header h {};
    if (!S_ISREG(st.st_mode) || !read_all(fd, &h, sizeof h)) return std::nullopt;
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.use != static_cast<std::uint32_t>(file.second) ||
        h.form != static_cast<std::uint32_t>(form) ||
        !(h.stamp == stamp) || h.path_bytes != file.first.size() || h.build_bytes != build.size())
        return std::nullopt;
    if (h.width == 0 || h.height == 0 || h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return std::nullopt;
    const std::uint64_t pixels = std::uint64_t{h.width} * h.height * 4;
    if (pixels > allowed ||
        static_cast<std::uint64_t>(st.st_size) != sizeof h + std::uint64_t{h.path_bytes} + h.build_bytes + pixels)
        return std::nullopt;
    std::string names(h.path_bytes + h.build_bytes, '\0');
    if (!read_all(fd, names.data(), names.size()) || names != file.first + build) return std::nullopt;
    Picture p(static_cast<int>(h.width), static_cast<int>(h.height), Picture::Unset{});
    if (!read_all(fd, p.rgba.data(), p.rgba.size())) return std::nullopt;
    p.form = form;
    return p;
}

}  // namespace

void set_folder(const std::string& folder, const std::string& build) {
    State& s = state();
    const std::lock_guard<std::mutex> lock(s.m);
    s.folder = folder;
    s.build = build;
    s.noted.clear();
    s.noting = true;
}

std::optional<Stamp> stamp(const std::string& path) {
    if (folder_and_build().first.empty()) return std::nullopt;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    return Stamp{static_cast<std::uint64_t>(st.st_dev), static_cast<std::uint64_t>(st.st_ino),
                 static_cast<std::uint64_t>(st.st_size),
                 std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec,
                 std::int64_t{st.st_ctim.tv_sec} * 1000000000 + st.st_ctim.tv_nsec};
}

std::optional<Picture> read(const PictureBudget::FileUse& file, PixelForm form, const Stamp& stamp,
                            std::uint64_t allowed) {
    const auto [folder, build] = folder_and_build();
    if (folder.empty()) return std::nullopt;
    const int fd = ::open(entry_path(folder, file, form).c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::optional<Picture> p;
    struct stat st {};
    try {
        if (::fstat(fd, &st) == 0) p = read_entry(fd, st, file, form, stamp, allowed, build);
    } catch (const std::bad_alloc&) {
        p.reset();  // decoded from its file instead, within the budget
    }
    if (p && st.st_mtime < std::time(nullptr) - kDay) ::futimens(fd, nullptr);
    ::close(fd);
    return p;
}

void note(const PictureBudget::FileUse& file, const Stamp& stamp, std::shared_ptr<const Picture> picture) {
    State& s = state();
    const std::lock_guard<std::mutex> lock(s.m);
    if (s.folder.empty() || !s.noting || s.noted.size() >= kMostNoted || !picture || picture->empty()) return;
    s.noted.push_back({file, stamp, std::move(picture)});
}

void keep_noted() {
    std::vector<Noted> noted;
    std::string folder, build;
    {
        State& s = state();
        const std::lock_guard<std::mutex> lock(s.m);
        noted.swap(s.noted);
        s.noting = false;
        folder = s.folder;
        build = s.build;
    }
    if (folder.empty()) return;
    files::remove_unchanged_for(folder, ".pixels", kUnusedFor);
    if (noted.empty() || !files::make_folder(folder)) return;
    files::remove_stale_temporaries_of(folder, ".pixels");
    // Each entry is written beside its place, all of them reach the disk in
    // one go, and then each takes its place: an entry is there whole or not
    // at all, also after a crash.
    std::vector<std::pair<std::string, std::string>> written;  // temporary, entry
    for (const Noted& n : noted) {
        const std::string entry = entry_path(folder, n.file, n.picture->form);
        std::string temp = entry + ".XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) continue;
        Header h {};
        std::memcpy(h.magic, kMagic, sizeof kMagic);
        h.width = static_cast<std::uint32_t>(n.picture->width);
        h.height = static_cast<std::uint32_t>(n.picture->height);
        h.use = static_cast<std::uint32_t>(n.file.second);
        h.form = static_cast<std::uint32_t>(n.picture->form);
        h.path_bytes = static_cast<std::uint32_t>(n.file.first.size());
        h.build_bytes = static_cast<std::uint32_t>(build.size());
        h.stamp = n.stamp;
        const bool ok = files::write_all(fd, &h, sizeof h) &&
                        files::write_all(fd, n.file.first.data(), n.file.first.size()) &&
                        files::write_all(fd, build.data(), build.size()) &&
                        files::write_all(fd, n.picture->rgba.data(), n.picture->rgba.size());
        if (::close(fd) != 0 || !ok) {
            ::unlink(temp.c_str());
            continue;
        }
        written.emplace_back(std::move(temp), entry);
    }
    if (written.empty()) return;
    if (const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); fd >= 0) {
        ::syncfs(fd);
        ::close(fd);
    }
    for (const auto& [temp, entry] : written)
        if (::rename(temp.c_str(), entry.c_str()) != 0) ::unlink(temp.c_str());
}

#endif

}  // namespace ignivar::skin::picture_cache
