#include "skin/kept_pictures.h"

#include <cstring>
#include <new>

#include "files/places.h"
#include "files/write.h"

namespace ignivar::skin {
namespace {

constexpr char kMagic[8] = {'I', 'G', 'N', 'P', 'I', 'X', '2', '\n'};
// Far more than one skin names; the rest are not kept.
constexpr std::size_t kMostNoted = 1024;
constexpr std::time_t kDay = 24 * 60 * 60;
constexpr std::time_t kUnusedFor = 30 * kDay;
constexpr std::string_view kExtension = ".pixels";

// An entry: this header, the picture file's path, the build, zeros up to
// the next multiple of kPixelsAlign, the pixels: so that mapped into
// memory they are aligned as pixels are.
constexpr std::uint64_t kPixelsAlign = 64;
struct Header {
    char magic[8];
    std::uint32_t width, height;
    std::uint32_t use;
    std::uint32_t path_bytes, build_bytes;
    std::uint32_t form;
    files::Stamp stamp;
};

std::span<const std::uint8_t> bytes_of(const void* data, std::size_t size) {
    return {static_cast<const std::uint8_t*>(data), size};
}

std::uint64_t names_end(const Header& h) { return sizeof h + std::uint64_t{h.path_bytes} + h.build_bytes; }
// The zeros between the names and the pixels.
std::size_t padding(const Header& h) {
    return static_cast<std::size_t>((kPixelsAlign - names_end(h) % kPixelsAlign) % kPixelsAlign);
}
std::uint64_t pixels_offset(const Header& h) { return names_end(h) + padding(h); }

constexpr std::uint8_t kZeros[kPixelsAlign] = {};

}  // namespace

// One entry per file, use and form, named by a hash of them (FNV-1a).
std::string KeptPictures::entry_path(const FileUse& file, PixelForm form) const {
    std::uint64_t h = 14695981039346656037ULL;
    const auto mix = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ULL; };
    for (const char c : file.first) mix(static_cast<unsigned char>(c));
    mix(static_cast<unsigned char>(file.second));
    mix(static_cast<unsigned char>(form));
    static constexpr char kHex[] = "0123456789abcdef";
    std::string name(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) name[static_cast<std::size_t>(i)] = kHex[h & 15];
    return files::join(folder_, name + std::string(kExtension));
}

std::optional<Picture> KeptPictures::read(const FileUse& file, PixelForm form, std::uint64_t allowed) {
    // Taken before the file is read, so that a picture is never kept under
    // a newer file's identity.
    const auto stamp = files::stamp(file.first);
    if (!stamp) return std::nullopt;
    missed_[file] = *stamp;
    auto entry = files::EntryReader::open(entry_path(file, form));
    Header h {};
    if (!entry || !entry->read(&h, sizeof h)) return std::nullopt;
    if (std::memcmp(h.magic, kMagic, sizeof kMagic) != 0 || h.use != static_cast<std::uint32_t>(file.second) ||
        h.form != static_cast<std::uint32_t>(form) || !(h.stamp == *stamp) || h.path_bytes != file.first.size() ||
        h.build_bytes != build_.size() || h.width == 0 || h.height == 0 || h.width > kMaxPictureSide ||
        h.height > kMaxPictureSide)
        return std::nullopt;
    const std::uint64_t pixels = std::uint64_t{h.width} * h.height * 4;
    if (pixels > allowed || entry->size() != pixels_offset(h) + pixels) return std::nullopt;
    std::string names(h.path_bytes + h.build_bytes, '\0');
    if (!entry->read(names.data(), names.size()) || names != file.first + build_) return std::nullopt;
    try {
        Picture p;
        p.width = static_cast<int>(h.width);
        p.height = static_cast<int>(h.height);
        p.form = form;
        // Mapped, the pixels are neither copied nor the memory for them
        // cleared first: the start reads many megabytes of them.
        if (auto mapped = entry->map(pixels_offset(h), pixels)) {
            p.rgba = PixelBytes(std::move(mapped->mapping), mapped->data, pixels);
        } else {
            p.rgba = PixelBytes(pixels);
            std::uint8_t skipped[kPixelsAlign];
            if (!entry->read(skipped, padding(h)) ||
                !entry->read(p.rgba.data(), p.rgba.size()))
                return std::nullopt;
        }
        entry->mark_used(kDay);
        missed_.erase(file);
        return p;
    } catch (const std::bad_alloc&) {
        return std::nullopt;  // decoded from its file instead, within the budget
    }
}

void KeptPictures::note(const FileUse& file, std::shared_ptr<const Picture> picture) {
    const auto stamp = missed_.find(file);
    if (stamp == missed_.end() || noted_.size() >= kMostNoted || !picture || picture->empty()) return;
    noted_.push_back({file, stamp->second, std::move(picture)});
    missed_.erase(stamp);
}

std::size_t KeptPictures::keep() {
    if (!swept_) {
        files::remove_unchanged_for(folder_, kExtension, kUnusedFor);
        files::remove_stale_temporaries_of(folder_, kExtension);
        swept_ = true;
    }
    std::vector<Header> headers(noted_.size());
    std::vector<files::Entry> entries;
    for (std::size_t i = 0; i < noted_.size(); ++i) {
        const Noted& n = noted_[i];
        Header& h = headers[i];
        std::memcpy(h.magic, kMagic, sizeof kMagic);
        h.width = static_cast<std::uint32_t>(n.picture->width);
        h.height = static_cast<std::uint32_t>(n.picture->height);
        h.use = static_cast<std::uint32_t>(n.file.second);
        h.form = static_cast<std::uint32_t>(n.picture->form);
        h.path_bytes = static_cast<std::uint32_t>(n.file.first.size());
        h.build_bytes = static_cast<std::uint32_t>(build_.size());
        h.stamp = n.stamp;
        entries.push_back({entry_path(n.file, n.picture->form),
                           {bytes_of(&h, sizeof h), bytes_of(n.file.first.data(), n.file.first.size()),
                            bytes_of(build_.data(), build_.size()),
                            bytes_of(kZeros, padding(h)),
                            bytes_of(n.picture->rgba.data(), n.picture->rgba.size())}});
    }
    const std::size_t written = files::write_entries(folder_, entries);
    noted_.clear();
    return written;
}

}  // namespace ignivar::skin
