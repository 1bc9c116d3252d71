// The hero, shots, hits, intermissions and the press latches.
#include <gtest/gtest.h>

#include "harness.h"

namespace ignivar::test {
namespace {

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

}  // namespace
}  // namespace ignivar::test
