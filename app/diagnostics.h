// What the program reports on itself for measuring it: the time from start
// to the first painted frame and its phases (IGNIVAR_FIRST_PAINT=1) and a line per timer
// firing (IGNIVAR_TIMER_LOG=FILE).
#pragma once

#include <cstdio>
#include <string_view>

#include "sim/timers.h"

namespace ignivar::app {

// When the process started, for the time-to-first-frame figures.
void mark_process_start();
double ms_since_process_start();

// Prints "start: <phase> N ms" when the first-frame report is asked for,
// to see where the time before it goes.
void report_start_phase(std::string_view phase);

// Prints "<what> painted N ms after start" once, when asked to.
class FirstPaintReport {
public:
    explicit FirstPaintReport(std::string_view what) : what_(what) {}
    void painted();

private:
    std::string_view what_;
    bool done_ = false;
};

// Writes every timer firing of `bank` to the file IGNIVAR_TIMER_LOG names.
class TimerLog {
public:
    explicit TimerLog(TimerBank& bank);
    ~TimerLog();
    TimerLog(const TimerLog&) = delete;
    TimerLog& operator=(const TimerLog&) = delete;

private:
    std::FILE* file_ = nullptr;
};

}  // namespace ignivar::app
