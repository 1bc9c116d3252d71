// PNGs of every kind libpng writes read the same through the decoder as
// through libpng's own converting interface, which reads every kind.
#include <gtest/gtest.h>

#include <cstring>
#include <png.h>

#include "skin/picture.h"

namespace ignivar::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Kind {
    const char* name;
    int type, depth;
    bool interlaced, transparent_colour;
};

// A 13 x 7 picture of the kind, its samples a pattern that reaches every value.
Bytes make_png(const Kind& k) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    const auto append = [](png_structp p, png_bytep d, std::size_t n) {
        Bytes& to = *static_cast<Bytes*>(png_get_io_ptr(p));
        to.insert(to.end(), d, d + n);
    };
    png_set_write_fn(png, &out, append, nullptr);
    const int w = 13, h = 7;
    png_set_IHDR(png, info, w, h, k.depth, k.type, k.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette(1u << k.depth);
    std::vector<png_byte> alphas(palette.size() / 2);
    for (std::size_t i = 0; i < palette.size(); ++i)
        palette[i] = {static_cast<png_byte>(i * 7), static_cast<png_byte>(255 - i), static_cast<png_byte>(i * 3)};
    for (std::size_t i = 0; i < alphas.size(); ++i) alphas[i] = static_cast<png_byte>(i * 40);
    png_color_16 colour{0, 3, 5, 7, 1};
    if (k.type == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    if (k.transparent_colour)
        png_set_tRNS(png, info, alphas.data(), k.type == PNG_COLOR_TYPE_PALETTE ? static_cast<int>(alphas.size()) : 0,
                     &colour);
    png_write_info(png, info);
    const std::size_t row_bytes = png_get_rowbytes(png, info);
    std::vector<Bytes> rows(h, Bytes(row_bytes));
    std::vector<png_bytep> pointers;
    for (int y = 0; y < h; ++y) {
        for (std::size_t x = 0; x < row_bytes; ++x) rows[y][x] = static_cast<std::uint8_t>(x * 37 + y * 11 + (x + y) % 3);
        pointers.push_back(rows[y].data());
    }
    png_write_image(png, pointers.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes converted(const Bytes& file) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    EXPECT_TRUE(png_image_begin_read_from_memory(&image, file.data(), file.size()));
    image.format = PNG_FORMAT_RGBA;
    Bytes rgba(PNG_IMAGE_SIZE(image));
    EXPECT_TRUE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr));
    return rgba;
}

TEST(Png, EveryKindReadsAsLibpngConvertsIt) {
    const Kind kinds[] = {
        {"grey 1 bit", PNG_COLOR_TYPE_GRAY, 1, false, false},
        {"grey 4 bits, a transparent grey", PNG_COLOR_TYPE_GRAY, 4, false, true},
        {"grey 8 bits, interlaced", PNG_COLOR_TYPE_GRAY, 8, true, false},
        {"grey and alpha", PNG_COLOR_TYPE_GRAY_ALPHA, 8, false, false},
        {"RGB", PNG_COLOR_TYPE_RGB, 8, false, false},
        {"RGB, a transparent colour", PNG_COLOR_TYPE_RGB, 8, false, true},
        {"RGBA, interlaced", PNG_COLOR_TYPE_RGB_ALPHA, 8, true, false},
        {"palette of 4, some transparent", PNG_COLOR_TYPE_PALETTE, 2, false, true},
        {"palette of 256", PNG_COLOR_TYPE_PALETTE, 8, false, false},
        {"RGBA 16 bits", PNG_COLOR_TYPE_RGB_ALPHA, 16, false, false},
    };
    for (const Kind& k : kinds) {
        const Bytes file = make_png(k);
        const Decoded d = decode_png(file.data(), file.size());
        ASSERT_TRUE(d.ok()) << k.name << ": " << d.message();
        EXPECT_EQ(d->width, 13) << k.name;
        EXPECT_TRUE(std::equal(d->rgba.begin(), d->rgba.end(), converted(file).begin())) << k.name;
        // Finished row by row as read, or after, the same pixels.
        for (const PixelFinish f : {PixelFinish{true, PixelForm::Rgba}, PixelFinish{false, PixelForm::PremultipliedArgb},
                                    PixelFinish{true, PixelForm::PremultipliedArgb}}) {
            Picture after = *d;
            finish_picture(after, f);
            const Decoded finished = decode_png(file.data(), file.size(), kNoLimit, f);
            ASSERT_TRUE(finished.ok()) << k.name;
            EXPECT_EQ(finished->form, f.form) << k.name;
            EXPECT_TRUE(std::equal(after.rgba.begin(), after.rgba.end(), finished->rgba.begin())) << k.name << f.opaque;
        }
    }
}

TEST(Png, DamagedPixelDataIsRefused) {
    // The zlib stream's own sum goes unread; the chunk's CRC still covers every byte of it.
    Bytes file = make_png({"RGB", PNG_COLOR_TYPE_RGB, 8, false, false});
    file[file.size() - 12 - 8] ^= 0x40;  // within the last IDAT, before its CRC and IEND
    const Decoded d = decode_png(file.data(), file.size());
    ASSERT_FALSE(d.ok());
    EXPECT_NE(d.message().find("CRC"), std::string::npos) << d.message();
}

}  // namespace
}  // namespace ignivar::skin
