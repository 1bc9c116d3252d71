// The main window on a real X server (run under Xvfb): keys pressed and
// held through XTest (xdotool), with the server's own auto-repeat, while
// the machine is busy.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <atomic>
#include <thread>
#include <vector>

#include "desk.h"
#include "app/main_window.h"
#include "input/key_codes.h"
#include "settings/memory_store.h"

namespace ignivar::app {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

void xdotool(const QStringList& args) {
    QProcess p;
    p.start("xdotool", args);
    ASSERT_TRUE(p.waitForFinished(5000)) << args.join(' ').toStdString();
}

// Lets the event loop run for `ms` of real time.
void run_for(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

TEST(RealWindow, AHeldArrowMovesTheHeroOnceOnABusyMachine) {
    EXPECT_TRUE(input::request_detectable_autorepeat());
    test::Desk desk(false);
    TForm1& w = *desk.w;
    Unit& unit = desk.unit();
    w.power_on();
    run_for(300);
    xdotool({"windowactivate", "--sync", QString::number(w.winId())});
    xdotool({"windowfocus", "--sync", QString::number(w.winId())});
    run_for(200);
    xdotool({"key", "3"});
    xdotool({"key", "1"});
    run_for(300);
    ASSERT_EQ(unit.state().mode, 8);
    unit.advance(7000);  // past the count-down
    ASSERT_TRUE(unit.state().play);
    // Hold the game still: no flames, so nothing but the key moves the hero.
    unit.timers().set_enabled(TimerId::Game, false);
    const int hero = unit.state().hero;

    // Two cores kept busy, and the program's own loop stalled now and then.
    std::atomic<bool> stop{false};
    std::vector<std::thread> burners;
    for (int i = 0; i < 2; ++i)
        burners.emplace_back([&] {
            unsigned x = 0;
            while (!stop.load(std::memory_order_relaxed)) x = x * 1664525u + 1013904223u;
            [[maybe_unused]] volatile unsigned sink = x;
        });
    xdotool({"keydown", "Right"});
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 2000) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
        if (t.elapsed() % 100 < 10) QThread::msleep(40);
    }
    xdotool({"keyup", "Right"});
    run_for(200);
    stop = true;
    for (auto& b : burners) b.join();
    EXPECT_EQ(unit.state().hero, hero + 1);
    EXPECT_FALSE(unit.display().Vid_Is_Lit(Seg::BtnRightDown));
    EXPECT_FALSE(unit.state().button_latch);
}

}  // namespace
}  // namespace ignivar::app

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
