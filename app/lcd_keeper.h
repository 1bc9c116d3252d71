// The player's choice of how the LCD looks (exact, or real: fading,
// shadows and unlit segments at a strength), kept in the store; the
// shadows made for the skin; and, while segments fade in the real look, a
// timer that asks the window to repaint what changed each time a fade
// crosses a step (at most once a frame of the screen), idle as soon as
// nothing fades.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>
#include <memory>

#include "host/host.h"
#include "skin/lcd_look.h"

namespace ignivar::app {

class LcdKeeper : public QObject {
    Q_OBJECT
public:
    // `shown`: the host whose unit the window shows (the player's, or a replay's).
    LcdKeeper(SettingsStore& store, std::function<const host::Host&()> shown, QObject* parent);
    const skin::LcdLook& look() const { return look_; }
    void set_real(bool real);
    // Percent, or skin::kUnlitAsFace.
    void set_unlit(int strength);
    void set_contrast(bool contrast);
    // Makes the shadows of a freshly loaded skin (it outlives them until the next).
    void skin_loaded(const skin::Skin& skin);
    // The LCD as the shown unit shows it now, for a paint; null in the exact look.
    const skin::LcdFrame* frame() const;
    // The display may have changed: a fade may begin.
    void changed();
    bool fading() const { return timer_.isActive(); }

signals:
    // The look changed, or a fade moved on: repaint what differs.
    void repaint();
    // The player chose another look (the case's edges may look otherwise).
    void look_changed();
    // Unlit segments got a strength of their own, or high contrast was
    // chosen, while the skin was loaded without the picture that needs:
    // load it again.
    void pictures_needed();

private:
    void schedule();
    void tick();

    SettingsStore& store_;
    std::function<const host::Host&()> shown_;
    skin::LcdLook look_;
    const skin::Skin* skin_ = nullptr;
    // Made when the real look first draws a skin: a player who keeps the
    // exact look never pays for them.
    mutable std::unique_ptr<skin::LcdShadows> shadows_;
    mutable skin::LcdFrame frame_;
    QTimer timer_;
    int frame_ms_ = 16;
    Millis scheduled_at_ = 0;  // the shown unit's time when the timer was set
};

}  // namespace ignivar::app
