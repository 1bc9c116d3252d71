#include "app/sound_rest.h"

#include "sim/unit.h"

namespace ignivar::app {

SoundRest::SoundRest(host::Host& host, Device device, QObject* parent)
    : QObject(parent), host_(host), device_(std::move(device)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kRestAfterMs);
    connect(&timer_, &QTimer::timeout, this, [this] { try_rest(); });
    // Opened as the key goes down, so that the sample its game plays at
    // once finds the device ready, as it did when it never closed.
    host_.on_input([this](input::Button, bool pressed, Millis) {
        if (pressed) busy();
    });
    host_.on_event([this](const UnitEvent&) { busy(); });
    host_.on_pause([this](bool paused) {
        if (!paused) busy();
    });
    timer_.start();  // the device may be closed from the start
}

void SoundRest::busy() {
    device_.wake();
    timer_.start();
}

void SoundRest::try_rest() {
    const int mode = host_.unit().state().mode;
    const bool running = mode >= kGameAReady && mode < kGameOver && !host_.paused();
    // A running game plays its next sample any moment; one playing now is
    // let finish.
    if (running || !device_.rest()) timer_.start();
}

}  // namespace ignivar::app
