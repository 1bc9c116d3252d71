// Replays: a game of a little over three minutes, played by a simple
// player of our own and recorded; how long verifying it takes, how large
// its replay is per minute of play, and how fast it is exported at 1x and
// 60 frames a second to MP4 and to GIF.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <vector>

#include "clips/exporter.h"
#include "host/replay.h"
#include "settings/memory_store.h"

using namespace ignivar;

namespace {

double seconds_of(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Plays game A for `play_ms`: goes under the nearest flame and shoots;
// then lets go until the game is over.
host::Replay played_game(Millis play_ms) {
    MemoryStore store;
    SilentSink sound;
    host::ManualTime time;
    host::Host h(store, sound, time, 5);
    h.create();
    h.handle([&] { h.unit().power_on(); });
    host::Recorder recorder(h);
    std::optional<host::Replay> done;
    recorder.on_finished([&](const host::Replay& r) { done = r; });
    const auto click = [&](input::Button b) {
        h.press(b);
        time.advance(30);
        h.release(b);
        time.advance(30);
    };
    click(input::Button::Time);
    click(input::Button::GameA);
    const Millis begin = time.now();
    while (!done) {
        time.advance(20);
        h.sync();
        const GameState& s = h.unit().state();
        if (time.now() - begin > play_ms || !s.play || s.shot_step != 0) continue;
        int lane = 0, nearest = kPositions + 1;
        for (int l = 1; l <= kLanes; ++l)
            for (int p = 1; p <= kPositions; ++p)
                if (s.cell(l, p) && p < nearest) nearest = p, lane = l;
        if (!lane) continue;
        click(lane < s.hero ? input::Button::Left : lane > s.hero ? input::Button::Right : input::Button::ShootLeft);
    }
    return *done;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string assets = argc > 1 ? argv[1] : IGNIVAR_ASSET_DIR;
    const host::Replay game = played_game(180'000);
    const std::string text = host::write_replay(game);
    const double minutes = game.length / 60000.0;
    std::printf("game A: %d points in %.1f s, %zu steps\n", game.score, game.length / 1000.0, game.steps.size());
    std::printf("replay file: %zu bytes, %.0f bytes a minute of play\n", text.size(), text.size() / minutes);

    std::vector<double> ms;
    for (int i = 0; i < 20; ++i) ms.push_back(1000 * seconds_of([&] {
        if (!host::verify(game)) std::abort();
    }));
    std::sort(ms.begin(), ms.end());
    std::printf("verify: median %.2f ms, best %.2f ms (target: under 5 ms)\n", ms[ms.size() / 2], ms.front());

    const auto folder = std::filesystem::temp_directory_path() / "ignivar-bench-replay";
    std::filesystem::create_directories(folder);
    for (clips::Format format : {clips::Format::Mp4, clips::Format::Gif}) {
        clips::ExportRequest r;
        r.format = format;
        r.fps = 60;
        r.zoom = 1;
        r.config = assets + "/Config.ini";
        r.data_dir = assets;
        r.out = (folder / (std::string("game.") + clips::format_name(format))).string();
        Status s;
        const double took = seconds_of([&] { s = clips::export_clip(game, r); });
        if (!s) {
            std::printf("export %s: %s\n", clips::format_name(format), s.message().c_str());
            return 1;
        }
        const double clip = (game.length + 1000) / 1000.0;
        std::printf("export %-4s 1x 60 fps: %.2f s for %.1f s of play, %.1fx real time, %.1f MB%s\n",
                    clips::format_name(format), took, clip, clip / took,
                    std::filesystem::file_size(r.out) / 1e6, format == clips::Format::Mp4 ? " (target: at least 20x)" : "");
    }
    std::filesystem::remove_all(folder);
    return 0;
}
