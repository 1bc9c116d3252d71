// Counts the repaints the window asks for in 15 s of game A (a bot moving
// and shooting) and while the time is shown for a minute, in the exact look
// (one a change of the display) and the real one (also one each time a
// fade crosses a step, at most once a 60 Hz frame), as the window schedules
// them; on virtual time, so the figures are the same on every machine.
#include <algorithm>
#include <cstdio>
#include <optional>

#include "host/host.h"
#include "settings/memory_store.h"

using namespace ignivar;

namespace {

struct Count {
    long changes = 0, fades = 0;
};

// Runs `ms` of the unit from where it is, repaint by repaint.
Count run(host::Host& host, host::ManualTime& time, Millis ms, bool real, int period) {
    Count c;
    const Millis end = time.now() + ms;
    std::uint64_t shown = host.unit().display().changes();
    std::optional<Millis> fade_at;
    while (time.now() < end) {
        const Millis due = host.next_due().value_or(end);
        const Millis next = std::min({end, std::max(due, time.now() + 1), fade_at.value_or(end)});
        time.set(next);
        // The bot: right and shoot, in turns, each held 40 ms.
        const input::Button b = period && next / period % 2 ? input::Button::Right : input::Button::ShootRight;
        if (period && next % period == 0) host.press(b);
        if (period && next % period == 40) host.release(b);
        host.sync();
        const bool changed = host.unit().display().changes() != shown;
        shown = host.unit().display().changes();
        if (changed) ++c.changes;
        if (!real) continue;
        if (fade_at && next >= *fade_at && !changed) ++c.fades;
        const std::optional<Millis> in = host.lcd_change_in();
        if (changed || (fade_at && next >= *fade_at))
            fade_at = in ? std::optional<Millis>(next + std::max<Millis>(*in, 16)) : std::nullopt;
    }
    return c;
}

}  // namespace

int main() {
    for (const bool real : {false, true}) {
        MemoryStore store;
        SilentSink sound;
        host::ManualTime time;
        host::Host host(store, sound, time, 7);
        host.create();
        host.handle([&] { host.unit().power_on(); });
        time.advance(31000);
        host.sync();
        host.press(input::Button::Time);
        host.release(input::Button::Time);
        const Count watch = run(host, time, 60000, real, 0);
        host.press(input::Button::GameA);
        host.release(input::Button::GameA);
        const Count game = run(host, time, 15000, real, 250);
        std::printf("%-5s  time shown, a minute: %ld repaints (%ld of fades);  game A, 15 s: %ld repaints (%ld of fades)\n",
                    real ? "real" : "exact", watch.changes + watch.fades, watch.fades,
                    game.changes + game.fades, game.fades);
    }
    return 0;
}
