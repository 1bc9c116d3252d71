#include "skin/picture_budget.h"

#include <algorithm>
#include <new>

namespace ignivar::skin {

Error budget_message(const std::string& path, std::uint64_t limit) {
    return failure(said("Pictures", "%1: the pictures would need more than %2 MiB of memory, so loading stops here")
                       .with(path)
                       .with(std::to_string(limit / (1024 * 1024))));
}

Result<std::shared_ptr<const Picture>> PictureBudget::keep(const FileUse& file, std::shared_ptr<const Picture> p) {
    if (used_ + p->rgba.size() > limit_) return budget_message(file.first, limit_);
    used_ += p->rgba.size();
    loaded_.emplace(file, p);
    return p;
}

Result<std::shared_ptr<const Picture>> PictureBudget::load(const std::string& path, Use use) {
    const FileUse file{path, use};
    if (const auto it = loaded_.find(file); it != loaded_.end()) return it->second;
    if (format_of(path) == Format::Unknown) return unknown_extension(path);
    try {
        if (keeper_)
            if (auto kept = keeper_->read(file, form_, left())) return keep(file, std::make_shared<Picture>(std::move(*kept)));
        auto decoded = decode(file);
        if (decoded && keeper_) keeper_->note(file, *decoded);
        return decoded;
    } catch (const std::bad_alloc&) {
        return failure(said("Pictures", "%1: there is not enough memory to load this picture").with(path));
    }
}

Result<std::shared_ptr<const Picture>> PictureBudget::decode(const FileUse& file) {
    const auto& [path, use] = file;
    const Format format = format_of(path);
    auto bytes = read_picture_file(path);
    if (!bytes) return bytes.error();
    const auto& data = *bytes;
    // What the header promises counts before a byte is decoded.
    if (const auto size = picture_size(format, data.data(), data.size()); size && used_ + size->bytes() > limit_)
        return budget_message(path, limit_);
    // The decoder reckons from what it has read itself, its own working
    // memory included, and stops before allocating past what is left.
    // A BMP's see-through colour is keyed out before the pixels change form.
    const bool keyed = use == Use::Transparent && format == Format::Bmp;
    const PixelFinish finish{use == Use::Opaque, form_};
    Decoded d = decode_picture(path, data, limit_ - std::min(used_, limit_), keyed ? PixelFinish{} : finish);
    if (!d && d.message().ends_with(kPastLimit)) return budget_message(path, limit_);
    if (!d) return d.error();
    auto p = std::make_shared<Picture>(std::move(d).value());
    if (keyed) {
        key_out_bottom_left(*p);
        finish_picture(*p, finish);
    }
    return keep(file, std::move(p));
}

}  // namespace ignivar::skin
