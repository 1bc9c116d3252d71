// Misses, the third miss and the game-over sequence with its high score.
#include <gtest/gtest.h>

#include "harness.h"

namespace ignivar::test {
namespace {

long long run_to_miss(Sim& sim) {
    for (int i = 0; i < 20000 && sim.line("timers") != "timers Timer_Miss=50"; ++i) sim.run("wait 1");
    return sim.now();
}

TEST(Misses, SequenceTimingAndResume) {
    Sim sim;
    play_from_start(sim);
    sim.run("coin 1111111111111111");
    const long long d = run_to_miss(sim);
    place_flames(sim, 3, {3});
    sim.unit().mutable_state().cell(2, 1) = 1;
    sim.run("sounds\npress right\nrelease right\npress shoot_left");
    EXPECT_EQ(sim.num("hero"), 1);
    struct Step { long long at; bool m1, m2, m3; };
    const Step steps[] = {{49, 1, 0, 0},   {50, 0, 1, 1},   {334, 0, 1, 1},  {335, 0, 1, 0}, {490, 0, 1, 1},
                          {775, 0, 1, 0},  {930, 0, 1, 1},  {1215, 0, 1, 0}, {1964, 0, 1, 0}, {1965, 1, 0, 0}};
    for (const Step& s : steps) {
        wait_until(sim, d + s.at);
        EXPECT_EQ(sim.is_lit("im_miss_1"), s.m1) << s.at;
        EXPECT_EQ(sim.is_lit("im_miss_2"), s.m2) << s.at;
        EXPECT_EQ(sim.is_lit("im_miss_3"), s.m3) << s.at;
        if (s.at == 50) {
            EXPECT_EQ(sim.line("sounds"), "sounds Miss");
        }
    }
    EXPECT_EQ(sim.num("misses"), 1);
    EXPECT_TRUE(sim.is_lit("im_panel_miss_1"));
    EXPECT_FALSE(sim.is_lit("im_panel_miss_2"));
    EXPECT_EQ(sim.num("play"), 1);
    // Position 1 of every lane went at 1665 ms; the rest stayed.
    EXPECT_EQ(sim.state("grid"), "00000,00000,00100");
    EXPECT_EQ(sim.line("timers"), "timers Timer_Game=1");
}

TEST(Misses, ThirdMissEndsTheGameAndStoresABetterHighScore) {
    struct Case { char game; bool sound; int score; const char* stored_before; const char* key; const char* after; };
    const Case cases[] = {
        {'a', true, 1240, "01230", "HiScore1", "1240"},   // beaten: rewritten
        {'a', true, 1230, "01230", "HiScore1", "01230"},  // equal: not written at all
        {'b', false, 1240, "01230", "HiScore1", "01230"}, // game B leaves game A's alone
        {'b', false, 50, "", "HiScore2", "50"},
    };
    for (const Case& c : cases) {
        Sim sim;
        if (*c.stored_before) sim.run(std::string("setting ") + c.key + " " + c.stored_before);
        const long long t0 = begin_game(sim, c.game, c.sound);
        wait_until(sim, t0 + (c.sound ? 6400 : 1600));
        sim.run("coin 11111111111111111111");
        sim.unit().mutable_state().misses = 2;
        sim.unit().mutable_state().score = c.score;
        const long long d = run_to_miss(sim);
        sim.run("sounds");
        wait_until(sim, d + 1665);
        EXPECT_EQ(sim.num("misses"), 3);
        EXPECT_EQ(sim.line("timers"), "timers Timer_Game_Over=300");
        const long long stored_at = d + 1665 + 300 + (c.sound ? 4500 : 0);
        wait_until(sim, stored_at - 1);
        EXPECT_EQ(sim.num("mode"), c.game == 'a' ? 8 : 9);
        EXPECT_EQ(sim.line("sounds"), c.sound ? "sounds Miss Gameover" : "sounds");
        wait_until(sim, stored_at);
        EXPECT_EQ(sim.num("mode"), 10);
        EXPECT_EQ(sim.store.read_text(c.key).value_or(""), c.after) << c.game << c.score;
        EXPECT_TRUE(sim.is_lit("im_miss_2"));
        EXPECT_TRUE(sim.is_lit("im_panel_miss_3"));
        sim.run("press left\npress shoot_left\nrelease left");  // do nothing during game over
        wait_until(sim, stored_at + 29999);
        EXPECT_EQ(sim.num("mode"), 10);
        wait_until(sim, stored_at + 30000);
        EXPECT_EQ(sim.num("mode"), 1);
    }
}

TEST(Misses, GameOverAcceptsTheModeButtons) {
    for (auto [button, mode] : {std::pair{"game_a", 6}, std::pair{"game_b", 7}, std::pair{"time", 1}}) {
        Sim sim;
        play_from_start(sim);
        sim.unit().mutable_state().misses = 2;
        sim.run("coin 11111111111111111111");
        const long long d = run_to_miss(sim);
        wait_until(sim, d + 1665 + 300 + 4500);
        ASSERT_EQ(sim.num("mode"), 10);
        sim.run(std::string("press ") + button);
        EXPECT_EQ(sim.num("mode"), mode) << button;
    }
}

}  // namespace
}  // namespace ignivar::test
