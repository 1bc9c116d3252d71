// The replays the program keeps, under $XDG_DATA_HOME/Zandrel/replays (by
// default ~/.local/share): every game played is written when it ends; the
// last twenty and every game of a high-score table stay, older ones go.
// The table of each game is its ten best replays that begin at the
// beginning of a game and, run again, reach their scores. What a file was
// found to be is kept beside them, for as long as it is that very file, so
// that each is read and run again once.
#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "host/replay.h"

namespace ignivar::host {

inline constexpr std::size_t kRecentReplays = 20;
inline constexpr std::size_t kTableSize = 10;

std::string replay_folder();

struct KeptReplay {
    std::string file;
    char game = 'A';
    std::int32_t score = 0;
    Millis length = 0;
    std::string date;
    bool ended = false;
    bool rewound = false;   // the player ran it back while playing
    bool continued = false;  // it starts at a saved moment, not at the game's beginning
    bool readable = false;  // a replay at all (a file that is not is never removed)
    bool verified = false;  // run again, it reaches its score
    Text problem;           // why it does not, or why it cannot be read
};

// Reads a replay file (a regular file of bounded size); the message names it.
Result<Replay> read_replay_file(const std::string& path);
// Writes a replay file atomically.
Status write_replay_file(const std::string& path, const Replay& replay);

// Every replay file in `folder`, newest first, each read and verified
// (once: what a file was found to be is kept for as long as it is unchanged).
std::vector<KeptReplay> list_replays(const std::string& folder);
// The ten best verified games of `game` ('A' or 'B') that begin at its
// beginning, best first.
std::vector<KeptReplay> high_scores(const std::vector<KeptReplay>& all, char game);
// Writes a finished game into `folder` under a name of its own (never over
// another's, also of another program at the same moment) and lets go of
// what is no longer kept; returns the file written.
Result<std::string> keep_replay(const Replay& replay, const std::string& folder);

}  // namespace ignivar::host
