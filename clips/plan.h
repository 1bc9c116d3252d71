// What an export may take and where it may write, decided before anything
// is rendered (plain C++, no FFmpeg): only a game its replay proves, up to
// a moment after its end, whatever length the file claims; never over the
// replay itself, nor over a file that is no clip.
#pragma once

#include <string>

#include "base/result.h"
#include "host/replay.h"

namespace ignivar::clips {

// How long the clip of a replay runs: from the game's start to a second
// after its game over, once the replay, run again, has reached the score
// and the length it records. Refused otherwise, with the reason.
Result<Millis> clip_length(const host::Replay& replay);

// Whether a clip may be written as `out`: not when it is the replay's own
// file (`replay_file`, if known), by any name, nor when something that is
// no clip (of the formats written) is there already.
Status check_out(const std::string& replay_file, const std::string& out);

}  // namespace ignivar::clips
