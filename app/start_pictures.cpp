#include "app/start_pictures.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <utility>
#include <thread>

#include "files/places.h"
#include "files/read.h"
#include "files/write.h"
#include "files/xdg.h"
#include "product.h"
#include "skin/picture_cache.h"

namespace ignivar::app {
namespace {

using Use = skin::PictureBudget::Use;

// Far more than a skin names, and little to read.
constexpr std::size_t kMostPictures = 1024;
constexpr std::uint64_t kMostBytes = 256 * 1024;

std::string list_file() {
    return files::join(files::join(files::cache_home(), files::kVendorFolder), "start-pictures.txt");
}

// Each use's letter in the list.
constexpr std::pair<char, Use> kLetters[] = {{'o', Use::Opaque}, {'t', Use::Transparent}, {'a', Use::AsIs}};

// The line that names the premultiplied form.
constexpr const char* kPremultiplied = "premultiplied";

StartList read_list() {
    auto bytes = files::read_regular_file(list_file(), kMostBytes);
    if (!bytes) return {};
    return parse_start_pictures(std::string(bytes->begin(), bytes->end()));
}

}  // namespace

std::string start_pictures_text(const StartList& list) {
    std::string text;
    if (list.form == skin::PixelForm::PremultipliedArgb) text = std::string(kPremultiplied) + '\n';
    for (const auto& [path, use] : list.files) {
        if (path.find('\n') != std::string::npos) continue;  // a line each
        for (const auto& [letter, its_use] : kLetters)
            if (its_use == use) text += letter + (" " + path) + '\n';
    }
    return text;
}

StartList parse_start_pictures(const std::string& text) {
    StartList list;
    std::size_t from = 0;
    while (from < text.size() && list.files.size() < kMostPictures) {
        std::size_t end = text.find('\n', from);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(from, end - from);
        const bool first = from == 0;
        from = end + 1;
        if (first && line == kPremultiplied) list.form = skin::PixelForm::PremultipliedArgb;
        if (line.size() < 3 || line[1] != ' ' || line[2] != '/') continue;
        for (const auto& [letter, use] : kLetters)
            if (line[0] == letter) list.files.emplace_back(line.substr(2), use);
    }
    return list;
}

void prefetch_start_pictures() {
    // The pictures are kept decoded for the next start too; another build's
    // decoders might give other pixels, so its entries are not taken.
    skin::picture_cache::set_folder(files::join(files::join(files::cache_home(), files::kVendorFolder), "pictures"),
                                    kProgramVersion);
    StartList list = read_list();
    if (list.files.empty()) return;
    // The start's own thread brings up Qt; the others decode.
    const unsigned cores = std::max(2U, std::thread::hardware_concurrency());
    skin::PictureBudget::prefetch(std::move(list.files), cores - 1, list.form);
}

std::future<void> keep_start_pictures(const StartList& list) {
    skin::PictureBudget::end_prefetch();
    const std::string text = start_pictures_text(list);
    const StartList kept = parse_start_pictures(text);
    // A cache: if it cannot be written, the next start is only slower.
    if (!kept.files.empty() && read_list() != kept) (void)files::write_atomically(list_file(), text);
    try {
        return std::async(std::launch::async, skin::picture_cache::keep_noted);
    } catch (const std::system_error&) {
        return {};  // no thread to spare: decoded again next time
    }
}

}  // namespace ignivar::app
