#include "app/lcd_keeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "host/look_setting.h"

namespace ignivar::app {

LcdKeeper::LcdKeeper(SettingsStore& store, std::function<const host::Host&()> shown, QObject* parent)
    : QObject(parent), store_(store), shown_(std::move(shown)) {
    look_ = host::read_look(store_);
    // A fade is drawn again when it crosses a step, at most once a frame
    // of the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal hz = screen && screen->refreshRate() >= 20 ? screen->refreshRate() : 60;
    frame_ms_ = std::max(1, static_cast<int>(1000 / hz));
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LcdKeeper::tick);
}

void LcdKeeper::set_real(bool real) {
    if (real == look_.real) return;
    look_.real = real;
    host::keep_look(store_, look_);
    if (!real) timer_.stop();
    emit look_changed();
    emit repaint();
}

void LcdKeeper::set_unlit(int strength) {
    if (!skin::is_unlit_choice(strength) || strength == look_.unlit) return;
    const bool glass = look_.unlit == skin::kUnlitAsFace;
    look_.unlit = strength;
    host::keep_look(store_, look_);
    if (glass && skin_ && !skin_->lcd.glass.picture) emit pictures_needed();
    emit look_changed();
    emit repaint();
}

void LcdKeeper::set_contrast(bool contrast) {
    if (contrast == look_.contrast) return;
    look_.contrast = contrast;
    host::keep_look(store_, look_);
    if (contrast && skin_ && !skin_->lcd.contrast.picture) emit pictures_needed();
    emit look_changed();
    emit repaint();
}

void LcdKeeper::skin_loaded(const skin::Skin& skin) {
    skin_ = &skin;
    shadows_.reset();  // made when the real look first draws
}

const skin::LcdFrame* LcdKeeper::frame() const {
    if (look_.exact()) return nullptr;
    frame_ = shown_().lcd_frame(look_, skin_, shadows_);
    return &frame_;
}

void LcdKeeper::changed() {
    if (look_.real && !timer_.isActive()) schedule();
}

void LcdKeeper::schedule() {
    // Idle as soon as nothing fades.
    const std::optional<Millis> in = shown_().lcd_change_in();
    if (!look_.real || !in) return timer_.stop();
    scheduled_at_ = shown_().now();
    timer_.start(static_cast<int>(std::clamp<Millis>(*in, frame_ms_, 1000)));
}

void LcdKeeper::tick() {
    // A paused game's time stands still, and its fades with it: idle until
    // it changes again.
    if (shown_().now() == scheduled_at_) return;
    emit repaint();
    schedule();
}

}  // namespace ignivar::app
