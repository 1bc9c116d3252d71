// The sound layer's figures: how long one Snd_Play call takes (it must not
// delay the timer that plays it), and the output latency the mixer's
// buffer implies. Runs on SDL's dummy driver unless SDL_AUDIODRIVER says
// otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "settings/memory_store.h"
#include "sound/sound_output.h"

using namespace ignivar;

int main(int argc, char** argv) {
    if (!std::getenv("SDL_AUDIODRIVER")) setenv("SDL_AUDIODRIVER", "dummy", 1);
    const std::string dir = argc > 1 ? argv[1] : IGNIVAR_ASSET_DIR;
    MemoryStore store;
    sound::SoundOutput out(dir);
    if (const Status s = out.startup("Microsoft DirectSound", store); !s) {
        std::fprintf(stderr, "%s\n", s.message().c_str());
        return 1;
    }
    const sound::LibraryState lib = sound::library_state();
    if (!lib.device_open) {
        std::fprintf(stderr, "no audio device could be opened\n");
        return 1;
    }
    std::printf("driver %s, %d Hz, %d channels, buffer %d frames: output latency %.1f ms\n", lib.driver, lib.rate,
                lib.channels, lib.buffer_frames, 1000.0 * lib.buffer_frames / lib.rate);

    std::vector<double> us;
    const Sample samples[] = {Sample::Enemy, Sample::Shot, Sample::Start, Sample::Miss};
    for (int i = 0; i < 20000; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        out.play(samples[i % 4]);
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        if (i % 48 == 47) out.stop_all();  // keep channels free, as a game's pace does
    }
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double v : us) sum += v;
    std::printf("Snd_Play: %zu calls, mean %.2f us, median %.2f us, p99 %.2f us, max %.2f us\n", us.size(),
                sum / us.size(), us[us.size() / 2], us[us.size() * 99 / 100], us.back());
    out.shutdown();
    return 0;
}
