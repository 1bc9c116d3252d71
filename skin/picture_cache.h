// Decoded pictures kept on disk between runs of the desktop program, so
// that its start reads pixels instead of inflating and decoding them again.
// An entry stands for one picture file, use and pixel form. It is taken only while that
// file is the very one it was decoded from: the same device, inode, size,
// modification and change times, and a decoder of the same build. Anything
// else about an entry (cut short, of another size or file, not ours at
// all) makes it a miss, and the picture is decoded from its file as ever.
// Off until a folder is given: the libretro core and the clip exporter
// never keep anything.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "skin/picture_budget.h"

namespace ignivar::skin::picture_cache {

// The folder entries are read from and written to, and what tells this
// build's decoders from others' (a program version); an empty folder turns
// keeping off. Set before any picture is decoded; pictures are noted from
// then on.
void set_folder(const std::string& folder, const std::string& build);

// Which file a path names now: taken before the file is read, so that a
// picture is never kept under a newer file's identity. Nothing when keeping
// is off or the path names no regular file.
struct Stamp {
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t modified_ns = 0, changed_ns = 0;
    bool operator==(const Stamp&) const = default;
};
std::optional<Stamp> stamp(const std::string& path);

// The kept picture of a file for a use, prepared for that use, in a form;
// nothing when there is no entry that stands for the file as stamped, or
// when the picture would take more than `allowed` bytes. An entry read is
// marked as used.
std::optional<Picture> read(const PictureBudget::FileUse& file, PixelForm form, const Stamp& stamp,
                            std::uint64_t allowed);

// A picture decoded from a file as stamped (and prepared for its use, in
// its form), to be kept by keep_noted().
void note(const PictureBudget::FileUse& file, const Stamp& stamp, std::shared_ptr<const Picture> picture);

// Writes the noted pictures as entries, each in one step, and forgets them;
// an entry that cannot be written is only a slower start later. Entries no
// start has used for 30 days are removed. Nothing is noted after it: it is
// for the pictures of the start, and meant for a thread of its own once the
// first frame is up.
void keep_noted();

}  // namespace ignivar::skin::picture_cache
