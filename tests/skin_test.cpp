#include <gtest/gtest.h>

#include "results.h"
#include "skin/manual.h"
#include "skin/skin.h"
#include "temp_dir.h"

namespace ignivar::skin {
namespace {

using test::TempDir;

Picture solid(int w, int h, std::uint8_t r, std::uint8_t g, std::uint8_t b, std::uint8_t a = 255) {
    Picture p(w, h);
    for (std::size_t i = 0; i < p.rgba.size(); i += 4) p.rgba[i] = r, p.rgba[i + 1] = g, p.rgba[i + 2] = b, p.rgba[i + 3] = a;
    return p;
}

struct SkinDir {
    TempDir dir;
    LoadRequest request(bool fullscreen) const {
        LoadRequest r;
        r.config_path = dir.file("Config.ini");
        r.program_dir = dir.path.string();
        r.fullscreen = fullscreen;
        return r;
    }
    void config(const std::string& text) const { dir.write("Config.ini", text); }
    std::string skin_file(const std::string& name) const {
        std::filesystem::create_directories(dir.path / "Graphics" / "Skin");
        return dir.file("Graphics/Skin/" + name);
    }
    std::string backdrop_file(const std::string& name) const {
        std::filesystem::create_directories(dir.path / "Graphics" / "Backdrops");
        return dir.file("Graphics/Backdrops/" + name);
    }
};

TEST(SkinLoad, EmptyConfigInBothLayouts) {
    SkinDir s;
    s.config("");
    Skin windowed;
    EXPECT_EQ(test::error_text(load_skin(s.request(false), windowed)), "");
    EXPECT_EQ(windowed.client_width, 540);
    EXPECT_EQ(windowed.client_height, 360);
    EXPECT_EQ(windowed.transparent_colour, 0x00ff00ffu);
    EXPECT_EQ(windowed.colour, 0x00ff00ffu);
    EXPECT_FALSE(windowed.menu_shown);
    for (const PlacedPicture& p : windowed.pictures) {
        EXPECT_EQ(p.source, PlacedPicture::Source::None);
        EXPECT_EQ(p.left + p.top + p.width + p.height, 0);
    }
    Skin full;
    EXPECT_EQ(test::error_text(load_skin(s.request(true), full)), "");
    EXPECT_EQ(full.client_width, 1024);
    EXPECT_EQ(full.client_height, 768);
    EXPECT_EQ(full.colour, 0u);
    EXPECT_FALSE(full.transparent_colour.has_value());
    EXPECT_FALSE(full.backdrop.shown);
    EXPECT_FALSE(full.logo.shown);
    EXPECT_TRUE(full.menu_shown);
    EXPECT_EQ(full.menu_width, 36);
    EXPECT_EQ(full.menu_height, 32);
    for (const PlacedPicture& p : full.pictures) {
        EXPECT_EQ(p.left, (1024 - 540) / 2);
        EXPECT_EQ(p.top, (768 - 360) / 2);
    }
}

TEST(SkinLoad, Offsets) {
    struct Case { const char* x; const char* y; int left, top; };
    const Case cases[] = {{"Center", "Center", 242, 204}, {"0", "0", 242, 204}, {"15", "$10", 15, 16},
                          {"abc", "", 242, 204},          {"-20", "7", -20, 7},
                          {"2147483647", "$7FFFFFFF", 2147483647, 2147483647}};  // sums wrap, never overflow
    for (const Case& c : cases) {
        SkinDir s;
        s.config(std::string("[Fullscreen]\nGameOffsetX=") + c.x + "\nGameOffsetY=" + c.y +
                 "\n[Image5]\nLeft=3\nTop=4\n");
        Skin skin;
        load_skin(s.request(true), skin);
        EXPECT_EQ(skin.pictures[4].left, static_cast<int>(static_cast<unsigned>(c.left) + 3u)) << c.x;
        EXPECT_EQ(skin.pictures[4].top, static_cast<int>(static_cast<unsigned>(c.top) + 4u)) << c.y;
    }
}

// The LCD's settings: kept when in range; out of range or no number, said
// and their defaults taken; a missing glass said, and the face drawn as it is.
TEST(SkinLoad, LcdSettingsOutOfRangeAreSaidAndTakeTheirDefaults) {
    struct Case {
        const char* lines;
        int x, y, blur, strength;
        std::size_t warnings;
    } cases[] = {
        {"", 2, 2, 1, 30, 0},
        {"ShadowX=-3\nShadowY=5\nShadowBlur=0\nShadowStrength=100\n", -3, 5, 0, 100, 0},
        {"ShadowX=99\nShadowY=2x\nShadowBlur=-1\nShadowStrength=101\n", 2, 2, 1, 30, 4},
        {"ShadowBlur=9\nGlass=none.png\n", 2, 2, 1, 30, 2},
    };
    for (const Case& c : cases) {
        SkinDir s;
        s.config(std::string("[LCD]\n") + c.lines);
        Skin skin;
        EXPECT_TRUE(load_skin(s.request(false), skin).ok()) << c.lines;
        EXPECT_EQ(skin.lcd.shadow_x, c.x) << c.lines;
        EXPECT_EQ(skin.lcd.shadow_y, c.y) << c.lines;
        EXPECT_EQ(skin.lcd.shadow_blur, c.blur) << c.lines;
        EXPECT_EQ(skin.lcd.shadow_strength, c.strength) << c.lines;
        EXPECT_EQ(skin.warnings.size(), c.warnings) << c.lines;
        EXPECT_FALSE(skin.lcd.glass.picture) << c.lines;
    }
}

TEST(SkinLoad, PicturesPlaceholdersAndTransparency) {
    SkinDir s;
    // A BMP whose bottom-left pixel gives the see-through colour.
    Picture keyed = solid(4, 4, 255, 0, 255);
    keyed.pixel(1, 1)[0] = 10;
    write_bmp(keyed, s.skin_file("hero.bmp"));
    write_bmp(keyed, s.skin_file("button.bmp"));
    write_png(solid(3, 2, 0, 0, 0, 0), s.skin_file("clear.png"));
    write_jpeg(solid(8, 8, 200, 200, 200), s.skin_file("photo.jpg"));
    s.config("[Common]\nSkinDir=Graphics\\Skin\n"  // no trailing separator, backslash
             "[Image97]\nFilename=hero.bmp\nLeft=5\nTop=6\nWidth=4\nHeight=4\n"
             "[Image4]\nFilename=button.bmp\n[Image1]\nfilename=clear.png\n[Image2]\nFilename=photo.jpg\n"
             "[Image3]\nFilename=gone.png\nLeft=1\nTop=2\nWidth=6\nHeight=3\n[Image5]\nFilename=nil\n"
             "[Image6]\nFilename=\n");
    Skin skin;
    ASSERT_EQ(test::error_text(load_skin(s.request(false), skin)), "");
    const PlacedPicture& hero = skin.pictures[96];
    EXPECT_EQ(section_picture_name(97), "im_hero_0");
    EXPECT_EQ(hero.source, PlacedPicture::Source::File);
    EXPECT_EQ(hero.file, "Graphics/Skin/hero.bmp");
    EXPECT_TRUE(hero.transparent);
    EXPECT_EQ(hero.picture->pixel(0, 0)[3], 0);
    EXPECT_EQ(hero.picture->pixel(1, 1)[3], 255);
    EXPECT_EQ(hero.left, 5);
    const PlacedPicture& button = skin.pictures[3];
    EXPECT_FALSE(button.transparent);
    EXPECT_EQ(button.picture->pixel(0, 0)[3], 255);  // buttons are opaque
    EXPECT_EQ(skin.pictures[0].picture->pixel(0, 0)[3], 0);      // PNG alpha kept for im_background
    EXPECT_EQ(skin.pictures[1].picture->pixel(0, 0)[3], 255);    // JPEG is opaque
    const PlacedPicture& gone = skin.pictures[2];
    EXPECT_EQ(gone.source, PlacedPicture::Source::Placeholder);
    EXPECT_EQ(gone.picture->width, 10);
    EXPECT_EQ(gone.width, 6);  // the view clips the square to this
    EXPECT_EQ(gone.height, 3);
    EXPECT_EQ(skin.pictures[4].source, PlacedPicture::Source::None);
    EXPECT_EQ(skin.pictures[5].source, PlacedPicture::Source::None);
}

TEST(SkinLoad, SecondLoadKeepsPicturesOfEmptySections) {
    SkinDir s;
    write_png(solid(2, 2, 1, 2, 3), s.skin_file("a.png"));
    s.config("[Image10]\nFilename=a.png\nLeft=1\n");
    Skin skin;
    load_skin(s.request(false), skin);
    const auto first = skin.pictures[9].picture;
    ASSERT_TRUE(first);
    s.config("[Image10]\nFilename=nil\nLeft=8\nWidth=2\n");
    load_skin(s.request(true), skin);
    EXPECT_EQ(skin.pictures[9].picture, first);
    EXPECT_EQ(skin.pictures[9].left, 8 + 242);
    EXPECT_EQ(skin.pictures[9].width, 2);
}

TEST(SkinLoad, BackdropAndLogo) {
    struct Case { int position; int x, y; };
    const Case cases[] = {{0, 0, 0}, {1, 960, 0}, {2, 0, 704}, {3, 960, 704}, {7, 0, 0}};
    for (const Case& c : cases) {
        SkinDir s;
        write_png(solid(64, 64, 9, 9, 9), s.backdrop_file("logo.png"));
        write_jpeg(solid(32, 16, 50, 60, 70), s.backdrop_file("back.jpg"));
        s.config("[Fullscreen]\nBackdropFile=back.jpg\nBackdropStretch=$1\nLogoFile=logo.png\nLogoPosition=" +
                 std::to_string(c.position) + "\nBgColor=$00123456\n");
        Skin skin;
        ASSERT_EQ(test::error_text(load_skin(s.request(true), skin)), "");
        EXPECT_TRUE(skin.logo.shown);
        EXPECT_EQ(skin.logo.x, c.x) << c.position;
        EXPECT_EQ(skin.logo.y, c.y) << c.position;
        EXPECT_TRUE(skin.backdrop.shown);
        EXPECT_TRUE(skin.backdrop.stretch);
        EXPECT_EQ(skin.backdrop.file, "Graphics/Backdrops/back.jpg");
        EXPECT_EQ(skin.colour, 0x00123456u);
        // Back to the window: both are hidden, the window is see-through.
        load_skin(s.request(false), skin);
        EXPECT_FALSE(skin.logo.shown);
        EXPECT_FALSE(skin.backdrop.shown);
    }
    SkinDir s;
    s.config("[Fullscreen]\nBackdropFile=missing.png\nLogoFile=\n");
    Skin skin;
    EXPECT_EQ(test::error_text(load_skin(s.request(true), skin)), "");
    EXPECT_FALSE(skin.backdrop.shown);
    EXPECT_FALSE(skin.logo.shown);
}

TEST(SkinLoad, ErrorsStopTheLoadWhereTheyOccur) {
    struct Case { const char* name; bool fullscreen; std::string config; std::string message; };
    const Case cases[] = {
        {"empty BgColor", true, "[Fullscreen]\nBgColor=\n", "'' is not a valid integer value"},
        {"named TranspColor", false, "[VideoMode]\nTranspColor=magenta\n", "'magenta' is not a valid integer value"},
        {"gif picture", false, "[Image20]\nFilename=pic.gif\n", "Unknown picture file extension (.gif)"},
        {"broken png", false, "[Image20]\nFilename=bad.png\n", "PNG"},
        {"broken backdrop", true, "[Fullscreen]\nBackdropFile=bad.bmp\n", "Not a BMP file"},
    };
    for (const Case& c : cases) {
        SkinDir s;
        std::ofstream(s.skin_file("pic.gif")) << "GIF89a";
        std::ofstream(s.skin_file("bad.png")) << "not a png at all";
        std::ofstream(s.backdrop_file("bad.bmp")) << "not a bmp at all, really not";
        s.config(c.config + "[Image19]\nLeft=1\n[Image21]\nLeft=2\n");
        Skin skin;
        const Status r = load_skin(s.request(c.fullscreen), skin);
        EXPECT_NE(test::error_text(r).find(c.message), std::string::npos) << c.name << ": " << test::error_text(r);
        EXPECT_FALSE(!r && r.error().fatal);
        EXPECT_EQ(skin.menu_width, 0) << c.name;   // step 7 was not reached
        EXPECT_EQ(skin.pictures[20].left, 0) << c.name;  // nor any later section
    }
}

TEST(SkinLoad, MissingConfigEndsTheProgram) {
    TempDir dir;
    LoadRequest r;
    r.config_path = dir.file("Config.ini");
    r.fullscreen = true;
    Skin skin;
    const Status result = load_skin(r, skin);
    EXPECT_EQ(test::error_text(result), "Configuration file (Config.ini) not found. Please reinstall the game.");
    EXPECT_TRUE(!result && result.error().fatal);
    EXPECT_TRUE(skin.menu_shown);  // only the last step runs
    EXPECT_EQ(skin.client_width, 0);
}

TEST(SkinLoad, RelativePathsFallBackToTheProgramFolder) {
    TempDir dir;
    const std::string p = dir.write("Graphics/Skin/x.png", "");
    EXPECT_EQ(resolve_path("Graphics\\Skin\\x.png", dir.path.string()), p);
    EXPECT_EQ(resolve_path("/abs/y.png", dir.path.string()), "/abs/y.png");
    EXPECT_EQ(as_folder("a\\b"), "a/b/");
    EXPECT_EQ(as_folder("a/b/"), "a/b/");
    EXPECT_EQ(section_of_picture("im_flame_1_5"), 64);
    EXPECT_EQ(section_of_picture("im_flame_3_1"), 78);
    EXPECT_EQ(section_of_picture("im_shot_1_5"), 79);
    EXPECT_EQ(section_of_picture("im_hero_0"), 97);
    EXPECT_EQ(section_of_picture("im_miss_3"), 100);
    EXPECT_EQ(section_of_picture("im_panel_number_small_9"), 57);
}

TEST(Manual, PagesPlaceholdersAndStops) {
    TempDir dir;
    std::filesystem::create_directories(dir.path / "Pages");
    for (int n = 1; n <= 11; ++n) write_bmp(solid(34, 25, 255, 255, 255), dir.file("Pages/" + std::to_string(n) + ".bmp"));
    dir.write("Config.ini", "[Manual]\nManualDir=Pages\nManualWidth=600\nManualHeight=400\n");
    Manual m;
    Status loaded = load_manual(dir.file("Config.ini"), dir.path.string(), m);
    EXPECT_EQ(m.width, 600);
    EXPECT_EQ(m.height, 400);
    EXPECT_EQ(test::error_text(loaded), "");
    EXPECT_EQ(m.pages[0].source, ManualPage::Source::File);
    EXPECT_EQ(m.pages[0].picture->width, 34);
    EXPECT_EQ(m.pages[11].source, ManualPage::Source::Placeholder);

    dir.write("Pages/5.bmp", "broken");
    loaded = load_manual(dir.file("Config.ini"), dir.path.string(), m);
    EXPECT_EQ(test::error_text(loaded), dir.file("Pages/5.bmp") + ": Not a BMP file");  // the message names the page
    EXPECT_EQ(m.pages[3].source, ManualPage::Source::File);
    for (int n = 5; n <= 12; ++n) EXPECT_EQ(m.pages[n - 1].source, ManualPage::Source::Empty) << n;

    loaded = load_manual(dir.file("absent.ini"), dir.path.string(), m);
    EXPECT_EQ(m.width, 345);
    EXPECT_EQ(m.height, 255);
    EXPECT_EQ(m.pages[0].file, "Graphics/Manual/1.bmp");
}

}  // namespace
}  // namespace ignivar::skin
