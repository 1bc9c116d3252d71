// Key press to painted frame on a real X server (run it under xvfb-run):
// xdotool types the time key; for each press the time from the event
// reaching the window to the end of the paint that shows its effect.
// "fullscreen" measures it beside its baseline in the same run, taking
// turns a round at a time: a plain Qt window in full screen that fills one
// 400 x 400 rectangle anew on each press, what Qt and the X server take
// for any frame.
// Usage: bench_keys [PRESSES] [window|fullscreen]
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
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

// Types `presses` time keys into a window and gives the times measured.
class Typing {
public:
    Typing(QWidget& w, PressClock& stamp, std::vector<double>& ms) : w_(w), stamp_(stamp), ms_(ms) {}
    void run(int presses) {
        QEventLoop loop;
        QProcess typist;
        QObject::connect(&typist, &QProcess::finished, [&] { QTimer::singleShot(200, &loop, &QEventLoop::quit); });
        QTimer::singleShot(300, [&] {
            QProcess::execute("xdotool", {"windowactivate", "--sync", QString::number(w_.winId())});
            QStringList args{"key", "--delay", "40"};
            for (int i = 0; i < presses; ++i) args << "3";
            typist.start("xdotool", args);
        });
        loop.exec();
    }

private:
    QWidget& w_;
    PressClock& stamp_;
    std::vector<double>& ms_;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void report(const char* what, const QWidget& w, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) return (void)std::printf("key to frame, %s: no frames measured\n", what);
    std::printf("key press to painted frame, %s %dx%d, %zu presses: median %.3f ms, p99 %.3f ms, max %.3f ms\n", what,
                w.width(), w.height(), ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back());
}

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
    PressClock stamp;
    stamp.clock.start();
    std::vector<double> unit_ms, bare_ms, *into = &unit_ms;
    const auto painted = [&] {
        if (stamp.pressed_at < 0) return;
        into->push_back(stamp.clock.nsecsElapsed() / 1e6 - stamp.pressed_at);
        stamp.pressed_at = -1;
    };
    app::TForm1 unit(host, time, IGNIVAR_ASSET_DIR);
    unit.power_on();
    QObject::connect(&unit, &app::TForm1::painted, painted);
    unit.installEventFilter(&stamp);
    if (!fullscreen) {
        Typing(unit, stamp, unit_ms).run(presses);
        report("window", unit, unit_ms);
        return 0;
    }
    Bare bare(painted);
    bare.installEventFilter(&stamp);
    // Rounds in turn, so that what the machine does meanwhile falls on both alike.
    constexpr int kRounds = 4;
    for (int round = 0; round < kRounds; ++round)
        for (QWidget* w : {static_cast<QWidget*>(&bare), static_cast<QWidget*>(&unit)}) {
            into = w == &bare ? &bare_ms : &unit_ms;
            QWidget* other = w == &bare ? static_cast<QWidget*>(&unit) : &bare;
            other->hide();
            w->setGeometry(QGuiApplication::primaryScreen()->geometry());  // without a window manager too
            w->showFullScreen();
            w->activateWindow();
            Typing(*w, stamp, *into).run(presses / kRounds);
        }
    report("bare Qt window, full screen", bare, bare_ms);
    report("the unit, full screen", unit, unit_ms);
    std::printf("key press to painted frame, full screen: the unit's median %.2fx the bare window's\n",
                median(unit_ms) / median(bare_ms));
    return 0;
}
