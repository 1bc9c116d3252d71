// Runs the headless driver in-process and reads its answers.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>

#include "driver/driver.h"
#include "settings/memory_store.h"

namespace ignivar::test {

class Sim {
public:
    explicit Sim(std::uint32_t seed = 1) : driver(store, out, err, seed) {}

    // Runs the lines of `script` and returns everything they printed.
    std::string run(std::string_view script) {
        out.str("");
        std::istringstream in{std::string(script)};
        std::string line;
        while (std::getline(in, line)) last_ok = driver.run_line(line) && last_ok;
        return out.str();
    }

    // One line of output from a query command.
    std::string line(std::string_view command) {
        std::string s = run(command);
        while (!s.empty() && s.back() == '\n') s.pop_back();
        return s;
    }

    // The value of one field of the `state` line.
    std::string state(std::string_view field) {
        const std::string s = " " + line("state") + " ";
        const std::string key = " " + std::string(field) + "=";
        const auto at = s.find(key);
        if (at == std::string::npos) return "<no " + std::string(field) + ">";
        const auto from = at + key.size();
        return s.substr(from, s.find(' ', from) - from);
    }
    int num(std::string_view field) { return std::stoi(state(field)); }

    std::string lit() {
        const std::string s = run("show");
        const auto a = s.find("lit");
        return s.substr(a, s.find('\n', a) - a);
    }
    bool is_lit(std::string_view seg) {
        const std::string l = lit() + " ";
        return l.find(" " + std::string(seg) + " ") != std::string::npos;
    }
    std::string digits() {
        const std::string s = run("show");
        const auto a = s.find("digits ");
        return s.substr(a + 7, s.find('\n', a) - a - 7);
    }
    // The pressed-button pictures that are shown, in a fixed order.
    std::string lit_buttons() {
        std::string out;
        for (const char* b : {"btn_game_a_down", "btn_game_b_down", "btn_left_down", "btn_right_down",
                              "btn_shoot_left_down", "btn_shoot_right_down", "btn_time_down"})
            if (is_lit(b)) out += (out.empty() ? "" : " ") + std::string(b);
        return out;
    }
    long long now() { return std::stoll(line("now").substr(4)); }
    Unit& unit() {
        driver.finish();
        return *driver.unit();
    }

    MemoryStore store;
    std::ostringstream out, err;
    Driver driver;
    bool last_ok = true;
};

// Powers on, goes to time 1 and starts a game; returns the time of the game
// button's release.
inline long long begin_game(Sim& sim, char game, bool game_sound, bool output = true) {
    sim.run("start\npress time\nrelease time");
    if (output) sim.run("sound on");
    const std::string b = game == 'a' ? "game_a" : "game_b";
    sim.run("press " + b);
    if (!game_sound) sim.run("press left\nrelease left");
    sim.run("release " + b);
    return sim.now();
}

inline void wait_until(Sim& sim, long long t) {
    const long long now = sim.now();
    ASSERT_GE(t, now);
    sim.run("wait " + std::to_string(t - now));
}

// Starts game A and waits until play begins; the first tick is due 1 ms later.
inline long long play_from_start(Sim& sim) {
    const long long t0 = begin_game(sim, 'a', true);
    wait_until(sim, t0 + 6400);
    sim.run("sounds");
    return sim.now();
}

// Puts flames on the grid and on the display, as the game tick would.
inline void place_flames(Sim& sim, int lane, std::initializer_list<int> positions) {
    Unit& u = sim.unit();
    for (int pos : positions) {
        u.mutable_state().cell(lane, pos) = 1;
        u.display().Vid_Show_Segment(flame_seg(lane, pos), true);
    }
}

}  // namespace ignivar::test
