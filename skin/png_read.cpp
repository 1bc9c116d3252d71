// PNG read through libpng, reporting the library's own message when a file
// cannot be decoded. A picture of at most 8 bits a channel with no colour
// space of its own (the skins' pictures) is read through the full interface,
// which can leave out the zlib stream's Adler-32: each chunk's CRC covers the
// same bytes already, and leaving the sum out takes about a quarter off the
// skin's decoding. A picture that wants converting (16 bits, a gamma, a
// colour profile) goes through the simplified interface, which makes 8-bit
// sRGB of it.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

#include <png.h>

#include "skin/picture.h"

namespace ignivar::skin {
namespace {

constexpr std::uint64_t kMaxPngRatio = 1100;

// libpng sets aside a chunk's whole declared length before reading it, so
// a few bytes could ask it for gigabytes. Every chunk must fit in the file.
Status check_png_chunks(const std::uint8_t* data, std::size_t size) {
    std::size_t i = 8;  // after the signature
    while (i + 8 <= size) {
        const auto end = png_chunk_end(data, size, i);
        if (!end)
            return failure(said("Pictures", "PNG chunk \"%1\" runs past the end of the file")
                               .with(std::string(reinterpret_cast<const char*>(data + i + 4), 4)));
        i = *end;
    }
    return {};
}

// What the header says, checked before a pixel is allocated.
std::optional<Error> refused(std::uint64_t width, std::uint64_t height, std::size_t size, std::uint64_t limit) {
    if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide)
        return too_large("PNG", width, height);
    // Deflate cannot shrink data by more than about 1032 to 1.
    if (height * (1 + width * 4) > size * kMaxPngRatio)
        return failure(said("Pictures", "PNG header promises more data than the file holds"));
    // The pixels, and libpng's own rows (an interlaced picture is read a
    // row of each pass at a time).
    if (width * height * 4 + width * 16 > limit) return past_limit();
    return std::nullopt;
}

Decoded decode_converting(const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) return failure(image.message);
    if (auto refusal = refused(image.width, image.height, size, limit)) {
        png_image_free(&image);
        return *refusal;
    }
    image.format = PNG_FORMAT_RGBA;
    Picture p(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, p.rgba.data(), 0, nullptr)) {
        std::string message = image.message;
        png_image_free(&image);
        return failure(message);
    }
    finish_picture(p, finish);
    return p;
}

// A read in progress, kept off the frame that libpng jumps back to.
struct Reading {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t at = 0;
    char message[200] = {};
    Picture picture;
    std::vector<png_bytep> rows;
};

void take(png_structp png, png_bytep out, std::size_t n) {
    auto* r = static_cast<Reading*>(png_get_io_ptr(png));
    if (n > r->size - r->at) png_error(png, "read beyond end of data");
    std::memcpy(out, r->data + r->at, n);
    r->at += n;
}

[[noreturn]] void fail(png_structp png, png_const_charp message) {
    std::snprintf(static_cast<Reading*>(png_get_error_ptr(png))->message, sizeof Reading::message, "%s", message);
    png_longjmp(png, 1);
}

void quiet(png_structp, png_const_charp) {}

// Made RGBA of 8 bits a channel: palettes and grey spread out, what the
// transparent colour chunk says made alpha, opaque where there is none.
// Returns the number of passes (7 for an interlaced picture).
int to_rgba(png_structp png, png_infop info) {
    const int type = png_get_color_type(png, info);
    png_set_expand(png);
    if (!(type & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    if (!(type & PNG_COLOR_MASK_ALPHA) && !png_get_valid(png, info, PNG_INFO_tRNS))
        png_set_filler(png, 0xff, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return passes;
}

// Reads every row into the picture, finishing each as soon as it is whole:
// at once, or after the last pass of an interlaced picture.
void read_rows(png_structp png, Reading& r, int passes, PixelFinish finish) {
    Picture& p = r.picture;
    if (passes > 1) {
        r.rows.resize(static_cast<std::size_t>(p.height));
        for (int y = 0; y < p.height; ++y) r.rows[static_cast<std::size_t>(y)] = p.pixel(0, y);
        png_read_image(png, r.rows.data());
        finish_picture(p, finish);
        return;
    }
    for (int y = 0; y < p.height; ++y) {
        png_read_row(png, p.pixel(0, y), nullptr);
        finish_pixels(p.pixel(0, y), static_cast<std::size_t>(p.width), finish);
    }
    p.form = finish.form;
}

}  // namespace

Decoded decode_png(const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) {
        if (Status s = check_png_chunks(data, size); !s) return s.error();
    }
    auto r = std::make_unique<Reading>();
    r->data = data, r->size = size;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, r.get(), fail, quiet);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    struct Ending {
        png_structp* png;
        png_infop* info;
        ~Ending() { png_destroy_read_struct(png, info, nullptr); }
    } ending{&png, &info};
    if (!info) return decode_converting(data, size, limit, finish);
    if (setjmp(png_jmpbuf(png))) return failure(r->message);
    png_set_read_fn(png, r.get(), take);
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    png_read_info(png, info);
    if (png_get_bit_depth(png, info) > 8 || png_get_valid(png, info, PNG_INFO_gAMA | PNG_INFO_cHRM | PNG_INFO_iCCP))
        return decode_converting(data, size, limit, finish);
    const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
    if (auto refusal = refused(width, height, size, limit)) return *refusal;
    const int passes = to_rgba(png, info);
    if (png_get_rowbytes(png, info) != std::size_t{width} * 4) return decode_converting(data, size, limit, finish);
    r->picture = Picture(static_cast<int>(width), static_cast<int>(height), Picture::Unset{});
    read_rows(png, *r, passes, finish);
    return std::move(r->picture);
}

}  // namespace ignivar::skin
