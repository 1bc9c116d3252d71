// One load of a skin: the skin file, the folders it names and the budget
// its pictures are decoded within.
#include "skin/loader.h"

#include <charconv>

#include "files/read.h"
#include "skin/picture_budget.h"

namespace ignivar::skin {
namespace {

bool names_nothing(const std::string& file) { return file.empty() || file == "nil"; }

// "dir/foo.png" at scale 3 is "dir/foo@3x.png"; nothing at scale 1.
std::string hires_name(const std::string& file, int scale) {
    if (scale < 2) return {};
    const auto slash = file.find_last_of("/\\");
    const auto dot = file.find_last_of('.');
    std::string suffix = "@";
    suffix += std::to_string(scale);
    suffix += 'x';
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return file + suffix;
    return file.substr(0, dot) + suffix + file.substr(dot);
}

// Reads a colour key strictly: a value that is not an integer is an error.
Result<std::uint32_t> read_colour(const IniFile& ini, const char* section, const char* key, const char* fallback) {
    const std::string text = ini.read_string(section, key, fallback);
    const auto v = parse_integer(text);
    if (!v) return failure(said("Skin", "'%1' is not a valid integer value").with(text));
    return static_cast<std::uint32_t>(*v);
}

// 32-bit arithmetic that wraps instead of overflowing, as the numbers of
// the skin file are 32-bit on every platform.
int wrapping_add(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

int read_offset(const IniFile& ini, const char* key, int screen, int client) {
    const auto v = parse_integer(ini.read_string("Fullscreen", key, "Center"));
    if (v && *v != 0) return *v;
    return static_cast<int>((static_cast<long long>(screen) - client) / 2);
}

class Loader {
public:
    Loader(const LoadRequest& req, const IniFile& cfg, Skin& skin)
        : req_(req), cfg_(cfg), skin_(skin), budget_(kPictureBudget, req.form, req.keeper) {}

    Status run() {
        const std::string skin_dir = as_folder(cfg_.read_string("Common", "SkinDir", "Graphics\\Skin\\"));
        skin_.client_height = cfg_.read_integer("Common", "GameHeight", 360);
        skin_.client_width = cfg_.read_integer("Common", "GameWidth", 540);
        skin_.game_width = skin_.client_width;
        skin_.game_height = skin_.client_height;
        if (Status s = frames(); !s) return s;
        if (Status s = req_.fullscreen ? full_screen() : windowed(); !s) return s;
        for (int n = 1; n <= kSections; ++n)
            if (Status s = section(n, skin_dir); !s) return s;
        return lcd(skin_dir);
    }

private:
    std::string resolved(const std::string& path) const {
        return resolve_path(path, req_.own_dir, req_.program_dir, req_.search_current_dir);
    }
    bool exists(const std::string& path) const { return files::is_regular_file(resolved(path)); }

    // Loads a picture; on failure the message stops the whole load.
    Status load_into(const std::string& file, bool transparent, std::shared_ptr<const Picture>& out) {
        const PictureBudget::Use use = transparent ? PictureBudget::Use::Transparent : PictureBudget::Use::Opaque;
        auto loaded = budget_.load(resolved(file), use);
        if (!loaded) return loaded.error();
        out = *loaded;
        return {};
    }

    Status full_screen() {
        const std::string dir = as_folder(cfg_.read_string("Fullscreen", "BackdropDir", "Graphics\\Backdrops\\"));
        const std::string backdrop = cfg_.read_string("Fullscreen", "BackdropFile", "nil");
        if (req_.backdrop && !names_nothing(backdrop) && exists(dir + backdrop)) {
            const std::string file = dir + backdrop;
            if (Status s = load_into(file, false, skin_.backdrop.picture); !s) return s;
            skin_.backdrop.file = file;
            skin_.backdrop.stretch = cfg_.read_integer("Fullscreen", "BackdropStretch", 0) != 0;
            skin_.backdrop.shown = true;
        }
        auto colour = read_colour(cfg_, "Fullscreen", "BgColor", "$00000000");
        if (!colour) return colour.error();
        skin_.colour = *colour;
        skin_.transparent_colour.reset();
        skin_.offset_x = read_offset(cfg_, "GameOffsetX", req_.screen_width, skin_.client_width);
        skin_.offset_y = read_offset(cfg_, "GameOffsetY", req_.screen_height, skin_.client_height);
        skin_.client_width = req_.screen_width;
        skin_.client_height = req_.screen_height;
        return logo(dir);
    }

    Status logo(const std::string& dir) {
        const std::string logo = cfg_.read_string("Fullscreen", "LogoFile", "nil");
        if (!req_.logo || names_nothing(logo) || !exists(dir + logo)) return {};
        const std::string file = dir + logo;
        if (Status s = load_into(file, true, skin_.logo.picture); !s) return s;
        skin_.logo.file = file;
        skin_.logo.shown = true;
        const int w = skin_.logo.picture->width, h = skin_.logo.picture->height;
        switch (cfg_.read_integer("Fullscreen", "LogoPosition", 1)) {
            case 0: skin_.logo.x = 0, skin_.logo.y = 0; break;
            case 1: skin_.logo.x = skin_.client_width - w, skin_.logo.y = 0; break;
            case 2: skin_.logo.x = 0, skin_.logo.y = skin_.client_height - h; break;
            case 3: skin_.logo.x = skin_.client_width - w, skin_.logo.y = skin_.client_height - h; break;
            default: break;  // stays where it was
        }
        return {};
    }

    // The window's frames come out of the pictures' budget first: at the
    // scale asked for, or the largest below it that fits (which depends on
    // the client area alone, so a front end can work it out beforehand). A
    // unit too large for any is not loaded, and keeps a size a window can have.
    Status frames() {
        const int w = usable_extent(req_.fullscreen ? req_.screen_width : skin_.client_width);
        const int h = usable_extent(req_.fullscreen ? req_.screen_height : skin_.client_height);
        skin_.max_scale = largest_scale(w, h, req_.scale);
        if (budget_.reserve(frame_bytes(w, h, skin_.max_scale))) return {};
        skin_.client_width = skin_.game_width = 540;
        skin_.client_height = skin_.game_height = 360;
        return failure(said("Skin", "%1: a unit of %2 x %3 pixels would need more than %4 MiB of memory for its "
                                    "window, so the skin is not loaded")
                           .with(req_.config_path)
                           .with(std::to_string(w))
                           .with(std::to_string(h))
                           .with(std::to_string(budget_.limit() >> 20)));
    }

    Status windowed() {
        skin_.offset_x = skin_.offset_y = 0;
        auto colour = read_colour(cfg_, "VideoMode", "TranspColor", "$00ff00ff");
        if (!colour) return colour.error();
        skin_.colour = *colour;
        skin_.transparent_colour = *colour;
        skin_.backdrop.shown = false;
        skin_.logo.shown = false;
        return {};
    }

    Status section(int n, const std::string& skin_dir) {
        const std::string section = "Image" + std::to_string(n);
        PlacedPicture& pic = skin_.pictures[n - 1];
        pic.transparent = section_picture_name(n).substr(0, 3) == "im_";
        const std::string file_name = cfg_.read_string(section, "Filename", "");
        if (!names_nothing(file_name)) {
            const std::string file = skin_dir + file_name;
            pic.hires.reset();
            pic.hires_scale = 0;
            if (exists(file)) {
                if (Status s = load_into(file, pic.transparent, pic.picture); !s) return s;
                pic.source = PlacedPicture::Source::File;
                if (Status s = variant(file, pic); !s) return s;
            } else {
                static const auto mark = std::make_shared<const Picture>(placeholder());
                pic.picture = mark;
                pic.source = PlacedPicture::Source::Placeholder;
            }
            pic.file = file;
        }
        pic.height = cfg_.read_integer(section, "Height", 0);
        pic.left = wrapping_add(cfg_.read_integer(section, "Left", 0), skin_.offset_x);
        pic.top = wrapping_add(cfg_.read_integer(section, "Top", 0), skin_.offset_y);
        pic.width = cfg_.read_integer(section, "Width", 0);
        return {};
    }

    // The LCD's glass, high-contrast face and shadow: a setting out of range
    // is said and its default taken.
    Status lcd(const std::string& skin_dir) {
        Skin::Lcd& l = skin_.lcd;
        l = {};
        l.shadow_x = ranged("ShadowX", l.shadow_x, -16, 16);
        l.shadow_y = ranged("ShadowY", l.shadow_y, -16, 16);
        l.shadow_blur = ranged("ShadowBlur", l.shadow_blur, 0, 8);
        l.shadow_strength = ranged("ShadowStrength", l.shadow_strength, 0, 100);
        const int glass_left = ranged("GlassLeft", 0, -kMaxPictureSide, kMaxPictureSide);
        const int glass_top = ranged("GlassTop", 0, -kMaxPictureSide, kMaxPictureSide);
        if (Status s = lcd_picture(
                skin_dir, "Glass", req_.lcd_glass, glass_left, glass_top, l.glass,
                said("Skin", "%1: the LCD's glass %2 is missing, so unlit segments are drawn over the face as it is"));
            !s)
            return s;
        // The face again, its corners see-through as the face's are.
        l.contrast.transparent = true;
        return lcd_picture(
            skin_dir, "Contrast", req_.lcd_contrast, 0, 0, l.contrast,
            said("Skin", "%1: the LCD's high-contrast face %2 is missing, so the high-contrast look shows the face as it is"));
    }

    // One of the LCD's pictures, at `left`, `top` of the face; a missing
    // file is said in the words of `missing` (the skin file, the picture).
    Status lcd_picture(const std::string& skin_dir, const char* key, bool wanted, int left, int top,
                       PlacedPicture& out, Text missing) {
        const std::string name = cfg_.read_string("LCD", key, "");
        if (names_nothing(name) || !wanted) return {};
        const std::string file = skin_dir + name;
        if (!exists(file)) {
            skin_.warnings.push_back(std::move(missing).with(req_.config_path).with(file));
            return {};
        }
        if (Status s = load_into(file, false, out.picture); !s) return s;
        if (Status s = variant(file, out); !s) return s;
        out.file = file;
        out.source = PlacedPicture::Source::File;
        out.left = wrapping_add(left, skin_.offset_x);
        out.top = wrapping_add(top, skin_.offset_y);
        out.width = out.picture->width;
        out.height = out.picture->height;
        return {};
    }

    int ranged(const char* key, int fallback, int low, int high) {
        const std::string text = cfg_.read_string("LCD", key, "");
        if (text.empty()) return fallback;
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high) return value;
        skin_.warnings.push_back(said("Skin", "%1: [LCD] %2=%3 is not a whole number from %4 to %5, so %6 is used")
                                     .with(req_.config_path)
                                     .with(key)
                                     .with(text)
                                     .with(std::to_string(low))
                                     .with(std::to_string(high))
                                     .with(std::to_string(fallback)));
        return fallback;
    }

    // The picture's "@<n>x" variant for the window's scale, if the skin has one.
    Status variant(const std::string& file, PlacedPicture& pic) {
        const std::string name = hires_name(file, req_.scale);
        if (name.empty() || !exists(name)) return {};
        if (Status s = load_into(name, pic.transparent, pic.hires); !s) return s;
        // Only a variant of exactly that size stands in for the picture.
        if (pic.hires->width == pic.picture->width * req_.scale && pic.hires->height == pic.picture->height * req_.scale)
            pic.hires_scale = req_.scale;
        else
            pic.hires.reset();
        return {};
    }

    const LoadRequest& req_;
    const IniFile& cfg_;
    Skin& skin_;
    PictureBudget budget_;
};

}  // namespace

Status load_skin_within_budget(const LoadRequest& req, Skin& skin) {
    Status status;
    skin.warnings.clear();
    skin.lcd = {};
    if (!files::exists(req.config_path)) {
        status = failure(said("Skin", kMissingConfig), true);
    } else if (auto ini = IniFile::load(req.config_path); !ini) {
        // There, but a FIFO, a folder, far too large or unreadable: say which.
        // A player's own file is theirs to mend: no reinstalling helps.
        status = req.own_dir.empty()
                     ? failure(Text{nullptr, "%1\n(%2)", {}}.with(said("Skin", kMissingConfig)).with(ini.error().words()), true)
                     : failure(said("Skin", "Your own skin file cannot be used: %1").with(ini.error().words()), true);
    } else {
        status = Loader(req, *ini, skin).run();
        if (!status) return status;  // the load stops where the error is: the rest is not done
    }
    skin.menu_shown = req.fullscreen;
    skin.menu_width = kGameMenuFolded.width;
    skin.menu_height = kGameMenuFolded.height;
    return status;
}

}  // namespace ignivar::skin
