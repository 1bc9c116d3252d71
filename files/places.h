// Where the program's own files lie, relative to its data folder (beside
// the program in a build tree, under share/ when installed), and the
// player's files beside the settings. Nothing else spells these names.
#pragma once

#include <string>
#include <string_view>

namespace ignivar::files {

// Shipped with the program.
inline constexpr std::string_view kConfigFile = "Config.ini";
inline constexpr std::string_view kProgramPictures = "Graphics/Program";  // the windows' own pictures
inline constexpr std::string_view kSoundFolder = "Sound";
inline constexpr std::string_view kIconFile = "icons/hicolor/256x256/apps/ignivar.png";
inline constexpr std::string_view kReadmeFile = "Readme.txt";
inline constexpr std::string_view kWhatsnewFile = "Whatsnew.txt";
// The texts above in another language: "Languages/de/Readme.txt".
inline constexpr std::string_view kLanguagesFolder = "Languages";

// The player's own, in the folder of the settings file.
inline constexpr std::string_view kGamepadFile = "Gamepad.txt";

// `dir` + "/" + `relative` (just `relative` when `dir` is empty).
std::string join(const std::string& dir, std::string_view relative);
// A picture of the program's own windows, e.g. "game_menu.png".
std::string program_picture(const std::string& data_dir, std::string_view file);
// A sample file relative to the folder it is looked for in: "Sound/Enemy.wav".
std::string sound_file(std::string_view sample_name);

}  // namespace ignivar::files
