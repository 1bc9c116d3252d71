// The libretro core through our own front end: the time of a retro_run at
// 1x and 4x while a game is played, saving and loading a state, and the
// core's size.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "frontend.h"

using namespace ignivar::retro;

namespace {

struct Times {
    std::vector<double> us;
    void print(const char* what) {
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double v : us) sum += v;
        std::printf("%-30s mean %8.2f us  median %8.2f us  p99 %8.2f us\n", what, sum / static_cast<double>(us.size()),
                    us[us.size() / 2], us[us.size() * 99 / 100]);
    }
};

template <typename F>
double micros(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

// Time, game A, then moves and shots.
Pad player(int n) {
    if (n >= 5 && n < 9) return pad(RETRO_DEVICE_ID_JOYPAD_L);
    if (n >= 20 && n < 26) return pad(RETRO_DEVICE_ID_JOYPAD_START);
    constexpr unsigned kRhythm[] = {RETRO_DEVICE_ID_JOYPAD_RIGHT, RETRO_DEVICE_ID_JOYPAD_Y, RETRO_DEVICE_ID_JOYPAD_LEFT,
                                    RETRO_DEVICE_ID_JOYPAD_A};
    return n > 40 && n % 15 < 4 ? pad(kRhythm[(n / 15) % 4]) : 0;
}

void frames(const char* core, const char* size, const char* label) {
    Frontend f(core);
    if (!f.loaded() || !f.start()) {
        std::printf("%s: the core does not start\n", label);
        return;
    }
    f.copy_frames = false;
    f.set_option("ignivar_size", size);
    f.run();
    Times t;
    for (int n = 0; n < 60 * 60; ++n) t.us.push_back(micros([&] { f.run(player(n)); }));
    t.print(label);
}

}  // namespace

int main(int argc, char** argv) {
    const char* core = argc > 1 ? argv[1] : IGNIVAR_CORE_FILE;
    frames(core, "1x", "retro_run, 1x (540x360)");
    frames(core, "4x", "retro_run, 4x (2160x1440)");
    Frontend f(core);
    if (!f.loaded() || !f.start()) return 1;
    for (int n = 0; n < 600; ++n) f.run(player(n));
    Times save, load;
    std::vector<std::uint8_t> state;
    for (int i = 0; i < 2000; ++i) save.us.push_back(micros([&] { state = f.save(); }));
    for (int i = 0; i < 2000; ++i) load.us.push_back(micros([&] { f.load(state); }));
    save.print("retro_serialize");
    load.print("retro_unserialize");
    std::printf("%-30s %zu bytes\n", "state size", f.state_size());
    std::printf("%-30s %ju bytes\n", "core size", static_cast<std::uintmax_t>(std::filesystem::file_size(core)));
    return 0;
}
