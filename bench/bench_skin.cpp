// Times a full skin load. With a Config.ini argument it loads that skin;
// without, it makes a skin of 100 PNG pictures of typical sizes first.
// A scale and a screen size after it ("3 1920x1080") load it as a full
// screen of that size at that scale, in the form the program's start loads
// it in there (premultiplied).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "skin/skin.h"

using namespace ignivar::skin;
namespace fs = std::filesystem;

namespace {

std::string make_skin(const fs::path& dir) {
    fs::create_directories(dir / "Graphics" / "Skin");
    std::ofstream ini(dir / "Config.ini");
    ini << "[Common]\nGameWidth=540\nGameHeight=360\n";
    for (int n = 1; n <= kSections; ++n) {
        const int w = n == 1 ? 540 : 24 + n % 40, h = n == 1 ? 360 : 20 + n % 30;
        Picture p(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                std::uint8_t* d = p.pixel(x, y);
                d[0] = static_cast<std::uint8_t>(x * 3), d[1] = static_cast<std::uint8_t>(y * 5);
                d[2] = static_cast<std::uint8_t>(n), d[3] = (x + y + n) % 3 ? 255 : 0;
            }
        const std::string name = "p" + std::to_string(n) + ".png";
        write_png(p, (dir / "Graphics" / "Skin" / name).string());
        ini << "[Image" << n << "]\nFilename=" << name << "\nLeft=" << n << "\nTop=" << n << "\nWidth=" << w
            << "\nHeight=" << h << "\n";
    }
    return (dir / "Config.ini").string();
}

}  // namespace

int main(int argc, char** argv) {
    fs::path temp;
    std::string config;
    if (argc > 1) {
        config = argv[1];
    } else {
        temp = fs::temp_directory_path() / ("ignivar-bench-skin-" + std::to_string(::getpid()));
        config = make_skin(temp);
    }
    LoadRequest req;
    req.config_path = config;
    req.program_dir = fs::path(config).parent_path().string();
    if (argc > 3 && std::sscanf(argv[3], "%dx%d", &req.screen_width, &req.screen_height) == 2) {
        req.scale = std::max(1, std::atoi(argv[2]));
        req.fullscreen = true;
        req.form = PixelForm::PremultipliedArgb;
        req.screen_width /= req.scale, req.screen_height /= req.scale;
    }
    constexpr int kRounds = 20;
    double best = 1e9, total = 0;
    int pictures = 0;
    for (int i = 0; i < kRounds; ++i) {
        Skin skin;
        const auto start = std::chrono::steady_clock::now();
        const ignivar::Status r = load_skin(req, skin);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        if (!r) {
            std::fprintf(stderr, "skin load failed: %s\n", r.message().c_str());
            return 1;
        }
        pictures = 0;
        for (const auto& p : skin.pictures) pictures += p.source == PlacedPicture::Source::File;
        best = ms < best ? ms : best;
        total += ms;
    }
    std::printf("skin load          %d pictures from %s\n", pictures, argc > 1 ? config.c_str() : "a generated skin");
    std::printf("time per load      best %.2f ms, mean %.2f ms over %d loads\n", best, total / kRounds, kRounds);
    if (!temp.empty()) fs::remove_all(temp);
    return 0;
}
