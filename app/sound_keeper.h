// The player's own control of the sound, beside the unit's: a mute (a key
// and a checkable item) and a volume of a few steps, in a "Sound" submenu
// of the popup menu, kept in the store as values of their own.
#pragma once

#include <QActionGroup>
#include <QMenu>
#include <QObject>
#include <array>
#include <functional>

#include "sim/ports.h"

namespace ignivar::app {

class SoundKeeper : public QObject {
public:
    // Outside the key table and the menu's shortcuts.
    static constexpr int kMuteKey = Qt::Key_F7;
    static constexpr std::array<int, 4> kVolumes = {100, 75, 50, 25};

    // Where the choices take effect; set by whoever owns the sound.
    struct Output {
        std::function<void(int percent)> set_volume;
        std::function<void(bool muted)> set_muted;
    };

    SoundKeeper(SettingsStore& store, QWidget& window);

    QMenu* menu() const { return menu_; }
    // Hands the stored choices to the output at once, and every change later.
    void set_output(Output output);

    void set_muted(bool muted);
    void set_volume(int percent);
    bool muted() const { return muted_; }
    int volume() const { return volume_; }

    // The mute key (press or release): true when it was it.
    bool key(int qt_key, bool pressed, bool repeat);

private:
    SettingsStore& store_;
    Output output_;
    bool muted_ = false;
    int volume_ = 100;
    QMenu* menu_ = nullptr;
    QAction* mute_ = nullptr;
    std::array<QAction*, kVolumes.size()> volume_items_{};
};

}  // namespace ignivar::app
