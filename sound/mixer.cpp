#include "sound/mixer.h"

#include "files/places.h"
#include "files/read.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace ignivar::sound {

void Mixer::set_sample(Sample s, sound::Samples decoded) {
    decoded_[static_cast<int>(s)] = std::move(decoded);
    converted_[static_cast<int>(s)] = sound::to_stereo_at(decoded_[static_cast<int>(s)], rate_);
}

void Mixer::set_rate(int rate) {
    rate_ = rate;
    for (int i = 0; i < kSampleCount; ++i) converted_[i] = sound::to_stereo_at(decoded_[i], rate_);
    for (Voice& v : voices_) v.first = frame_at(v.started);
}

void Mixer::start(Sample s, Millis at, int lane) {
    if (voices_.size() >= kVoices || length(s) == 0) return;
    voices_.push_back({s, at, frame_at(at), lane});
}

int nearest_volume_step(int percent) {
    return *std::min_element(kVolumeSteps.begin(), kVolumeSteps.end(),
                             [&](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
}

void Mixer::mix(std::int64_t from, std::int64_t to, std::int16_t* out) {
    const std::size_t frames = static_cast<std::size_t>(std::max<std::int64_t>(0, to - from));
    std::vector<std::int32_t> sum(frames * 2, 0);
    for (const Voice& v : voices_) {
        const std::vector<std::int16_t>& data = converted_[static_cast<int>(v.sample)];
        const std::int64_t end = v.first + static_cast<std::int64_t>(data.size() / 2);
        const std::int64_t a = std::max(from, v.first), b = std::min(to, end);
        if (muted_) continue;
        const Balance g = panned_ ? lane_balance(v.lane) : Balance{};
        for (std::int64_t f = a; f < b; ++f) {
            const std::size_t src = static_cast<std::size_t>(f - v.first) * 2, dst = static_cast<std::size_t>(f - from) * 2;
            sum[dst] += data[src] * g.left / 100;
            sum[dst + 1] += data[src + 1] * g.right / 100;
        }
    }
    for (std::size_t i = 0; i < sum.size(); ++i)
        out[i] = static_cast<std::int16_t>(std::clamp<std::int32_t>(sum[i] * volume_ / 100, -32768, 32767));
    std::erase_if(voices_, [&](const Voice& v) { return v.first + static_cast<std::int64_t>(length(v.sample)) <= to; });
}

std::vector<SoundInFlight> Mixer::sounding(std::int64_t now) const {
    std::vector<SoundInFlight> out;
    for (const Voice& v : voices_)
        if (v.first + static_cast<std::int64_t>(length(v.sample)) > now) out.push_back({v.sample, v.started, v.lane});
    return out;
}

void Mixer::resume(const std::vector<SoundInFlight>& sounds) {
    voices_.clear();
    for (const SoundInFlight& s : sounds)
        if (voices_.size() < kVoices) voices_.push_back({s.sample, s.started, frame_at(s.started), s.lane});
}

void load_samples(Mixer& mixer, const std::vector<std::string>& folders,
                  const std::function<void(const std::string&)>& tell) {
    for (int i = 0; i < kSampleCount; ++i) {
        const auto s = static_cast<Sample>(i);
        const std::string relative = files::sound_file(sample_name(s));
        std::string path;
        for (const std::string& folder : folders) {
            path = folder + "/" + relative;
            if (files::is_regular_file(path)) break;
        }
        auto bytes = files::read_regular_file(path, 64ull * 1024 * 1024);
        auto decoded = bytes ? decode_wav(bytes->data(), bytes->size()) : Result<Samples>(bytes.error());
        if (!decoded) {
            tell(path + ": " + decoded.message() + " (the unit plays without this sound)");
            continue;
        }
        mixer.set_sample(s, std::move(decoded).value());
    }
}

}  // namespace ignivar::sound
