// ignivar-face: renders the unit's face from a skin and the display model
// into a PNG, after an optional driver script has run.
//
//   ignivar-face [--fullscreen] [--screen WxH] [--look exact|real] [--unlit N] CONFIG OUT.png [SCRIPT]
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <variant>
#include <sstream>
#include <string>

#include "driver/driver.h"
#include "files/places.h"
#include "product.h"
#include "settings/memory_store.h"
#include "skin/frame.h"

using namespace ignivar;

namespace {

constexpr const char* kUsage =
    "usage: ignivar-face [--fullscreen] [--screen WxH] [--look exact|real] [--unlit PERCENT] CONFIG OUT.png [SCRIPT]\n";

struct Arguments {
    skin::LoadRequest request;
    std::string out;
    std::string script;
    skin::LcdLook look;
};

// The arguments, or the exit status when there is nothing more to do.
std::variant<Arguments, int> read_arguments(int argc, char** argv) {
    Arguments a;
    std::vector<std::string> plain;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << kUsage
                      << "Draws the face that CONFIG's skin shows after the ignivar-sim commands of SCRIPT\n"
                         "(power-on when there is none) into OUT.png.\n";
            return 0;
        }
        if (arg == "--version") {
            std::cout << "ignivar-face " << kProgramVersion << '\n';
            return 0;
        }
        if (arg == "--fullscreen") {
            a.request.fullscreen = true;
        } else if (arg == "--look" && i + 1 < argc && (argv[i + 1] == std::string("exact") || argv[i + 1] == std::string("real"))) {
            a.look.real = argv[++i] == std::string("real");
        } else if (arg == "--unlit" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%d", &a.look.unlit) != 1 || a.look.unlit < 0 || a.look.unlit > 100) return 2;
        } else if (arg == "--screen" && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &a.request.screen_width, &a.request.screen_height) != 2) return 2;
        } else {
            plain.push_back(arg);
        }
    }
    if (plain.size() < 2 || plain.size() > 3) {
        std::cerr << kUsage;
        return 2;
    }
    a.request.config_path = plain[0];
    a.request.program_dir = std::filesystem::path(plain[0]).parent_path().string();
    a.out = plain[1];
    if (plain.size() == 3) a.script = plain[2];
    return a;
}

// What the window's shape leaves out is see-through in the picture too.
void key_out(const skin::Skin& s, skin::Picture& frame) {
    if (!s.transparent_colour) return;
    std::uint8_t key[4];
    skin::colour_rgba(*s.transparent_colour, key);
    for (std::size_t i = 0; i < frame.rgba.size(); i += 4)
        if (frame.rgba[i] == key[0] && frame.rgba[i + 1] == key[1] && frame.rgba[i + 2] == key[2]) frame.rgba[i + 3] = 0;
}

}  // namespace

int main(int argc, char** argv) {
    auto read = read_arguments(argc, argv);
    if (const int* status = std::get_if<int>(&read)) return *status;
    const Arguments& a = std::get<Arguments>(read);
    skin::Skin s;
    if (const Status r = skin::load_skin(a.request, s); !r) {
        std::cerr << "ignivar-face: " << r.message() << '\n';
        return 1;
    }
    MemoryStore store;
    std::ostringstream out;
    Driver driver(store, out, std::cerr, 1);
    if (!a.script.empty()) {
        std::ifstream script(a.script);
        if (!script) {
            std::cerr << "ignivar-face: cannot open " << a.script << '\n';
            return 2;
        }
        if (run_script(driver, script) != 0) std::cerr << out.str();
    }
    driver.finish();
    auto menu = skin::load_picture(files::program_picture(a.request.program_dir, "game_menu.png"));
    const skin::LcdShadows shadows(s);
    const skin::LcdFrame lcd{a.look, driver.host()->lcd_shades(), &shadows};
    skin::Picture frame = driver.host()->face(s, skin::folded_game_menu(s, menu ? &*menu : nullptr), &lcd);
    key_out(s, frame);
    if (const Status w = skin::write_png(frame, a.out); !w) {
        std::cerr << "ignivar-face: " << w.message() << '\n';
        return 1;
    }
    return 0;
}
