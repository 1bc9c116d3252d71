// Clips of replays: the game run again on a unit of its own, its face
// composed at a whole zoom (the whole unit or its LCD alone) and its sound
// mixed as it was played, written as MP4, WebM, GIF or animated WebP.
#pragma once

#include <functional>
#include <string>

#include "base/result.h"
#include "clips/plan.h"
#include "clips/writer.h"
#include "host/replay.h"

namespace ignivar::clips {

struct ExportRequest {
    Format format = Format::Mp4;
    int zoom = 1;                // 1..4
    int fps = 30;                // 1..60
    bool lcd_only = false;
    skin::LcdLook look;          // the exact look, or the real one
    std::string config;          // the skin's Config.ini
    std::string data_dir;        // where its folders and Sound/ are looked for
    std::string out;
    std::string replay_file;     // the replay's own file, if it has one: never written over
};

// Writes the clip of a game its replay proves, from its start to a second
// after game over (clips/plan.h); `progress` hears how far it is (0..1) and
// stops it by answering false, leaving no file behind.
Status export_clip(const host::Replay& replay, const ExportRequest& request,
                   const std::function<bool(double)>& progress = {});

}  // namespace ignivar::clips
