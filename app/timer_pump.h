// Wakes the host when the unit's next timer falls due: one precise
// single-shot timer armed for that moment, so that the process sleeps
// between firings (a watch showing the time all day costs almost nothing).
#pragma once

#include <QObject>
#include <QTimer>
#include <optional>

#include "host/host.h"

namespace ignivar::app {

class TimerPump : public QObject {
    Q_OBJECT
public:
    TimerPump(host::Host& host, host::RealTime& time, QObject* parent = nullptr);

    // A firing is due and the timer is waiting for it.
    bool armed() const { return timer_.isActive(); }

private:
    void arm(std::optional<Millis> due);

    host::Host& host_;
    host::RealTime& time_;
    QTimer timer_;
};

}  // namespace ignivar::app
