// Skins and manuals made to exhaust the machine: pictures whose headers
// promise far more pixels than their files hold, named many times.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "results.h"
#include "files/write.h"
#include "skin/manual.h"
#include "skin/picture_budget.h"
#include "skin/kept_pictures.h"
#include "skin/skin.h"
#include "temp_dir.h"

namespace ignivar::skin {
namespace {

void put32be(std::string& s, std::uint32_t v) {
    for (int i = 3; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A PNG of a signature and an IHDR only: it promises width x height RGBA.
std::string png_header(std::uint32_t w, std::uint32_t h) {
    std::string chunk = "IHDR";
    put32be(chunk, w);
    put32be(chunk, h);
    chunk += std::string("\x08\x06\x00\x00\x00", 5);
    std::string out = "\x89PNG\r\n\x1a\n";
    put32be(out, 13);
    out += chunk;
    put32be(out, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), chunk.size())));
    return out;
}

// A JPEG of a start of image and a baseline frame header only.
std::string jpeg_header(std::uint16_t w, std::uint16_t h) {
    std::string out("\xFF\xD8\xFF\xC0\x00\x11\x08", 7);
    out += static_cast<char>(h >> 8), out += static_cast<char>(h & 0xFF);
    out += static_cast<char>(w >> 8), out += static_cast<char>(w & 0xFF);
    out += std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    return out;
}

// A BMP file header and info header only.
std::string bmp_header(std::int32_t w, std::int32_t h) {
    std::string out = "BM";
    auto put32le = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put32le(54), put32le(0), put32le(54), put32le(40), put32le(static_cast<std::uint32_t>(w)),
        put32le(static_cast<std::uint32_t>(h));
    out += std::string("\x01\x00\x18\x00", 4);
    for (int i = 0; i < 6; ++i) put32le(0);
    return out;
}

std::string every_section_names(const std::string& file) {
    std::string ini = "[Common]\nSkinDir=Skin\\\n";
    for (int n = 1; n <= kSections; ++n) ini += "[Image" + std::to_string(n) + "]\nFilename=" + file + "\nWidth=10\nHeight=10\n";
    return ini;
}

// Runs `body` in a child process whose address space is limited to 1 GiB;
// returns its exit status (or 128 + the signal that ended it).
template <typename F>
int under_one_gib(F body) {
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit limit{1ull << 30, 1ull << 30};
        setrlimit(RLIMIT_AS, &limit);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's shadow memory needs a large address space
#else
constexpr bool kSanitized = false;
#endif

TEST(HostileSkin, HugeHeadersNamedByEverySectionStopAtTheBudget) {
    struct Case {
        const char* file;
        std::string bytes;
    };
    const Case cases[] = {
        {"huge.png", png_header(16384, 16384)},
        {"huge.jpg", jpeg_header(16384, 16384)},
        {"huge.bmp", bmp_header(16384, -16384)},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        dir.write("Skin/" + std::string(c.file), c.bytes);
        dir.write("Config.ini", every_section_names(c.file));
        LoadRequest req;
        req.config_path = dir.file("Config.ini");
        req.program_dir = dir.path.string();
        const auto load = [&] {
            Skin skin;
            const Status r = load_skin(req, skin);
            const std::string want = budget_message(dir.file("Skin/" + std::string(c.file)), kPictureBudget).message;
            return test::error_text(r) == want && !(!r && r.error().fatal) ? 0 : 1;
        };
        EXPECT_EQ(load(), 0) << c.file;
        if (!kSanitized) {
            EXPECT_EQ(under_one_gib(load), 0) << c.file << " under a 1 GiB limit";
        }
    }
}

TEST(HostileSkin, AFileNamedTwiceIsDecodedAndCountedOnce) {
    test::TempDir dir;
    for (const char* f : {"a.bmp", "b.bmp"})
        std::ofstream(dir.file(f), std::ios::binary) << bmp_header(4, 4) << std::string(48, '\0');  // 64 bytes of RGBA
    PictureBudget budget(100);
    const auto first = budget.load(dir.file("a.bmp"), PictureBudget::Use::Opaque);
    ASSERT_TRUE(first.ok());
    const auto again = budget.load(dir.file("a.bmp"), PictureBudget::Use::Opaque);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(*first, *again);
    EXPECT_EQ(budget.used(), 64u);
    const auto other = budget.load(dir.file("b.bmp"), PictureBudget::Use::Opaque);
    ASSERT_FALSE(other.ok());
    EXPECT_EQ(other.message(), budget_message(dir.file("b.bmp"), 100).message);
}

TEST(HostileSkin, TwelveHugeManualPages) {
    test::TempDir dir;
    for (int n = 1; n <= kManualPages; ++n) dir.write("Pages/" + std::to_string(n) + ".bmp", bmp_header(16384, 16384));
    dir.write("Config.ini", "[Manual]\nManualDir=Pages\n");
    const auto load = [&] {
        Manual m;
        const Status loaded = load_manual(dir.file("Config.ini"), dir.path.string(), m);
        return test::error_text(loaded) == budget_message(dir.file("Pages/1.bmp"), kPictureBudget).message ? 0 : 1;
    };
    EXPECT_EQ(load(), 0);
    if (!kSanitized) {
        EXPECT_EQ(under_one_gib(load), 0);
    }
}

std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A grey picture with a little texture, so that JPEG has something to code.
Picture textured(int w, int h, int seed = 0) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* d = p.pixel(x, y);
            d[0] = d[1] = d[2] = static_cast<std::uint8_t>((x * 7 + y * 13 + seed) % 251);
            d[3] = 255;
        }
    return p;
}

// The budget counts what the decoder itself will allocate, whatever a
// separate reading of the header would say.
TEST(HostileSkin, TheBudgetCountsWhatTheDecoderAllocates) {
    test::TempDir dir;
    const Picture picture = textured(700, 700);  // 1.96 MB of pixels
    ASSERT_TRUE(write_jpeg(picture, dir.file("baseline.jpg"), 90).ok());
    ASSERT_TRUE(write_jpeg(picture, dir.file("progressive.jpg"), 90, true).ok());
    std::string stray = file_bytes(dir.file("baseline.jpg"));
    stray.insert(stray.find("\xFF\xC0"), "\x12\x34");  // two bytes before the frame header
    dir.write("stray.jpg", stray);
    struct Case {
        const char* file;
        bool fits;
    };
    // 3 MiB: the pixels fit, a progressive picture's coefficients (3 MB more) do not.
    const Case cases[] = {{"baseline.jpg", true}, {"stray.jpg", true}, {"progressive.jpg", false}};
    for (const Case& c : cases) {
        PictureBudget budget(3u << 20);
        const auto loaded = budget.load(dir.file(c.file), PictureBudget::Use::Opaque);
        EXPECT_EQ(loaded.ok(), c.fits) << c.file << ": " << (loaded ? "" : loaded.message());
        if (!c.fits) {
            EXPECT_EQ(loaded.message(), budget_message(dir.file(c.file), 3u << 20).message);
        }
        const auto bytes = file_bytes(dir.file(c.file));
        const auto size = picture_size(Format::Jpeg, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ASSERT_TRUE(size.has_value()) << c.file;  // the header check reads what the decoder reads
        EXPECT_EQ(size->width, 700u);
        EXPECT_EQ(size->height, 700u);
    }
    PictureBudget small(1u << 20);
    EXPECT_EQ(small.load(dir.file("stray.jpg"), PictureBudget::Use::Opaque).message(),
              budget_message(dir.file("stray.jpg"), 1u << 20).message);

    // A header of 16000 x 16000 behind stray bytes, padded so that the file
    // may hold that many pixels: refused before a gigabyte is asked for.
    std::string huge = jpeg_header(16000, 16000);
    huge.insert(2, "\xFF\xFE\xFF\xFF" + std::string(65533, 'x') + "\x12\x34");
    dir.write("huge.jpg", huge);
    const auto load = [&] {
        PictureBudget budget;
        return budget.load(dir.file("huge.jpg"), PictureBudget::Use::Opaque).message() ==
                       budget_message(dir.file("huge.jpg"), kPictureBudget).message
                   ? 0
                   : 1;
    };
    EXPECT_EQ(load(), 0);
    if (!kSanitized) {
        EXPECT_EQ(under_one_gib(load), 0);
    }
}

// Pictures read back as one run kept them are the ones, and fail with the
// messages, that decoding them gives, also where the budget runs out part way.
TEST(HostileSkin, KeptPicturesChangeNoPictureNorMessage) {
    test::TempDir dir;
    ASSERT_TRUE(write_png(textured(900, 900), dir.file("big.png")).ok());  // 3.24 MB of pixels
    ASSERT_TRUE(write_png(textured(40, 30), dir.file("small.png")).ok());
    ASSERT_TRUE(write_jpeg(textured(700, 700), dir.file("progressive.jpg"), 90, true).ok());
    std::ofstream(dir.file("keyed.bmp"), std::ios::binary) << bmp_header(4, 4) << std::string(48, '\x7f');
    dir.write("header_only.png", png_header(64, 64));
    dir.write("odd.xyz", "");
    using Use = PictureUse;
    const std::vector<FileUse> files = {
        {dir.file("keyed.bmp"), Use::Transparent}, {dir.file("keyed.bmp"), Use::Opaque},
        {dir.file("header_only.png"), Use::Opaque}, {dir.file("odd.xyz"), Use::Opaque},
        {dir.file("missing.png"), Use::Opaque},     {dir.file("small.png"), Use::Transparent},
        {dir.file("big.png"), Use::Opaque},         {dir.file("progressive.jpg"), Use::Opaque},
        {dir.file("small.png"), Use::Opaque},
    };
    const auto load_all = [&](std::uint64_t limit, PictureKeeper* keeper) {
        PictureBudget budget(limit, PixelForm::Rgba, keeper);
        std::vector<std::string> out;
        for (const auto& [path, use] : files) {
            const auto loaded = budget.load(path, use);
            out.push_back(loaded ? std::to_string((*loaded)->width) + "x" + std::to_string((*loaded)->height) + " " +
                                       std::to_string(std::hash<std::string_view>()(std::string_view(
                                           reinterpret_cast<const char*>((*loaded)->rgba.data()), (*loaded)->rgba.size())))
                                 : loaded.message());
        }
        out.push_back("used " + std::to_string(budget.used()));
        return out;
    };
    for (const std::uint64_t limit : {kPictureBudget, std::uint64_t{5} << 20, std::uint64_t{4} << 20, std::uint64_t{1} << 20}) {
        const std::vector<std::string> decoded = load_all(limit, nullptr);
        std::filesystem::remove_all(dir.file("kept"));
        KeptPictures kept(dir.file("kept"), "build");
        EXPECT_EQ(load_all(limit, &kept), decoded) << limit << " bytes, kept";
        kept.keep();
        KeptPictures next_run(dir.file("kept"), "build");
        EXPECT_EQ(load_all(limit, &next_run), decoded) << limit << " bytes, read back";
        EXPECT_FALSE(next_run.has_noted()) << limit << " bytes: all read, nothing decoded again";
    }
}

// What writes killed half way left is removed once a minute old; nothing else.
TEST(HostileSkin, OnlyStaleTemporariesOfKeptPicturesAreRemoved) {
    test::TempDir dir;
    struct Case {
        const char* name;
        bool old, removed;
    };
    const Case cases[] = {
        {"0123abcd.pixels.Ab12cd", true, true},   {"0123abcd.pixels.Ab12cd.x", true, false},
        {"0123abcd.pixels.Ab12c", true, false},   {"0123abcd.pixels.Ab1_cd", true, false},
        {"0123abcd.pixels", true, false},         {"0123abcd.pixel.Ab12cd", true, false},
        {"0123abcd.pixels.Zz99zz", false, false},
    };
    for (const Case& c : cases) {
        dir.write(c.name, "x");
        const timespec ago[2] = {{std::time(nullptr) - 120, 0}, {std::time(nullptr) - 120, 0}};
        if (c.old) {
            ASSERT_EQ(::utimensat(AT_FDCWD, dir.file(c.name).c_str(), ago, 0), 0);
        }
    }
    files::remove_stale_temporaries_of(dir.path.string(), ".pixels");
    for (const Case& c : cases) EXPECT_EQ(std::filesystem::exists(dir.file(c.name)), !c.removed) << c.name;
    // Those of one file alone: its own, not another's.
    files::remove_stale_temporaries(dir.file("0123abcd"));
    EXPECT_TRUE(std::filesystem::exists(dir.file("0123abcd.pixel.Ab12cd")));
    files::remove_stale_temporaries(dir.file("0123abcd.pixel"));
    EXPECT_FALSE(std::filesystem::exists(dir.file("0123abcd.pixel.Ab12cd")));
}

TEST(HostileSkin, AKeptPictureIsTakenOnlyForTheFileItCameFrom) {
    test::TempDir dir;
    const std::string png = dir.file("a.png");
    ASSERT_TRUE(write_png(textured(30, 20), png).ok());
    const FileUse file{png, PictureUse::Transparent};
    const auto keep = [&] {
        KeptPictures kept(dir.file("kept"), "build");
        ASSERT_TRUE(PictureBudget(kPictureBudget, PixelForm::Rgba, &kept).load(png, file.second).ok());
        ASSERT_EQ(kept.keep(), 1u);
    };
    const auto entry = [&] { return std::filesystem::directory_iterator(dir.file("kept"))->path(); };
    const auto decoded = [&] { return load_picture(png)->rgba; };
    std::string build = "build";
    struct Case {
        const char* what;
        std::function<void()> change;
        std::uint64_t allowed;
        bool taken;
        PixelForm form = PixelForm::Rgba;
    };
    const Case cases[] = {
        {"as kept", [] {}, kPictureBudget, true},
        {"larger than allowed", [] {}, 30 * 20 * 4 - 1, false},
        {"in another form", [] {}, kPictureBudget, false, PixelForm::PremultipliedArgb},
        {"of another build", [&] { build = "other"; }, kPictureBudget, false},
        {"cut short", [&] { std::filesystem::resize_file(entry(), std::filesystem::file_size(entry()) - 1); },
         kPictureBudget, false},
        {"grown", [&] { std::ofstream(entry(), std::ios::app) << 'x'; }, kPictureBudget, false},
        {"not ours", [&] { std::ofstream(entry(), std::ios::binary) << std::string(2480, '\xff'); }, kPictureBudget,
         false},
        {"of a file since rewritten",
         [&] { ASSERT_TRUE(write_png(textured(30, 20, 7), png).ok()); }, kPictureBudget, false},
        {"of a file of another size since", [&] { ASSERT_TRUE(write_png(textured(31, 20), png).ok()); },
         kPictureBudget, false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(dir.file("kept"));
        build = "build";
        keep();
        c.change();
        KeptPictures next_run(dir.file("kept"), build);
        const std::optional<Picture> kept = next_run.read(file, c.form, c.allowed);
        EXPECT_EQ(kept.has_value(), c.taken) << c.what;
        if (kept) {
            EXPECT_EQ(kept->rgba, decoded()) << c.what;
        }
    }
    // Its pixels written in memory, its entry stays as it was kept.
    std::filesystem::remove_all(dir.file("kept"));
    keep();
    KeptPictures next_run(dir.file("kept"), "build");
    std::optional<Picture> written = next_run.read(file, PixelForm::Rgba, kPictureBudget);
    ASSERT_TRUE(written);
    const Picture copy = *written;
    std::fill(written->rgba.begin(), written->rgba.end(), 0x5a);
    EXPECT_EQ(copy.rgba, decoded());
    EXPECT_EQ(next_run.read(file, PixelForm::Rgba, kPictureBudget)->rgba, decoded());
}

// Keeping removes the entries no run has used for 30 days, and nothing
// else; an entry read is marked as used.
TEST(HostileSkin, KeptPicturesUnusedForAMonthAreRemoved) {
    test::TempDir dir;
    const std::string png = dir.file("a.png"), folder = dir.file("kept");
    ASSERT_TRUE(write_png(textured(30, 20), png).ok());
    const FileUse file{png, PictureUse::Transparent};
    const auto age = [](const std::string& path, int days) {
        const timespec t{std::time(nullptr) - days * 24 * 60 * 60, 0}, times[2] = {t, t};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
    };
    {
        KeptPictures kept(folder, "build");
        ASSERT_TRUE(PictureBudget(kPictureBudget, PixelForm::Rgba, &kept).load(png, file.second).ok());
        ASSERT_EQ(kept.keep(), 1u);
    }
    const std::string entry = std::filesystem::directory_iterator(folder)->path().string();
    struct Case {
        const char* name;
        int days;
        bool stays;
    };
    for (const Case& c : {Case{"0123abcd.pixels", 31, false}, Case{"0123abcd.pixels", 29, true},
                          Case{"notes.txt", 31, true}, Case{"pixels", 31, true}}) {
        const std::string path = dir.write(std::string("kept/") + c.name, "x");
        age(path, c.days);
        KeptPictures(folder, "build").keep();
        EXPECT_EQ(std::filesystem::exists(path), c.stays) << c.name << ", " << c.days << " days";
    }
    age(entry, 40);
    {
        KeptPictures run(folder, "build");
        EXPECT_TRUE(run.read(file, PixelForm::Rgba, kPictureBudget));
        run.keep();
    }
    EXPECT_TRUE(std::filesystem::exists(entry)) << "read 40 days after it was kept";
    age(entry, 40);
    KeptPictures(folder, "build").keep();
    EXPECT_FALSE(std::filesystem::exists(entry)) << "not read for 40 days";
}

// libpng passes over an unknown ancillary chunk before IHDR; the header check
// must find the same size there, and a budget just below it must hold.
TEST(HostileSkin, APngHeaderBehindAnotherChunkIsReadAsTheDecoderReadsIt) {
    test::TempDir dir;
    ASSERT_TRUE(write_png(textured(5, 3), dir.file("plain.png")).ok());
    const std::string plain = file_bytes(dir.file("plain.png"));
    std::string chunk = "prVt" + std::string(7, 'x');
    std::string ahead;
    put32be(ahead, 7);
    ahead += chunk;
    put32be(ahead, static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef*>(chunk.data()), chunk.size())));
    for (const std::string& png : {plain, plain.substr(0, 8) + ahead + plain.substr(8)}) {
        const auto* data = reinterpret_cast<const std::uint8_t*>(png.data());
        const Decoded d = decode_png(data, png.size());
        ASSERT_TRUE(d.ok()) << d.message();
        const auto size = picture_size(Format::Png, data, png.size());
        ASSERT_TRUE(size.has_value()) << png.size();
        EXPECT_EQ(size->width, 5u);
        EXPECT_EQ(size->height, 3u);
        dir.write("ahead.png", png);
        PictureBudget budget(size->bytes() - 1);
        EXPECT_EQ(budget.load(dir.file("ahead.png"), PictureBudget::Use::Opaque).message(),
                  budget_message(dir.file("ahead.png"), size->bytes() - 1).message);
    }
}

TEST(HostileSkin, AnOs2BitmapIsReadAsTheDecoderReadsIt) {
    // A 12-byte core header: 16-bit width and height, a 24-bit picture of 2 x 2.
    std::string bmp("BM\x00\x00\x00\x00\x00\x00\x00\x00\x1A\x00\x00\x00\x0C\x00\x00\x00\x02\x00\x02\x00\x01\x00\x18\x00", 26);
    bmp += std::string("\x00\x00\xFF\x00\xFF\x00\x00\x00\xFF\x00\x00\xFF\xFF\xFF\x00\x00", 16);
    const auto* data = reinterpret_cast<const std::uint8_t*>(bmp.data());
    const auto size = picture_size(Format::Bmp, data, bmp.size());
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, 2u);
    EXPECT_EQ(size->height, 2u);
    const Decoded d = decode_bmp(data, bmp.size());
    ASSERT_TRUE(d.ok()) << d.message();
    EXPECT_EQ(d->pixel(0, 1)[0], 255);  // bottom-up: the first row is the lower one, red first
    test::TempDir dir;
    dir.write("os2.bmp", bmp);
    PictureBudget budget(64);
    EXPECT_TRUE(budget.load(dir.file("os2.bmp"), PictureBudget::Use::Opaque).ok());
}

TEST(HostileSkin, AFifoInThePlaceOfAFileDoesNotHang) {
    test::TempDir dir;
    ASSERT_EQ(mkfifo(dir.file("Config.ini").c_str(), 0600), 0);
    LoadRequest req;
    req.config_path = dir.file("Config.ini");
    Skin skin;
    const Status r = load_skin(req, skin);
    EXPECT_TRUE(!r && r.error().fatal);
    EXPECT_NE(test::error_text(r).find("not a regular file"), std::string::npos) << test::error_text(r);
    ASSERT_EQ(mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
    EXPECT_NE(test::error_text(load_picture(dir.file("pipe.png"))).find("not a regular file"), std::string::npos);
    dir.write("big/Config.ini", std::string(2 * 1024 * 1024, ';'));
    req.config_path = dir.file("big/Config.ini");
    EXPECT_NE(test::error_text(load_skin(req, skin)).find("too large"), std::string::npos);
}

}  // namespace
}  // namespace ignivar::skin
