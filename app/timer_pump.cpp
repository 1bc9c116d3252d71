// The host's wake-ups on the event loop.
#include "app/timer_pump.h"

#include <algorithm>

namespace ignivar::app {

TimerPump::TimerPump(host::Host& host, host::RealTime& time, QObject* parent)
    : QObject(parent), host_(host), time_(time) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { host_.sync(); });
    host_.on_wake([this](std::optional<Millis> due) { arm(due); });
    arm(host_.next_due());
}

void TimerPump::arm(std::optional<Millis> due) {
    const auto left = due ? time_.until(*due) : std::nullopt;
    if (!left) {
        timer_.stop();  // nothing runs, or time stands still
        return;
    }
    // Platform timers wake up to a millisecond late, so sleep for the whole
    // milliseconds left and let the last fraction pass in the event loop.
    const long long wait_ms = std::chrono::duration_cast<std::chrono::milliseconds>(*left).count();
    timer_.start(static_cast<int>(std::min<long long>(wait_ms, 24LL * 3600 * 1000)));
}

}  // namespace ignivar::app
