// Keeps the audio device open only while sound can play: woken as the
// player presses a key of the unit or a game starts, rested a few seconds
// after the last sample once no game runs (or it is paused). Showing the
// time, the program then streams nothing and wakes for nothing.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

#include "host/host.h"

namespace ignivar::app {

class SoundRest : public QObject {
public:
    struct Device {
        std::function<bool()> wake;  // opens it; true when open
        std::function<bool()> rest;  // closes it unless a sample plays; true when closed
    };
    static constexpr int kRestAfterMs = 3000;

    SoundRest(host::Host& host, Device device, QObject* parent = nullptr);

    // Sound may come now (a key, a game starting, a pause ending).
    void busy();
    // What the timer does a while after the last sign of sound: closes the
    // device unless a game runs or a sample still plays, else waits again.
    void try_rest();

private:
    host::Host& host_;
    Device device_;
    QTimer timer_;
};

}  // namespace ignivar::app
