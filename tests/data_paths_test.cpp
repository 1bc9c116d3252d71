// Where the program finds its files: beside itself, in an installation's
// data folder, and the player's own Config.ini; and "Edit configuration
// file" giving the player a copy of a shipped file to change.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <fstream>

#include "app/data_paths.h"
#include "app/main_window.h"
#include "settings/memory_store.h"
#include "skin/skin.h"
#include "desk.h"
#include "temp_dir.h"
#include "url_catcher.h"

namespace ignivar::app {
namespace {

namespace fs = std::filesystem;
const std::string kAssets = IGNIVAR_ASSET_DIR;

TEST(DataPaths, LookupOrder) {
    struct Case {
        const char* name;
        std::vector<const char*> files;  // made below the root
        const char* data_dir;            // expected, below the root
        const char* config;
        bool installed, player;
    };
    const Case cases[] = {
        {"beside the program", {"bin/Config.ini", "share/ignivar/Config.ini"}, "bin", "bin/Config.ini", false, false},
        {"an installation", {"share/ignivar/Config.ini"}, "share/ignivar", "share/ignivar/Config.ini", true, false},
        {"the player's own wins", {"share/ignivar/Config.ini", "player/Config.ini"}, "share/ignivar",
         "player/Config.ini", true, true},
        {"nothing anywhere", {}, "bin", "bin/Config.ini", false, false},
    };
    for (const Case& c : cases) {
        test::TempDir root;
        fs::create_directories(root.path / "bin");
        for (const char* f : c.files) root.write(f, "[Common]\n");
        const DataPaths p = find_data_paths(root.file("bin"), root.file("player"), "../share/ignivar");
        EXPECT_EQ(p.data_dir, root.file(c.data_dir)) << c.name;
        EXPECT_EQ(p.config, root.file(c.config)) << c.name;
        EXPECT_EQ(p.installed, c.installed) << c.name;
        EXPECT_EQ(p.player_config, c.player) << c.name;
    }
}

TEST(DataPaths, ThePlayersSkinFileFindsItsOwnPicturesFirst) {
    test::TempDir shipped, player;
    shipped.write("Graphics/Skin/a.png", "");
    shipped.write("Graphics/Skin/b.png", "");
    player.write("Graphics/Skin/a.png", "");
    EXPECT_EQ(skin::resolve_path("Graphics\\Skin\\a.png", player.path.string(), shipped.path.string()),
              player.file("Graphics/Skin/a.png"));
    EXPECT_EQ(skin::resolve_path("Graphics\\Skin\\b.png", player.path.string(), shipped.path.string()),
              shipped.file("Graphics/Skin/b.png"));
}


TEST(DataPaths, EditingTheShippedFileMakesThePlayersCopy) {
    test::TempDir player;
    DataPaths files{kAssets, kAssets + "/Config.ini", player.file("Zandrel"), false, true};
    test::Desk desk(files, false);
    TForm1& w = *desk.w;
    test::UrlCatcher catcher;
    w.popup().item("pm_6_config")->trigger();
    const std::string own = player.file("Zandrel/Config.ini");
    ASSERT_EQ(catcher.opened, QStringList{QString::fromStdString(own)});
    EXPECT_TRUE(w.files().player_config);
    std::ifstream a(own), b(kAssets + "/Config.ini");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));
    // The player's edit stays: a second choice opens it again, copies nothing.
    std::ofstream(own, std::ios::app) << "; mine\n";
    w.popup().item("pm_6_config")->trigger();
    EXPECT_EQ(catcher.opened.size(), 2);
    std::ifstream again(own);
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(again), {}).find("; mine"), std::string::npos);
}

}  // namespace
}  // namespace ignivar::app


