// Loading the pictures of one skin (or of the manual) within a memory
// budget: the size each file's header promises is checked against what is
// left before the file is decoded, and a file named several times is
// decoded once. A downloaded skin can thus not ask for more memory than
// the machine can give.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "skin/picture.h"

namespace ignivar::skin {

// Far more than any real skin needs (the default one decodes to about
// 3 MiB), and far less than would bring a desktop machine down.
inline constexpr std::uint64_t kPictureBudget = 512ULL * 1024 * 1024;

// How a picture is drawn, which decides how its pixels are prepared.
enum class PictureUse { AsIs, Opaque, Transparent };
// A picture file and its use: what a decoded picture stands for.
using FileUse = std::pair<std::string, PictureUse>;

// Where decoded pictures may be kept between runs, so that a start reads
// pixels instead of decoding them again.
class PictureKeeper {
public:
    virtual ~PictureKeeper() = default;
    // The picture of a file as decoding it now would give it (prepared for
    // its use, in `form`), if one was kept for that very file and takes no
    // more than `allowed` bytes.
    virtual std::optional<Picture> read(const FileUse& file, PixelForm form, std::uint64_t allowed) = 0;
    // A picture just decoded from a file (and prepared), to be kept.
    virtual void note(const FileUse& file, std::shared_ptr<const Picture> picture) = 0;
};

class PictureBudget {
public:
    using Use = PictureUse;

    // Its pictures come in `form`, prepared for their use; taken from
    // `keeper` where it has them, and handed to it when decoded.
    explicit PictureBudget(std::uint64_t limit = kPictureBudget, PixelForm form = PixelForm::Rgba,
                           PictureKeeper* keeper = nullptr)
        : limit_(limit), form_(form), keeper_(keeper) {}

    // The picture of a file, or the message (naming the file) that stops the load.
    Result<std::shared_ptr<const Picture>> load(const std::string& path, Use use);

    std::uint64_t used() const { return used_; }
    std::uint64_t left() const { return used_ < limit_ ? limit_ - used_ : 0; }
    std::uint64_t limit() const { return limit_; }
    // Sets memory aside that is not a picture (the window's frames); false
    // when it is not there.
    bool reserve(std::uint64_t bytes) {
        if (bytes > left()) return false;
        used_ += bytes;
        return true;
    }

private:
    Result<std::shared_ptr<const Picture>> decode(const FileUse& file);
    // A picture counted against the budget and kept, if it fits.
    Result<std::shared_ptr<const Picture>> keep(const FileUse& file, std::shared_ptr<const Picture> p);

    std::uint64_t limit_;
    PixelForm form_;
    PictureKeeper* keeper_;
    std::uint64_t used_ = 0;
    std::map<FileUse, std::shared_ptr<const Picture>> loaded_;
};

Error budget_message(const std::string& path, std::uint64_t limit);

}  // namespace ignivar::skin
