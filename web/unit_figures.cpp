#include "web/unit_figures.h"

#include <algorithm>
#include <chrono>
#include <vector>

#include "web/web_unit.h"

namespace ignivar::web {
namespace {

using Clock = std::chrono::steady_clock;

double ms_since(Clock::time_point t) { return std::chrono::duration<double, std::milli>(Clock::now() - t).count(); }

}  // namespace

UnitFigures measure_unit(const std::string& asset_root, const std::string& replay_folder) {
    UnitFigures f;
    std::vector<double> times;
    for (int i = 0; i < 9; ++i) {
        const auto t = Clock::now();
        WebUnit unit(asset_root, 1, 44100, "", replay_folder);
        times.push_back(ms_since(t));
        if (!unit.ready()) return f;
    }
    std::sort(times.begin(), times.end());
    f.create_ms = times[times.size() / 2];

    // Ten minutes of game A, a new game whenever one ends, at sixty frames a second.
    WebUnit unit(asset_root, 1, 44100, "", replay_folder);
    constexpr Millis kLength = 10 * 60 * 1000;
    const auto t = Clock::now();
    unit.key(0x33, true);
    unit.key(0x33, false);
    for (int frame = 1; frame * 1000 / 60 <= kLength; ++frame) {
        const Millis now = frame * 1000 / 60;
        if (frame % 60 == 0 && unit.words().rfind("Game A", 0) != 0) {
            unit.key(0x31, true);
            unit.key(0x31, false);
        }
        unit.advance(now);
    }
    f.real_time_multiple = kLength / ms_since(t);
    return f;
}

}  // namespace ignivar::web
