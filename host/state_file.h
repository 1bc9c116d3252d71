// Saved games as files: the quick-save slot of each game and the game kept
// when the program closes, under $XDG_STATE_HOME/Zandrel (by default
// ~/.local/state). Written atomically; a file that is not a saved game is
// refused with its name and the reason, and left as it is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/result.h"
#include "sim/unit.h"

namespace ignivar::host {

// The folder of saved games.
std::string state_folder();
// The quick-save slot of game A ('a') or game B ('b').
std::string quick_slot(char game);
// The game whose slot the unit's moment goes to: 'a', 'b', or 0 when no
// game is on.
char slot_game(const Unit& unit);
// The game kept when the program closed mid-game.
std::string resume_file();

Status write_state_file(const std::string& path, const std::vector<std::uint8_t>& state);
// The bytes of a saved game, checked to be one.
Result<std::vector<std::uint8_t>> read_state_file(const std::string& path);

}  // namespace ignivar::host
