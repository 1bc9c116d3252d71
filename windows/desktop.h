// Opening a file or an address with the desktop's program for it (the
// "open" verb), and noticing when nothing could open it.
#pragma once

#include <QUrl>
#include <functional>

namespace ignivar::windows {

// Starts the desktop's program for `url` and returns at once. When nothing
// can open it (no xdg-open, no program for that kind of file) `on_failure`
// runs, at once or later from the event loop.
void open_with_desktop(const QUrl& url, std::function<void()> on_failure);

}  // namespace ignivar::windows
