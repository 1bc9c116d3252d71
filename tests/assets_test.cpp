// The default skin and assets that the build draws: complete, in place and
// readable by the program's own loaders.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/places.h"
#include "results.h"
#include "skin/manual.h"
#include "skin/skin.h"

namespace ignivar::skin {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

LoadRequest request(bool fullscreen) {
    LoadRequest r;
    r.config_path = kDir + "/Config.ini";
    r.program_dir = kDir;
    r.fullscreen = fullscreen;
    r.screen_width = 1920;
    r.screen_height = 1080;
    return r;
}

TEST(DefaultSkin, LoadsCompletelyInBothLayouts) {
    for (bool fullscreen : {false, true}) {
        Skin s;
        const Status r = load_skin(request(fullscreen), s);
        ASSERT_EQ(test::error_text(r), "") << fullscreen;
        int files = 0;
        for (int n = 1; n <= kSections; ++n) {
            const PlacedPicture& p = s.pictures[n - 1];
            const std::string name(section_picture_name(n));
            EXPECT_NE(p.source, PlacedPicture::Source::Placeholder) << name;
            EXPECT_GT(p.width, 0) << name;
            EXPECT_GT(p.height, 0) << name;
            if (p.picture) {
                ++files;
                EXPECT_LE(p.picture->width, p.width) << name << " is wider than its place";
                EXPECT_LE(p.picture->height, p.height) << name << " is taller than its place";
            }
        }
        // Everything but the digit cells, the button areas and the set button has a picture.
        EXPECT_EQ(files, 100 - 5 - 8);
        if (fullscreen) {
            EXPECT_TRUE(s.backdrop.shown);
            EXPECT_TRUE(s.logo.shown);
            EXPECT_EQ(s.logo.x + s.logo.picture->width, 1920);  // top right
        } else {
            EXPECT_EQ(s.client_width, 540);
            EXPECT_EQ(s.client_height, 360);
        }
    }
}

TEST(DefaultSkin, UsesBothTransparencyKinds) {
    Skin s;
    ASSERT_EQ(test::error_text(load_skin(request(false), s)), "");
    bool keyed_bmp = false, alpha_png = false;
    for (int n = 1; n <= kSections; ++n) {
        const PlacedPicture& p = s.pictures[n - 1];
        if (!p.picture || !p.transparent) continue;
        int clear = 0;
        for (std::size_t i = 3; i < p.picture->rgba.size(); i += 4) clear += p.picture->rgba[i] == 0;
        EXPECT_GT(clear, 0) << section_picture_name(n) << " has nothing see-through";
        if (format_of(p.file) == Format::Bmp) keyed_bmp = true;
        if (format_of(p.file) == Format::Png) alpha_png = true;
    }
    EXPECT_TRUE(keyed_bmp);
    EXPECT_TRUE(alpha_png);
}

bool overlap(const PlacedPicture& a, const PlacedPicture& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height && b.top < a.top + a.height;
}

TEST(DefaultSkin, SegmentsOfALaneNeverOverlap) {
    Skin s;
    ASSERT_EQ(test::error_text(load_skin(request(false), s)), "");
    for (int lane = 1; lane <= 3; ++lane) {
        std::vector<std::string> names;
        for (int pos = 1; pos <= 5; ++pos) {
            names.push_back("im_flame_" + std::to_string(lane) + "_" + std::to_string(pos));
            names.push_back("im_shot_" + std::to_string(lane) + "_" + std::to_string(pos));
        }
        names.push_back("im_hero_" + std::to_string(lane));
        for (std::size_t i = 0; i < names.size(); ++i)
            for (std::size_t j = i + 1; j < names.size(); ++j)
                EXPECT_FALSE(overlap(s.pictures[section_of_picture(names[i]) - 1],
                                     s.pictures[section_of_picture(names[j]) - 1]))
                    << names[i] << " and " << names[j];
    }
}

TEST(DefaultSkin, ManualPagesHaveTheViewersSize) {
    Manual m;
    EXPECT_EQ(test::error_text(load_manual(kDir + "/Config.ini", kDir, m)), "");
    EXPECT_EQ(m.width, 345);
    EXPECT_EQ(m.height, 255);
    for (const ManualPage& p : m.pages) {
        ASSERT_EQ(p.source, ManualPage::Source::File) << p.file;
        EXPECT_EQ(p.picture->width, 345);
        EXPECT_EQ(p.picture->height, 255);
    }
}

TEST(DefaultSkin, InGameMenuBackground) {
    const auto d = load_picture(files::program_picture(kDir, "game_menu.png"));
    ASSERT_TRUE(d.ok());
    const Picture& p = *d;
    ASSERT_EQ(p.width, 256);
    ASSERT_EQ(p.height, 512);
    for (int y = 0; y < 512; ++y) {
        const int alpha = y < 32 ? 255 : 204;
        for (int x = 0; x < 256; x += 5) {
            ASSERT_EQ(p.pixel(x, y)[3], alpha) << x << "," << y;
            if (y >= 32) {
                ASSERT_EQ(p.pixel(x, y)[0] + p.pixel(x, y)[1] + p.pixel(x, y)[2], 0) << x << "," << y;
            }
        }
    }
    // The three-bar icon: white bars 20 pixels long from x = 8.
    for (int y : {10, 15, 20}) {
        EXPECT_EQ(p.pixel(8, y)[0], 255);
        EXPECT_EQ(p.pixel(27, y)[0], 255);
        EXPECT_EQ(p.pixel(28, y)[0], 0);
        EXPECT_EQ(p.pixel(7, y)[0], 0);
    }
    EXPECT_EQ(p.pixel(8, 13)[0], 0);  // black between the bars
    int lettering = 0;  // "Game menu" in white to the right of the icon
    for (int y = 0; y < 32; ++y)
        for (int x = 36; x < 256; ++x) lettering += p.pixel(x, y)[0] > 200;
    EXPECT_GT(lettering, 60);
}

TEST(DefaultSkin, SoundsArePcmWavesOfPlausibleLength) {
    for (const char* name : {"Enemy", "Gameover", "Miss", "Shot", "Start"}) {
        std::ifstream in(kDir + "/Sound/" + name + ".wav", std::ios::binary);
        ASSERT_TRUE(in) << name;
        const std::string b((std::istreambuf_iterator<char>(in)), {});
        ASSERT_GE(b.size(), 44u) << name;
        auto u16 = [&](std::size_t at) { return static_cast<unsigned>(static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8); };
        auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
        EXPECT_EQ(b.substr(0, 4), "RIFF");
        EXPECT_EQ(b.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(u16(20), 1u) << "PCM";
        const unsigned rate = u32(24), channels = u16(22), bits = u16(34), data = u32(40);
        EXPECT_EQ(b.substr(36, 4), "data");
        EXPECT_EQ(data + 44, b.size());
        const double ms = 1000.0 * data / (rate * channels * bits / 8);
        const bool jingle = std::string(name) == "Start" || std::string(name) == "Gameover";
        EXPECT_GT(ms, 20) << name;
        EXPECT_LT(ms, jingle ? 1500 : 500) << name;
        int loud = 0;
        for (std::size_t i = 44; i + 1 < b.size(); i += 2) loud += std::abs(static_cast<short>(u16(i))) > 8000;
        EXPECT_GT(loud, 100) << name << " is silent";
    }
}

TEST(DefaultSkin, WindowPicturesAndTexts) {
    struct Case { const char* file; int w, h; };
    const Case cases[] = {
        {"splash_box.png", 460, 160},         {"splash_play.png", 107, 30},
        {"splash_play_disabled.png", 107, 30}, {"splash_donate.png", 107, 30},
        {"about_portrait.png", 116, 160},     {"manual_left_up.png", 16, 14},
        {"manual_left_down.png", 16, 14},     {"manual_right_up.png", 16, 14},
        {"manual_right_down.png", 16, 14},    {"manual_close_up.png", 16, 14},
        {"manual_close_down.png", 16, 14},
    };
    for (const Case& c : cases) {
        const auto d = load_picture(files::program_picture(kDir, c.file));
        ASSERT_TRUE(d.ok()) << c.file;
        EXPECT_EQ(d->width, c.w) << c.file;
        EXPECT_EQ(d->height, c.h) << c.file;
    }
    for (const char* text : {"Readme.txt", "Whatsnew.txt"})
        EXPECT_GT(std::filesystem::file_size(kDir + "/" + text), 100u) << text;
}

}  // namespace
}  // namespace ignivar::skin
