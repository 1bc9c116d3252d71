// The unit's own speed figures, measured the same way natively and in the
// browser (the page's benchmark asks its module for them).
#pragma once

#include <string>

namespace ignivar::web {

struct UnitFigures {
    double create_ms = 0;           // creating a unit with its skin and sounds (median)
    double real_time_multiple = 0;  // games played a frame at a time, as the page runs them
};

// Uses the skin under `asset_root`; the games played are kept in `replay_folder`.
UnitFigures measure_unit(const std::string& asset_root, const std::string& replay_folder);

}  // namespace ignivar::web
