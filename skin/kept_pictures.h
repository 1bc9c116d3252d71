// Decoded pictures kept on disk between runs of the desktop program, so
// that its start reads pixels instead of inflating and decoding them
// again. An entry stands for one picture file, use and pixel form, and is
// taken only while that file is the very one it was decoded from (the same
// device, inode, size, modification and change times) by a decoder of the
// same build. Anything else about an entry (cut short, of another size or
// file, not ours at all) makes it a miss, and the picture is decoded from
// its file as ever. Losing the folder costs nothing but that head start.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "files/cache.h"
#include "skin/picture_budget.h"

namespace ignivar::skin {

class KeptPictures : public PictureKeeper {
public:
    // Entries live in `folder`; `build` tells this build's decoders from
    // others' (a program version).
    KeptPictures(std::string folder, std::string build) : folder_(std::move(folder)), build_(std::move(build)) {}

    std::optional<Picture> read(const FileUse& file, PixelForm form, std::uint64_t allowed) override;
    void note(const FileUse& file, std::shared_ptr<const Picture> picture) override;

    // Writes the pictures noted since the last time as entries, each there
    // whole or not at all, and forgets them; removes the entries no run has
    // used for 30 days (once a run). An entry that cannot be written is
    // only a slower start later. How many were written.
    std::size_t keep();
    bool has_noted() const { return !noted_.empty(); }

private:
    struct Noted {
        FileUse file;
        files::Stamp stamp;
        std::shared_ptr<const Picture> picture;
    };
    std::string entry_path(const FileUse& file, PixelForm form) const;

    std::string folder_, build_;
    // The stamps of files read since they missed, for the pictures decoded from them.
    std::map<FileUse, files::Stamp> missed_;
    std::vector<Noted> noted_;
    bool swept_ = false;
};

}  // namespace ignivar::skin
