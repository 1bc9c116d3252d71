// A bot plays the unit in virtual time: it moves under the lane whose flame
// is nearest and shoots. Prints how fast the simulation runs.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "input/controls.h"
#include "settings/memory_store.h"
#include "sim/coin.h"
#include "sim/virtual_clock.h"

using namespace ignivar;

namespace {

class NullSink : public SoundSink {
public:
    void play(Sample, int) override { ++played; }
    void stop_all() override {}
    long played = 0;
};

// The lane (1..3) of the flame nearest to the hero, or 0 when none burns.
int nearest_flame_lane(const GameState& s) {
    for (int pos = 1; pos <= kPositions; ++pos)
        for (int lane = 1; lane <= kLanes; ++lane)
            if (s.cell(lane, pos)) return lane;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const double virtual_hours = argc > 1 ? std::atof(argv[1]) : 24.0;
    const Millis total = static_cast<Millis>(virtual_hours * 3600 * 1000);
    constexpr Millis kStep = 20;  // the bot looks at the display every 20 ms

    MemoryStore store;
    NullSink sink;
    RandomCoin coin(12345);
    Unit* unit_ptr = nullptr;
    VirtualClock clock([&] { return unit_ptr ? unit_ptr->timers().now() : Millis{0}; });
    Unit unit(store, sink, clock, coin);
    unit_ptr = &unit;
    unit.set_sound_output(true);
    input::Controls controls(unit);
    controls.create(store);
    unit.power_on();

    long games = 0;
    long long score_sum = 0;
    bool use_a = true;
    // The bot hesitates now and then, so that games end and new ones start.
    std::mt19937 bot_rng(7);
    std::uniform_real_distribution<double> hesitate(0.0, 1.0);
    constexpr double kHesitation = 0.97;
    const auto start = std::chrono::steady_clock::now();
    while (unit.timers().now() < total) {
        const GameState& s = unit.state();
        if ((s.mode >= kTime1 && s.mode <= kChrono) || s.mode == kGameOver || s.mode == kPowerOn) {
            if (s.mode == kGameOver) score_sum += s.score;
            const auto b = use_a ? input::Button::GameA : input::Button::GameB;
            controls.press(b);
            controls.release(b);
            if (s.mode >= kGameA) ++games;
            use_a = !use_a;
        } else if (s.play && hesitate(bot_rng) >= kHesitation) {
            const int target = nearest_flame_lane(s);
            if (target != 0 && target != s.hero) {
                const auto b = target < s.hero ? input::Button::Left : input::Button::Right;
                controls.press(b);
                controls.release(b);
            } else if (target != 0 && s.shot_step == 0) {
                controls.press(input::Button::ShootLeft);
                controls.release(input::Button::ShootLeft);
            }
        }
        unit.advance(kStep);
    }
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double virtual_s = static_cast<double>(unit.timers().now()) / 1000.0;
    const auto firings = unit.timers().firings();

    std::printf("simulated          %.0f virtual s in %.3f wall s\n", virtual_s, wall);
    std::printf("speed              %.0f virtual s per wall s (x real time)\n", virtual_s / wall);
    std::printf("timer firings      %llu, %.1f ns per firing (bot included)\n",
                static_cast<unsigned long long>(firings), wall * 1e9 / static_cast<double>(firings));
    std::printf("games started      %ld, mean final score %.0f, samples played %ld\n", games,
                games ? static_cast<double>(score_sum) / static_cast<double>(games) : 0.0, sink.played);
    return 0;
}
