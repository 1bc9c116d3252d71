// The composition root: the settings store, the sound output and the five
// windows, created in start order (main, about, key settings, manual,
// splash) and wired to each other. No window creates another.
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <cstdio>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>
#include <cfenv>

#include "app/data_paths.h"
#include "app/diagnostics.h"
#include "app/gamepad_pump.h"
#include "app/main_window.h"
#include "product.h"
#include "settings/qt_store.h"
#include "sound/sound_output.h"
#include "input/key_codes.h"
#include "input/keys_form.h"
#include "windows/about_form.h"
#include "windows/desktop.h"
#include "windows/manual_form.h"
#include "windows/splash_form.h"

using namespace ignivar;

namespace {

constexpr const char* kHelp =
    "Usage: ignivar [--help] [--version]\n"
    "Simulator of the Ignivar pocket LCD game and watch.\n"
    "\n"
    "Keys: 1 game A, 2 game B, 3 time, the arrows move, Ctrl and Alt shoot;\n"
    "F1 about, F4 manual, F12 window or full screen, Esc ends. Right-click the\n"
    "unit for its menu.\n"
    "\n"
    "Settings: $XDG_CONFIG_HOME/Zandrel/Brasquel50.ini; a Config.ini beside it\n"
    "is used instead of the shipped skin file.\n";

}  // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            std::printf("ignivar %s\n", kProgramVersion);
            return 0;
        }
    }
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
        const std::string& program_dir = files.data_dir;
        // The installed theme's icon, or the one beside a build tree's program.
        QApplication::setWindowIcon(QIcon::fromTheme(
            "ignivar", QIcon(QString::fromStdString(program_dir + "/icons/hicolor/256x256/apps/ignivar.png"))));
        QGuiApplication::setDesktopFileName("ignivar");

        QtStore store;
        sound::SoundOutput sound(program_dir);
        bool splash_pending = true;
        // An ending asked for before the event loop runs (a failed start-up
        // in the skipped splash window) must stop it from running at all.
        bool ending = false;
        int end_status = 0;
        const auto end_program = [&](int code) {
            ending = true;
            end_status = code;
            QCoreApplication::exit(code);
        };

        app::TForm1 main_window(store, sound, files);
        // A refused store is told by the first write that it cannot keep.
        if (!store.open_problem().empty() && !store.refused())
            QMessageBox::warning(nullptr, kApplicationTitle,
                                 QString::fromStdString("The settings file could not be read: " + store.open_problem()));
        if (main_window.must_end()) {
            status = 1;
        } else {
            QObject::connect(&main_window, &app::TForm1::closing, [&] { sound.shutdown(); });
            const auto open_url = [](const QUrl& url) { windows::open_with_desktop(url, {}); };

            windows::TAboutForm about(program_dir, [&](const QString& url) { open_url(QUrl(url)); });
            input::TKeysForm keys(main_window.controls(), store, [&](bool on) { main_window.setEnabled(on); });
            windows::TManualForm manual(
                files.config, program_dir,
                [](const std::string& message) {
                    QMessageBox::critical(nullptr, kApplicationTitle, QString::fromStdString(message));
                },
                files.own_dir());
            windows::TSplashForm* splash_ptr = nullptr;
            main_window.set_openers({
                .about = [&] { about.present(); },
                .manual = [&] {
                    manual.show();
                    manual.raise();
                    manual.activateWindow();
                },
                .keys = [&] { keys.open(); },
                .splash_checkbox = [&] { return splash_ptr->chb_splashscreen()->isChecked(); },
                .open_file = [](const QUrl& file, std::function<void()> failed) {
                    windows::open_with_desktop(file, std::move(failed));
                },
            });

            windows::TSplashForm::Hooks hooks;
            hooks.sound_startup = [&](const std::string& driver) {
                const bool ok = sound.startup(driver, store, [](const char* message) {
                    QMessageBox::critical(nullptr, kApplicationTitle, message);
                });
                main_window.unit().set_sound_output(sound.active());
                return ok;
            };
            hooks.set_splash_menu_check = [&](bool checked) {
                main_window.popup().action(app::Pm::Splashscreen)->setChecked(checked);
            };
            hooks.power_on = [&] { main_window.power_on(); };
            hooks.end_program = end_program;
            hooks.splash_pending = &splash_pending;
            app::FirstPaintReport splash_paint("splash window");
            hooks.painted = [&] { splash_paint.painted(); };
            windows::TSplashForm splash(store, program_dir, hooks);
            splash_ptr = &splash;

            // FormActivate of the main window: the first one shows the splash.
            const auto form_activate = [&] {
                if (!splash_pending) return;
                splash_pending = false;
                splash.present();
            };
            QObject::connect(&main_window, &app::TForm1::activated, form_activate);
            app::GamepadPump gamepads(main_window, files.player_dir.empty() ? std::string()
                                                                            : files.player_dir + "/Gamepad.txt");
            if (!gamepads.unavailable().empty()) std::fprintf(stderr, "ignivar: %s\n", gamepads.unavailable().c_str());
            if (!gamepads.problems().empty()) {
                QString text = "Parts of the gamepad mapping could not be understood and are left out:\n";
                for (const std::string& p : gamepads.problems()) text += "\n" + QString::fromStdString(p);
                QTimer::singleShot(0, [text] { QMessageBox::warning(nullptr, kApplicationTitle, text); });
            }
            if (!splash.skipped()) splash.show();
            QTimer::singleShot(0, form_activate);  // as the event loop starts
            status = ending ? end_status : QApplication::exec();
        }
    }
    std::fesetenv(&saved);
    return status;
}
