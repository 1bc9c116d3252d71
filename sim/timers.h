// The unit's nine timers on a virtual millisecond clock.
//
// A timer is an interval and an enabled flag. Setting a different interval,
// or enabling a disabled timer, restarts its count from now; setting the
// interval it already has keeps its rhythm. Advancing the clock fires the
// due timers in time order, each at its own due time; timers due at the same
// millisecond fire in the order of the enum below.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string_view>

namespace ignivar {

enum class TimerId : std::uint8_t {
    Startup, Clock, Date, GameStart, Game, Shot, Miss, Intermission, GameOver, Count
};
inline constexpr int kTimerCount = static_cast<int>(TimerId::Count);

std::string_view timer_name(TimerId t);  // "Timer_Game_Start" ...

using Millis = std::int64_t;
// How far virtual time may run: about 7900 years, so that the local time
// the watch derives from it and every timer's due time stay representable.
inline constexpr Millis kMaxVirtualMillis = 250'000'000'000'000;

class TimerBank {
public:
    using Handler = std::function<void(TimerId)>;

    explicit TimerBank(Handler on_fire) : on_fire_(std::move(on_fire)) {}

    void set_interval(TimerId t, int ms);
    void set_enabled(TimerId t, bool on);
    int interval(TimerId t) const { return slot(t).interval; }
    bool enabled(TimerId t) const { return slot(t).enabled; }
    Millis due(TimerId t) const { return slot(t).due; }

    Millis now() const { return now_; }

    // Advances virtual time by `ms`, firing every timer that falls due on
    // the way at its exact due time.
    void advance(Millis ms);

    // Moves the clock to `target` the way a platform timer loop does after a
    // stall: a timer that fell due in the past fires once (at `target`) and
    // goes on from there, instead of replaying every missed period.
    void catch_up(Millis target);

    // The earliest due time among enabled timers, or -1 when none is enabled.
    Millis next_due() const;

    std::uint64_t firings() const { return firings_; }

    // One timer as saved and given back.
    struct SlotState {
        int interval = 1;
        bool enabled = false;
        Millis due = 0;
    };
    SlotState slot_state(TimerId t) const { return {slot(t).interval, slot(t).enabled, slot(t).due}; }
    // Puts the clock and every timer as they were when saved.
    void restore(Millis now, const std::array<SlotState, kTimerCount>& slots);

    // Told of every firing before its handler runs (for measurements).
    void set_fire_observer(Handler observer) { observer_ = std::move(observer); }

private:
    struct Slot {
        int interval = 1;
        bool enabled = false;
        Millis due = 0;
    };
    Slot& slot(TimerId t) { return slots_[static_cast<int>(t)]; }
    const Slot& slot(TimerId t) const { return slots_[static_cast<int>(t)]; }
    int next_index() const;
    void fire(int index);

    std::array<Slot, kTimerCount> slots_{};
    Millis now_ = 0;
    std::uint64_t firings_ = 0;
    Handler on_fire_;
    Handler observer_;
};

}  // namespace ignivar
