// Key press to painted frame on a real X server (run it under xvfb-run):
// xdotool types the time key; for each press the time from the event
// reaching the window to the end of the paint that shows its effect.
// "bare" measures its baseline: a plain Qt window in full screen that
// fills one 400 x 400 rectangle anew on each press, what Qt and the X
// server take for any frame.
// Usage: bench_keys [PRESSES] [window|fullscreen|bare]
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
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

// The baseline: a rectangle filled in another colour on each press.
class Bare : public QWidget {
public:
    explicit Bare(std::function<void()> painted) : painted_(std::move(painted)) { setFocusPolicy(Qt::StrongFocus); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->isAutoRepeat()) return;
        ++presses_;
        update(100, 100, 400, 400);
    }
    void paintEvent(QPaintEvent* e) override {
        QPainter p(this);
        p.fillRect(e->rect(), presses_ % 2 ? Qt::darkGreen : Qt::darkRed);
        p.end();
        painted_();
    }

private:
    std::function<void()> painted_;
    int presses_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int presses = argc > 1 ? std::atoi(argv[1]) : 200;
    input::request_detectable_autorepeat();
    const std::string layout = argc > 2 ? argv[2] : "window";
    const bool bare = layout == "bare";
    const bool fullscreen = bare || layout == "fullscreen";
    MemoryStore store;
    store.write_text("FullscreenMode", fullscreen ? "1" : "0");
    SilentSink sound;
    host::RealTime time;
    host::SystemClock system_clock;
    host::Host host(store, sound, time, 1, &system_clock);
    PressClock stamp;
    stamp.clock.start();
    std::vector<double> ms;
    const auto painted = [&] {
        if (stamp.pressed_at < 0) return;
        ms.push_back(stamp.clock.nsecsElapsed() / 1e6 - stamp.pressed_at);
        stamp.pressed_at = -1;
    };
    std::optional<app::TForm1> unit;
    std::optional<Bare> plain;
    QWidget* w;
    if (bare) {
        w = &plain.emplace(painted);
        w->setGeometry(QGuiApplication::primaryScreen()->geometry());  // without a window manager too
        w->showFullScreen();
        w->activateWindow();
    } else {
        w = &unit.emplace(host, time, IGNIVAR_ASSET_DIR);
        unit->power_on();
        QObject::connect(&*unit, &app::TForm1::painted, painted);
    }
    w->installEventFilter(&stamp);
    QProcess typist;
    QTimer::singleShot(500, [&] {
        QProcess::execute("xdotool", {"windowactivate", "--sync", QString::number(w->winId())});
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
                        bare ? "bare Qt window, full screen" : fullscreen ? "full screen" : "window", w->width(),
                        w->height(), ms.size(), ms[ms.size() / 2],
                        ms[ms.size() * 99 / 100], ms.back());
            QCoreApplication::exit(0);
        });
    });
    return QApplication::exec();
}
