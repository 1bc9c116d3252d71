// ignivar-face: renders the unit's face from a skin and the display model
// into a PNG, after an optional driver script has run.
//
//   ignivar-face [--fullscreen] [--screen WxH] CONFIG OUT.png [SCRIPT]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "driver/driver.h"
#include "product.h"
#include "settings/memory_store.h"
#include "skin/frame.h"

using namespace ignivar;

int main(int argc, char** argv) {
    skin::LoadRequest req;
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::cout << "usage: ignivar-face [--fullscreen] [--screen WxH] CONFIG OUT.png [SCRIPT]\n"
                         "Draws the face that CONFIG's skin shows after the ignivar-sim commands of SCRIPT\n"
                         "(power-on when there is none) into OUT.png.\n";
            return 0;
        }
        if (a == "--version") {
            std::cout << "ignivar-face " << kProgramVersion << '\n';
            return 0;
        }
        if (a == "--fullscreen") {
            req.fullscreen = true;
        } else if (a == "--screen" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &req.screen_width, &req.screen_height) != 2) return 2;
        } else {
            plain.push_back(a);
        }
    }
    if (plain.size() < 2 || plain.size() > 3) {
        std::cerr << "usage: ignivar-face [--fullscreen] [--screen WxH] CONFIG OUT.png [SCRIPT]\n";
        return 2;
    }
    req.config_path = plain[0];
    req.program_dir = std::filesystem::path(plain[0]).parent_path().string();
    skin::Skin s;
    const skin::LoadResult r = skin::load_skin(req, s);
    if (!r.error.empty()) {
        std::cerr << "ignivar-face: " << r.error << '\n';
        return 1;
    }
    MemoryStore store;
    std::ostringstream out;
    Driver driver(store, out, std::cerr, 1);
    if (plain.size() == 3) {
        std::ifstream script(plain[2]);
        if (!script) {
            std::cerr << "ignivar-face: cannot open " << plain[2] << '\n';
            return 2;
        }
        if (run_script(driver, script) != 0) std::cerr << out.str();
    }
    driver.finish();
    skin::Picture menu;
    const std::string menu_file = (std::filesystem::path(req.program_dir) / "Graphics/Program/game_menu.png").string();
    auto decoded = skin::load_picture(menu_file);
    if (auto* p = std::get_if<skin::Picture>(&decoded)) menu = std::move(*p);
    skin::Picture frame = skin::render_frame(s, driver.unit()->display(), skin::folded_game_menu(s, menu.empty() ? nullptr : &menu));
    // What the window's shape leaves out is see-through in the picture too.
    if (s.transparent_colour) {
        std::uint8_t key[4];
        skin::colour_rgba(*s.transparent_colour, key);
        for (std::size_t i = 0; i < frame.rgba.size(); i += 4)
            if (frame.rgba[i] == key[0] && frame.rgba[i + 1] == key[1] && frame.rgba[i + 2] == key[2]) frame.rgba[i + 3] = 0;
    }
    const std::string error = skin::write_png(frame, plain[1]);
    if (!error.empty()) {
        std::cerr << "ignivar-face: " << error << '\n';
        return 1;
    }
    return 0;
}
