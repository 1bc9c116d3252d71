// Gamepads for the desktop program: reads the player's mapping file, polls
// the pads while one is connected, watches the input devices' folder for a
// new one otherwise (so that an idle program sleeps), routes their buttons
// through the host as keys are, and shakes them when the unit tells of a
// miss or the end of a game.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <memory>
#include <string>

#include "base/result.h"
#include "gamepad/gamepad.h"
#include "host/host.h"

namespace ignivar::app {

class GamepadPump : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollConnectedMs = 4;

    // `mapping_file` is made with the defaults when it is not there.
    GamepadPump(host::Host& host, const std::string& mapping_file, QObject* parent = nullptr);
    ~GamepadPump() override;

    // What the mapping file held that could not be understood.
    const Report& problems() const { return problems_; }
    // Why gamepads are not read at all (switched off, or SDL cannot), or empty.
    const std::string& unavailable() const { return unavailable_; }
    gamepad::Gamepads* pads() { return pads_.get(); }
    // Polling often, as while a pad is connected.
    bool polling() const { return timer_.isActive(); }
    // One round of polling, as the timer runs it.
    void poll();

private:
    void rumble_for(const UnitEvent& event);

    host::Host& host_;
    std::unique_ptr<gamepad::Gamepads> pads_;
    Report problems_;
    std::string unavailable_;
    QTimer timer_;
    QFileSystemWatcher devices_;
};

}  // namespace ignivar::app
