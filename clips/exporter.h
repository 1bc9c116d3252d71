// Clips of replays: the game run again on a unit of its own, its face
// composed at a whole zoom (the whole unit or its LCD alone) and its sound
// mixed as it was played, written as MP4, WebM, GIF or animated WebP.
#pragma once

#include <functional>
#include <string>

#include "base/result.h"
#include "clips/writer.h"
#include "host/replay.h"

namespace ignivar::clips {

struct ExportRequest {
    Format format = Format::Mp4;
    int zoom = 1;                // 1..4
    int fps = 30;                // 1..60
    bool lcd_only = false;
    std::string config;          // the skin's Config.ini
    std::string data_dir;        // where its folders and Sound/ are looked for
    std::string out;
};

// The clip runs from the game's start to a second after game over.
Millis clip_length(const host::Replay& replay);

// Writes the clip; `progress` hears how far it is (0..1) and stops it by
// answering false, leaving no file behind.
Status export_clip(const host::Replay& replay, const ExportRequest& request,
                   const std::function<bool(double)>& progress = {});

}  // namespace ignivar::clips
