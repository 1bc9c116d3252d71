// Gamepads for the main window: reads the player's mapping file, polls the
// pads while one is connected, watches the input devices' folder for a new
// one otherwise (so that an idle program sleeps), routes their buttons
// through the window's input handling and shakes them on a miss and at game
// over.
#pragma once

#include <QObject>
#include <QFileSystemWatcher>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "gamepad/gamepad.h"

namespace ignivar::app {

class TForm1;

class GamepadPump : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollConnectedMs = 4;

    // `mapping_file` is made with the defaults when it is not there.
    GamepadPump(TForm1& window, const std::string& mapping_file);
    ~GamepadPump() override;

    // What the mapping file held that could not be understood.
    const std::vector<std::string>& problems() const { return problems_; }
    // Why gamepads are not read at all (switched off, or SDL cannot), or empty.
    const std::string& unavailable() const { return unavailable_; }
    gamepad::Gamepads* pads() { return pads_.get(); }
    // Polling often, as while a pad is connected.
    bool polling() const { return timer_.isActive(); }
    // One round of polling, as the timer runs it.
    void poll();

private:
    void watch_the_game();

    TForm1& window_;
    std::unique_ptr<gamepad::Gamepads> pads_;
    std::vector<std::string> problems_;
    std::string unavailable_;
    QTimer timer_;
    QFileSystemWatcher devices_;
    int misses_ = 0;
    int mode_ = -1;
};

}  // namespace ignivar::app
