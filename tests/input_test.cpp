#include <gtest/gtest.h>

#include "harness.h"
#include "input/controls.h"
#include "input/keys.h"

namespace ignivar::test {
namespace {

using input::key_entry;

TEST(KeyTable, NamesAndCodes) {
    struct Case { int index; const char* name; int code; };
    const Case cases[] = {
        {1, "'0'", 0x30},  {2, "'1'", 0x31},   {10, "'9'", 0x39},  {11, "'A'", 0x41},
        {36, "'Z'", 0x5A}, {37, "'up arrow' key", 0x26},   {38, "'down arrow' key", 0x28},
        {39, "'left arrow' key", 0x25},        {40, "'right arrow' key", 0x27},
        {41, "'alt' key", 0x12},   {42, "'ctrl' key", 0x11}, {43, "'shift' key", 0x10}, {44, "'spacebar'", 0x20},
    };
    for (const Case& c : cases) {
        ASSERT_NE(key_entry(c.index), nullptr) << c.index;
        EXPECT_EQ(key_entry(c.index)->name, c.name);
        EXPECT_EQ(key_entry(c.index)->code, c.code) << c.name;
        EXPECT_EQ(input::key_index_of_code(static_cast<std::uint16_t>(c.code)), c.index);
    }
    EXPECT_EQ(key_entry(0), nullptr);
    EXPECT_EQ(key_entry(45), nullptr);
}

TEST(Bindings, AssignWordKeepsTheCodeForAnIndexOutsideTheTable) {
    input::Bindings b;
    b.AssignWord(4, 99);
    EXPECT_EQ(b.key_code(4), 0);  // no key at all
    b.AssignWord(4, 39);
    EXPECT_EQ(b.key_code(4), 0x25);
    b.AssignWord(4, 0);
    EXPECT_EQ(b.key_index(4), 0);
    EXPECT_EQ(b.key_code(4), 0x25);  // the code it had
}

TEST(Bindings, FirstRunStoresDefaultsAndHints) {
    Sim sim;
    EXPECT_EQ(sim.line("settings"), "settings Key1=2 Key2=3 Key3=4 Key4=39 Key5=40 Key6=42 Key7=41");
    EXPECT_EQ(sim.run("hints"),
              "hint btn_game_a_top click or press '1' to start game A\n"
              "hint btn_game_b_top click or press '2' to start game B\n"
              "hint btn_time_top click or press '3' to switch mode\n"
              "hint btn_set_top button disabled\n"
              "hint btn_left_top click or press 'left arrow' key\n"
              "hint btn_right_top click or press 'right arrow' key\n"
              "hint btn_shoot_left_top click or press 'ctrl' key\n"
              "hint btn_shoot_right_top click or press 'alt' key\n");
}

TEST(Bindings, StoredKeysDriveTheButtons) {
    Sim sim;
    sim.run("setting Key1 44\nsetting Key3 11\nsetting Key4 0\nsetting Key5 39");
    const std::string hints = sim.run("hints");
    EXPECT_NE(hints.find("hint btn_game_a_top click or press 'spacebar' to start game A\n"), std::string::npos);
    EXPECT_NE(hints.find("hint btn_left_top click\n"), std::string::npos);  // no key for it
    EXPECT_NE(hints.find("hint btn_right_top click or press 'left arrow' key\n"), std::string::npos);
    EXPECT_EQ(sim.line("settings"), "settings Key1=44 Key2=3 Key3=11 Key4=0 Key5=39 Key6=42 Key7=41");
}

TEST(Routing, KeyEvents) {
    struct Case { const char* name; const char* settings; const char* keys; int mode; int hero; const char* lit_buttons; };
    const Case cases[] = {
        {"'1' shows game A and runs its press", "", "key down 49", 6, 0, "btn_game_a_down"},
        {"its release hides it and starts the game", "", "key down 49\nkey up 49", 8, 0, ""},
        {"shift, space and letters do nothing", "", "key down 16\nkey down 32\nkey down 65\nkey down 112", 1, 0, ""},
        {"numeric keypad codes do nothing", "", "key down 97\nkey down 98", 1, 0, ""},
        {"rebound time key", "setting Key3 11\n", "key down 51\nkey down 65", 2, 0, "btn_time_down"},
        {"a key index outside the table leaves no key", "setting Key1 45\n", "key down 49\nkey down 0", 1, 0, ""},
        {"two bindings on one key: the lower acts", "setting Key5 39\n", "press game_b\nkey down 37", 7, 0,
         "btn_game_b_down btn_left_down"},
    };
    for (const Case& c : cases) {
        Sim sim;
        sim.run(c.settings);
        sim.run("start\npress time\nrelease time");
        sim.run(c.keys);
        EXPECT_EQ(sim.num("mode"), c.mode) << c.name;
        EXPECT_EQ(sim.num("hero"), c.hero) << c.name;
        EXPECT_EQ(sim.lit_buttons(), c.lit_buttons) << c.name;
    }
}

TEST(Routing, ShootKeysDuringPlay) {
    Sim sim;
    sim.run("start\npress time\nrelease time\nkey down 49\nkey up 49\nwait 6400\ncoin 11111111");
    // Ctrl held, then Alt while Ctrl is still held: one shot, both pictures.
    sim.run("key down 17\nkey down 18\nkey down 18");
    EXPECT_EQ(sim.num("shot_step"), 1);
    EXPECT_TRUE(sim.is_lit("btn_shoot_left_down"));
    EXPECT_TRUE(sim.is_lit("btn_shoot_right_down"));
    sim.run("wait 300\nkey up 18");
    EXPECT_FALSE(sim.is_lit("btn_shoot_right_down"));
    EXPECT_TRUE(sim.is_lit("btn_shoot_left_down"));
    // Alt's release cleared the shared latch: Ctrl's next repeat acts afresh.
    sim.run("key down 17");
    EXPECT_EQ(sim.num("shot_step"), 1);
    sim.run("wait 300\nkey up 17\nkey down 39\nkey down 39\nkey down 39");
    EXPECT_EQ(sim.num("hero"), 2);  // a held arrow moves once
}

TEST(Routing, MouseOnButtonAreas) {
    Sim sim;
    input::Controls controls(sim.unit());
    sim.run("start\npress time\nrelease time");
    controls.mouse_down(input::Button::Time, input::MouseButton::Right);
    EXPECT_EQ(sim.num("mode"), 1);  // the right button presses nothing
    controls.mouse_down(input::Button::Set, input::MouseButton::Left);
    EXPECT_EQ(sim.num("mode"), 1);
    controls.mouse_down(input::Button::Time, input::MouseButton::Left);
    EXPECT_EQ(sim.num("mode"), 2);
    EXPECT_TRUE(sim.is_lit("btn_time_down"));
    controls.mouse_up(input::Button::Time, input::MouseButton::Left);
    EXPECT_FALSE(sim.is_lit("btn_time_down"));
    EXPECT_EQ(sim.num("latch"), 0);
}

}  // namespace
}  // namespace ignivar::test
