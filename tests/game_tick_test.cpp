// The game tick: flames thrown and walking down, and the speed and limit tables.
#include <gtest/gtest.h>

#include "harness.h"

namespace ignivar::test {
namespace {

TEST(GameTick, UnshotFlameWalksDownAndCostsAMiss) {
    Sim sim;
    const long long t0 = begin_game(sim, 'a', true);
    sim.run("coin 1");  // the first tick throws all the same: the screen is empty
    const long long first_tick = t0 + 6401;
    wait_until(sim, first_tick);
    EXPECT_EQ(sim.state("grid"), "00001,00000,00000");
    EXPECT_TRUE(sim.is_lit("im_enemy_3"));
    EXPECT_FALSE(sim.is_lit("im_enemy_2"));
    EXPECT_EQ(sim.line("sounds"), "sounds Start Enemy Enemy Enemy Enemy");
    EXPECT_EQ(sim.line("timers"), "timers Timer_Game=310");
    // Lane 1 moves at ticks 4, 7, 10 and 13, 310 ms apart.
    const char* grids[] = {"00010", "00100", "01000", "10000"};
    for (int i = 0; i < 4; ++i) {
        const long long tick = first_tick + (3 * i + 3) * 310;
        wait_until(sim, tick - 1);
        EXPECT_EQ(sim.state("grid").substr(0, 5), i == 0 ? "00001" : grids[i - 1]);
        wait_until(sim, tick);
        EXPECT_EQ(sim.state("grid").substr(0, 5), grids[i]) << "tick " << 3 * i + 4;
    }
    wait_until(sim, first_tick + 4029);
    EXPECT_EQ(sim.num("play"), 1);
    wait_until(sim, first_tick + 4030);  // the 14th tick finds it next to the hero
    EXPECT_EQ(sim.num("play"), 0);
    EXPECT_EQ(sim.num("lane"), 1);
    EXPECT_EQ(sim.line("timers"), "timers Timer_Miss=50");
}

TEST(GameTick, ThrowRules) {
    struct Case {
        const char* name;
        int mode, score, lane;
        const char* grid;  // lanes 1..3, positions 1..5
        const char* coin;
        const char* expect_grid;
        int expect_lane;
    };
    const Case cases[] = {
        {"empty screen always gets a flame", 8, 0, 0, "00000,00000,00000", "1", "00001,00000,00000", 1},
        {"coin 1 throws nothing", 8, 100, 0, "00000,00000,01000", "1", "00000,00000,01000", 1},
        {"coin 0 throws below the limit", 8, 100, 0, "00000,00000,01000", "0", "00001,00000,01000", 1},
        {"limit reached", 8, 0, 0, "00000,00100,00000", "0", "00000,00100,00000", 1},
        {"game B allows a third flame", 9, 100, 0, "00000,01000,00100", "0", "00001,01000,00100", 1},
        {"game A does not", 8, 100, 0, "00000,01000,00100", "0", "00000,01000,00100", 1},
        {"last throw in the lane just moved", 8, 500, 0, "00001,00000,00000", "0", "00010,00000,00000", 1},
        {"previous lane just threw", 9, 100, 2, "00000,00001,00000", "0", "00000,00001,00000", 3},
        {"lane 3 blocks lane 1", 9, 100, 3, "00000,00000,00001", "0", "00000,00000,00001", 1},
        {"only the processed lane moves", 9, 600, 1, "00100,00110,00100", "1", "00100,01100,00100", 2},
        {"flame next to the hero: a miss, nothing moves", 9, 600, 2, "10000,00010,00000", "0",
         "10000,00010,00000", 2},
    };
    for (const Case& c : cases) {
        Sim sim;
        Unit& u = sim.unit();
        GameState& s = u.mutable_state();
        s.mode = c.mode;
        s.score = c.score;
        s.play = true;
        s.hero = 1;
        s.lane = c.lane;
        u.Gam_Set_Level();
        const std::string g = c.grid;
        for (int lane = 1; lane <= 3; ++lane)
            for (int pos = 1; pos <= 5; ++pos) s.cell(lane, pos) = g[(lane - 1) * 6 + pos - 1] == '1';
        sim.run(std::string("coin ") + c.coin);
        u.Timer_GameTimer();
        EXPECT_EQ(sim.state("grid"), c.expect_grid) << c.name;
        EXPECT_EQ(sim.num("lane"), c.expect_lane) << c.name;
    }
}

TEST(GameTick, SpeedTables) {
    struct Case { int mode, score, limit, interval; };
    const Case cases[] = {
        {8, 0, 1, 310},    {9, 0, 1, 285},    {8, 30, 1, 310},   {8, 40, 2, 310},   {9, 40, 3, 285},
        {8, 90, 2, 310},   {8, 100, 2, 285},  {9, 100, 3, 250},  {8, 290, 2, 285},  {9, 300, 3, 225},
        {8, 490, 2, 250},  {8, 500, 5, 250},  {9, 500, 5, 215},  {9, 690, 5, 215},  {8, 700, 5, 215},
        {9, 990, 5, 185},  {8, 1000, 1, 310}, {9, 1100, 3, 250}, {9, 9990, 5, 185},
    };
    for (const Case& c : cases) {
        Sim sim;
        Unit& u = sim.unit();
        u.mutable_state().mode = c.mode;
        u.mutable_state().score = c.score;
        u.Gam_Set_Level();
        EXPECT_EQ(u.state().flame_limit, c.limit) << c.mode << " " << c.score;
        EXPECT_EQ(u.timers().interval(TimerId::Game), c.interval) << c.mode << " " << c.score;
    }
    // Outside the games, and for scores in no row, nothing changes.
    Sim sim;
    Unit& u = sim.unit();
    u.mutable_state().mode = kGameA;
    u.mutable_state().score = 100;
    u.Gam_Set_Level();
    for (auto [mode, score] : {std::pair{kGameAReady, 0}, std::pair{kGameOver, 900}}) {
        u.mutable_state().mode = mode;
        u.mutable_state().score = score;
        u.Gam_Set_Level();
        EXPECT_EQ(u.state().flame_limit, 2) << mode;
        EXPECT_EQ(u.timers().interval(TimerId::Game), 285) << mode;
    }
    u.mutable_state().mode = kGameA;
    u.mutable_state().score = 35;  // between the limit table's rows
    u.Gam_Set_Level();
    EXPECT_EQ(u.state().flame_limit, 2);
    EXPECT_EQ(u.timers().interval(TimerId::Game), 310);
}

}  // namespace
}  // namespace ignivar::test
