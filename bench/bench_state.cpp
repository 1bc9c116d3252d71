// Saved games: how long saving and loading the unit's whole moment take,
// how large a state is, and how much memory thirty seconds of rewind hold.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "host/host.h"
#include "host/rewind.h"
#include "settings/memory_store.h"

using namespace ignivar;

namespace {

struct Times {
    std::vector<double> us;
    void print(const char* what) {
        std::sort(us.begin(), us.end());
        double sum = 0;
        for (double v : us) sum += v;
        std::printf("%-28s mean %.2f us  median %.2f us  p99 %.2f us\n", what, sum / us.size(), us[us.size() / 2],
                    us[us.size() * 99 / 100]);
    }
};

template <typename F>
double micros(F&& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    MemoryStore store;
    SilentSink sound;
    host::FrameTime time(60);
    host::Host host(store, sound, time, 11);
    host::Rewind rewind;
    host.create();
    host.handle([&] { host.unit().power_on(); });
    for (input::Button b : {input::Button::Time, input::Button::GameA}) {
        host.press(b);
        host.release(b);
    }
    Times save, load;
    std::vector<std::uint8_t> state;
    for (int frame = 0; frame < 60 * 40; ++frame) {
        time.step();
        host.sync();
        rewind.note(host);
        if (host.unit().state().play && frame % 40 == 0) {
            host.press(input::Button::ShootLeft);
            host.release(input::Button::ShootLeft);
        }
        save.us.push_back(micros([&] { state = host.save_state(); }));
    }
    const auto copy = state;
    for (int i = 0; i < 2000; ++i) load.us.push_back(micros([&] { (void)host.load_state(copy); }));
    save.print("save a state");
    load.print("load a state");
    std::printf("%-28s %zu bytes\n", "state size", state.size());
    std::printf("%-28s %zu states, %zu bytes (%.2f MiB)\n", "rewind ring, 30 s", rewind.size(), rewind.bytes(),
                static_cast<double>(rewind.bytes()) / (1024.0 * 1024.0));
    return 0;
}
