#include "app/key_map.h"

#include <QKeyEvent>

#include "input/keys.h"

namespace ignivar::app {

std::uint16_t virtual_key(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>(0x30 + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(0x41 + (key - Qt::Key_A));
    switch (key) {
        case Qt::Key_Left: return input::vk::kLeft;
        case Qt::Key_Right: return input::vk::kRight;
        case Qt::Key_Up: return input::vk::kUp;
        case Qt::Key_Down: return input::vk::kDown;
        case Qt::Key_Alt: return input::vk::kAlt;
        case Qt::Key_Control: return input::vk::kCtrl;
        case Qt::Key_Shift: return input::vk::kShift;
        case Qt::Key_Space: return input::vk::kSpace;
        default: return 0;
    }
}

std::uint16_t virtual_key(const QKeyEvent& event) {
    // Keys of the numeric keypad are other keys than the main keyboard's
    // digits, even where they type the same character.
    if (event.modifiers() & Qt::KeypadModifier) return 0;
    return virtual_key(event.key());
}

}  // namespace ignivar::app
