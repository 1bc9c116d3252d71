// The unit's face in words, for a screen reader: the mode, what the digits
// show, the misses, where the hero stands and how near each lane's flame
// is; and the unit's events worth saying aloud.
#pragma once

#include <string>

#include "base/text.h"
#include "sim/ports.h"
#include "sim/unit.h"

namespace ignivar::host {

// In words to translate, and in English.
Text face_text(const Unit& unit);
std::string face_words(const Unit& unit);
// A game started, a miss, game over (and a new high score): said aloud;
// empty for an event that is not.
Text event_text(const UnitEvent& event, const Unit& unit);
std::string event_words(const UnitEvent& event, const Unit& unit);

}  // namespace ignivar::host
