// The desktop's fonts read into Qt's font database, and the fonts a window
// is about to draw with looked up in it, on a thread of their own while the
// program does other work. A window's first text otherwise waits for all
// of that: tens of milliseconds on a desktop with many fonts.
#pragma once

#include <QFont>
#include <thread>
#include <vector>

namespace ignivar::ui {

class FontsAhead {
public:
    // Made once the application object is up; without a thread to spare,
    // the first text does it all as ever.
    explicit FontsAhead(std::vector<QFont> fonts);
    // Waits for the thread.
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

private:
    std::thread thread_;
};

}  // namespace ignivar::ui
