// How the unit's virtual milliseconds follow the world: the desktop's
// monotonic clock, time that passes only when a script or a test says so,
// or whole frames of a front end that calls sixty times a second.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

#include "sim/timers.h"

namespace ignivar::host {

class TimeSource {
public:
    virtual ~TimeSource() = default;
    // Virtual milliseconds now, as far as the world outside goes.
    virtual Millis now() const = 0;
    // Puts the clock at a moment (a saved game loaded): it goes on from there.
    virtual void set(Millis now) = 0;
    // The part of a millisecond past now(), as a fraction, for clocks that
    // keep finer time (frames at 60 a second end a third of a millisecond
    // apart); saved with the unit so that a loaded game runs on exactly.
    struct Fraction {
        std::uint32_t num = 0, den = 1;
    };
    virtual Fraction fraction() const { return {}; }
    virtual void set(Millis now, Fraction) { set(now); }
    // Stops time (a paused game) or lets it go on; only a clock that runs by
    // itself needs to.
    virtual void freeze(bool) {}
    // How late a timer may fall before it fires once and goes on from then,
    // as platform timers do after a stall, instead of replaying every missed
    // period. None where time is exact.
    virtual std::optional<Millis> late_limit() const { return std::nullopt; }
};

// The monotonic clock, in milliseconds from where it was set; frozen while
// paused, so that the time a pause took never reaches the unit.
class RealTime : public TimeSource {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Millis kLateLimit = 100;

    explicit RealTime(Millis start = 0) : origin_(Clock::now()), base_(start) {}

    Millis now() const override;
    void set(Millis now) override;
    std::optional<Millis> late_limit() const override { return kLateLimit; }

    // How long, in the world, until virtual time reaches `when` (zero when
    // it has); while frozen, never.
    std::optional<std::chrono::nanoseconds> until(Millis when) const;

    void freeze(bool frozen) override;
    bool frozen() const { return frozen_; }

private:
    Clock::time_point origin_;
    Millis base_;
    bool frozen_ = false;
};

// Time that passes only when told: the headless driver's `wait`, tests.
class ManualTime : public TimeSource {
public:
    Millis now() const override { return now_; }
    void set(Millis now) override { now_ = now; }
    void advance(Millis ms) { now_ += ms; }

private:
    Millis now_ = 0;
};

// Whole frames at a fixed rate, exact over any number of them: at 60 a
// second, frames end at 16 1/3, 33 1/3, 50 ... ms, and every 60th exactly
// on a second. Kept in 1/rate ms, so that nothing is rounded away.
class FrameTime : public TimeSource {
public:
    explicit FrameTime(int rate = 60) : rate_(static_cast<std::uint32_t>(rate)) {}

    Millis now() const override { return static_cast<Millis>(units_ / rate_); }
    void set(Millis now) override { units_ = static_cast<std::uint64_t>(now) * rate_; }
    Fraction fraction() const override { return {static_cast<std::uint32_t>(units_ % rate_), rate_}; }
    void set(Millis now, Fraction f) override {
        set(now);
        if (f.den > 0 && f.num < f.den) units_ += static_cast<std::uint64_t>(f.num) * rate_ / f.den;
    }
    // One frame on.
    void step() { units_ += 1000; }
    int rate() const { return static_cast<int>(rate_); }

private:
    std::uint32_t rate_;
    std::uint64_t units_ = 0;
};

}  // namespace ignivar::host
