#include "ui/fonts_ahead.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <system_error>
#include <utility>

namespace ignivar::ui {

FontsAhead::FontsAhead(std::vector<QFont> fonts) {
    try {
        thread_ = std::thread([fonts = std::move(fonts)] {
            // Qt's font database is shared by all threads and locked while it
            // is read in or searched: the window's thread waits only for
            // what is not done yet. The fonts themselves are opened again
            // by the thread that draws with them.
            (void)QFontDatabase::families();
            for (const QFont& f : fonts) (void)QFontMetrics(f).height();
        });
    } catch (const std::system_error&) {
        // No thread to spare: the first text reads them all, as ever.
    }
}

FontsAhead::~FontsAhead() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace ignivar::ui
