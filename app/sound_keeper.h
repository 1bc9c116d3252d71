// The player's own control of the sound, beside the unit's: a mute, a
// volume of a few steps and sounds that follow the flames, kept in the store as values of their own. The
// action table's keys and menu items reach it.
#pragma once

#include <QObject>
#include <array>
#include <functional>

#include "sim/ports.h"
#include "sound/mixer.h"

namespace ignivar::app {

class SoundKeeper : public QObject {
public:
    static constexpr std::array<int, 4> kVolumes = sound::kVolumeSteps;

    // Where the choices take effect; set by whoever owns the sound.
    struct Output {
        std::function<void(int percent)> set_volume;
        std::function<void(bool muted)> set_muted;
        std::function<void(bool panned)> set_panned;
    };

    SoundKeeper(SettingsStore& store, QObject* parent);

    // Hands the stored choices to the output at once, and every change later.
    void set_output(Output output);

    void set_muted(bool muted);
    void set_volume(int percent);
    // Sounds follow the flames (the store keeps it through the menu's row).
    void set_panned(bool panned);
    bool muted() const { return muted_; }
    int volume() const { return volume_; }

private:
    SettingsStore& store_;
    Output output_;
    bool muted_ = false;
    bool panned_ = false;
    int volume_ = 100;
};

}  // namespace ignivar::app
