// Runs the real main window (under Xvfb) and measures, from the process's
// own accounting and timestamps:
//   1. CPU used while it shows the time, over IDLE_SECONDS (default 60);
//   2. the game tick's real period against its nominal 310 ms in game A,
//      over GAME_SECONDS (default 40), no player input.
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

#include "app/gamepad_pump.h"
#include "app/main_window.h"
#include "host/system_clock.h"
#include "settings/memory_store.h"

using namespace ignivar;

namespace {

double cpu_seconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void key(QWidget* w, int k, const char* text) {
    QKeyEvent down(QEvent::KeyPress, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, k, Qt::NoModifier, text);
    QApplication::sendEvent(w, &up);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int idle_s = argc > 1 ? std::atoi(argv[1]) : 60;
    const int game_s = argc > 2 ? std::atoi(argv[2]) : 40;
    MemoryStore store;
    store.write_text("FullscreenMode", "0");
    SilentSink sound;
    host::RealTime time;
    host::SystemClock system_clock;
    host::Host host(store, sound, time, 1, &system_clock);
    app::TForm1 w(host, time, IGNIVAR_ASSET_DIR);
    w.power_on();
    // As the program runs: gamepad support on (no pad is connected here).
    app::GamepadPump gamepads(host, qEnvironmentVariable("IGNIVAR_GAMEPAD_FILE").toStdString());
    std::printf("gamepads: %s\n", gamepads.unavailable().empty() ? "on" : gamepads.unavailable().c_str());

    QElapsedTimer clock;
    clock.start();
    struct Firing {
        double ms;
        TimerId id;
    };
    std::vector<Firing> firings;
    host.unit().timers().set_fire_observer([&](TimerId t) { firings.push_back({clock.nsecsElapsed() / 1e6, t}); });

    // Phase 1: the watch. Leave power-on for the time, then measure.
    key(&w, Qt::Key_3, "3");
    double cpu0 = 0, wall0 = 0;
    QTimer::singleShot(2000, [&] {
        cpu0 = cpu_seconds();
        wall0 = clock.elapsed() / 1000.0;
    });
    QTimer::singleShot(2000 + idle_s * 1000, [&] {
        const double cpu = cpu_seconds() - cpu0, wall = clock.elapsed() / 1000.0 - wall0;
        std::printf("idle (time shown)  %.3f s CPU in %.1f s: %.3f %% of one core\n", cpu, wall, 100 * cpu / wall);
        firings.clear();
        key(&w, Qt::Key_1, "1");  // game A
    });
    // Phase 2: games; start a new one whenever the last has ended.
    QTimer restart;
    QObject::connect(&restart, &QTimer::timeout, [&] {
        const int mode = host.unit().state().mode;
        if (mode == kTime1 || mode == kGameOver) key(&w, Qt::Key_1, "1");
    });
    QTimer::singleShot(2000 + idle_s * 1000, [&] { restart.start(500); });
    QTimer::singleShot(2000 + (idle_s + game_s) * 1000, [&] {
        // Regular ticks: two game ticks in a row with nothing else between.
        std::vector<double> errors;
        for (std::size_t i = 1; i < firings.size(); ++i)
            if (firings[i].id == TimerId::Game && firings[i - 1].id == TimerId::Game &&
                firings[i].ms - firings[i - 1].ms > 100)
                errors.push_back(std::abs(firings[i].ms - firings[i - 1].ms - 310.0));
        std::sort(errors.begin(), errors.end());
        double sum = 0;
        for (double e : errors) sum += e;
        if (errors.empty()) std::printf("game tick          no regular ticks measured\n");
        else
            std::printf("game tick (310 ms) %zu periods: mean error %.3f ms, p99 error %.3f ms, max %.3f ms\n",
                        errors.size(), sum / errors.size(), errors[errors.size() * 99 / 100], errors.back());
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
