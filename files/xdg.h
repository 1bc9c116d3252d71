// The desktop's per-user folders (the XDG base directories), taken from
// the environment as the bytes it holds, so that a folder whose name is
// not UTF-8 is still that folder.
#pragma once

#include <string>

namespace ignivar::files {

// $XDG_CONFIG_HOME, else ~/.config.
std::string config_home();
// $XDG_STATE_HOME, else ~/.local/state.
std::string state_home();
// $XDG_DATA_HOME, else ~/.local/share.
std::string data_home();
// $XDG_CACHE_HOME, else ~/.cache.
std::string cache_home();
// The desktop's pictures folder: XDG_PICTURES_DIR from user-dirs.dirs,
// else ~/Pictures.
std::string pictures_dir();

// The program's own folder under one of them: "<home>/Zandrel".
inline constexpr const char* kVendorFolder = "Zandrel";

}  // namespace ignivar::files
