// The unit's virtual clock driven by one precise single-shot timer.
#include "app/timer_pump.h"

namespace ignivar::app {

TimerPump::TimerPump(TimerBank& bank, std::function<void()> after, QObject* parent)
    : QObject(parent), bank_(bank), after_(std::move(after)), origin_(bank.now()) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TimerPump::sync);
}

Millis TimerPump::virtual_now() const { return origin_ + clock_.nsecsElapsed() / 1'000'000; }

void TimerPump::sync() {
    const Millis target = virtual_now();
    for (;;) {
        const Millis due = bank_.next_due();
        if (due < 0 || due > target) {
            if (target > bank_.now()) bank_.advance(target - bank_.now());
            break;
        }
        if (target - due > kLateLimit) {
            bank_.catch_up(target);
            continue;  // handlers re-arm strictly after `target`
        }
        bank_.advance(due - bank_.now());  // fires everything due at `due`
    }
    if (after_) after_();
    rearm();
}

void TimerPump::rearm() {
    const Millis due = bank_.next_due();
    if (due < 0) {
        timer_.stop();
        return;
    }
    // Platform timers wake up to a millisecond late, so sleep for the whole
    // milliseconds left and let the last fraction pass in the event loop.
    const qint64 left_ns = (due - origin_) * 1'000'000 - clock_.nsecsElapsed();
    const qint64 wait_ms = std::max<qint64>(0, left_ns / 1'000'000);
    timer_.start(static_cast<int>(std::min<qint64>(wait_ms, 24LL * 3600 * 1000)));
}

}  // namespace ignivar::app
