// The FSOUND functions on SDL2_mixer. Everything is called from the user
// interface thread; SDL mixes on its own audio thread.
#include <algorithm>
#include <cstdint>
#include <utility>
#include <variant>
#include <string>
#include <vector>

#include "files/read.h"
#include "sound/fmod.h"
#include "sdl/library.h"
#include "sound/wav.h"

// A sample is decoded by our own WAV reader, which checks the file first;
// no library ever parses the file. The chunk the mixer plays is made from
// the decoded samples in the device's own format.
struct FSOUND_SAMPLE {
    ignivar::sound::Samples decoded;     // 16-bit, at the file's rate
    std::vector<std::int16_t> converted;  // 16-bit stereo at the device's rate
    int converted_rate = 0;               // the rate `converted` was made for (0: none)
    Mix_Chunk* chunk = nullptr;           // playing `converted`, while a device is open
    std::uint64_t bytes = 0;              // counted against the budget
};

namespace {

// A small buffer keeps the sound close to the picture: 512 frames at
// 22050 Hz are 23 ms.
constexpr int kBufferFrames = 512;
// A sound effect is a few hundred kilobytes at most.
constexpr std::uint64_t kMaxSampleFile = 16ULL * 1024 * 1024;
// All samples together, decoded and converted, take no more than this.
constexpr std::uint64_t kSampleBudget = 64ULL * 1024 * 1024;
// The highest device rate a budget is reckoned for.
constexpr int kBudgetRate = 48000;

struct Library {
    bool started = false;      // FSOUND_Init ran and FSOUND_Close did not
    bool sdl_audio = false;    // SDL's audio subsystem is up
    bool device_open = false;
    // Started, with the device closed until a sample plays or it is woken:
    // while nothing can sound, no audio thread streams silence.
    bool on_demand = false;
    bool resting = false;
    bool wake_failed = false;  // not tried again at every sample until restarted
    int rate = 22050;
    int channels = 64;
    int volume = MIX_MAX_VOLUME;
    Uint8 next_left = 255, next_right = 255;  // the next sample's balance
    int output_type = FSOUND_OUTPUT_DSOUND;
    std::vector<FSOUND_SAMPLE*> samples;  // loaded and not yet freed
    std::uint64_t budget_used = 0;
    std::string problem;  // why the last device could not be opened
};

Library g;

// SDL, once a device has been opened (which needs it).
const ignivar::sdl::Functions* lib() { return ignivar::sdl::functions(); }

void close_device() {
    if (g.device_open) {
        lib()->Mix_HaltChannel(-1);
        for (FSOUND_SAMPLE* s : g.samples) {
            if (s->chunk) lib()->Mix_FreeChunk(s->chunk);
            s->chunk = nullptr;
        }
        lib()->Mix_CloseAudio();
        g.device_open = false;
    }
    if (g.sdl_audio) {
        lib()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        g.sdl_audio = false;
    }
}

// The device is opened as 16-bit stereo at g.rate and SDL converts for
// the hardware, so the chunk holds exactly that. The conversion is kept
// while the device rests (the budget counts it all along): waking it at a
// key press makes only the chunks.
void make_chunk(FSOUND_SAMPLE& s) {
    if (!g.device_open || s.decoded.values.empty()) return;
    if (s.converted_rate != g.rate) {
        s.converted = ignivar::sound::to_stereo_at(s.decoded, g.rate);
        s.converted_rate = g.rate;
    }
    if (s.converted.empty()) return;
    s.chunk = lib()->Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(s.converted.data()),
                                static_cast<Uint32>(s.converted.size() * sizeof(std::int16_t)));
}

// Opens the device on the current output type; false when there is none.
bool open_device() {
    if (!lib()) {
        g.problem = ignivar::sdl::problem();
        return false;  // the libraries cannot be opened: no device
    }
    // Output type 1 asks for ALSA; type 2 lets SDL choose in its own order.
    // A driver the user names in SDL_AUDIODRIVER wins over both.
    const char* named = lib()->SDL_getenv("SDL_AUDIODRIVER");
    const bool alsa = g.output_type == FSOUND_OUTPUT_WINMM && !(named && *named);
    if (alsa) lib()->SDL_SetHint(SDL_HINT_AUDIODRIVER, "alsa");
    const bool up = lib()->SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (alsa) lib()->SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!up) {
        g.problem = lib()->SDL_GetError();
        return false;
    }
    g.sdl_audio = true;
    if (lib()->Mix_OpenAudioDevice(g.rate, AUDIO_S16SYS, 2, kBufferFrames, nullptr, 0) != 0) {
        g.problem = lib()->SDL_GetError();
        close_device();
        return false;
    }
    g.device_open = true;
    lib()->Mix_AllocateChannels(g.channels);
    lib()->Mix_Volume(-1, g.volume);
    for (FSOUND_SAMPLE* s : g.samples) make_chunk(*s);
    return true;
}

}  // namespace

bool FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned /*flags*/) {
    close_device();
    g.started = true;
    g.rate = mixrate > 0 ? mixrate : 22050;
    g.channels = maxsoftwarechannels > 0 ? maxsoftwarechannels : 1;
    g.wake_failed = false;
    g.resting = g.on_demand;
    return g.resting || open_device();
}

bool FSOUND_SetOutput(int outputtype) {
    if (outputtype != FSOUND_OUTPUT_WINMM && outputtype != FSOUND_OUTPUT_DSOUND) return false;
    if (g.started && g.device_open && outputtype == g.output_type) return true;
    g.output_type = outputtype;
    g.wake_failed = false;
    if (!g.started || g.resting) return true;
    close_device();
    return open_device();
}

FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned /*mode*/, int offset, int length) {
    if (index != FSOUND_FREE || offset != 0 || length != 0 || !name) return nullptr;
    // A regular file of sane size only: a FIFO in its place must not hang
    // the start, nor a huge file fill the memory.
    auto read = ignivar::files::read_regular_file(name, kMaxSampleFile);
    if (!read) return nullptr;
    // Checked first (format, rate, channels, length): a file that is not
    // a sound effect is no sample, device or not.
    const auto format = ignivar::sound::check_wav(read->data(), read->size());
    if (!format) return nullptr;
    const std::uint64_t bytes = format->frames * static_cast<std::uint64_t>(format->channels) * 2 +
                                format->converted_bytes(std::max(g.rate, kBudgetRate));
    if (g.budget_used + bytes > kSampleBudget) return nullptr;
    auto decoded = ignivar::sound::decode_wav(read->data(), read->size());
    if (!decoded) return nullptr;
    auto* s = new FSOUND_SAMPLE;
    s->decoded = std::move(decoded).value();
    s->bytes = bytes;
    g.budget_used += bytes;
    make_chunk(*s);
    g.samples.push_back(s);
    return s;
}

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample) {
    const Uint8 left = std::exchange(g.next_left, 255), right = std::exchange(g.next_right, 255);
    if (g.resting && sample) ignivar::sound::wake_device();
    if (!g.device_open || !sample || !sample->chunk) return -1;
    // The first free channel, as the mixer would take it, so that its
    // balance is set before the mixer can take any of the sample (a
    // channel keeps the balance an earlier sound gave it).
    if (channel == FSOUND_FREE) {
        channel = -1;
        for (int c = 0; c < g.channels && channel < 0; ++c)
            if (lib()->Mix_Playing(c) == 0) channel = c;
        if (channel < 0) return -1;
    }
    lib()->Mix_SetPanning(channel, left, right);
    return lib()->Mix_PlayChannel(channel, sample->chunk, 0);
}

bool FSOUND_StopSound(int channel) {
    if (g.resting) return true;  // nothing plays on a closed device
    if (!g.device_open) return false;
    lib()->Mix_HaltChannel(channel == FSOUND_ALL ? -1 : channel);
    return true;
}

void FSOUND_Sample_Free(FSOUND_SAMPLE* sample) {
    if (!sample) return;
    if (sample->chunk) {
        // A chunk still playing must not be freed under the mixer.
        for (int c = 0; g.device_open && c < g.channels; ++c)
            if (lib()->Mix_GetChunk(c) == sample->chunk) lib()->Mix_HaltChannel(c);
        lib()->Mix_FreeChunk(sample->chunk);
    }
    g.budget_used -= sample->bytes;
    std::erase(g.samples, sample);
    delete sample;
}

void FSOUND_Close() {
    close_device();
    g.started = false;
    g.resting = false;
}

namespace ignivar::sound {

void set_device_on_demand(bool on) { g.on_demand = on; }

bool wake_device() {
    if (!g.started) return false;
    if (!g.resting) return g.device_open;
    if (g.wake_failed) return false;
    g.resting = false;
    if (!open_device()) {
        g.resting = true;
        g.wake_failed = true;
        return false;
    }
    return true;
}

std::string device_problem() { return g.problem; }

bool rest_device() {
    // Nothing started (no sound chosen) is nothing to wait for.
    if (!g.started || !g.on_demand) return !g.device_open;
    if (g.resting) return true;
    if (g.device_open && lib()->Mix_Playing(-1) > 0) return false;  // a sample's end is not cut off
    close_device();
    g.resting = true;
    return true;
}

void set_volume(int percent) {
    g.volume = std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100;
    if (g.device_open) lib()->Mix_Volume(-1, g.volume);
}

void balance_next_sample(int left_percent, int right_percent) {
    const auto side = [](int percent) { return static_cast<Uint8>(std::clamp(percent, 0, 100) * 255 / 100); };
    g.next_left = side(left_percent);
    g.next_right = side(right_percent);
}

LibraryState library_state() {
    LibraryState s;
    s.device_open = g.device_open;
    s.output_type = g.output_type;
    if (g.device_open) {
        int freq = 0, chans = 0;
        Uint16 format = 0;
        lib()->Mix_QuerySpec(&freq, &format, &chans);
        s.rate = freq;
        s.channels = lib()->Mix_AllocateChannels(-1);
        s.buffer_frames = kBufferFrames;
        if (const char* d = lib()->SDL_GetCurrentAudioDriver()) s.driver = d;
    }
    return s;
}

}  // namespace ignivar::sound
