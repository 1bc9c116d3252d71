// Key events of the desktop as the key codes of the key table. The code
// comes from the physical key: the digit row gives 0x30..0x39 whatever the
// layout and Shift; the arrows, Alt, Ctrl, Shift (left and right alike) and
// the space bar by their place; letters by the letter the layout puts on
// the key. The numeric keypad and every other key give 0, which no binding
// carries. A release gets the code its press had.
#pragma once

#include <QHash>
#include <cstdint>
#include <vector>

class QKeyEvent;

namespace ignivar::input {

// The code of a Qt key value alone (events without a physical key code).
std::uint16_t key_code_of_qt_key(int qt_key);
// The code of a key event, from its physical key where the event has one.
std::uint16_t key_code(const QKeyEvent& e);

// The keys held down on a window, so that every release carries the code
// of its press, and a window that loses the keyboard can let them all go.
class HeldKeys {
public:
    // A press, first or repeated: the code to route (0: none).
    std::uint16_t press(const QKeyEvent& e);
    // A release: the code its press had (0: none).
    std::uint16_t release(const QKeyEvent& e);
    // Every held key's code, forgotten: the window lost the keyboard.
    std::vector<std::uint16_t> release_all();
    bool empty() const { return held_.isEmpty(); }

private:
    static quint64 identity(const QKeyEvent& e);
    QHash<quint64, std::uint16_t> held_;
};

// Under X11, asks the server for detectable auto-repeat: a held key then
// sends repeated presses and one release, never release/press pairs that a
// busy program could take for real releases. Elsewhere it does nothing.
// Returns whether the server agreed.
bool request_detectable_autorepeat();

}  // namespace ignivar::input
