// The watch: time, date, alarm and chronograph faces and their redraw rhythm.
#include <gtest/gtest.h>

#include "harness.h"

namespace ignivar::test {
namespace {

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

}  // namespace
}  // namespace ignivar::test
