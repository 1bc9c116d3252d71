#include "sound/sound_output.h"

#include <filesystem>

namespace ignivar::sound {

SoundOutput::~SoundOutput() = default;

std::string SoundOutput::sample_path(Sample s) const {
    const std::string relative = "Sound/" + std::string(sample_name(s)) + ".wav";
    std::error_code ec;
    if (program_dir_.empty() || std::filesystem::exists(relative, ec)) return relative;
    return (std::filesystem::path(program_dir_) / relative).string();
}

bool SoundOutput::startup(std::string_view driver_text, SettingsStore& store,
                          const std::function<void(const char* message)>& show_error) {
    // Compared in this order: "(no sound)", then the two outputs.
    const DriverRow* row = nullptr;
    for (int i : {2, 1, 0})
        if (driver_text == kDrivers[i].text) row = &kDrivers[i];
    if (!row) return false;  // the list offers nothing else
    active_ = row->output_type != 0;
    store.write_number(Setting::SoundMode, row->sound_mode);
    if (!active_) return true;

    // Neither result is examined: without a device the samples still load
    // and playing them does nothing.
    FSOUND_Init(22050, 64, 0);
    FSOUND_SetOutput(row->output_type);
    for (int i = 0; i < kSampleCount; ++i)
        handles_[i] = FSOUND_Sample_Load(FSOUND_FREE, sample_path(static_cast<Sample>(i)).c_str(), FSOUND_2D, 0, 0);
    if (!handle(Sample::Enemy)) {
        if (show_error) show_error(kSoundFolderMissing);
        store.write_number(Setting::SoundMode, -1);
        store.write_flag(Setting::SplashScreen, true);
        return false;
    }
    return true;
}

void SoundOutput::shutdown() {
    for (FSOUND_SAMPLE*& h : handles_) {
        FSOUND_Sample_Free(h);
        h = nullptr;
    }
    FSOUND_Close();
    active_ = false;
}

void SoundOutput::play(Sample s) {
    if (active_) FSOUND_PlaySound(FSOUND_FREE, handle(s));
}

void SoundOutput::stop_all() {
    if (active_) FSOUND_StopSound(FSOUND_ALL);
}

}  // namespace ignivar::sound
