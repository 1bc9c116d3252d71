// The program's start: the command line's answers, the application object,
// the floating-point environment and the signals that end it; the rest is
// the Program's.
#include <QApplication>
#include <cfenv>
#include <cstdio>
#include <optional>
#include <string>

#include "app/actions.h"
#include "app/data_paths.h"
#include "app/diagnostics.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/signals.h"
#include "input/key_codes.h"
#include "product.h"

using namespace ignivar;

namespace {

constexpr const char* kHelp =
    "Usage: ignivar [--help] [--version]\n"
    "Simulator of the Ignivar pocket LCD game and watch.\n"
    "\n"
    "The unit's keys: 1 game A, 2 game B, 3 time, the arrows move, Ctrl and Alt\n"
    "shoot (\"Key settings\" binds them to others). Right-click the unit for its\n"
    "menu. The program's own keys:\n";
constexpr const char* kHelpEnd =
    "\n"
    "Settings: $XDG_CONFIG_HOME/Zandrel/Brasquel50.ini; a Config.ini beside it\n"
    "is used instead of the shipped skin file.\n";

// --help and --version answer and end the program; nothing else is taken.
std::optional<int> answer_command_line(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            std::fputs(app::key_list().c_str(), stdout);
            std::fputs(kHelpEnd, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("ignivar %s\n", kProgramVersion);
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    if (const auto answered = answer_command_line(argc, argv)) return *answered;
    app::mark_process_start();
    // Floating-point exceptions are masked while the program runs, and the
    // caller's state is given back at the end.
    std::fenv_t saved;
    std::feholdexcept(&saved);
    int status = 0;
    {
        QApplication application(argc, argv);
        QApplication::setApplicationName("Ignivar");
        input::request_detectable_autorepeat();
        const app::DataPaths files = app::find_data_paths(QCoreApplication::applicationDirPath().toStdString(),
                                                          app::player_folder(), kDataFromBin);
        QGuiApplication::setDesktopFileName("ignivar");
        // A signal ends the program as closing its window does, on whatever
        // window is up; set up before the sound and gamepads start.
        app::EndOnSignals end_on_signals([](int) {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<app::TForm1*>(w) && w->isVisible()) w->close();
            QCoreApplication::exit(0);
        });
        app::report_start_phase("Qt up");
        app::Program program(files);
        app::report_start_phase("unit made");
        status = program.run();
    }
    std::fesetenv(&saved);
    return status;
}
