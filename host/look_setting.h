// The player's look of the LCD as the settings keep it, read and written
// the same way by every front end that keeps settings.
#pragma once

#include "sim/ports.h"
#include "skin/lcd_look.h"

namespace ignivar::host {

// A stored strength that is none of the choices reads as the face's own.
skin::LcdLook read_look(SettingsStore& store);
void keep_look(SettingsStore& store, const skin::LcdLook& look);

}  // namespace ignivar::host
