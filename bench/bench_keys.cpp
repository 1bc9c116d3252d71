// Key press to painted frame on a real X server (run it under xvfb-run):
// xdotool types the time key; for each press the time from the event
// reaching the window to the end of the paint that shows its effect.
// Usage: bench_keys [PRESSES] [window|fullscreen]
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "host/system_clock.h"
#include "input/key_codes.h"
#include "settings/memory_store.h"

using namespace ignivar;

namespace {

// Stamps each key press as it reaches the window.
class PressClock : public QObject {
public:
    QElapsedTimer clock;
    double pressed_at = -1;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
            pressed_at = clock.nsecsElapsed() / 1e6;
        return false;
    }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    input::request_detectable_autorepeat();
    const bool fullscreen = argc > 2 && std::string(argv[2]) == "fullscreen";
    MemoryStore store;
    store.write_text("FullscreenMode", fullscreen ? "1" : "0");
    SilentSink sound;
    host::RealTime time;
    host::SystemClock system_clock;
    host::Host host(store, sound, time, 1, &system_clock);
    app::TForm1 w(host, time, IGNIVAR_ASSET_DIR);
    w.power_on();
    PressClock stamp;
    stamp.clock.start();
    w.installEventFilter(&stamp);
    std::vector<double> ms;
    QObject::connect(&w, &app::TForm1::painted, [&] {
        if (stamp.pressed_at < 0) return;
        ms.push_back(stamp.clock.nsecsElapsed() / 1e6 - stamp.pressed_at);
        stamp.pressed_at = -1;
    });
    QProcess typist;
    QTimer::singleShot(500, [&] {
        QProcess::execute("xdotool", {"windowactivate", "--sync", QString::number(w.winId())});
        QStringList args{"key", "--delay", "40"};
        for (int i = 0; i < presses; ++i) args << "3";
        typist.start("xdotool", args);
    });
    QObject::connect(&typist, &QProcess::finished, [&] {
        QTimer::singleShot(200, [&] {
            std::sort(ms.begin(), ms.end());
            if (ms.empty()) {
                std::printf("key to frame: no frames measured\n");
                QCoreApplication::exit(1);
                return;
            }
            std::printf("key press to painted frame, %s %dx%d, %zu presses: median %.3f ms, p99 %.3f ms, max %.3f ms\n",
                        fullscreen ? "full screen" : "window", w.width(), w.height(), ms.size(), ms[ms.size() / 2],
                        ms[ms.size() * 99 / 100], ms.back());
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}
