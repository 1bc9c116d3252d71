// Loading the pictures of one skin (or of the manual) within a memory
// budget: the size each file's header promises is checked against what is
// left before the file is decoded, and a file named several times is
// decoded once. A downloaded skin can thus not ask for more memory than
// the machine can give.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "skin/picture.h"

namespace ignivar::skin {

// Far more than any real skin needs (the default one decodes to about
// 3 MiB), and far less than would bring a desktop machine down.
inline constexpr std::uint64_t kPictureBudget = 512ULL * 1024 * 1024;

class PictureBudget {
public:
    // How a picture is drawn, which decides how its pixels are prepared.
    enum class Use { AsIs, Opaque, Transparent };

    explicit PictureBudget(std::uint64_t limit = kPictureBudget) : limit_(limit) {}

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
    std::uint64_t limit_;
    std::uint64_t used_ = 0;
    std::map<std::pair<std::string, Use>, std::shared_ptr<const Picture>> loaded_;
};

Error budget_message(const std::string& path, std::uint64_t limit);

}  // namespace ignivar::skin
