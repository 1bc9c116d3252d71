// What the desktop the program runs on can do for its window.
#pragma once

namespace ignivar::app {

// Whether the desktop composites windows, so that a translucent window
// shows the desktop through it: every Wayland session, and X11 while a
// compositing manager runs.
bool desktop_composites();
// Whether the program can place its own window (not so on Wayland).
bool can_place_windows();

}  // namespace ignivar::app
