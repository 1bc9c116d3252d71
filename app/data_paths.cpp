// Where the program's files are: beside it, in its data folder, the player's own Config.ini.
#include "app/data_paths.h"

#include <filesystem>

#include "files/places.h"
#include "settings/qt_store.h"

namespace ignivar::app {
namespace {

namespace fs = std::filesystem;

bool regular(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

}  // namespace

std::string player_folder() { return fs::path(default_store_file()).parent_path().string(); }

DataPaths find_data_paths(const std::string& exe_dir, const std::string& player_dir, const std::string& data_from_bin) {
    DataPaths p;
    p.player_dir = player_dir;
    std::error_code ec;
    const fs::path beside = exe_dir;
    const fs::path shared = (beside / data_from_bin).lexically_normal();
    if (regular(beside / files::kConfigFile) || fs::is_directory(beside / "Graphics", ec) ||
        !fs::is_directory(shared, ec)) {
        p.data_dir = beside.string();
    } else {
        p.data_dir = shared.string();
        p.installed = true;
    }
    if (!player_dir.empty() && regular(fs::path(player_dir) / files::kConfigFile)) {
        p.config = (fs::path(player_dir) / files::kConfigFile).string();
        p.player_config = true;
    } else {
        p.config = (fs::path(p.data_dir) / files::kConfigFile).string();
    }
    return p;
}

Result<std::string> make_player_config(const DataPaths& paths) {
    const fs::path target = fs::path(paths.player_dir) / files::kConfigFile;
    if (regular(target)) return target.string();
    std::error_code ec;
    fs::create_directories(paths.player_dir, ec);
    if (!ec) fs::copy_file(fs::path(paths.data_dir) / files::kConfigFile, target, ec);
    if (ec) return failure(said("Skin", "Cannot make your own copy of Config.ini as %1: %2").with(target.string()).with(ec.message()));
    // The shipped file may be read-only; the player's copy is to be edited.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    return target.string();
}

}  // namespace ignivar::app
