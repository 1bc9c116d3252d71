#include "sound/sound_output.h"

#include <filesystem>

#include "files/places.h"
#include "sound/mixer.h"

namespace ignivar::sound {

SoundOutput::~SoundOutput() = default;

std::string SoundOutput::sample_path(Sample s) const {
    const std::string relative = files::sound_file(sample_name(s));
    std::error_code ec;
    if (program_dir_.empty() || std::filesystem::exists(relative, ec)) return relative;
    return (std::filesystem::path(program_dir_) / relative).string();
}

Status SoundOutput::startup(std::string_view driver_text, SettingsStore& store) {
    // Compared in this order: "(no sound)", then the two outputs.
    const DriverRow* row = nullptr;
    for (int i : {2, 1, 0})
        if (driver_text == kDrivers[i].text) row = &kDrivers[i];
    if (!row) return failure(said("Sound", "no sound output is named \"%1\"").with(std::string(driver_text)));
    active_ = row->output_type != 0;
    (void)store.write_number(Setting::SoundMode, row->sound_mode);
    if (!active_) return {};

    // Neither result is examined: without a device the samples still load
    // and playing them does nothing.
    FSOUND_Init(22050, 64, 0);
    FSOUND_SetOutput(row->output_type);
    for (int i = 0; i < kSampleCount; ++i)
        handles_[i] = FSOUND_Sample_Load(FSOUND_FREE, sample_path(static_cast<Sample>(i)).c_str(), FSOUND_2D, 0, 0);
    if (!handle(Sample::Enemy)) return failure(said("Sound", kSoundFolderMissing));
    return {};
}

void SoundOutput::forget_driver(SettingsStore& store) {
    (void)store.write_number(Setting::SoundMode, -1);
    (void)store.write_flag(Setting::SplashScreen, true);
}

void SoundOutput::shutdown() {
    for (FSOUND_SAMPLE*& h : handles_) {
        FSOUND_Sample_Free(h);
        h = nullptr;
    }
    FSOUND_Close();
    active_ = false;
}

void SoundOutput::set_muted(bool muted) {
    if (muted && !muted_) stop_all();
    muted_ = muted;
}

void SoundOutput::play(Sample s, int lane) {
    if (!active_ || muted_) return;
    const Balance b = lane_balance(lane);
    if (panned_ && b != Balance{}) balance_next_sample(b.left, b.right);
    FSOUND_PlaySound(FSOUND_FREE, handle(s));
}

void SoundOutput::stop_all() {
    if (active_) FSOUND_StopSound(FSOUND_ALL);
}

}  // namespace ignivar::sound
