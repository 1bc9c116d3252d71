// The sound layer's figures: how long one Snd_Play call takes (it must not
// delay the timer that plays it), the output latency the mixer's buffer
// implies, and, on SDL's disk driver, how soon a sample's first sound is
// written after the call: with the device open all along, woken by the
// key that starts a game, and opened by the sample itself. Runs on SDL's
// dummy driver unless SDL_AUDIODRIVER says otherwise.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>
#include <vector>

#include <SDL.h>

#include "settings/memory_store.h"
#include "sound/sound_output.h"

using namespace ignivar;

namespace {

// Milliseconds from `play` to the first non-silent sample in the disk
// driver's file (written in real time, a buffer at a time); -1 if none
// came within a second.
double to_first_sound(const std::string& file, const std::function<void()>& play) {
    const auto t0 = std::chrono::steady_clock::now();
    play();
    while (std::chrono::steady_clock::now() - t0 < std::chrono::seconds(1)) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
            if (bytes[i] != 0 || bytes[i + 1] != 0)
                return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return -1;
}

void first_sound_figures(const std::string& dir) {
    const std::string file = "/tmp/ignivar-bench-sound.raw";
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    SDL_LogSetOutputFunction([](void*, int, SDL_LogPriority, const char*) {}, nullptr);  // its warning at every open
    MemoryStore store;
    struct Way {
        const char* label;
        bool on_demand;
        bool woken;
    };
    for (const Way way : {Way{"device open all along", false, false}, Way{"woken by the key first", true, true},
                          Way{"opened by the sample", true, false}}) {
        std::vector<double> ms;
        for (int i = 0; i < 10; ++i) {
            sound::set_device_on_demand(way.on_demand);
            sound::SoundOutput out(dir);
            if (!out.startup("Microsoft DirectSound", store)) return;
            // The key goes down, the game's sample comes as it is let go.
            if (way.woken) sound::wake_device();
            if (way.woken || !way.on_demand) std::this_thread::sleep_for(std::chrono::milliseconds(80));
            ms.push_back(to_first_sound(file, [&] { out.play(Sample::Shot, kNoLane); }));
            out.shutdown();
        }
        std::sort(ms.begin(), ms.end());
        std::printf("first sound on the disk driver, %-24s median %.1f ms, max %.1f ms\n", way.label,
                    ms[ms.size() / 2], ms.back());
    }
    sound::set_device_on_demand(false);
    std::remove(file.c_str());
}

}  // namespace

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
        out.play(samples[i % 4], i % 4);
        us.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - t0).count());
        if (i % 48 == 47) out.stop_all();  // keep channels free, as a game's pace does
    }
    std::sort(us.begin(), us.end());
    double sum = 0;
    for (double v : us) sum += v;
    std::printf("Snd_Play: %zu calls, mean %.2f us, median %.2f us, p99 %.2f us, max %.2f us\n", us.size(),
                sum / us.size(), us[us.size() / 2], us[us.size() * 99 / 100], us.back());
    out.shutdown();
    first_sound_figures(dir);
    return 0;
}
