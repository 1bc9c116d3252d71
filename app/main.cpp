// The simulator: creates the main window and runs the event loop.
#include <QApplication>
#include <QMessageBox>
#include <cfenv>

#include "app/main_window.h"
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
        QApplication::setApplicationDisplayName("Ignivar (Kelvtro, Tockabout) Simulator");
        ignivar::QtStore store;
        ignivar::app::TForm1 main_window(store, QCoreApplication::applicationDirPath().toStdString());
        if (!store.open_problem().empty())
            QMessageBox::warning(&main_window, QApplication::applicationDisplayName(),
                                 QString::fromStdString("The settings file could not be read: " + store.open_problem()));
        if (main_window.must_end()) {
            status = 1;
        } else {
            // Until there is a splash window, start as its Play action does
            // with "(no sound)" chosen.
            store.write_number("SoundMode", 2);
            store.write_flag("SplashScreen", store.read_flag("SplashScreen", true));
            main_window.play();
            status = QApplication::exec();
        }
    }
    std::fesetenv(&saved);
    return status;
}
