#include "skin/picture.h"

#include <fstream>
#include <iterator>

namespace ignivar::skin {

std::string extension_of(std::string_view path) {
    const auto slash = path.find_last_of("/\\");
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return {};
    return std::string(path.substr(dot + 1));
}

Format format_of(std::string_view path) {
    std::string ext = extension_of(path);
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (ext == "bmp" || ext == "dib") return Format::Bmp;
    if (ext == "png") return Format::Png;
    if (ext == "jpg" || ext == "jpeg" || ext == "jpe" || ext == "jfif") return Format::Jpeg;
    return Format::Unknown;
}

Decoded load_picture(const std::string& path) {
    const Format format = format_of(path);
    if (format == Format::Unknown) return "Unknown picture file extension (." + extension_of(path) + ")";
    std::ifstream in(path, std::ios::binary);
    if (!in) return "Cannot open file \"" + path + "\"";
    // A skin picture is far smaller than this; a larger file is refused
    // before it is read into memory.
    in.seekg(0, std::ios::end);
    const auto length = in.tellg();
    constexpr std::streamoff kMaxFile = 256LL * 1024 * 1024;
    if (length < 0 || length > kMaxFile) return "\"" + path + "\" is too large for a picture";
    in.seekg(0);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    if (!bytes.empty() && !in.read(reinterpret_cast<char*>(bytes.data()), length))
        return "Cannot read file \"" + path + "\"";
    switch (format) {
        case Format::Bmp: return decode_bmp(bytes.data(), bytes.size());
        case Format::Png: return decode_png(bytes.data(), bytes.size());
        case Format::Jpeg: return decode_jpeg(bytes.data(), bytes.size());
        case Format::Unknown: break;
    }
    return std::string("unreachable");
}

void key_out_bottom_left(Picture& p) {
    if (p.empty()) return;
    const std::uint8_t* key = p.pixel(0, p.height - 1);
    const std::uint8_t k0 = key[0], k1 = key[1], k2 = key[2];
    for (std::size_t i = 0; i < p.rgba.size(); i += 4)
        p.rgba[i + 3] = (p.rgba[i] == k0 && p.rgba[i + 1] == k1 && p.rgba[i + 2] == k2) ? 0 : 255;
}

void make_opaque(Picture& p) {
    for (std::size_t i = 3; i < p.rgba.size(); i += 4) p.rgba[i] = 255;
}

Picture placeholder() {
    Picture p(10, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            std::uint8_t* d = p.pixel(x, y);
            const bool edge = x == 0 || y == 0 || x == 9 || y == 9;
            d[0] = edge ? 0 : 255;
            d[1] = 0;
            d[2] = 0;
            d[3] = 255;
        }
    return p;
}

std::string write_bmp(const Picture& p, const std::string& path, int bits_per_pixel) {
    const auto bytes = encode_bmp(p, bits_per_pixel);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? std::string() : path + ": cannot be written";
}

}  // namespace ignivar::skin
