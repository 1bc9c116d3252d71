// The clip formats by name and by file extension: all the program needs of
// the clips before the exporter itself is loaded.
#include <cctype>

#include "clips/writer.h"

namespace ignivar::clips {

std::optional<Format> format_named(std::string_view name) {
    if (name == "mp4") return Format::Mp4;
    if (name == "webm") return Format::Webm;
    if (name == "gif") return Format::Gif;
    if (name == "webp") return Format::Webp;
    return std::nullopt;
}

std::optional<Format> format_of_file(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) return std::nullopt;
    std::string ext(path.substr(dot + 1));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return format_named(ext);
}

const char* format_name(Format f) {
    switch (f) {
        case Format::Mp4: return "mp4";
        case Format::Webm: return "webm";
        case Format::Gif: return "gif";
        case Format::Webp: return "webp";
    }
    return "";
}

bool has_sound(Format f) { return f == Format::Mp4 || f == Format::Webm; }

}  // namespace ignivar::clips
