// Loads the manual viewer's twelve page pictures and its size from the
// section "Manual" of Config.ini.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "skin/picture.h"

namespace ignivar::skin {

inline constexpr int kManualPages = 12;

struct ManualPage {
    enum class Source { Empty, File, Placeholder };
    Source source = Source::Empty;
    std::string file;
    std::shared_ptr<const Picture> picture;
};

struct Manual {
    int width = 345, height = 255;
    std::array<ManualPage, kManualPages> pages{};
    std::string error;  // why loading stopped at a page, or empty
};

// A missing Config.ini gives the defaults; a missing page file the red
// placeholder; a page that cannot be decoded stops the loading there.
// Relative folders are taken from the current directory, then `own_dir`
// (the player's Config.ini's folder, if any), then `program_dir`.
Manual load_manual(const std::string& config_path, const std::string& program_dir, const std::string& own_dir = {});

}  // namespace ignivar::skin
