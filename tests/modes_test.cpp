// Power-on, the watch and ready modes, and the start of a game, driven as a player would.
#include <gtest/gtest.h>

#include "harness.h"

namespace ignivar::test {
namespace {

TEST(Modes, PowerOnLastsThirtySecondsThenShowsTime) {
    Sim sim;
    EXPECT_EQ(sim.lit(), "lit");  // dark until the splash window's Play
    EXPECT_EQ(sim.digits(), "- - - - -");
    sim.run("start\nwait 29999");
    EXPECT_EQ(sim.num("mode"), 0);
    EXPECT_EQ(sim.digits(), "8 8 8 8 s8");
    sim.run("wait 1");
    EXPECT_EQ(sim.num("mode"), 1);
    EXPECT_EQ(sim.line("timers"), "timers Timer_Clock=1");
}

TEST(Modes, TransitionsFollowTheButtons) {
    struct Case { const char* script; int mode; };
    const Case cases[] = {
        {"start\npress game_a\nrelease game_a", 1},    // power-on goes to the time, not a game
        {"start\npress game_b", 1},
        {"start\npress time\nrelease time", 1},
        {"start\npress time\nrelease time\npress time\nrelease time", 2},
        {"start\npress time\nrelease time\npress time\nrelease time\npress time\nrelease time", 3},
        {"start\npress time\nrelease time\npress time\nrelease time\npress time\nrelease time\n"
         "press time\nrelease time\npress time\nrelease time\npress time\nrelease time", 1},  // chrono wraps
        {"start\npress time\npress time\npress time", 1},            // auto-repeat steps once
        {"start\npress time\nrelease time\npress game_a", 6},
        {"start\npress time\nrelease time\npress game_b", 7},
        {"start\npress time\nrelease time\npress game_a\npress game_b\npress time", 6},
        {"start\npress time\nrelease time\npress game_a\nrelease game_b", 6},
        {"start\npress time\nrelease time\npress game_a\nrelease game_a", 8},
        {"start\npress time\nrelease time\npress game_b\nrelease game_b\npress time\npress game_a", 9},
        {"start\npress time\nrelease time\npress left\npress time", 1},  // shared latch held by left
        {"start\npress time\nrelease time\npress left\nrelease left\npress time", 2},
    };
    for (const Case& c : cases) {
        Sim sim;
        sim.run(c.script);
        EXPECT_EQ(sim.num("mode"), c.mode) << c.script;
    }
}

TEST(Modes, ReadyPictureShowsHighScoreAndWaitingHero) {
    Sim sim;
    sim.run("setting HiScore1 1230\nstart\npress time\nrelease time\npress game_a");
    EXPECT_EQ(sim.lit(),
              "lit btn_game_a_down im_enemy_1 im_enemy_2 im_hero_0 im_miss_1 im_panel_game_a im_panel_sound "
              "im_water_tank_1 im_water_tank_2 im_water_tank_3");
    EXPECT_EQ(sim.digits(), "1 2 3 0 .");
    EXPECT_EQ(sim.line("timers"), "timers");  // the count-down waits for the release
}

TEST(Modes, CountDownStartsPlayAfterTheRelease) {
    struct Step { long long at; const char* tanks; const char* digits; int hero; int play; const char* sounds; };
    for (bool game_sound : {true, false}) {
        Sim sim;
        sim.run("setting HiScore1 1230");
        const long long t0 = begin_game(sim, 'a', game_sound);
        const long long first = game_sound ? 4900 : 100;
        const Step steps[] = {
            {first - 1, "123", "1 2 3 0 .", 0, 0, game_sound ? "sounds Start" : "sounds"},
            {first, "12", ". . . 0 .", 0, 0, game_sound ? "sounds Enemy" : "sounds"},
            {first + 499, "12", ". . . 0 .", 0, 0, "sounds"},
            {first + 500, "1", ". . . 0 .", 0, 0, game_sound ? "sounds Enemy" : "sounds"},
            {first + 1000, "", ". . . 0 .", 0, 0, game_sound ? "sounds Enemy" : "sounds"},
            {first + 1499, "", ". . . 0 .", 0, 0, "sounds"},
            {first + 1500, "", ". . . 0 .", 1, 1, "sounds"},
        };
        for (const Step& s : steps) {
            wait_until(sim, t0 + s.at);
            std::string tanks;
            for (char i : {'1', '2', '3'})
                if (sim.is_lit(std::string("im_water_tank_") + i)) tanks += i;
            EXPECT_EQ(tanks, s.tanks) << "at " << s.at << (game_sound ? "" : " silent");
            EXPECT_EQ(sim.digits(), s.digits) << "at " << s.at;
            EXPECT_EQ(sim.num("hero"), s.hero) << "at " << s.at;
            EXPECT_EQ(sim.num("play"), s.play) << "at " << s.at;
            EXPECT_EQ(sim.line("sounds"), s.sounds) << "at " << s.at;
        }
        EXPECT_EQ(sim.line("timers"), "timers Timer_Game=1");
        EXPECT_EQ(sim.is_lit("im_panel_sound"), game_sound);
    }
}

TEST(Modes, NothingSoundsWithoutASoundOutput) {
    Sim sim;
    begin_game(sim, 'b', true, /*output=*/false);
    sim.run("wait 8000");
    EXPECT_EQ(sim.num("game_sound"), 1);
    EXPECT_EQ(sim.line("sounds"), "sounds");
}

}  // namespace
}  // namespace ignivar::test
