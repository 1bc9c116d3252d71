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
#include <vector>

#include "skin/picture.h"

namespace ignivar::skin {

// Far more than any real skin needs (the default one decodes to about
// 3 MiB), and far less than would bring a desktop machine down.
inline constexpr std::uint64_t kPictureBudget = 512ULL * 1024 * 1024;

class PictureBudget {
public:
    // How a picture is drawn, which decides how its pixels are prepared.
    enum class Use { AsIs, Opaque, Transparent };

    // Its pictures come in `form`, prepared for their use.
    explicit PictureBudget(std::uint64_t limit = kPictureBudget, PixelForm form = PixelForm::Rgba)
        : limit_(limit), form_(form) {}

    // The picture of a file, or the message (naming the file) that stops the load.
    Result<std::shared_ptr<const Picture>> load(const std::string& path, Use use);

    using FileUse = std::pair<std::string, Use>;
    // Decodes these files on up to `threads` threads before they are loaded.
    // What the decoders hold at once stays within what is left of the
    // budget. A load takes a file's early picture only where decoding it
    // then would have given the same, so pictures and messages are those of
    // loading one file after the other; what failed early is decoded again.
    void decode_ahead(const std::vector<FileUse>& files, unsigned threads);

    // Pictures decoded before any load asks for them: the program starts
    // decoding, on `threads` threads, what its last start loaded while the
    // window system is still being brought up. A load takes such a picture
    // (waiting while it is being decoded) where decoding it then would have
    // given the same (in the same form); whatever no load took goes at
    // end_prefetch().
    static void prefetch(std::vector<FileUse> files, unsigned threads, PixelForm form = PixelForm::Rgba);
    static void end_prefetch();

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
    std::uint64_t limit_;
    PixelForm form_;
    std::uint64_t used_ = 0;
    std::map<FileUse, std::shared_ptr<const Picture>> loaded_;
    // A picture decoded ahead, with what its header promised and the most
    // its decoder was allowed.
    struct Early {
        std::shared_ptr<const Picture> picture;
        std::optional<PictureSize> header;
        std::uint64_t allowed = 0;
    };
    std::map<FileUse, Early> early_;
    class Prefetch;
    // The prefetched picture of a file in a form, waited for while it is
    // decoded; nothing when it was not prefetched or could not be decoded.
    static std::optional<Early> take_prefetched(const FileUse& file, PixelForm form);
    // Whether a prefetch has the file in a form (decoded or being decoded);
    // if not, it is left to the caller and the prefetch no longer decodes it.
    static bool prefetching(const FileUse& file, PixelForm form);
    // A decoded picture counted against the budget and kept, if it fits.
    Result<std::shared_ptr<const Picture>> keep(const FileUse& file, std::shared_ptr<const Picture> p);
    // Decoded and prepared for its use, in a form, within `allowed`;
    // nothing on any failure.
    static std::optional<Early> decode_early(const FileUse& file, PixelForm form, std::uint64_t allowed);
};

Error budget_message(const std::string& path, std::uint64_t limit);

}  // namespace ignivar::skin
