// The parts of the asset generator; each writes its files below `out_dir`
// and throws std::runtime_error when it cannot.
#pragma once

#include <string>

namespace ignivar::assets {

void make_face(const std::string& out_dir);     // Config.ini, Graphics/Skin, Graphics/Backdrops
void make_windows(const std::string& out_dir);  // Graphics/Program: menu, splash, about, viewer buttons
// Graphics/Manual/1.bmp .. 12.bmp, and each translation's in Manual/<language>/
void make_manual(const std::string& out_dir, const std::string& translations_dir);
void make_sounds(const std::string& out_dir);   // Sound/*.wav
void make_icons(const std::string& out_dir, const std::string& svg);  // icons/hicolor/*/apps/ignivar.*

}  // namespace ignivar::assets
