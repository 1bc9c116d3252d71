// What the clip exporter's module offers: export_clip, found by name.
#pragma once

#include "clips/exporter.h"

namespace ignivar::clips {

using ExportFunction = Status (*)(const host::Replay&, const ExportRequest&, const std::function<bool(double)>&);
// The module's file, and its one entry: a function that gives export_clip.
inline constexpr const char* kModuleFile = "ignivar-clips.so";
inline constexpr const char* kModuleEntry = "ignivar_clips_entry";

}  // namespace ignivar::clips
