#include "app/sound_keeper.h"

#include <QKeySequence>
#include <algorithm>

namespace ignivar::app {

SoundKeeper::SoundKeeper(SettingsStore& store, QWidget& window) : QObject(&window), store_(store) {
    muted_ = store_.read_flag(Setting::Mute, false);
    // A stored volume between the steps is taken to the nearest one.
    const int stored = store_.read_number(Setting::Volume, 100);
    volume_ = *std::min_element(kVolumes.begin(), kVolumes.end(),
                                [&](int a, int b) { return std::abs(a - stored) < std::abs(b - stored); });

    menu_ = new QMenu("Sound", &window);
    menu_->setObjectName("pm_sound");
    mute_ = menu_->addAction("Mute\t" + QKeySequence(kMuteKey).toString(QKeySequence::NativeText));
    mute_->setCheckable(true);
    mute_->setChecked(muted_);
    connect(mute_, &QAction::triggered, this, [this](bool on) { set_muted(on); });
    menu_->addSeparator();
    auto* group = new QActionGroup(menu_);
    for (std::size_t i = 0; i < kVolumes.size(); ++i) {
        const int percent = kVolumes[i];
        QAction* item = menu_->addAction(QString("Volume %1 %").arg(percent));
        item->setCheckable(true);
        item->setChecked(percent == volume_);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, percent] { set_volume(percent); });
        volume_items_[i] = item;
    }
}

void SoundKeeper::set_output(Output output) {
    output_ = std::move(output);
    if (output_.set_volume) output_.set_volume(volume_);
    if (output_.set_muted) output_.set_muted(muted_);
}

void SoundKeeper::set_muted(bool muted) {
    mute_->setChecked(muted);
    if (muted == muted_) return;
    muted_ = muted;
    (void)store_.write_flag(Setting::Mute, muted);
    if (output_.set_muted) output_.set_muted(muted);
}

void SoundKeeper::set_volume(int percent) {
    if (std::find(kVolumes.begin(), kVolumes.end(), percent) == kVolumes.end()) return;  // not one of the steps
    for (std::size_t i = 0; i < kVolumes.size(); ++i) volume_items_[i]->setChecked(kVolumes[i] == percent);
    if (percent == volume_) return;
    volume_ = percent;
    (void)store_.write_number(Setting::Volume, percent);
    if (output_.set_volume) output_.set_volume(percent);
}

bool SoundKeeper::key(int qt_key, bool pressed, bool repeat) {
    if (qt_key != kMuteKey) return false;
    if (pressed && !repeat) set_muted(!muted_);
    return true;
}

}  // namespace ignivar::app
