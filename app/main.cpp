// The composition root: the settings store, the sound output and the
// program's windows, created in start order and wired to each other.
#include <QApplication>
#include <QMessageBox>
#include <cfenv>

#include "app/diagnostics.h"
#include "app/main_window.h"
#include "product.h"
#include "settings/qt_store.h"

int main(int argc, char** argv) {
    ignivar::app::mark_process_start();
    // Floating-point exceptions are masked while the program runs, and the
    // caller's state is given back at the end.
    std::fenv_t saved;
    std::feholdexcept(&saved);
    int status = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationName("Ignivar");
        QApplication::setApplicationDisplayName(ignivar::kApplicationTitle);
        ignivar::QtStore store;
        ignivar::SilentSink sound;
        ignivar::app::TForm1 main_window(store, sound, QCoreApplication::applicationDirPath().toStdString());
        if (!store.open_problem().empty())
            QMessageBox::warning(&main_window, ignivar::kApplicationTitle,
                                 QString::fromStdString("The settings file could not be read: " + store.open_problem()));
        if (main_window.must_end()) {
            status = 1;
        } else {
            // Until there is a splash window, start as its Play action does
            // with "(no sound)" chosen.
            store.write_number(ignivar::Setting::SoundMode, 2);
            store.write_flag(ignivar::Setting::SplashScreen, store.read_flag(ignivar::Setting::SplashScreen, true));
            main_window.power_on();
            status = QApplication::exec();
        }
    }
    std::fesetenv(&saved);
    return status;
}
