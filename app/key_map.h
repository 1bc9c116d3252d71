// Maps Qt's key events onto the virtual-key codes of the key table: digits
// 0x30..0x39, letters 0x41..0x5A, arrows, Alt, Ctrl, Shift (left and right
// alike) and space. Every other key gives 0, which no binding carries.
#pragma once

#include <cstdint>

class QKeyEvent;

namespace ignivar::app {

std::uint16_t virtual_key(int qt_key);
std::uint16_t virtual_key(const QKeyEvent& event);

}  // namespace ignivar::app
