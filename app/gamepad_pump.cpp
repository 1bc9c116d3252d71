// Gamepads for the desktop program: mapping file, polling, routing, rumble.
#include "app/gamepad_pump.h"

#include <QFileInfo>

namespace ignivar::app {

GamepadPump::GamepadPump(host::Host& host, const std::string& mapping_file, QObject* parent)
    : QObject(parent), host_(host) {
    if (const std::string why = gamepad::unreadable_reason(); !why.empty()) {
        // Nothing of the mapping can be understood then: only that is told.
        pads_ = std::make_unique<gamepad::Gamepads>(gamepad::Mapping{}, nullptr);
        unavailable_ = "gamepads cannot be read: " + why;
        return;
    }
    auto mapping = gamepad::load_mapping_file(mapping_file, problems_);
    const bool enabled = mapping.enabled;
    pads_ = std::make_unique<gamepad::Gamepads>(std::move(mapping), [this](input::Button b, bool pressed) {
        // Exactly what a key of that button does.
        if (pressed) host_.press(b);
        else host_.release(b);
    });
    if (!enabled) {
        unavailable_ = "gamepads are switched off in the mapping file";
        return;
    }
    if (const Status started = pads_->start(); !started) {
        unavailable_ = "gamepads cannot be read: " + started.message();
        return;
    }
    timer_.setInterval(kPollConnectedMs);
    connect(&timer_, &QTimer::timeout, this, &GamepadPump::poll);
    host_.on_event([this](const UnitEvent& e) { rumble_for(e); });
    // A pad plugged in makes its device node; SDL may see it only once its
    // permissions are set, a moment later.
    if (QFileInfo("/dev/input").isDir()) devices_.addPath("/dev/input");
    connect(&devices_, &QFileSystemWatcher::directoryChanged, this, [this] {
        for (int ms : {0, 300, 1500}) QTimer::singleShot(ms, this, &GamepadPump::poll);
    });
    poll();
}

GamepadPump::~GamepadPump() = default;

void GamepadPump::poll() {
    pads_->poll();
    // Often while a pad can be pressed; not at all while none is there.
    if (pads_->connected() > 0 && !timer_.isActive()) timer_.start();
    if (pads_->connected() == 0 && timer_.isActive()) timer_.stop();
}

void GamepadPump::rumble_for(const UnitEvent& e) {
    if (e.kind == EventKind::Miss) pads_->rumble(150, 0.6);       // a miss: short
    if (e.kind == EventKind::GameOver) pads_->rumble(700, 1.0);  // game over: long
}

}  // namespace ignivar::app
