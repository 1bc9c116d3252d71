// The parts of the asset generator; each writes its files below `out_dir`
// and throws std::runtime_error when it cannot.
#pragma once

#include <functional>
#include <string>

namespace ignivar::assets {

// Runs `draw` in English and then in each language of the compiled
// translations in `translations_dir`, with that translation installed.
void for_each_language(const std::string& translations_dir, const std::function<void(const std::string&)>& draw);

void make_face(const std::string& out_dir);     // Config.ini, Graphics/Skin, Graphics/Backdrops
// Graphics/Program: menu, splash (its words in each language, in a folder
// named after it), about, viewer buttons
void make_windows(const std::string& out_dir, const std::string& translations_dir);
// Graphics/Manual/1.bmp .. 12.bmp, and each translation's in Manual/<language>/
void make_manual(const std::string& out_dir, const std::string& translations_dir);
void make_sounds(const std::string& out_dir);   // Sound/*.wav
void make_icons(const std::string& out_dir, const std::string& svg);  // icons/hicolor/*/apps/ignivar.*

}  // namespace ignivar::assets
