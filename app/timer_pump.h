// Drives the unit's virtual clock from the monotonic clock: one precise
// single-shot timer is armed for the next due time, so the process sleeps
// between firings. A timer that is late by more than a moment (the machine
// was suspended, the loop stalled) fires once and goes on from then, as
// platform timers do, instead of replaying every missed period.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "sim/timers.h"

namespace ignivar::app {

class TimerPump : public QObject {
    Q_OBJECT
public:
    // `after` runs after every pass that may have changed the unit.
    TimerPump(TimerBank& bank, std::function<void()> after, QObject* parent = nullptr);

    // Runs everything due by now and re-arms the timer. Input handlers call
    // it first, so that they act at the present moment.
    void sync();
    // Re-arms after a handler outside the pump changed the timers.
    void rearm();

    // A firing is due and the timer is waiting for it.
    bool armed() const { return timer_.isActive(); }

    // Virtual milliseconds now.
    Millis virtual_now() const;

    static constexpr Millis kLateLimit = 100;

private:
    TimerBank& bank_;
    std::function<void()> after_;
    QTimer timer_;
    QElapsedTimer clock_;
    Millis origin_;
};

}  // namespace ignivar::app
