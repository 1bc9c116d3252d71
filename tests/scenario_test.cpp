// Whole sequences of the unit, driven as a player would through the driver.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "harness.h"

namespace ignivar::test {
namespace {

// Powers on, goes to time 1 and starts a game; returns the time of the game
// button's release.
long long begin_game(Sim& sim, char game, bool game_sound, bool output = true) {
    sim.run("start\npress time\nrelease time");
    if (output) sim.run("sound on");
    const std::string b = game == 'a' ? "game_a" : "game_b";
    sim.run("press " + b);
    if (!game_sound) sim.run("press left\nrelease left");
    sim.run("release " + b);
    return sim.now();
}

void wait_until(Sim& sim, long long t) {
    const long long now = sim.now();
    ASSERT_GE(t, now);
    sim.run("wait " + std::to_string(t - now));
}

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

// Starts game A and waits until play begins; the first tick is due 1 ms later.
long long play_from_start(Sim& sim) {
    const long long t0 = begin_game(sim, 'a', true);
    wait_until(sim, t0 + 6400);
    sim.run("sounds");
    return sim.now();
}

// Puts flames on the grid and on the display, as the game tick would.
void place_flames(Sim& sim, int lane, std::initializer_list<int> positions) {
    Unit& u = sim.unit();
    for (int pos : positions) {
        u.mutable_state().cell(lane, pos) = 1;
        u.display().Vid_Show_Segment(flame_seg(lane, pos), true);
    }
}

TEST(Shots, ShotIntoAnEmptyLaneRisesAndEnds) {
    Sim sim;
    const long long s = play_from_start(sim);
    sim.run("press shoot_left");
    EXPECT_EQ(sim.line("timers"), "timers Timer_Shot=1");
    for (int pos = 1; pos <= 5; ++pos) {
        wait_until(sim, s + 1 + 50 * (pos - 1));
        for (int p = 1; p <= 5; ++p)
            EXPECT_EQ(sim.is_lit("im_shot_1_" + std::to_string(p)), p <= pos) << pos << " " << p;
    }
    wait_until(sim, s + 251);
    EXPECT_EQ(sim.lit().find("im_shot"), std::string::npos);
    EXPECT_EQ(sim.line("timers"), "timers Timer_Game=1");
    wait_until(sim, s + 252);  // the tick follows at once and starts with lane 1
    EXPECT_EQ(sim.state("grid"), "00001,00000,00000");
    EXPECT_EQ(sim.line("sounds"), "sounds Shot Enemy");
}

TEST(Shots, HitPutsOutTheNearestFlameOnly) {
    Sim sim;
    const long long s = play_from_start(sim);
    sim.run("press right\nrelease right");
    place_flames(sim, 2, {2, 4});
    sim.run("coin 1\npress shoot_right\nrelease shoot_right\npress left");  // moving does not steer the shot
    wait_until(sim, s + 51);
    EXPECT_EQ(sim.num("shot_step"), 10);
    EXPECT_TRUE(sim.is_lit("im_shot_2_2"));
    EXPECT_TRUE(sim.is_lit("im_flame_2_2"));
    wait_until(sim, s + 150);
    EXPECT_EQ(sim.num("score"), 0);
    EXPECT_EQ(sim.line("sounds"), "sounds Shot Shot");
    wait_until(sim, s + 151);
    EXPECT_EQ(sim.num("score"), 10);
    EXPECT_EQ(sim.digits(), ". . 1 0 .");
    EXPECT_EQ(sim.state("grid"), "00000,00010,00000");
    EXPECT_EQ(sim.num("lane"), 2);
    EXPECT_EQ(sim.line("timers"), "timers Timer_Game=10");
    wait_until(sim, s + 161);  // the next tick processes the lane to the right
    EXPECT_EQ(sim.num("lane"), 3);
    EXPECT_EQ(sim.num("hero"), 1);
}

TEST(Shots, ThousandPointsStartAnIntermission) {
    struct Case { int score_before; const char* digits; };
    for (const Case& c : {Case{990, "1 0 0 0 ."}, Case{9990, ". . . 0 ."}}) {
        Sim sim;
        const long long s = play_from_start(sim);
        sim.unit().mutable_state().score = c.score_before;
        place_flames(sim, 1, {3});
        sim.run("press shoot_left");
        wait_until(sim, s + 201);  // hit found at position 3 at s+101
        EXPECT_EQ(sim.digits(), c.digits);
        EXPECT_EQ(sim.num("play"), 0);
        EXPECT_EQ(sim.line("timers"), "timers Timer_Intermission=150");
        EXPECT_TRUE(sim.is_lit("im_flame_1_3"));  // still lit until the first step
        EXPECT_TRUE(sim.is_lit("im_shot_1_3"));
        sim.run("release shoot_left\npress right\nrelease right");  // no moving now
        wait_until(sim, s + 351);
        EXPECT_EQ(sim.state("grid"), "00000,00000,00000");
        EXPECT_EQ(sim.lit().find("im_shot"), std::string::npos);
        EXPECT_TRUE(sim.is_lit("im_hero_0"));
        EXPECT_EQ(sim.num("hero"), 0);
        const char* tanks[] = {"111", "110", "100", "000"};
        for (int i = 0; i < 4; ++i) {
            wait_until(sim, s + 351 + 500 * i);
            std::string lit;
            for (char n : {'1', '2', '3'}) lit += sim.is_lit(std::string("im_water_tank_") + n) ? '1' : '0';
            EXPECT_EQ(lit, tanks[i]) << "step " << i + 1;
        }
        wait_until(sim, s + 2350);
        EXPECT_EQ(sim.num("play"), 0);
        wait_until(sim, s + 2351);  // 2150 ms after the scoring shot
        EXPECT_EQ(sim.num("play"), 1);
        EXPECT_EQ(sim.num("hero"), 1);
        wait_until(sim, s + 2352);
        EXPECT_EQ(sim.state("grid"), "00001,00000,00000");
        EXPECT_EQ(sim.line("timers"), "timers Timer_Game=310");
        EXPECT_EQ(sim.num("limit"), 1);
        EXPECT_EQ(sim.digits(), c.digits);
    }
}

TEST(Shots, LatchesAndAutoRepeat) {
    struct Case { const char* name; const char* script; int hero; int shot_step; const char* lit_buttons; };
    const Case cases[] = {
        {"held right moves once", "press right\npress right\npress right", 2, 0, "btn_right_down"},
        {"a new press moves again", "press right\nrelease right\npress right", 3, 0, "btn_right_down"},
        {"no way past lane 3", "press right\nrelease right\npress right\nrelease right\npress right", 3, 0,
         "btn_right_down"},
        {"no way past lane 1", "press left", 1, 0, "btn_left_down"},
        {"left held blocks right", "press left\npress right", 1, 0, "btn_left_down btn_right_down"},
        {"left held blocks shoot", "press left\npress shoot_left", 1, 0, "btn_left_down btn_shoot_left_down"},
        {"shoot after left's release", "press left\nrelease left\npress shoot_left", 1, 1, "btn_shoot_left_down"},
        {"the other shoot button is blocked too", "press shoot_left\nwait 300\npress shoot_right", 1, 0,
         "btn_shoot_left_down btn_shoot_right_down"},
        {"holding shoot fires once", "press shoot_left\nwait 300\npress shoot_left", 1, 0, "btn_shoot_left_down"},
        {"each shoot release clears the latch", "press shoot_left\nwait 300\nrelease shoot_right\npress shoot_left",
         1, 1, "btn_shoot_left_down"},
        {"no second shot while one flies", "press shoot_left\nrelease shoot_left\nwait 60\npress shoot_left", 1, 3,
         "btn_shoot_left_down"},
    };
    for (const Case& c : cases) {
        Sim sim;
        play_from_start(sim);
        sim.run("coin 1111111111");
        sim.run(c.script);
        EXPECT_EQ(sim.num("hero"), c.hero) << c.name;
        EXPECT_EQ(sim.num("shot_step"), c.shot_step) << c.name;
        EXPECT_EQ(sim.lit_buttons(), c.lit_buttons) << c.name;
    }
}

TEST(Shots, OutsidePlayTheHeroStaysAndShootSetsNoLatch) {
    Sim sim;
    begin_game(sim, 'a', true);
    sim.run("press shoot_left\npress right\nrelease right\npress shoot_left");
    EXPECT_EQ(sim.num("hero"), 0);
    EXPECT_EQ(sim.num("shot_step"), 0);
    EXPECT_EQ(sim.num("latch"), 0);  // the shoot presses set nothing; right's release cleared its own
}

// Plays until the next miss is detected; returns the time of the detecting tick.
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

TEST(Watch, ClockShowsTwelveHourTime) {
    struct Case { const char* time; const char* digits; bool am; };
    const Case cases[] = {
        {"00:00:00", "1 2 0 0 .", true},  {"12:00:00", "1 2 0 0 .", false}, {"23:59:59", "1 1 5 9 .", false},
        {"10:07:00", "1 0 0 7 .", true},  {"01:30:00", ". 1 3 0 .", true},  {"09:05:00", ". 9 0 5 .", true},
        {"13:00:00", ". 1 0 0 .", false},
    };
    for (const Case& c : cases) {
        Sim sim;
        sim.run(std::string("clock 2026-03-05 ") + c.time + "\nstart\npress time\nwait 1");
        EXPECT_EQ(sim.digits(), c.digits) << c.time;
        EXPECT_EQ(sim.is_lit("im_panel_time_am"), c.am) << c.time;
        EXPECT_EQ(sim.is_lit("im_panel_time_pm"), !c.am) << c.time;
        EXPECT_FALSE(sim.is_lit("im_panel_bell"));
    }
}

TEST(Watch, DateShowsMonthAndDay) {
    struct Case { const char* date; const char* digits; };
    const Case cases[] = {{"2027-01-01", ". 1 . 1 ."}, {"2026-10-10", "1 0 1 0 ."}, {"2026-12-25", "1 2 2 5 ."},
                          {"2026-03-05", ". 3 . 5 ."}, {"2024-02-29", ". 2 2 9 ."}};
    for (const Case& c : cases) {
        Sim sim;
        sim.run(std::string("clock ") + c.date + " 15:00:00\nstart\npress time\nrelease time");
        sim.run("press time\nrelease time\npress time\nrelease time\npress time\nrelease time\nwait 1");
        EXPECT_EQ(sim.num("mode"), 4);
        EXPECT_EQ(sim.digits(), c.digits) << c.date;
        EXPECT_EQ(sim.lit(), "lit im_panel_date im_panel_time_colon") << c.date;
    }
}

TEST(Watch, ModesAndRedrawRhythm) {
    Sim sim;
    sim.run("clock 2026-12-31 12:59:58\nstart\npress time\nrelease time\nwait 1");
    EXPECT_EQ(sim.digits(), "1 2 5 9 .");
    sim.run("press time\nrelease time");  // time 2 keeps the running clock
    EXPECT_EQ(sim.lit(), "lit im_panel_time_2 im_panel_time_colon im_panel_time_pm");
    sim.run("wait 1000");
    EXPECT_EQ(sim.digits(), "1 2 5 9 .");
    sim.run("wait 1000");  // 13:00:00 reached at the redraw one second later
    EXPECT_EQ(sim.digits(), ". 1 0 0 .");
    EXPECT_EQ(sim.line("timers"), "timers Timer_Clock=1000");
    sim.run("press time\nrelease time");
    EXPECT_EQ(sim.lit(), "lit im_panel_alarm im_panel_time_am im_panel_time_colon");
    EXPECT_EQ(sim.digits(), "1 2 0 0 .");
    EXPECT_EQ(sim.line("timers"), "timers");
    sim.run("press time\nrelease time\nwait 1");
    EXPECT_EQ(sim.digits(), "1 2 3 1 .");  // the date; the am mark went dark
    sim.run("press time\nrelease time\nwait 5000");
    EXPECT_EQ(sim.lit(), "lit im_panel_chrono im_panel_time_colon");
    EXPECT_EQ(sim.digits(), "0 0 0 0 s0");
    EXPECT_EQ(sim.line("timers"), "timers");
}

// A whole game of game B with every coin forced and shots fired on a fixed
// schedule: the output must not depend on the generator's seed.
std::string scripted_game(std::uint32_t seed) {
    Sim sim(seed);
    std::string script = "sound on\nstart\nclock 2026-12-08 10:00:00\npress time\nrelease time\n";
    std::string coins;
    for (int i = 0; i < 600; ++i) coins += "0110100110010110"[i % 16];
    script += "coin " + coins + "\npress game_b\nrelease game_b\n";
    const char* moves[] = {"right", "shoot_left", "left", "shoot_right", "right", "right", "shoot_left"};
    for (int i = 0; i < 400; ++i) {
        const std::string b = moves[i % 7];
        script += "wait 173\npress " + b + "\nwait 20\nrelease " + b + "\nshow\nstate\nsounds\n";
    }
    script += "wait 60000\nshow\nstate\nsettings\n";
    return sim.run(script);
}

TEST(Replay, CoinScriptedGameIsFullyRepeatable) {
    const std::string first = scripted_game(1);
    EXPECT_EQ(first, scripted_game(987654));
    EXPECT_NE(first.find("mode 10"), std::string::npos);  // the game did end
    EXPECT_TRUE(std::regex_search(first, std::regex(" score=[1-9]")));  // and it scored
}

TEST(Driver, ContractErrorsAndComments) {
    Sim sim;
    const std::string out = sim.run(
        "# a comment\n\nstart\nfly away\npress set\nwait -5\nclock 2026-02-30 10:00:00\ncoin 012\n"
        "setting Key1 5\nnow\n");
    EXPECT_EQ(out,
              "error: unknown command 'fly away'\n"
              "error: unknown button 'set'\n"
              "error: usage: wait MS\n"
              "error: usage: clock YYYY-MM-DD HH:MM:SS (a real date and time)\n"
              "error: usage: coin BITS (a string of 0 and 1)\n"
              "error: 'setting' lines must come before every other command\n"
              "now 0\n");
    EXPECT_FALSE(sim.last_ok);
}

}  // namespace
}  // namespace ignivar::test
