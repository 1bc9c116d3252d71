// The program's reports on itself: first painted frames and the timer log.
#include "app/diagnostics.h"

#include <chrono>
#include <cstdlib>
#include <string>

namespace ignivar::app {
namespace {

std::chrono::steady_clock::time_point g_start = std::chrono::steady_clock::now();

}  // namespace

void mark_process_start() { g_start = std::chrono::steady_clock::now(); }

double ms_since_process_start() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start).count();
}

void report_start_phase(std::string_view phase) {
    if (const char* v = std::getenv("IGNIVAR_FIRST_PAINT"); v && *v)
        std::fprintf(stderr, "start: %.*s %.1f ms\n", static_cast<int>(phase.size()), phase.data(),
                     ms_since_process_start());
}

void FirstPaintReport::painted() {
    if (done_) return;
    done_ = true;
    if (const char* v = std::getenv("IGNIVAR_FIRST_PAINT"); v && *v)
        std::fprintf(stderr, "first %.*s painted %.1f ms after start\n", static_cast<int>(what_.size()), what_.data(),
                     ms_since_process_start());
}

TimerLog::TimerLog(TimerBank& bank) {
    const char* path = std::getenv("IGNIVAR_TIMER_LOG");
    if (!path || !*path) return;
    file_ = std::fopen(path, "w");
    if (!file_) {
        std::fprintf(stderr, "ignivar: cannot write the timer log %s\n", path);
        return;
    }
    bank.set_fire_observer([this](TimerId t) {
        std::fprintf(file_, "%.3f %s\n", ms_since_process_start(), std::string(timer_name(t)).c_str());
    });
}

TimerLog::~TimerLog() {
    if (file_) std::fclose(file_);
}

}  // namespace ignivar::app
