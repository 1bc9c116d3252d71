// Where a skin's files are found, how large its frames may be, and the
// entry points of a load (the load itself is loader.cpp's).
#include "skin/skin.h"

#include <algorithm>
#include <filesystem>
#include <new>

#include "files/places.h"
#include "files/read.h"
#include "sim/pictures.h"
#include "skin/loader.h"

namespace ignivar::skin {

namespace fs = std::filesystem;

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

std::string resolve_path(const std::string& path, const std::string& own_dir, const std::string& program_dir,
                         bool current_dir) {
    std::string p = path;
    for (char& c : p)
        if (c == '\\') c = '/';
    // Absolute: from the root, or a Windows drive.
    if (p.empty() || p.front() == '/' || (p.size() > 2 && p[1] == ':' && p[2] == '/')) return p;
    std::error_code ec;
    if (current_dir && fs::exists(p, ec)) return p;
    // Joined with '/' on every system: the file layer's built-in files are
    // named that way, and Windows takes it too.
    if (!own_dir.empty() && files::exists(files::join(own_dir, p))) return files::join(own_dir, p);
    if (program_dir.empty()) return p;
    return files::join(program_dir, p);
}

int usable_extent(int requested) { return std::clamp(requested, 1, kMaxPictureSide); }

std::uint64_t frame_bytes(int client_width, int client_height, int scale) {
    const std::uint64_t s = static_cast<std::uint64_t>(std::max(1, scale));
    return static_cast<std::uint64_t>(usable_extent(client_width)) * s * static_cast<std::uint64_t>(usable_extent(client_height)) * s *
           4 * kFrameCopies;
}

int largest_scale(int client_width, int client_height, int wanted) {
    int scale = std::max(1, wanted);
    while (scale > 1 && frame_bytes(client_width, client_height, scale) > kPictureBudget) --scale;
    return scale;
}

Extent game_size(const std::string& config_path) {
    const auto ini = IniFile::load(config_path);
    if (!ini) return {540, 360};
    return {ini->read_integer("Common", "GameWidth", 540), ini->read_integer("Common", "GameHeight", 360)};
}

Status load_unit_face(LoadRequest req, Skin& skin) {
    const Extent size = game_size(req.config_path);
    req.fullscreen = true;
    req.screen_width = usable_extent(size.width);
    req.screen_height = usable_extent(size.height);
    req.logo = false;
    const Status loaded = load_skin(req, skin);
    skin.logo.shown = false;
    skin.menu_shown = false;
    return loaded;
}

Status load_skin(const LoadRequest& req, Skin& skin) {
    try {
        return load_skin_within_budget(req, skin);
    } catch (const std::bad_alloc&) {
        return failure(said("Skin", "There is not enough memory to load the skin of %1").with(req.config_path));
    }
}

}  // namespace ignivar::skin
