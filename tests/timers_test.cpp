#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/timers.h"

namespace ignivar {
namespace {

struct Log {
    std::vector<std::string> fired;
    TimerBank bank{[this](TimerId t) {
        fired.push_back(std::string(timer_name(t)) + "@" + std::to_string(bank.now()));
        if (on_fire) on_fire(t);
    }};
    std::function<void(TimerId)> on_fire;
};

TEST(Timers, IntervalAndEnableSemantics) {
    Log log;
    TimerBank& b = log.bank;
    b.set_interval(TimerId::Game, 300);
    b.set_enabled(TimerId::Game, true);  // due at 300
    b.advance(250);
    b.set_interval(TimerId::Game, 300);  // same value: keeps its rhythm
    b.advance(50);
    EXPECT_EQ(log.fired, (std::vector<std::string>{"Timer_Game@300"}));
    b.advance(100);                       // now 400, next due 600
    b.set_interval(TimerId::Game, 200);  // a new value restarts the count: due 600
    b.advance(150);
    b.set_enabled(TimerId::Game, false);
    b.set_enabled(TimerId::Game, true);  // enabling again restarts too: due 750
    b.advance(250);
    EXPECT_EQ(log.fired, (std::vector<std::string>{"Timer_Game@300", "Timer_Game@750"}));
    EXPECT_EQ(b.next_due(), 950);
}

TEST(Timers, InitiallyDisabledWithOneMillisecond) {
    Log log;
    for (int i = 0; i < kTimerCount; ++i) {
        EXPECT_FALSE(log.bank.enabled(static_cast<TimerId>(i)));
        EXPECT_EQ(log.bank.interval(static_cast<TimerId>(i)), 1);
    }
    log.bank.set_enabled(TimerId::Clock, true);
    log.bank.advance(1);
    EXPECT_EQ(log.fired, (std::vector<std::string>{"Timer_Clock@1"}));
}

TEST(Timers, SameMillisecondFiresInTableOrder) {
    Log log;
    TimerBank& b = log.bank;
    // Armed in reverse order, all due at 100.
    for (int i = kTimerCount - 1; i >= 0; --i) {
        b.set_interval(static_cast<TimerId>(i), 100);
        b.set_enabled(static_cast<TimerId>(i), true);
    }
    // A handler that stops a later timer due at the same moment wins.
    log.on_fire = [&](TimerId t) {
        if (t == TimerId::Game) b.set_enabled(TimerId::Shot, false);
        b.set_enabled(t, false);
    };
    b.advance(100);
    EXPECT_EQ(log.fired, (std::vector<std::string>{
                             "Timer_Startup@100", "Timer_Clock@100", "Timer_Date@100", "Timer_Game_Start@100",
                             "Timer_Game@100", "Timer_Miss@100", "Timer_Intermission@100", "Timer_Game_Over@100"}));
}

TEST(Timers, EachFiringHappensAtItsOwnTime) {
    Log log;
    TimerBank& b = log.bank;
    b.set_interval(TimerId::Shot, 50);
    b.set_enabled(TimerId::Shot, true);
    b.set_interval(TimerId::Game, 120);
    b.set_enabled(TimerId::Game, true);
    b.advance(250);
    EXPECT_EQ(log.fired, (std::vector<std::string>{"Timer_Shot@50", "Timer_Shot@100", "Timer_Game@120",
                                                    "Timer_Shot@150", "Timer_Shot@200", "Timer_Game@240",
                                                    "Timer_Shot@250"}));
}

TEST(Timers, CatchUpAfterAStallFiresOnceAndGoesOn) {
    Log log;
    TimerBank& b = log.bank;
    b.set_interval(TimerId::Clock, 1000);
    b.set_enabled(TimerId::Clock, true);
    b.catch_up(60'500);  // sixty periods missed
    EXPECT_EQ(log.fired, (std::vector<std::string>{"Timer_Clock@60500"}));
    EXPECT_EQ(b.next_due(), 61'500);
}

}  // namespace
}  // namespace ignivar
