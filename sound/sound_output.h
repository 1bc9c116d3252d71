// The program's sound output: the start-up that the splash window's Play
// action runs with the chosen driver, the five samples, playing them for
// the unit, and the shutdown that closing the main window runs.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "base/text.h"
#include "sim/ports.h"
#include "sound/fmod.h"

namespace ignivar::sound {

// The driver list of the splash window, top first, with the number stored
// in SoundMode for each and the output type passed to the library.
struct DriverRow {
    std::string_view text;
    int sound_mode;
    int output_type;  // 0: the library is not started
    std::string_view linux_output;  // what the entry picks here, said beside the list
};
inline constexpr std::array<DriverRow, 3> kDrivers = {{
    {"Microsoft DirectSound", 0, FSOUND_OUTPUT_DSOUND,
     IGNIVAR_TEXT("Splash", "Plays through the desktop's sound server (PipeWire or PulseAudio)")},
    {"Windows MultiMedia", 1, FSOUND_OUTPUT_WINMM, IGNIVAR_TEXT("Splash", "Plays through ALSA, straight to the sound card")},
    {IGNIVAR_TEXT("Splash", "(no sound)"), 2, 0, IGNIVAR_TEXT("Splash", "The unit plays silent")},
}};

inline constexpr const char* kSoundFolderMissing =
    IGNIVAR_TEXT("Sound", "Sound folder unproperly installed. Please reinstall the game.");

class SoundOutput : public SoundSink {
public:
    // Sample files are taken from the current directory, or else from
    // `program_dir` (where the program is started from on its own platform).
    explicit SoundOutput(std::string program_dir) : program_dir_(std::move(program_dir)) {}
    ~SoundOutput() override;

    // The start-up for the driver list's text. A missing Enemy sample fails
    // it with the message for the player, who must see it before
    // forget_driver() resets the stored choice.
    Status startup(std::string_view driver_text, SettingsStore& store);
    // After a failed start-up: no driver chosen, the start window shown next time.
    static void forget_driver(SettingsStore& store);
    // Releases the samples and closes the library; harmless at any time.
    void shutdown();

    bool active() const { return active_; }
    FSOUND_SAMPLE* handle(Sample s) const { return handles_[static_cast<int>(s)]; }

    // The player's mute, beside the unit's own switch: while on, no sample
    // is handed to the library; the unit plays on as it would.
    void set_muted(bool muted);
    bool muted() const { return muted_; }
    // Sounds follow the flames: each sample panned to its lane.
    void set_panned(bool panned) { panned_ = panned; }
    bool panned() const { return panned_; }

    // SoundSink: the unit calls these only when it should really sound.
    void play(Sample s, int lane) override;
    void stop_all() override;

    // The path a sample file is loaded from.
    std::string sample_path(Sample s) const;

private:
    std::string program_dir_;
    bool active_ = false;
    bool muted_ = false;
    bool panned_ = false;
    std::array<FSOUND_SAMPLE*, kSampleCount> handles_{};
};

}  // namespace ignivar::sound
