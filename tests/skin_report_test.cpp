// `ignivar-sim skin` and `ignivar-sim manual`: the lines a tool reads.
#include <gtest/gtest.h>

#include <sstream>

#include "driver/skin_report.h"
#include "skin/picture.h"
#include "temp_dir.h"

namespace ignivar {
namespace {

TEST(SkinReport, PrintsEveryFactAndStopsAtAnError) {
    test::TempDir dir;
    skin::Picture p(4, 3);
    std::filesystem::create_directories(dir.path / "Art");
    std::filesystem::create_directories(dir.path / "Back");
    skin::write_png(p, dir.file("Art/a.png"));
    skin::write_png(skin::Picture(64, 64), dir.file("Back/logo.png"));
    dir.write("Art/x.tif", "II*");
    const std::string config = dir.write(
        "Config.ini", "[Common]\nSkinDir=Art\n[Fullscreen]\nBackdropDir=Back\nLogoFile=logo.png\nLogoPosition=3\n"
                      "[Image1]\nFilename=a.png\nLeft=1\nTop=2\nWidth=3\nHeight=4\n[Image2]\nFilename=gone.png\n"
                      "[Image3]\nFilename=x.tif\n");
    std::ostringstream out, err;
    EXPECT_EQ(run_skin_report({"--fullscreen", "--screen", "800x600", config}, out, err), 1);
    const std::string text = out.str();
    EXPECT_EQ(text.substr(0, text.find("picture 1 ")),
              "client 800 600\ncolour $00000000\ntransparent none\noffset 130 120\nbackdrop none\n"
              "logo Back/logo.png 736 536\nmenu hidden 0 0\n");
    EXPECT_NE(text.find("picture 1 im_background file=Art/a.png size=4x3 left=131 top=122 width=3 height=4\n"),
              std::string::npos);
    EXPECT_NE(text.find("picture 2 im_background_screen_top file=placeholder size=10x10 left=130 top=120 width=0"),
              std::string::npos);
    EXPECT_NE(text.find("picture 100 im_miss_3 file=none size=0x0 left=0 top=0 width=0 height=0\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.rfind("error:")), "error: Unknown picture file extension (.tif)\n");

    std::ostringstream usage_out, usage_err;
    EXPECT_EQ(run_skin_report({"--screen", "wide", config}, usage_out, usage_err), 2);
    EXPECT_EQ(run_manual_report({}, usage_out, usage_err), 2);
}

TEST(SkinReport, ManualPages) {
    test::TempDir dir;
    std::filesystem::create_directories(dir.path / "Graphics" / "Manual");
    skin::write_bmp(skin::Picture(5, 5), dir.file("Graphics/Manual/1.bmp"));
    dir.write("Graphics/Manual/2.bmp", "BM but broken");
    const std::string config = dir.write("Config.ini", "[Manual]\nManualWidth=400\n");
    std::ostringstream out, err;
    EXPECT_EQ(run_manual_report({config}, out, err), 1);
    std::string want = "manual 400 255\npage 1 Graphics/Manual/1.bmp\n";
    for (int n = 2; n <= 12; ++n) want += "page " + std::to_string(n) + " empty\n";
    EXPECT_EQ(out.str(), want + "error: " + dir.file("Graphics/Manual/2.bmp") + ": Not a BMP file\n");
}

}  // namespace
}  // namespace ignivar
