// Where the program finds its files: beside the executable (the build
// tree, a portable copy) or else in its data folder under share/, and the
// player's own Config.ini, which wins over the shipped one.
#pragma once

#include <string>

#include "base/result.h"

namespace ignivar::app {

struct DataPaths {
    std::string data_dir;        // the shipped skin, sounds, manual and texts
    std::string config;          // the Config.ini in use
    std::string player_dir;      // the player's folder, beside the settings file
    bool player_config = false;  // `config` is the player's own
    bool installed = false;      // `data_dir` is an installation's shared, read-only folder

    // The folder looked in first for what the skin file names: the
    // player's own when the skin file is theirs, else none.
    std::string own_dir() const { return player_config ? player_dir : std::string(); }
};

// `data_from_bin` is the data folder relative to the executable's folder in
// an installation ("../share/ignivar").
DataPaths find_data_paths(const std::string& exe_dir, const std::string& player_dir, const std::string& data_from_bin);

// The player's folder: the settings file's folder.
std::string player_folder();

// Makes the player's own Config.ini from the shipped one (when there is none
// yet) and returns its path.
Result<std::string> make_player_config(const DataPaths& paths);

}  // namespace ignivar::app
