// A mixer of our own, for front ends that make their own sound (the
// libretro core, the clip exporter): the five samples, brought once to the
// output's rate as 16-bit stereo, started at the unit's exact millisecond
// and mixed into each frame's audio. Up to 64 sound at once, as the sound library of
// the desktop program allows; a sample started while all are busy is not
// heard.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sim/state.h"
#include "sound/wav.h"

namespace ignivar::sound {

// How loud a sample is on the left and on the right, in percent of its
// own, when sounds follow the flames: the near side whole, the far side at
// a quarter for the outer lanes (plainly to one side on headphones, yet
// still heard by the other ear). The middle lane and the unit as a whole
// are centred and sound exactly as without lanes; nothing ever gets louder
// than its sample, so panning cannot clip.
struct Balance {
    int left = 100, right = 100;
    friend bool operator==(const Balance&, const Balance&) = default;
};
constexpr Balance lane_balance(int lane) {
    if (lane == 1) return {100, 25};
    if (lane == 3) return {25, 100};
    return {};
}

// The player's volume steps, in percent, loudest first.
inline constexpr std::array<int, 4> kVolumeSteps = {100, 75, 50, 25};
// The step nearest to a stored volume.
int nearest_volume_step(int percent);

class Mixer {
public:
    static constexpr std::size_t kVoices = 64;

    explicit Mixer(int rate) : rate_(rate) {}

    // A sample's decoded samples (kept, so that the rate can change).
    void set_sample(Sample s, sound::Samples decoded);
    void set_rate(int rate);
    int rate() const { return rate_; }
    void set_muted(bool muted) { muted_ = muted; }
    bool muted() const { return muted_; }
    // The loudness of what is mixed, in percent.
    void set_volume(int percent) { volume_ = percent; }
    // Sounds follow the flames: each voice is panned to its lane.
    void set_panned(bool panned) { panned_ = panned; }
    bool panned() const { return panned_; }

    // The output frame at which virtual time `ms` falls.
    // In 128 bits: a moment far on (a saved clock may be some 10^13 ms)
    // times the rate is past 64.
    std::int64_t frame_at(Millis ms) const {
        return static_cast<std::int64_t>(static_cast<__int128>(ms) * rate_ / 1000);
    }

    // A sample starts at virtual time `at`, from `lane` (see SoundSink).
    void start(Sample s, Millis at, int lane = kNoLane);
    // Mixes the output frames [from, to) into `out` (stereo, to - from
    // frames, cleared first) and forgets the voices that have ended.
    void mix(std::int64_t from, std::int64_t to, std::int16_t* out);

    // The voices still sounding at output frame `now`, and back.
    std::vector<SoundInFlight> sounding(std::int64_t now) const;
    void resume(const std::vector<SoundInFlight>& sounds);
    void stop_all() { voices_.clear(); }

private:
    struct Voice {
        Sample sample;
        Millis started;
        std::int64_t first;  // output frame of its first sample
        int lane;
    };
    std::size_t length(Sample s) const { return converted_[static_cast<int>(s)].size() / 2; }

    int rate_;
    bool muted_ = false;
    bool panned_ = false;
    int volume_ = 100;
    std::array<sound::Samples, kSampleCount> decoded_{};
    std::array<std::vector<std::int16_t>, kSampleCount> converted_{};
    std::vector<Voice> voices_;
};

// Reads each sample's WAV file from the first of `folders` that has it
// (a player's skin folder before the built-in one, say) and hands it to the
// mixer; a sample that cannot be read is told to `tell`, and the unit then
// plays without it.
void load_samples(Mixer& mixer, const std::vector<std::string>& folders,
                  const std::function<void(const std::string&)>& tell);

}  // namespace ignivar::sound
