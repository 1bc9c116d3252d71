// The clip exporter as a module of its own: the program loads it only when a
// clip is made, so that FFmpeg's many libraries are not loaded at every start.
#include "clips/module.h"

extern "C" __attribute__((visibility("default"))) ignivar::clips::ExportFunction ignivar_clips_entry() {
    return &ignivar::clips::export_clip;
}
