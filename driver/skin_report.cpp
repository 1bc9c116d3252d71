#include "driver/skin_report.h"

#include <cstdio>
#include <filesystem>

#include "skin/manual.h"
#include "skin/skin.h"

namespace ignivar {
namespace {

std::string hex_colour(std::uint32_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "$%08X", c);
    return buf;
}

std::string program_dir_of(const std::string& config) {
    const auto parent = std::filesystem::path(config).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

}  // namespace

int run_skin_report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    skin::LoadRequest req;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--fullscreen") {
            req.fullscreen = true;
        } else if (args[i] == "--screen" && i + 1 < args.size()) {
            int w = 0, h = 0;
            char extra = 0;
            if (std::sscanf(args[++i].c_str(), "%dx%d%c", &w, &h, &extra) != 2 || w <= 0 || h <= 0) {
                err << "ignivar-sim: --screen takes WIDTHxHEIGHT\n";
                return 2;
            }
            req.screen_width = w;
            req.screen_height = h;
        } else if (req.config_path.empty() && !args[i].empty() && args[i][0] != '-') {
            req.config_path = args[i];
        } else {
            err << "usage: ignivar-sim skin [--fullscreen] [--screen WxH] CONFIG\n";
            return 2;
        }
    }
    if (req.config_path.empty()) {
        err << "usage: ignivar-sim skin [--fullscreen] [--screen WxH] CONFIG\n";
        return 2;
    }
    req.program_dir = program_dir_of(req.config_path);

    skin::Skin s;
    const Status r = skin::load_skin(req, s);
    out << "client " << s.client_width << ' ' << s.client_height << '\n';
    out << "colour " << hex_colour(s.colour) << '\n';
    out << "transparent " << (s.transparent_colour ? hex_colour(*s.transparent_colour) : "none") << '\n';
    out << "offset " << s.offset_x << ' ' << s.offset_y << '\n';
    if (s.backdrop.shown) out << "backdrop " << s.backdrop.file << (s.backdrop.stretch ? " stretch" : " centre") << '\n';
    else out << "backdrop none\n";
    if (s.logo.shown) out << "logo " << s.logo.file << ' ' << s.logo.x << ' ' << s.logo.y << '\n';
    else out << "logo none\n";
    out << "menu " << (s.menu_shown ? "shown " : "hidden ") << s.menu_width << ' ' << s.menu_height << '\n';
    for (int n = 1; n <= skin::kSections; ++n) {
        const skin::PlacedPicture& p = s.pictures[n - 1];
        out << "picture " << n << ' ' << skin::section_picture_name(n) << " file=";
        switch (p.source) {
            case skin::PlacedPicture::Source::None: out << "none"; break;
            case skin::PlacedPicture::Source::File: out << p.file; break;
            case skin::PlacedPicture::Source::Placeholder: out << "placeholder"; break;
        }
        out << " size=" << (p.picture ? p.picture->width : 0) << 'x' << (p.picture ? p.picture->height : 0)
            << " left=" << p.left << " top=" << p.top << " width=" << p.width << " height=" << p.height << '\n';
    }
    out << "lcd glass=" << (s.lcd.glass.picture ? s.lcd.glass.file : "none") << " shadow=" << s.lcd.shadow_x << ','
        << s.lcd.shadow_y << " blur=" << s.lcd.shadow_blur << " strength=" << s.lcd.shadow_strength << '\n';
    for (const Text& w : s.warnings) out << "warning: " << w.in_english() << '\n';
    if (!r) out << "error: " << r.message() << '\n';
    return r ? 0 : 1;
}

int run_manual_report(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty() || args[0][0] == '-') {
        err << "usage: ignivar-sim manual CONFIG\n";
        return 2;
    }
    skin::Manual m;
    const Status loaded = skin::load_manual(args[0], program_dir_of(args[0]), m);
    out << "manual " << m.width << ' ' << m.height << '\n';
    for (int n = 1; n <= skin::kManualPages; ++n) {
        const skin::ManualPage& p = m.pages[n - 1];
        out << "page " << n << ' ';
        switch (p.source) {
            case skin::ManualPage::Source::Empty: out << "empty"; break;
            case skin::ManualPage::Source::File: out << p.file; break;
            case skin::ManualPage::Source::Placeholder: out << "placeholder"; break;
        }
        out << '\n';
    }
    if (!loaded) out << "error: " << loaded.message() << '\n';
    return loaded ? 0 : 1;
}

}  // namespace ignivar
