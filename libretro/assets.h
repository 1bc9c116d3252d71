// The default skin and sounds, built into the core so that it needs no
// files of its own.
#pragma once

#include <vector>

#include "files/read.h"

namespace ignivar::libretro {

const std::vector<files::ArchiveEntry>& default_assets();

}  // namespace ignivar::libretro
