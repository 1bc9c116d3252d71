#include "skin/skin.h"

#include <filesystem>
#include <new>

#include "sim/pictures.h"
#include "skin/picture_budget.h"

namespace ignivar::skin {
namespace {

namespace fs = std::filesystem;

bool names_nothing(const std::string& file) { return file.empty() || file == "nil"; }

// "dir/foo.png" at scale 3 is "dir/foo@3x.png"; nothing at scale 1.
std::string hires_name(const std::string& file, int scale) {
    if (scale < 2) return {};
    const auto slash = file.find_last_of("/\\");
    const auto dot = file.find_last_of('.');
    const std::string suffix = "@" + std::to_string(scale) + "x";
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return file + suffix;
    return file.substr(0, dot) + suffix + file.substr(dot);
}

// Reads a colour key strictly; nothing when it is not a valid integer.
std::optional<std::uint32_t> read_colour(const IniFile& ini, const char* section, const char* key,
                                         const char* fallback, std::string& error) {
    const std::string text = ini.read_string(section, key, fallback);
    const auto v = parse_integer(text);
    if (!v) {
        error = "'" + text + "' is not a valid integer value";
        return std::nullopt;
    }
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

}  // namespace

std::string_view section_picture_name(int n) { return picture_name(n); }

int section_of_picture(std::string_view name) { return picture_section(name); }

std::string as_folder(std::string folder) {
    for (char& c : folder)
        if (c == '\\') c = '/';
    // An empty folder stays the current one rather than becoming the root.
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string resolve_path(const std::string& path, const std::string& program_dir) {
    return resolve_path(path, std::string(), program_dir);
}

std::string resolve_path(const std::string& path, const std::string& own_dir, const std::string& program_dir) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    if (p.empty() || p.front() == '/') return p;
    std::error_code ec;
    if (fs::exists(p, ec)) return p;
    if (!own_dir.empty() && fs::exists(fs::path(own_dir) / p, ec)) return (fs::path(own_dir) / p).string();
    if (program_dir.empty()) return p;
    return (fs::path(program_dir) / p).string();
}

namespace {
LoadResult load_skin_within_budget(const LoadRequest& req, Skin& skin);
}  // namespace

LoadResult load_skin(const LoadRequest& req, Skin& skin) {
    try {
        return load_skin_within_budget(req, skin);
    } catch (const std::bad_alloc&) {
        LoadResult result;
        result.error = "There is not enough memory to load the skin of " + req.config_path;
        return result;
    }
}

namespace {

LoadResult load_skin_within_budget(const LoadRequest& req, Skin& skin) {
    LoadResult result;
    std::optional<IniFile> ini;
    std::string problem;
    std::error_code ec;
    if (fs::exists(req.config_path, ec)) ini = IniFile::load(req.config_path, &problem);
    if (!ini) {
        result.error = kMissingConfig;
        // There, but a FIFO, a folder, far too large or unreadable: say which.
        if (!problem.empty()) result.error += "\n(" + problem + ")";
        result.end_program = true;
    } else {
        PictureBudget budget;
        const IniFile& cfg = *ini;
        const std::string skin_dir = as_folder(cfg.read_string("Common", "SkinDir", "Graphics\\Skin\\"));
        skin.client_height = cfg.read_integer("Common", "GameHeight", 360);
        skin.client_width = cfg.read_integer("Common", "GameWidth", 540);
        skin.game_width = skin.client_width;
        skin.game_height = skin.client_height;
        auto exists = [&](const std::string& path) {
            std::error_code e;
            return fs::is_regular_file(resolve_path(path, req.own_dir, req.program_dir), e);
        };
        // Loads a picture; on failure the message stops the whole load.
        auto load_into = [&](const std::string& file, bool transparent, std::shared_ptr<const Picture>& out) {
            auto loaded = budget.load(resolve_path(file, req.own_dir, req.program_dir),
                                      transparent ? PictureBudget::Use::Transparent : PictureBudget::Use::Opaque);
            if (auto* message = std::get_if<std::string>(&loaded)) {
                result.error = *message;
                return false;
            }
            out = std::get<0>(loaded);
            return true;
        };

        if (req.fullscreen) {
            const std::string backdrop_dir =
                as_folder(cfg.read_string("Fullscreen", "BackdropDir", "Graphics\\Backdrops\\"));
            const std::string backdrop = cfg.read_string("Fullscreen", "BackdropFile", "nil");
            if (!names_nothing(backdrop) && exists(backdrop_dir + backdrop)) {
                const std::string file = backdrop_dir + backdrop;
                if (!load_into(file, false, skin.backdrop.picture)) return result;
                skin.backdrop.file = file;
                skin.backdrop.stretch = cfg.read_integer("Fullscreen", "BackdropStretch", 0) != 0;
                skin.backdrop.shown = true;
            }
            const auto colour = read_colour(cfg, "Fullscreen", "BgColor", "$00000000", result.error);
            if (!colour) return result;
            skin.colour = *colour;
            skin.transparent_colour.reset();
            skin.offset_x = read_offset(cfg, "GameOffsetX", req.screen_width, skin.client_width);
            skin.offset_y = read_offset(cfg, "GameOffsetY", req.screen_height, skin.client_height);
            skin.client_width = req.screen_width;
            skin.client_height = req.screen_height;
            const std::string logo = cfg.read_string("Fullscreen", "LogoFile", "nil");
            if (!names_nothing(logo) && exists(backdrop_dir + logo)) {
                const std::string file = backdrop_dir + logo;
                if (!load_into(file, true, skin.logo.picture)) return result;
                skin.logo.file = file;
                skin.logo.shown = true;
                const int w = skin.logo.picture->width, h = skin.logo.picture->height;
                switch (cfg.read_integer("Fullscreen", "LogoPosition", 1)) {
                    case 0: skin.logo.x = 0, skin.logo.y = 0; break;
                    case 1: skin.logo.x = skin.client_width - w, skin.logo.y = 0; break;
                    case 2: skin.logo.x = 0, skin.logo.y = skin.client_height - h; break;
                    case 3: skin.logo.x = skin.client_width - w, skin.logo.y = skin.client_height - h; break;
                    default: break;  // stays where it was
                }
            }
        } else {
            skin.offset_x = skin.offset_y = 0;
            const auto colour = read_colour(cfg, "VideoMode", "TranspColor", "$00ff00ff", result.error);
            if (!colour) return result;
            skin.colour = *colour;
            skin.transparent_colour = *colour;
            skin.backdrop.shown = false;
            skin.logo.shown = false;
        }

        for (int n = 1; n <= kSections; ++n) {
            const std::string section = "Image" + std::to_string(n);
            PlacedPicture& pic = skin.pictures[n - 1];
            const std::string_view name = section_picture_name(n);
            pic.transparent = name.substr(0, 3) == "im_";
            const std::string file_name = cfg.read_string(section, "Filename", "");
            if (!names_nothing(file_name)) {
                const std::string file = skin_dir + file_name;
                pic.hires.reset();
                pic.hires_scale = 0;
                if (exists(file)) {
                    if (!load_into(file, pic.transparent, pic.picture)) return result;
                    pic.source = PlacedPicture::Source::File;
                    const std::string variant = hires_name(file, req.scale);
                    if (!variant.empty() && exists(variant)) {
                        if (!load_into(variant, pic.transparent, pic.hires)) return result;
                        // Only a variant of exactly that size stands in for the picture.
                        if (pic.hires->width == pic.picture->width * req.scale &&
                            pic.hires->height == pic.picture->height * req.scale)
                            pic.hires_scale = req.scale;
                        else
                            pic.hires.reset();
                    }
                } else {
                    static const auto mark = std::make_shared<const Picture>(placeholder());
                    pic.picture = mark;
                    pic.source = PlacedPicture::Source::Placeholder;
                }
                pic.file = file;
            }
            pic.height = cfg.read_integer(section, "Height", 0);
            pic.left = wrapping_add(cfg.read_integer(section, "Left", 0), skin.offset_x);
            pic.top = wrapping_add(cfg.read_integer(section, "Top", 0), skin.offset_y);
            pic.width = cfg.read_integer(section, "Width", 0);
        }
    }
    skin.menu_shown = req.fullscreen;
    skin.menu_width = 36;
    skin.menu_height = 32;
    return result;
}

}  // namespace

}  // namespace ignivar::skin
