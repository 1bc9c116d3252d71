#include "skin/picture.h"

#include <algorithm>
#include <cstring>
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

Result<files::Bytes> read_picture_file(const std::string& path) {
    return files::read_regular_file(path, kMaxPictureFile);
}

namespace {

std::uint32_t be32(const std::uint8_t* p) {
    return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}
std::uint16_t be16(const std::uint8_t* p) { return static_cast<std::uint16_t>((p[0] << 8) | p[1]); }
std::int32_t le32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
                                     (std::uint32_t{p[3]} << 24));
}

}  // namespace

std::optional<std::size_t> png_chunk_end(const std::uint8_t* d, std::size_t n, std::size_t at) {
    if (at > n || n - at < 8) return std::nullopt;
    const std::uint64_t len = be32(d + at);
    if (len + 12 > n - at) return std::nullopt;
    return at + static_cast<std::size_t>(len) + 12;
}

namespace {

// The signature, then chunks up to IHDR: width and height big-endian.
// libpng passes over unknown ancillary chunks that come before IHDR, so
// the walk does too.
std::optional<PictureSize> png_size(const std::uint8_t* d, std::size_t n) {
    if (n < 8) return std::nullopt;
    for (std::size_t i = 8; i + 8 <= n;) {
        if (std::memcmp(d + i + 4, "IHDR", 4) == 0) {
            if (i + 16 > n) return std::nullopt;
            return PictureSize{be32(d + i + 8), be32(d + i + 12)};
        }
        const auto end = png_chunk_end(d, n, i);
        if (!end) return std::nullopt;
        i = *end;
    }
    return std::nullopt;
}

std::optional<PictureSize> bmp_size(const std::uint8_t* d, std::size_t n) {
    if (n < 26 || d[0] != 'B' || d[1] != 'M') return std::nullopt;
    if (le32(d + 14) == 12) {
        // The OS/2 core header: 16-bit width and height.
        const auto h = static_cast<std::int16_t>(d[20] | (d[21] << 8));
        return PictureSize{static_cast<std::uint32_t>(d[18] | (d[19] << 8)), static_cast<std::uint32_t>(h < 0 ? -h : h)};
    }
    const std::int32_t w = le32(d + 18), h = le32(d + 22);
    const std::int64_t ah = h < 0 ? -static_cast<std::int64_t>(h) : h;
    if (w < 0 || ah > 0xFFFFFFFFLL) return std::nullopt;
    return PictureSize{static_cast<std::uint32_t>(w), static_cast<std::uint32_t>(ah)};
}

// Walks the markers to the first start of frame.
std::optional<PictureSize> jpeg_size(const std::uint8_t* d, std::size_t n) {
    std::size_t i = 2;
    if (n < 4 || d[0] != 0xFF || d[1] != 0xD8) return std::nullopt;
    while (i + 4 <= n) {
        if (d[i] != 0xFF) {
            ++i;  // stray bytes between markers, which the decoder skips too
            continue;
        }
        const std::uint8_t m = d[i + 1];
        if (m == 0xFF) {
            ++i;
            continue;
        }
        if (m == 0x00 || (m >= 0xD0 && m <= 0xD7) || m == 0x01) {
            i += 2;  // a stuffed zero (no marker at all), or a marker without a length
            continue;
        }
        const bool sof = m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC;
        const std::size_t len = be16(d + i + 2);
        if (sof) {
            if (i + 9 > n) return std::nullopt;
            return PictureSize{be16(d + i + 7), be16(d + i + 5)};
        }
        // A length below its own two bytes skips just them, as the decoder does.
        i += 2 + std::max<std::size_t>(len, 2);
    }
    return std::nullopt;
}

}  // namespace

std::optional<PictureSize> picture_size(Format format, const std::uint8_t* d, std::size_t n) {
    switch (format) {
        case Format::Png: return png_size(d, n);
        case Format::Bmp: return bmp_size(d, n);
        case Format::Jpeg: return jpeg_size(d, n);
        case Format::Unknown: break;
    }
    return std::nullopt;
}

Error unknown_extension(std::string_view path) {
    return failure(said("Pictures", "Unknown picture file extension (.%1)").with(extension_of(path)));
}

Error past_limit() { return failure(said("Pictures", kPastLimit.data())); }

Error too_large(const char* kind, std::uint64_t width, std::uint64_t height) {
    return failure(said("Pictures", "%1 picture is too large (%2 x %3 pixels; at most %4 a side)")
                       .with(kind)
                       .with(std::to_string(width))
                       .with(std::to_string(height))
                       .with(std::to_string(kMaxPictureSide)));
}

Error cannot_write(const std::string& path) { return failure(said("Pictures", "%1: cannot be written").with(path)); }

Decoded decode_picture(const std::string& path, const std::vector<std::uint8_t>& bytes, std::uint64_t limit,
                       PixelFinish finish) {
    Decoded d = unknown_extension(path);
    const Format format = format_of(path);
    switch (format) {
        case Format::Bmp: d = decode_bmp(bytes.data(), bytes.size(), limit); break;
        case Format::Png: d = decode_png(bytes.data(), bytes.size(), limit, finish); break;
        case Format::Jpeg: d = decode_jpeg(bytes.data(), bytes.size(), limit, finish); break;
        case Format::Unknown: return d;
    }
    // The decoder's message says what is wrong; the player needs to know where.
    if (!d) return failure_at(path, d.error().words());
    if (format == Format::Bmp) finish_picture(*d, finish);
    return d;
}

Decoded load_picture(const std::string& path) {
    if (format_of(path) == Format::Unknown) return unknown_extension(path);
    auto bytes = read_picture_file(path);
    if (!bytes) return bytes.error();
    return decode_picture(path, *bytes);
}

void key_out_bottom_left(Picture& p) {
    if (p.empty()) return;
    const std::uint8_t* key = p.pixel(0, p.height - 1);
    const std::uint8_t k0 = key[0], k1 = key[1], k2 = key[2];
    for (std::size_t i = 0; i < p.rgba.size(); i += 4)
        p.rgba[i + 3] = (p.rgba[i] == k0 && p.rgba[i + 1] == k1 && p.rgba[i + 2] == k2) ? 0 : 255;
}

void finish_pixels(std::uint8_t* at, std::size_t count, PixelFinish finish) {
    if (finish.form == PixelForm::Rgba) {
        if (finish.opaque)
            for (std::size_t i = 3; i < count * 4; i += 4) at[i] = 255;
        return;
    }
    for (std::size_t i = 0; i < count; ++i, at += 4) {
        std::uint32_t r = at[0], g = at[1], b = at[2];
        const std::uint32_t a = finish.opaque ? 255 : at[3];
        if (a != 255) {
            // c * a / 255 the way the painter reckons it itself, bit for bit
            // (it is off by one from rounding in a few cases).
            const auto times_alpha = [a](std::uint32_t c) {
                const std::uint32_t v = c * a;
                return (v + (v >> 8) + 128) >> 8;
            };
            r = times_alpha(r), g = times_alpha(g), b = times_alpha(b);
        }
        const std::uint32_t word = a << 24 | r << 16 | g << 8 | b;
        std::memcpy(at, &word, 4);
    }
}

void finish_picture(Picture& p, PixelFinish finish) {
    if (p.form != PixelForm::Rgba) return;
    finish_pixels(p.rgba.data(), p.rgba.size() / 4, finish);
    p.form = finish.form;
}

void make_opaque(Picture& p) { finish_picture(p, {true, PixelForm::Rgba}); }

void premultiply(Picture& p) { finish_picture(p, {false, PixelForm::PremultipliedArgb}); }

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

Status write_bmp(const Picture& p, const std::string& path, int bits_per_pixel) {
    const auto bytes = encode_bmp(p, bits_per_pixel);
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) return cannot_write(path);
    return {};
}

}  // namespace ignivar::skin
