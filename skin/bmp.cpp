// A bounds-checked BMP decoder: 1, 4, 8, 16, 24 and 32 bits per pixel;
// uncompressed, bit fields, RLE4 and RLE8; bottom-up and top-down.
#include <array>
#include <cstring>

#include "skin/picture.h"

namespace ignivar::skin {
namespace {

std::uint32_t u16(const std::uint8_t* p) { return p[0] | (p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

struct Mask {
    std::uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit Mask(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
    }
    std::uint8_t get(std::uint32_t v) const {
        if (!bits) return 0;
        const std::uint32_t x = (v & mask) >> shift;
        const std::uint32_t max = bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1);
        return static_cast<std::uint8_t>((static_cast<std::uint64_t>(x) * 255 + max / 2) / max);
    }
};

using Rgb = std::array<std::uint8_t, 3>;

void put(Picture& p, int x, int row, bool bottom_up, const Rgb& c) {
    const int y = bottom_up ? p.height - 1 - row : row;
    std::uint8_t* d = p.pixel(x, y);
    d[0] = c[0];
    d[1] = c[1];
    d[2] = c[2];
    d[3] = 255;
}

// RLE4 and RLE8: runs and absolute stretches, bottom-up.
Status decode_rle(const std::uint8_t* src, std::size_t n, bool four_bits, const std::vector<Rgb>& palette,
                  Picture& p) {
    auto colour = [&](unsigned index) -> const Rgb& {
        static const Rgb black{0, 0, 0};
        return index < palette.size() ? palette[index] : black;
    };
    int x = 0, row = 0;
    std::size_t i = 0;
    while (i + 1 < n) {
        const unsigned count = src[i], value = src[i + 1];
        i += 2;
        if (count > 0) {
            for (unsigned k = 0; k < count; ++k, ++x) {
                const unsigned index = four_bits ? (k % 2 == 0 ? value >> 4 : value & 15) : value;
                if (x < p.width && row < p.height) put(p, x, row, true, colour(index));
            }
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++row;
        } else if (value == 1) {  // end of picture
            return {};
        } else if (value == 2) {  // move by dx, dy
            if (i + 1 >= n) break;
            x += src[i];
            row += src[i + 1];
            i += 2;
        } else {  // `value` pixels stored as they are, padded to 16 bits
            const std::size_t bytes = four_bits ? (value + 1) / 2 : value;
            if (i + bytes > n) return failure(said("Pictures", "BMP image data is truncated"));
            for (unsigned k = 0; k < value; ++k, ++x) {
                const std::uint8_t b = src[i + (four_bits ? k / 2 : k)];
                const unsigned index = four_bits ? (k % 2 == 0 ? b >> 4 : b & 15) : b;
                if (x < p.width && row < p.height) put(p, x, row, true, colour(index));
            }
            i += (bytes + 1) & ~std::size_t{1};
        }
        if (row > p.height) return {};
    }
    return {};  // a missing end marker is tolerated: what was drawn stays
}

// What the file and information headers say, in one form for every
// header version: the OS/2 core header (12 bytes, 16-bit sizes) and the
// Windows headers from version 1 (40 bytes) on.
struct Header {
    std::uint32_t header_size = 0, bits_offset = 0;
    std::int64_t width = 0, height = 0;
    unsigned bpp = 0, compression = 0, colours_used = 0;
    bool core = false, bottom_up = true;
    bool rle8() const { return compression == 1; }
    bool rle4() const { return compression == 2; }
    bool fields() const { return compression == 3 || compression == 6; }
};

Result<Header> read_header(const std::uint8_t* data, std::size_t size) {
    if (size < 14 + 12 || data[0] != 'B' || data[1] != 'M') return failure(said("Pictures", "Not a BMP file"));
    Header hd;
    hd.bits_offset = u32(data + 10);
    hd.header_size = u32(data + 14);
    if (hd.header_size < 12 || 14 + static_cast<std::uint64_t>(hd.header_size) > size)
        return failure(said("Pictures", "BMP header is truncated or invalid"));
    const std::uint8_t* h = data + 14;
    hd.core = hd.header_size == 12;
    if (hd.core) {
        hd.width = u16(h + 4);
        hd.height = static_cast<std::int16_t>(u16(h + 6));
        hd.bpp = u16(h + 10);
    } else {
        if (hd.header_size < 40) return failure(said("Pictures", "BMP header is truncated or invalid"));
        hd.width = static_cast<std::int32_t>(u32(h + 4));
        hd.height = static_cast<std::int32_t>(u32(h + 8));
        hd.bpp = u16(h + 14);
        hd.compression = u32(h + 16);
        hd.colours_used = u32(h + 32);
    }
    hd.bottom_up = hd.height > 0;
    if (hd.height < 0) hd.height = -hd.height;
    return hd;
}

Status check_header(const Header& h) {
    if (h.width <= 0 || h.height <= 0) return failure(said("Pictures", "BMP picture has no pixels"));
    if (h.width > kMaxPictureSide || h.height > kMaxPictureSide)
        return too_large("BMP", static_cast<std::uint64_t>(h.width), static_cast<std::uint64_t>(h.height));
    if (h.compression > 3 && h.compression != 6)
        return failure(said("Pictures", "Unsupported BMP compression (%1)").with(std::to_string(h.compression)));
    if ((h.rle8() && h.bpp != 8) || (h.rle4() && h.bpp != 4) || (h.fields() && h.bpp != 16 && h.bpp != 32))
        return failure(said("Pictures", "BMP compression does not match its bits per pixel"));
    if ((h.rle8() || h.rle4()) && !h.bottom_up) return failure(said("Pictures", "A compressed BMP cannot be top-down"));
    if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32)
        return failure(said("Pictures", "Unsupported BMP bits per pixel (%1)").with(std::to_string(h.bpp)));
    return {};
}

struct Masks {
    Mask red, green, blue;
};

// The colour masks of 16 and 32 bits per pixel.
Result<Masks> read_masks(const Header& h, const std::uint8_t* data, std::size_t size) {
    if (h.fields()) {
        // In the header from version 3 on, else just after it.
        const std::uint64_t at = h.header_size >= 52 ? 14 + 40 : 14 + static_cast<std::uint64_t>(h.header_size);
        if (at + 12 > size) return failure(said("Pictures", "BMP colour masks are missing"));
        return Masks{Mask(u32(data + at)), Mask(u32(data + at + 4)), Mask(u32(data + at + 8))};
    }
    if (h.bpp == 16) return Masks{Mask(0x7C00), Mask(0x03E0), Mask(0x001F)};
    return Masks{Mask(0xFF0000), Mask(0xFF00), Mask(0xFF)};
}

Result<std::vector<Rgb>> read_palette(const Header& h, const std::uint8_t* data, std::size_t size) {
    std::vector<Rgb> palette;
    if (h.bpp > 8) return palette;
    const std::uint64_t entry = h.core ? 3 : 4;
    std::uint64_t count = h.colours_used ? h.colours_used : (1u << h.bpp);
    if (count > 256) count = 256;
    std::uint64_t at = 14 + static_cast<std::uint64_t>(h.header_size);
    if (h.fields() && h.header_size == 40) at += 12;
    if (at + count * entry > size) return failure(said("Pictures", "BMP palette is truncated"));
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint8_t* c = data + at + i * entry;
        palette.push_back({c[2], c[1], c[0]});
    }
    return palette;
}

Result<Picture> decode_rle_picture(const Header& h, const std::uint8_t* bits, std::size_t available,
                                   const std::vector<Rgb>& palette) {
    // A run covers at most 255 pixels with two bytes; allow generously
    // for skips, but refuse a header that asks for far more than that.
    if (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.height) > available * 1024)
        return failure(said("Pictures", "BMP header promises more data than the file holds"));
    Picture p(static_cast<int>(h.width), static_cast<int>(h.height));
    for (std::size_t i = 3; i < p.rgba.size(); i += 4) p.rgba[i] = 255;
    if (Status s = decode_rle(bits, available, h.rle4(), palette, p); !s) return s.error();
    return p;
}

Result<Picture> decode_plain_picture(const Header& h, const std::uint8_t* bits, std::size_t available,
                                     const std::vector<Rgb>& palette, const Masks& m) {
    const std::uint64_t stride = ((static_cast<std::uint64_t>(h.width) * h.bpp + 31) / 32) * 4;
    if (stride * static_cast<std::uint64_t>(h.height) > available) return failure(said("Pictures", "BMP image data is truncated"));
    Picture p(static_cast<int>(h.width), static_cast<int>(h.height));
    const int bpp = static_cast<int>(h.bpp);
    for (int row = 0; row < p.height; ++row) {
        const std::uint8_t* src = bits + stride * static_cast<std::uint64_t>(row);
        for (int x = 0; x < p.width; ++x) {
            Rgb c{0, 0, 0};
            if (bpp <= 8) {
                const int per_byte = 8 / bpp;
                const std::uint8_t b = src[x / per_byte];
                const unsigned index = (b >> (8 - bpp * (x % per_byte + 1))) & ((1u << bpp) - 1);
                if (index < palette.size()) c = palette[index];
            } else if (bpp == 24) {
                c = {src[x * 3 + 2], src[x * 3 + 1], src[x * 3]};
            } else {
                const std::uint32_t v = bpp == 16 ? u16(src + x * 2) : u32(src + x * 4);
                c = {m.red.get(v), m.green.get(v), m.blue.get(v)};
            }
            put(p, x, row, h.bottom_up, c);
        }
    }
    return p;
}

}  // namespace

Decoded decode_bmp(const std::uint8_t* data, std::size_t size, std::uint64_t limit) {
    auto header = read_header(data, size);
    if (!header) return header.error();
    const Header& h = *header;
    if (Status s = check_header(h); !s) return s.error();
    auto masks = read_masks(h, data, size);
    if (!masks) return masks.error();
    auto palette = read_palette(h, data, size);
    if (!palette) return palette.error();
    if (h.bits_offset >= size) return failure(said("Pictures", "BMP image data is missing"));
    // The pixels are all this decoder allocates besides its palette.
    if (static_cast<std::uint64_t>(h.width) * static_cast<std::uint64_t>(h.height) * 4 > limit)
        return past_limit();
    const std::uint8_t* bits = data + h.bits_offset;
    const std::size_t available = size - h.bits_offset;
    if (h.rle4() || h.rle8()) return decode_rle_picture(h, bits, available, *palette);
    return decode_plain_picture(h, bits, available, *palette, *masks);
}

std::vector<std::uint8_t> encode_bmp(const Picture& p, int bpp) {
    const std::uint32_t stride = ((static_cast<std::uint32_t>(p.width) * bpp + 31) / 32) * 4;
    const std::uint32_t image = stride * static_cast<std::uint32_t>(p.height);
    std::vector<std::uint8_t> out(14 + 40 + image, 0);
    auto w16 = [&](std::size_t at, std::uint32_t v) { out[at] = v & 255; out[at + 1] = (v >> 8) & 255; };
    auto w32 = [&](std::size_t at, std::uint32_t v) { w16(at, v & 0xFFFF); w16(at + 2, v >> 16); };
    out[0] = 'B';
    out[1] = 'M';
    w32(2, static_cast<std::uint32_t>(out.size()));
    w32(10, 54);
    w32(14, 40);
    w32(18, static_cast<std::uint32_t>(p.width));
    w32(22, static_cast<std::uint32_t>(p.height));
    w16(26, 1);
    w16(28, static_cast<std::uint32_t>(bpp));
    w32(34, image);
    for (int row = 0; row < p.height; ++row) {
        std::uint8_t* d = out.data() + 54 + static_cast<std::size_t>(stride) * row;
        for (int x = 0; x < p.width; ++x) {
            const std::uint8_t* s = p.pixel(x, p.height - 1 - row);
            std::uint8_t* px = d + x * (bpp / 8);
            px[0] = s[2];
            px[1] = s[1];
            px[2] = s[0];
            if (bpp == 32) px[3] = s[3];
        }
    }
    return out;
}

}  // namespace ignivar::skin
