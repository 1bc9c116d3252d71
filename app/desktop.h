// What the desktop the program runs on can do for its window.
#pragma once

class QWidget;

namespace ignivar::app {

// Whether the desktop composites windows, so that a translucent window
// shows the desktop through it: every Wayland session, and X11 while a
// compositing manager runs.
bool desktop_composites();
// Whether the program can place its own window (not so on Wayland).
bool can_place_windows();

// Makes `secondary` the unit window's own: the window manager keeps it
// above the unit, in full screen too, and when it closes the keyboard
// goes back to the unit (also where no window manager would give it).
void make_own(QWidget& secondary, QWidget& unit);

}  // namespace ignivar::app
