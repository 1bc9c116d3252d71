#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

#include "results.h"
#include "skin/ini.h"
#include "skin/picture.h"
#include "temp_dir.h"

namespace ignivar::skin {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) { b.push_back(v & 255), b.push_back((v >> 8) & 255); }
void put32(Bytes& b, std::uint32_t v) { put16(b, v & 0xFFFF), put16(b, v >> 16); }

// A BMP with a 40-byte header, an optional palette or masks, and `bits`.
Bytes make_bmp(int w, int h, int bpp, int compression, const Bytes& palette_or_masks, const Bytes& bits) {
    Bytes b = {'B', 'M'};
    const std::uint32_t offset = 14 + 40 + static_cast<std::uint32_t>(palette_or_masks.size());
    put32(b, offset + static_cast<std::uint32_t>(bits.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, static_cast<std::uint32_t>(w));
    put32(b, static_cast<std::uint32_t>(h));
    put16(b, 1);
    put16(b, static_cast<std::uint32_t>(bpp));
    put32(b, static_cast<std::uint32_t>(compression));
    put32(b, static_cast<std::uint32_t>(bits.size()));
    put32(b, 2835), put32(b, 2835);
    put32(b, bpp <= 8 ? static_cast<std::uint32_t>(palette_or_masks.size() / 4) : 0);
    put32(b, 0);
    b.insert(b.end(), palette_or_masks.begin(), palette_or_masks.end());
    b.insert(b.end(), bits.begin(), bits.end());
    return b;
}

// "rgb" of each pixel, rows from the top, as hex digits per channel's high nibble.
std::string pixels(const Picture& p) {
    std::string s;
    const char* hex = "0123456789abcdef";
    for (int y = 0; y < p.height; ++y) {
        if (y) s += '|';
        for (int x = 0; x < p.width; ++x) {
            if (x) s += ' ';
            for (int c = 0; c < 3; ++c) s += hex[p.pixel(x, y)[c] >> 4];
        }
    }
    return s;
}

const Bytes kPalette = {0, 0, 0, 0, /*1: red*/ 0, 0, 255, 0, /*2: green*/ 0, 255, 0, 0, /*3: blue*/ 255, 0, 0, 0};

TEST(Bmp, DecodesEveryDepthAndLayout) {
    struct Case { const char* name; Bytes file; const char* expect; };
    const Case cases[] = {
        {"1 bit", make_bmp(3, 2, 1, 0, {0, 0, 0, 0, 255, 255, 255, 0}, {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0}),
         "000 fff 000|fff 000 fff"},
        {"4 bit", make_bmp(3, 1, 4, 0, kPalette, {0x12, 0x30, 0, 0}), "f00 0f0 00f"},
        {"8 bit top-down", make_bmp(2, -2, 8, 0, kPalette, {1, 2, 0, 0, 3, 0, 0, 0}), "f00 0f0|00f 000"},
        {"16 bit 5-5-5", make_bmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0x1F, 0x00}), "f00 00f"},
        {"16 bit fields 5-6-5", make_bmp(1, 1, 16, 3, {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, {0xE0, 0x07, 0, 0}),
         "0f0"},
        {"24 bit", make_bmp(2, 1, 24, 0, {}, {255, 0, 0, 0, 0, 255, 0, 0}), "00f f00"},
        {"32 bit", make_bmp(1, 2, 32, 0, {}, {0, 255, 0, 0, 255, 255, 255, 0}), "fff|0f0"},
        {"RLE8", make_bmp(4, 2, 8, 1, kPalette, {3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 1}), "0f0 00f f00 000|f00 f00 f00 000"},
        {"RLE4", make_bmp(4, 1, 4, 2, kPalette, {4, 0x12, 0, 1}), "f00 0f0 f00 0f0"},
    };
    for (const Case& c : cases) {
        Decoded d = decode_bmp(c.file.data(), c.file.size());
        ASSERT_TRUE(d.ok()) << c.name << ": " << test::error_text(d);
        EXPECT_EQ(pixels(*d), c.expect) << c.name;
    }
}

TEST(Bmp, HostileFilesGiveAMessage) {
    const Bytes good = make_bmp(2, 2, 24, 0, {}, Bytes(16, 7));
    Bytes huge = make_bmp(20000, 1, 24, 0, {}, Bytes(8, 0));
    Bytes promise = make_bmp(4000, 4000, 24, 0, {}, Bytes(64, 0));
    Bytes rle_promise = make_bmp(16000, 16000, 8, 1, kPalette, {0, 1});
    Bytes wrong_rle = make_bmp(2, 2, 24, 1, {}, Bytes(16, 0));
    Bytes top_down_rle = make_bmp(2, -2, 8, 1, kPalette, {0, 1});
    Bytes odd_bpp = make_bmp(2, 2, 7, 0, {}, Bytes(16, 0));
    Bytes bad_compression = make_bmp(2, 2, 24, 9, {}, Bytes(16, 0));
    Bytes no_masks = make_bmp(1, 1, 16, 3, {}, {});
    Bytes palette_cut = make_bmp(2, 2, 8, 0, {}, {});
    palette_cut[46] = 200;  // claims 200 colours
    Bytes offset_out = good;
    offset_out[10] = 0xFF, offset_out[11] = 0xFF;
    struct Case { const char* name; Bytes file; const char* message; };
    const Case cases[] = {
        {"empty", {}, "Not a BMP file"},
        {"not BM", {'P', 'K', 3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "Not a BMP file"},
        {"header cut", Bytes(good.begin(), good.begin() + 30), "BMP header is truncated or invalid"},
        {"data cut", Bytes(good.begin(), good.end() - 1), "BMP image data is truncated"},
        {"too wide", huge, "BMP picture is too large (20000 x 1 pixels; at most 16384 a side)"},
        {"promises more", promise, "BMP image data is truncated"},
        {"RLE promises more", rle_promise, "BMP header promises more data than the file holds"},
        {"RLE on 24 bits", wrong_rle, "BMP compression does not match its bits per pixel"},
        {"top-down RLE", top_down_rle, "A compressed BMP cannot be top-down"},
        {"7 bits", odd_bpp, "Unsupported BMP bits per pixel (7)"},
        {"compression 9", bad_compression, "Unsupported BMP compression (9)"},
        {"masks missing", no_masks, "BMP colour masks are missing"},
        {"palette cut", palette_cut, "BMP palette is truncated"},
        {"data offset beyond the end", offset_out, "BMP image data is missing"},
    };
    for (const Case& c : cases) {
        Decoded d = decode_bmp(c.file.data(), c.file.size());
        ASSERT_FALSE(d.ok()) << c.name;
        EXPECT_EQ(d.message(), c.message) << c.name;
    }
}

Picture gradient(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* d = p.pixel(x, y);
            d[0] = static_cast<std::uint8_t>(x * 255 / (w - 1));
            d[1] = static_cast<std::uint8_t>(y * 255 / (h - 1));
            d[2] = 128;
            d[3] = static_cast<std::uint8_t>(x < w / 2 ? 0 : 255);
        }
    return p;
}

TEST(Pictures, RoundTripThroughEveryFormat) {
    test::TempDir dir;
    const Picture p = gradient(16, 8);
    ASSERT_EQ(test::error_text(write_png(p, dir.file("a.png"))), "");
    ASSERT_EQ(test::error_text(write_bmp(p, dir.file("a.bmp"))), "");
    ASSERT_EQ(test::error_text(write_bmp(p, dir.file("b.BMP"), 32)), "");
    ASSERT_EQ(test::error_text(write_jpeg(p, dir.file("a.jpg"), 100)), "");
    const Picture png = load_picture(dir.file("a.png")).value();
    EXPECT_EQ(png.rgba, p.rgba);  // alpha kept
    for (const char* name : {"a.bmp", "b.BMP"}) {
        const Picture bmp = load_picture(dir.file(name)).value();
        Picture opaque = p;
        make_opaque(opaque);
        EXPECT_EQ(bmp.rgba, opaque.rgba) << name;
    }
    // Taller than the rows the decoder takes at a time.
    const Picture tall = gradient(16, 40);
    ASSERT_EQ(test::error_text(write_jpeg(tall, dir.file("tall.jpg"), 100)), "");
    for (const auto& [name, original] : {std::pair{"a.jpg", &p}, std::pair{"tall.jpg", &tall}}) {
        const Picture jpg = load_picture(dir.file(name)).value();
        ASSERT_EQ(jpg.width, original->width);
        ASSERT_EQ(jpg.height, original->height);
        for (std::size_t i = 0; i < jpg.rgba.size(); i += 4) {
            for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(jpg.rgba[i + c], original->rgba[i + c], 24) << name << " " << i;
            EXPECT_EQ(jpg.rgba[i + 3], 255);
        }
    }
    // Finished by the decoder, or after it, the same pixels in every format.
    for (const char* name : {"a.png", "a.bmp", "a.jpg", "tall.jpg"})
        for (const PixelFinish f : {PixelFinish{true, PixelForm::Rgba}, PixelFinish{false, PixelForm::PremultipliedArgb},
                                    PixelFinish{true, PixelForm::PremultipliedArgb}}) {
            Picture after = load_picture(dir.file(name)).value();
            finish_picture(after, f);
            const Picture finished = decode_picture(name, read_picture_file(dir.file(name)).value(), kNoLimit, f).value();
            EXPECT_EQ(finished.form, f.form) << name;
            EXPECT_EQ(finished.rgba, after.rgba) << name << f.opaque;
        }
}

TEST(Pictures, LargePicturesHoldEveryPixel) {
    // Copied, moved and assigned, a large picture keeps every pixel.
    for (const auto& [w, h] : {std::pair{512, 511}, std::pair{512, 512}, std::pair{1024, 513}, std::pair{1921, 1081}}) {
        Picture p(w, h);
        ASSERT_EQ(p.rgba.size(), std::size_t{4} * w * h);
        EXPECT_EQ(std::count(p.rgba.begin(), p.rgba.end(), 0), static_cast<std::ptrdiff_t>(p.rgba.size())) << w;
        for (std::size_t i = 0; i < p.rgba.size(); ++i) p.rgba[i] = static_cast<std::uint8_t>(i * 7 + i / 4096);
        const Picture copy = p;
        Picture moved = std::move(p);
        EXPECT_EQ(copy.rgba, moved.rgba) << w;
        moved = Picture(w, 1);  // the large block given back
        EXPECT_EQ(copy.rgba.back(), static_cast<std::uint8_t>((copy.rgba.size() - 1) * 7 + (copy.rgba.size() - 1) / 4096));
        // A picture about to be written whole is not cleared first, and takes the same.
        Picture unset(w, h, Picture::Unset{});
        std::copy(copy.rgba.begin(), copy.rgba.end(), unset.rgba.begin());
        EXPECT_EQ(unset.rgba, copy.rgba) << w;
    }
}

TEST(Pictures, BrokenFilesReportTheDecodersMessage) {
    test::TempDir dir;
    const Picture p = gradient(64, 64);
    write_png(p, dir.file("ok.png"));
    write_jpeg(p, dir.file("ok.jpg"));
    std::ifstream png_in(dir.file("ok.png"), std::ios::binary), jpg_in(dir.file("ok.jpg"), std::ios::binary);
    const std::string png((std::istreambuf_iterator<char>(png_in)), {}), jpg((std::istreambuf_iterator<char>(jpg_in)), {});
    std::string huge_png = png;
    huge_png[16] = 0, huge_png[17] = 0, huge_png[18] = 0x3F, huge_png[19] = 0;  // width 16128, bad checksum
    struct Case { const char* name; std::string file, text; const char* message_part; };
    const Case cases[] = {
        {"png cut", "cut.png", png.substr(0, png.size() / 2), "runs past the end of the file"},
        {"png garbage", "junk.png", std::string(100, 'x'), "Not a PNG file"},
        {"png header altered", "huge.png", huge_png, "CRC"},
        {"jpeg cut", "cut.jpg", jpg.substr(0, 40), ""},
        {"jpeg garbage", "junk.jpg", std::string(100, 'x'), "JPEG"},
        {"unknown extension", "pic.gif", "GIF89a", "Unknown picture file extension (.gif)"},
        {"no extension", "picture", "x", "Unknown picture file extension (.)"},
    };
    for (const Case& c : cases) {
        Decoded d = load_picture(dir.write(c.file, c.text));
        if (d.ok()) {
            // A JPEG cut short still decodes what it has; it never crashes.
            EXPECT_EQ(std::string(c.name), "jpeg cut") << c.name;
            continue;
        }
        EXPECT_FALSE(d.message().empty()) << c.name;
        EXPECT_NE(d.message().find(c.message_part), std::string::npos) << c.name << ": " << d.message();
    }
    EXPECT_EQ(test::error_text(load_picture(dir.file("absent.png"))),
              "Cannot open file \"" + dir.file("absent.png") + "\": No such file or directory");
}

TEST(Pictures, TransparencyHelpers) {
    Picture p(2, 2);
    const std::uint8_t colours[4][4] = {{9, 9, 9, 255}, {1, 2, 3, 255}, {1, 2, 3, 255}, {1, 2, 4, 255}};
    for (int i = 0; i < 4; ++i) std::copy(colours[i], colours[i] + 4, &p.rgba[i * 4]);
    key_out_bottom_left(p);  // bottom-left is (1, 2, 3)
    EXPECT_EQ(p.rgba[3], 255);
    EXPECT_EQ(p.rgba[7], 0);
    EXPECT_EQ(p.rgba[11], 0);
    EXPECT_EQ(p.rgba[15], 255);
    const Picture mark = placeholder();
    ASSERT_EQ(mark.width, 10);
    EXPECT_EQ(pixels(mark).substr(0, 8), "000 000 ");  // black outline
    EXPECT_EQ(std::vector<std::uint8_t>(mark.pixel(5, 5), mark.pixel(5, 5) + 4), (std::vector<std::uint8_t>{255, 0, 0, 255}));
}

TEST(Ini, ReadsLikeCommonIniReaders) {
    const IniFile ini = IniFile::parse(
        "\xEF\xBB\xBForphan=1\n; comment\n# another\n[Common]\r\n  SkinDir  =  Graphics\\Other  \r\n"
        "GameWidth=$20\nGameHeight=0x10\nempty=\n[common]\nSkinDir=second\n[Image7]\nFilename=\"a b.png\"\n"
        "Left = abc\nTop=-4\n[Long]\nv=" + std::string(3000, 'x') + "\n[Broken\nkey=1\n");
    EXPECT_EQ(ini.read_string("COMMON", "skindir", "d"), "Graphics\\Other");  // the first one counts
    EXPECT_EQ(ini.read_integer("Common", "GameWidth", 1), 32);
    EXPECT_EQ(ini.read_integer("Common", "GameHeight", 1), 16);
    EXPECT_EQ(ini.read_string("Common", "empty", "default"), "");  // present and empty
    EXPECT_EQ(ini.read_string("Common", "absent", "default"), "default");
    EXPECT_EQ(ini.read_integer("Common", "empty", 5), 5);
    EXPECT_EQ(ini.read_string("Image7", "Filename", ""), "a b.png");
    EXPECT_EQ(ini.read_integer("Image7", "Left", 9), 9);
    EXPECT_EQ(ini.read_integer("Image7", "Top", 9), -4);
    EXPECT_EQ(ini.read_string("Long", "v", "").size(), 2047u);
    EXPECT_FALSE(ini.value("", "orphan").has_value());
    EXPECT_EQ(ini.read_string("Long", "key", "none"), "1");  // a broken header line is ignored
}

TEST(Ini, IntegerForms) {
    struct Case { const char* text; std::optional<std::int32_t> value; };
    const Case cases[] = {
        {"12", 12},       {" 12 ", 12},       {"-5", -5},         {"+5", 5},      {"$1F", 31},     {"0x1f", 31},
        {"0X1F", 31},     {"$00ff00ff", 0x00ff00ff}, {"$FFFFFFFF", -1}, {"-$10", -16}, {"2147483647", 2147483647},
        {"2147483648", std::nullopt}, {"$100000000", std::nullopt}, {"", std::nullopt}, {"$", std::nullopt},
        {"abc", std::nullopt}, {"12px", std::nullopt}, {"1 2", std::nullopt}, {"Center", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(parse_integer(c.text), c.value) << '"' << c.text << '"';
}

}  // namespace
}  // namespace ignivar::skin
