#include "app/sound_keeper.h"

#include <algorithm>

namespace ignivar::app {

SoundKeeper::SoundKeeper(SettingsStore& store, QObject* parent) : QObject(parent), store_(store) {
    muted_ = store_.read_flag(Setting::Mute, false);
    panned_ = store_.read_flag(Setting::PannedSounds, false);
    // A stored volume between the steps is taken to the nearest one.
    const int stored = store_.read_number(Setting::Volume, 100);
    volume_ = sound::nearest_volume_step(stored);
}

void SoundKeeper::set_output(Output output) {
    output_ = std::move(output);
    if (output_.set_volume) output_.set_volume(volume_);
    if (output_.set_muted) output_.set_muted(muted_);
    if (output_.set_panned) output_.set_panned(panned_);
}

void SoundKeeper::set_panned(bool panned) {
    panned_ = panned;
    if (output_.set_panned) output_.set_panned(panned);
}

void SoundKeeper::set_muted(bool muted) {
    if (muted == muted_) return;
    muted_ = muted;
    (void)store_.write_flag(Setting::Mute, muted);
    if (output_.set_muted) output_.set_muted(muted);
}

void SoundKeeper::set_volume(int percent) {
    if (std::find(kVolumes.begin(), kVolumes.end(), percent) == kVolumes.end()) return;  // not one of the steps
    if (percent == volume_) return;
    volume_ = percent;
    (void)store_.write_number(Setting::Volume, percent);
    if (output_.set_volume) output_.set_volume(percent);
}

}  // namespace ignivar::app
