// Saved games: a moment saved and loaded runs on as if it had never
// stopped; what is not a saved game is refused and changes nothing; pause
// and rewind keep exact time.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sys/stat.h>

#include "harness.h"
#include "results.h"
#include "host/host.h"
#include "host/rewind.h"
#include "host/state_file.h"
#include "sim/state.h"
#include "temp_dir.h"

namespace ignivar::test {
namespace {

// A random script of presses, releases and waits, each followed by what
// the unit shows, so that the output tells any difference.
std::vector<std::string> random_script(std::uint32_t seed) {
    std::mt19937 rng(seed);
    const char* buttons[] = {"game_a", "game_b", "time", "left", "right", "shoot_left", "shoot_right"};
    std::vector<std::string> lines = {"sound on", "start"};
    for (int i = 0; i < 400; ++i) {
        // Mostly play; now and then a mode button, so that watch, ready and
        // game-over moments are saved too.
        const int pick = static_cast<int>(rng() % 20);
        const char* b = pick < 2 ? buttons[pick] : pick < 3 ? "time" : buttons[3 + rng() % 4];
        lines.push_back(std::string("press ") + b);
        lines.push_back("wait " + std::to_string(rng() % 120) + "\nshow");
        lines.push_back(std::string("release ") + b);
        lines.push_back("wait " + std::to_string(rng() % 1500));
        lines.push_back("show\nstate\ntimers\nsounds");
    }
    return lines;
}

// The first line where two outputs part, or nothing.
std::string first_difference(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string la, lb;
    for (int n = 1;; ++n) {
        const bool more_a = bool(std::getline(x, la)), more_b = bool(std::getline(y, lb));
        if (!more_a && !more_b) return {};
        if (la != lb || more_a != more_b) return "line " + std::to_string(n) + ":\n  " + la + "\n  " + lb;
    }
}

std::string run_from(Sim& sim, const std::vector<std::string>& lines, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < lines.size(); ++i) out += sim.run(lines[i]);
    return out;
}

TEST(SaveState, LoadedAtAnyMomentTheRunGoesOnAsIfItNeverStopped) {
    TempDir dir;
    for (std::uint32_t run = 0; run < 48; ++run) {
        const std::uint32_t seed = 1 + run % 12;  // four moments of each script
        const auto lines = random_script(seed);
        std::mt19937 pick(run * 7919 + 1);
        const std::size_t cut = 2 + pick() % (lines.size() - 2);
        const std::string file = dir.file("at-" + std::to_string(run) + ".state");
        Sim whole(seed);
        whole.run("clock 2026-12-08 10:00:00");
        run_from(whole, {lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(cut)}, 0);
        whole.run("sounds");  // what sounded before the moment saved is no part of it
        ASSERT_EQ(whole.run("save-state " + file), "") << seed;
        const std::string after = run_from(whole, lines, cut);

        Sim loaded(seed + 1000);  // another coin: the state brings the coin back
        loaded.run("clock 2026-12-08 10:00:00");
        ASSERT_EQ(loaded.run("load-state " + file), "") << seed;
        EXPECT_EQ(first_difference(run_from(loaded, lines, cut), after), "") << "seed " << seed << ", cut at line " << cut;
    }
}

TEST(SaveState, WholeGamesAndTheWatchAreCovered) {
    // The scripts above do reach games over, misses and the watch modes.
    std::string all;
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        Sim sim(seed);
        all += run_from(sim, random_script(seed), 0);
    }
    for (const char* seen : {"mode 1\n", "mode 3\n", "mode 6\n", "mode 8\n", "mode 9\n", "mode 10\n", "misses=2"})
        EXPECT_NE(all.find(seen), std::string::npos) << seen;
}

TEST(SaveState, FixedSizeAndTheMersenneTwisterOfTheStandard) {
    EXPECT_LT(state_size(), 4096u);
    Sim sim;
    sim.run("start\npress game_a\nrelease game_a\nwait 7000");
    EXPECT_EQ(sim.driver.host()->save_state().size(), state_size());
    Mt19937 ours(12345);
    std::mt19937 standard(12345);
    for (int i = 0; i < 5000; ++i) ASSERT_EQ(ours(), standard()) << i;
}

TEST(SaveState, WhatIsNoSavedGameIsRefusedAndChangesNothing) {
    TempDir dir;
    Sim sim;
    sim.run("start\npress game_b\nrelease game_b\nwait 8000");
    const std::vector<std::uint8_t> good = sim.driver.host()->save_state();
    sim.run("wait 3000");
    const std::vector<std::uint8_t> before = sim.driver.host()->save_state();
    std::mt19937 rng(3);
    const auto bytes_with = [&](auto change) {
        std::vector<std::uint8_t> b = good;
        change(b);
        return std::string(b.begin(), b.end());
    };
    struct Case {
        const char* name;
        std::string content;  // written as the file, unless a pipe or a folder
        const char* reason;
    };
    std::string noise(good.size(), '\0');
    for (char& c : noise) c = static_cast<char>(rng());
    const Case cases[] = {
        {"truncated", bytes_with([](auto& b) { b.resize(b.size() - 9); }), "cut short"},
        {"another version", bytes_with([](auto& b) { b[8] = 2; }), "another format (version 2"},
        {"bad checksum", bytes_with([](auto& b) { b[200] ^= 1; }), "checksum"},
        {"longer", bytes_with([](auto& b) { b.push_back(0); }), "more in it"},
        {"random bytes", noise, "not a saved game"},
        {"empty", "", "not a saved game"},
        {"pipe", "", "a named pipe"},
        {"folder", "", "a folder"},
    };
    for (const Case& c : cases) {
        const std::string file = dir.file(c.name);
        if (std::string(c.name) == "pipe") ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
        else if (std::string(c.name) == "folder") std::filesystem::create_directory(file);
        else dir.write(c.name, c.content);
        const std::string out = sim.run("load-state " + file);
        EXPECT_NE(out.find("error: " + file), std::string::npos) << c.name << ": " << out;
        EXPECT_NE(out.find(c.reason), std::string::npos) << c.name << ": " << out;
        EXPECT_EQ(sim.driver.host()->save_state(), before) << c.name;
        if (std::filesystem::is_regular_file(file)) {
            std::ifstream in(file, std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.content) << c.name << ": left as it was";
        }
    }
    // A checksum made right again does not let an impossible moment in, and
    // reading stops at the first value out of its range (a clock past its
    // end, with timers due after it, reckons nothing from it).
    const auto forged = [&](std::size_t at, std::uint64_t value, int bytes) {
        std::vector<std::uint8_t> f = good;
        for (int i = 0; i < bytes; ++i) f[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        const std::uint32_t crc = crc32(f.data() + 20, f.size() - 20);
        for (int i = 0; i < 4; ++i) f[16 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
        return f;
    };
    for (const auto& f : {forged(20 + 8 + 8 + kSegmentCount + 15 + 9 * 13 + 20, 7, 4),  // the hero in lane 7
                          forged(20, 0x7FFFFFFFFFFFFFF0ULL, 8)}) {                    // the clock at its very end
        EXPECT_NE(test::error_text(sim.driver.host()->load_state(f)).find("no unit can be in"), std::string::npos);
        EXPECT_EQ(sim.driver.host()->save_state(), before);
    }
}

// A saved moment never lowers the high score kept: the better of the two stays.
TEST(SaveState, ALoadedMomentNeverLowersAHighScore) {
    Sim sim;
    sim.run("start\npress game_b\nrelease game_b\nwait 8000");
    const std::vector<std::uint8_t> moment = sim.driver.host()->save_state();  // high scores 0
    for (const auto& [stored, in_moment, kept] : {std::tuple{500, 90, 500}, std::tuple{40, 90, 90}, std::tuple{0, 0, 0}}) {
        MemoryStore store;
        store.write_number(Setting::HiScore2, stored);
        SilentSink sound;
        host::ManualTime time;
        host::Host host(store, sound, time, 1);
        host.create();
        UnitState s = *decode_state(moment.data(), moment.size());
        s.game.hiscore_b = in_moment;
        ASSERT_TRUE(host.load_state(encode_state(s)).ok());
        EXPECT_EQ(host.unit().state().hiscore_b, kept) << stored << " stored, " << in_moment << " saved";
        EXPECT_EQ(store.read_number(Setting::HiScore2, -1), stored) << "nothing written by a load";
    }
}

struct Framed {
    explicit Framed(std::uint32_t seed = 5) : host(store, sink, time, seed) {
        host.create();
        host.unit().set_sound_output(true);
        host.handle([&] { host.unit().power_on(); });
        tap(input::Button::Time);
        tap(input::Button::GameA);
    }
    void frames(int n) {
        for (int i = 0; i < n; ++i) {
            time.step();
            host.sync();
            rewind.note(host);
            // Shoot now and then, so that the game scores and ends in time.
            if (host.unit().state().play && host.unit().timers().now() % 900 < 17) tap(input::Button::ShootLeft);
        }
    }
    void tap(input::Button b) {
        host.press(b);
        host.release(b);
    }
    MemoryStore store;
    RecordingSink sink;
    host::FrameTime time{60};
    host::Host host;
    host::Rewind rewind;
};

TEST(Pause, FreezesEveryTimerAndResumesExactly) {
    Framed paused, straight;
    paused.frames(600);
    straight.frames(600);
    std::vector<Millis> left;
    for (int i = 0; i < kTimerCount; ++i)
        left.push_back(paused.host.unit().timers().due(static_cast<TimerId>(i)) - paused.host.unit().timers().now());
    ASSERT_TRUE(paused.host.set_paused(true));
    const std::size_t sounds = paused.sink.played.size();
    paused.host.press(input::Button::Right);  // held back
    paused.frames(1200);
    EXPECT_EQ(paused.sink.played.size(), sounds);
    for (int i = 0; i < kTimerCount; ++i)
        EXPECT_EQ(paused.host.unit().timers().due(static_cast<TimerId>(i)) - paused.host.unit().timers().now(), left[i]);
    EXPECT_EQ(paused.host.save_state(), straight.host.save_state());
    paused.host.set_paused(false);
    paused.frames(3000);
    straight.frames(3000);
    EXPECT_EQ(paused.host.save_state(), straight.host.save_state());
    EXPECT_EQ(paused.sink.played, straight.sink.played);
    // A watch is not paused.
    Sim watch;
    watch.run("start\npress time\nrelease time");
    EXPECT_FALSE(watch.driver.host()->set_paused(true));
}

TEST(Rewind, RunBackThenPlayEqualsPlayingFromThatMoment) {
    Framed f;
    f.frames(1800);
    EXPECT_LE(f.rewind.bytes(), 1024u * 1024);
    std::vector<std::uint8_t> reached;
    f.host.set_paused(true);
    for (int i = 0; i < 40; ++i) ASSERT_TRUE(f.rewind.step_back(f.host));
    reached = f.host.save_state();
    f.host.set_paused(false);
    f.frames(2400);
    // A fresh unit given the moment reached plays the same.
    Framed again(99);
    ASSERT_TRUE(again.host.load_state(reached).ok());
    again.frames(2400);
    EXPECT_EQ(f.host.save_state(), again.host.save_state());
    // Thirty seconds at most are kept.
    Framed long_game;
    long_game.frames(60 * 120);
    EXPECT_LE(long_game.rewind.size(), host::Rewind::kCapacity);
}

}  // namespace
}  // namespace ignivar::test
