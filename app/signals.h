// Ends the program on SIGTERM, SIGINT and SIGHUP as closing its window
// does: the signal only writes a byte to a pipe, and the event loop reads
// it and runs the ending, whatever window is up (the start window, a
// dialog, the unit). Installed before any library that would take the
// signals for itself (SDL leaves a signal alone that has a handler).
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace ignivar::app {

class EndOnSignals : public QObject {
public:
    // `end` runs on the event loop with the signal's number.
    explicit EndOnSignals(std::function<void(int signal)> end, QObject* parent = nullptr);
    ~EndOnSignals() override;

    // A signal came. An ending run in a dialog's own loop before the main
    // loop started (a message at start-up) cannot end a loop that is not
    // running yet: the program asks this before it starts its loop.
    static bool came();

private:
    std::function<void(int)> end_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ignivar::app
