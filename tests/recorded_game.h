// Games recorded by the headless driver, for the tests of replays and clips.
#pragma once

#include <string>

#include "harness.h"
#include "host/replay_store.h"
#include "temp_dir.h"

namespace ignivar::test {

// A game B recorded by the driver, its coin forced: with `moves`, one of
// 60 points in 31015 ms; without, a game left to itself.
inline host::Replay recorded_game(const TempDir& dir, bool moves = true) {
    const std::string file = dir.file(moves ? "played.replay" : "idle.replay");
    Sim sim(1);
    std::string script = "sound on\nstart\nrecord " + file + "\npress time\nrelease time\n";
    std::string coins;
    for (int i = 0; i < 600; ++i) coins += "0110100110010110"[i % 16];
    script += "coin " + coins + "\npress game_b\nrelease game_b\n";
    const char* buttons[] = {"right", "shoot_left", "left", "shoot_right", "right", "right", "shoot_left"};
    for (int i = 0; moves && i < 400; ++i) {
        const std::string b = buttons[i % 7];
        script += "wait 173\npress " + b + "\nwait 20\nrelease " + b + "\n";
    }
    sim.run(script + "wait 60000\n");
    auto replay = host::read_replay_file(file);
    EXPECT_TRUE(replay.ok()) << replay.message();
    return replay ? *replay : host::Replay{};
}

}  // namespace ignivar::test
