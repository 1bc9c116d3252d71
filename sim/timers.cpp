#include "sim/timers.h"

namespace ignivar {

std::string_view timer_name(TimerId t) {
    static constexpr std::string_view names[kTimerCount] = {
        "Timer_Startup", "Timer_Clock", "Timer_Date", "Timer_Game_Start", "Timer_Game",
        "Timer_Shot", "Timer_Miss", "Timer_Intermission", "Timer_Game_Over"};
    return names[static_cast<int>(t)];
}

void TimerBank::set_interval(TimerId t, int ms) {
    Slot& s = slot(t);
    if (ms < 1) ms = 1;  // the platform's shortest interval
    if (s.interval == ms) return;
    s.interval = ms;
    if (s.enabled) s.due = now_ + ms;
}

void TimerBank::set_enabled(TimerId t, bool on) {
    Slot& s = slot(t);
    if (on == s.enabled) return;
    s.enabled = on;
    if (on) s.due = now_ + s.interval;
}

int TimerBank::next_index() const {
    int best = -1;
    for (int i = 0; i < kTimerCount; ++i) {
        if (!slots_[i].enabled) continue;
        // Strictly earlier wins, so equal due times keep the table order.
        if (best < 0 || slots_[i].due < slots_[best].due) best = i;
    }
    return best;
}

Millis TimerBank::next_due() const {
    const int i = next_index();
    return i < 0 ? -1 : slots_[i].due;
}

void TimerBank::fire(int index) {
    Slot& s = slots_[index];
    // The next periodic firing, unless the handler re-times or stops it.
    s.due = now_ + s.interval;
    ++firings_;
    if (observer_) observer_(static_cast<TimerId>(index));
    on_fire_(static_cast<TimerId>(index));
}

void TimerBank::restore(Millis now, const std::array<SlotState, kTimerCount>& slots) {
    now_ = now;
    for (int i = 0; i < kTimerCount; ++i) slots_[i] = {slots[i].interval, slots[i].enabled, slots[i].due};
}

void TimerBank::advance(Millis ms) {
    const Millis target = now_ + (ms > 0 ? ms : 0);
    for (;;) {
        const int i = next_index();
        if (i < 0 || slots_[i].due > target) break;
        now_ = slots_[i].due;
        fire(i);
    }
    now_ = target;
}

void TimerBank::catch_up(Millis target) {
    if (target < now_) return;
    // Fire each late timer once, in due order, all at `target`; timers that
    // a handler (re)arms during this pass are due strictly after `target`.
    now_ = target;
    std::array<bool, kTimerCount> fired{};
    for (;;) {
        int best = -1;
        for (int i = 0; i < kTimerCount; ++i) {
            if (fired[i] || !slots_[i].enabled || slots_[i].due > target) continue;
            if (best < 0 || slots_[i].due < slots_[best].due) best = i;
        }
        if (best < 0) break;
        fired[best] = true;
        fire(best);
    }
}

}  // namespace ignivar
