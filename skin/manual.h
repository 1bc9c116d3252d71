// The manual viewer's twelve page pictures and its size, from the section
// "Manual" of Config.ini. Finding the pages reads only the skin file; the
// pictures are decoded when the manual is first shown.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "base/result.h"
#include "skin/picture.h"

namespace ignivar::skin {

inline constexpr int kManualPages = 12;

struct ManualPage {
    // File: a page file is there (decoded once loaded); Placeholder: none,
    // the red square stands in; Empty: loading stopped before this page.
    enum class Source { Empty, File, Placeholder };
    Source source = Source::Empty;
    std::string file;      // as formed from the folder and the page number
    std::string resolved;  // the path it is read from
    std::shared_ptr<const Picture> picture;
};

struct Manual {
    int width = 345, height = 255;
    std::array<ManualPage, kManualPages> pages{};
};

// A missing Config.ini gives the defaults; a missing page file the red
// placeholder. Relative folders are taken from the current directory, then
// `own_dir` (the player's Config.ini's folder, if any), then `program_dir`.
// With a `language` ("de"), a page of the manual folder's subfolder of that
// name is taken before the page itself.
Manual find_manual(const std::string& config_path, const std::string& program_dir, const std::string& own_dir = {},
                   const std::string& language = {});

// Decodes the pages in order, within one memory budget. A page that cannot
// be decoded stops the loading there: it and the pages after it stay empty,
// and the failure names it.
Status load_manual_pages(Manual& manual);

// Both steps.
Status load_manual(const std::string& config_path, const std::string& program_dir, Manual& manual,
                   const std::string& own_dir = {});

}  // namespace ignivar::skin
