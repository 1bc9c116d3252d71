// The core's options: what the front end shows in its menu, and what the
// core reads back from it.
#pragma once

#include <functional>
#include <string>

#include "libretro.h"

namespace ignivar::libretro {

struct Options {
    bool lcd_only = false;         // the LCD alone filling the picture, else the whole unit
    int size = 1;                  // 1..4 times the skin's size
    bool backdrop = true;          // see-through parts on the backdrop, else on the skin's colour
    bool sound = true;
    bool panned = false;           // each sample panned to the lane it comes from
    bool utc = false;              // the watch shows UTC, else the host's local time
    int rate = 44100;              // audio frames a second
    bool real = false;             // the LCD's segments fade and cast shadows
    int unlit = -1;                // unlit segments' strength in percent; -1: as the face shows them
};

// An option's text in a language of the translation files ("de" ...), or
// as it is when it has none there.
const char* in_language(const char* english, const char* language);
// Declares the options (version 2, else version 1, else the oldest form),
// in the front end's language where the translation files have it.
void declare_options(retro_environment_t environment);
// The options as the front end holds them now.
Options read_options(retro_environment_t environment);

}  // namespace ignivar::libretro
