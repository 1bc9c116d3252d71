// JPEG read through libjpeg, reporting the library's own message when a
// file cannot be decoded; PNG and JPEG written.
#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <memory>

#include <jpeglib.h>
#include <png.h>

#include "skin/picture.h"

namespace ignivar::skin {
namespace {

constexpr std::uint64_t kMaxJpegPixelsPerByte = 4096;

struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void jpeg_fail(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<JpegError*>(cinfo->err);
    cinfo->err->format_message(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void jpeg_quiet(j_common_ptr, int) {}

}  // namespace

namespace {

// What libjpeg allocates besides the pixels: a picture in several scans
// (progressive) keeps every coefficient of every component until the last
// scan, 128 bytes for each 8 x 8 block; any picture keeps some rows.
std::uint64_t jpeg_working_memory(const jpeg_decompress_struct& c) {
    int max_h = 1, max_v = 1;
    for (int i = 0; i < c.num_components; ++i) {
        max_h = std::max(max_h, c.comp_info[i].h_samp_factor);
        max_v = std::max(max_v, c.comp_info[i].v_samp_factor);
    }
    std::uint64_t coefficients = 0, rows = 0;
    for (int i = 0; i < c.num_components; ++i) {
        const jpeg_component_info& ci = c.comp_info[i];
        const std::uint64_t w = (std::uint64_t{c.image_width} * ci.h_samp_factor + 8 * max_h - 1) / (8 * max_h);
        const std::uint64_t h = (std::uint64_t{c.image_height} * ci.v_samp_factor + 8 * max_v - 1) / (8 * max_v);
        coefficients += w * h * 128;
        rows += w * 8 * 8 * 2 * static_cast<std::uint64_t>(max_v);  // a row group, twice over
    }
    const std::uint64_t output_rows = std::uint64_t{c.image_width} * 3 * 2;
    return (jpeg_has_multiple_scans(const_cast<jpeg_decompress_struct*>(&c)) ? coefficients : 0) + rows + output_rows + (1u << 20);
}

}  // namespace

Decoded decode_jpeg(const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = jpeg_fail;
    err.mgr.emit_message = jpeg_quiet;
    // Everything that must outlive a longjmp lives outside this frame's
    // automatic variables that change after setjmp.
    auto picture = std::make_unique<Picture>();
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return failure(err.message);
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width > kMaxPictureSide || cinfo.image_height > kMaxPictureSide) {
        Error large = too_large("JPEG", cinfo.image_width, cinfo.image_height);
        jpeg_destroy_decompress(&cinfo);
        return large;
    }
    // Even a one-colour JPEG needs some bits for every block of pixels.
    if (static_cast<std::uint64_t>(cinfo.image_width) * cinfo.image_height > size * kMaxJpegPixelsPerByte) {
        jpeg_destroy_decompress(&cinfo);
        return failure(said("Pictures", "JPEG header promises more pixels than the file holds"));
    }
    // The decoder's own reckoning from the header it read (whatever stands
    // before it in the file), its working memory included; and the library
    // itself held to what is left, so that it stops rather than allocates past it.
    const std::uint64_t pixels = std::uint64_t{cinfo.image_width} * cinfo.image_height * 4;
    const std::uint64_t working = jpeg_working_memory(cinfo);
    if (pixels + working > limit) {
        jpeg_destroy_decompress(&cinfo);
        return past_limit();
    }
    if (limit != kNoLimit) cinfo.mem->max_memory_to_use = static_cast<long>(std::min<std::uint64_t>(limit - pixels, LONG_MAX));
    // Straight into the picture's rows in its finished form, the alpha
    // filled in by libjpeg-turbo: a JPEG is opaque, so premultiplied is
    // only the bytes of the ARGB word in the machine's order.
    const bool argb = finish.form == PixelForm::PremultipliedArgb;
    cinfo.out_color_space = !argb ? JCS_EXT_RGBA : std::endian::native == std::endian::little ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&cinfo);
    *picture = Picture(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), Picture::Unset{});
    picture->form = finish.form;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW rows[16];
        const JDIMENSION first = cinfo.output_scanline;
        const JDIMENSION n = std::min<JDIMENSION>(16, cinfo.output_height - first);
        for (JDIMENSION i = 0; i < n; ++i) rows[i] = picture->pixel(0, static_cast<int>(first + i));
        jpeg_read_scanlines(&cinfo, rows, n);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return std::move(*picture);
}

Status write_png(const Picture& p, const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return cannot_write(path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return failure(said("Pictures", "%1: cannot be written as PNG").with(path));
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, static_cast<png_uint_32>(p.width), static_cast<png_uint_32>(p.height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // Rows unfiltered: pictures drawn in flat colours come out about as
    // small, and decode two to three times as fast (undoing the filters
    // costs more than the smaller stream saves).
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (int y = 0; y < p.height; ++y) png_write_row(png, p.pixel(0, y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    if (std::fclose(f) != 0) return cannot_write(path);
    return {};
}

Status write_jpeg(const Picture& p, const std::string& path, int quality, bool progressive) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return cannot_write(path);
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = static_cast<JDIMENSION>(p.width);
    cinfo.image_height = static_cast<JDIMENSION>(p.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<std::uint8_t> row(static_cast<std::size_t>(p.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < p.width; ++x) std::memcpy(&row[x * 3], p.pixel(x, y), 3);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    if (std::fclose(f) != 0) return cannot_write(path);
    return {};
}

}  // namespace ignivar::skin
