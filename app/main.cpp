// The composition root: the settings store, the sound output, the host
// that runs the unit, and the five windows, created in start order (main,
// about, key settings, manual, splash) and wired to each other. No window
// creates another.
#include <QApplication>
#include <QCheckBox>
#include <QIcon>
#include <QTimer>
#include <QUrl>
#include <cfenv>
#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>

#include "app/actions.h"
#include "app/data_paths.h"
#include "app/desktop.h"
#include "app/diagnostics.h"
#include "app/gamepad_pump.h"
#include "app/main_window.h"
#include "app/clip_module.h"
#include "app/replays_window.h"
#include "app/signals.h"
#include "app/sound_rest.h"
#include "files/places.h"
#include "files/xdg.h"
#include "host/host.h"
#include "host/system_clock.h"
#include "input/key_codes.h"
#include "input/keys_form.h"
#include "product.h"
#include "settings/qt_store.h"
#include "sound/sound_output.h"
#include "ui/kit.h"
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

std::uint32_t clock_seed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// Everything the program is made of, in the order it is made.
class Program {
public:
    explicit Program(const app::DataPaths& files)
        : files_(files),
          // The skin's pictures are kept decoded for the next start; another
          // build's decoders might give other pixels, so its entries are not taken.
          kept_pictures_(files::join(files::join(files::cache_home(), files::kVendorFolder), "pictures"),
                         kProgramVersion),
          sound_(files.data_dir),
          host_(store_, sound_, time_, clock_seed(), &clock_),
          main_window_(host_, time_, files, &kept_pictures_) {}

    int run();

private:
    void create_windows();
    windows::TAboutForm& about();
    input::TKeysForm& keys();
    windows::TManualForm& manual();
    app::ReplaysWindow& replays();
    void wire_popup_menu();
    windows::TSplashForm::Hooks splash_hooks();
    bool sound_startup(const std::string& driver);
    void start_gamepads();
    void first_window_painted();
    void set_window_icon();
    void form_activate();
    void end_program(int status);

    app::DataPaths files_;
    QtStore store_;
    skin::KeptPictures kept_pictures_;
    sound::SoundOutput sound_;
    host::RealTime time_;
    host::SystemClock clock_;
    host::Host host_;
    app::TForm1 main_window_;
    std::unique_ptr<windows::TAboutForm> about_;
    std::unique_ptr<input::TKeysForm> keys_;
    std::unique_ptr<windows::TManualForm> manual_;
    std::unique_ptr<windows::TSplashForm> splash_;
    app::ReplaysWindow* replays_ = nullptr;  // in front of the unit, owned by it
    std::unique_ptr<app::GamepadPump> gamepads_;
    std::unique_ptr<app::SoundRest> sound_rest_;
    app::FirstPaintReport splash_paint_{"splash window"};
    bool splash_pending_ = true;
    bool first_painted_ = false;
    // An ending asked for before the event loop runs (a failed start-up in
    // the skipped splash window) must stop it from running at all.
    bool ending_ = false;
    int end_status_ = 0;
};

int Program::run() {
    // A refused store is told by the first write that it cannot keep.
    if (!store_.open_problem().empty() && !store_.refused())
        ui::tell(nullptr, ui::Tone::Warning,
                 QString::fromStdString("The settings file could not be read: " + store_.open_problem()));
    if (main_window_.must_end()) return 1;
    if (app::EndOnSignals::came()) return 0;  // during a message at start-up: nothing taken yet, nothing to keep
    QObject::connect(&main_window_, &app::TForm1::closing, [this] { sound_.shutdown(); });
    // The audio device is opened when sound may come, not at start.
    sound::set_device_on_demand(true);
    sound_rest_ = std::make_unique<app::SoundRest>(
        host_, app::SoundRest::Device{.wake = [this] { return !sound_.muted() && sound::wake_device(); },
                                      .rest = [] { return sound::rest_device(); }});
    main_window_.sound_keeper().set_output({.set_volume = [](int percent) { sound::set_volume(percent); },
                                            .set_muted = [this](bool muted) { sound_.set_muted(muted); }});
    create_windows();
    app::report_start_phase("windows made");
    QObject::connect(&main_window_, &app::TForm1::activated, [this] { form_activate(); });
    // Gamepads are looked for once the unit's first frame is up.
    QObject::connect(&main_window_, &app::TForm1::painted, &main_window_,
                     [this] {
                         first_window_painted();
                         start_gamepads();
                     },
                     Qt::SingleShotConnection);
    if (!splash_->skipped()) splash_->show();
    QTimer::singleShot(0, [this] { form_activate(); });  // as the event loop starts
    if (ending_) return end_status_;
    // A signal during the start (the loop not yet running): ended as it would
    // have been a moment later, a resumed game kept again.
    const int status = app::EndOnSignals::came() ? 0 : QApplication::exec();
    // However the program ends (Esc, Exit, the window closed, a signal), a
    // game the player asked to keep is kept.
    main_window_.keeper().keep_game_for_next_start();
    return status;
}

void Program::create_windows() {
    // The other windows are made as they are first opened: nothing of
    // theirs is read or drawn before the unit's first frame.
    wire_popup_menu();
    splash_ = std::make_unique<windows::TSplashForm>(store_, files_.data_dir, splash_hooks());
}

windows::TAboutForm& Program::about() {
    if (!about_) {
        about_ = std::make_unique<windows::TAboutForm>(files_.data_dir, [](const QString& url) {
            windows::open_with_desktop(QUrl(url), {});
        });
        app::make_own(*about_, main_window_);
    }
    return *about_;
}

input::TKeysForm& Program::keys() {
    if (!keys_) {
        keys_ = std::make_unique<input::TKeysForm>(host_.controls(), store_,
                                                   [this](bool on) { main_window_.setEnabled(on); });
        keys_->set_program_keys(app::program_key_use);
        app::make_own(*keys_, main_window_);
    }
    return *keys_;
}

windows::TManualForm& Program::manual() {
    if (!manual_) {
        manual_ = std::make_unique<windows::TManualForm>(
            files_.config, files_.data_dir,
            [](const std::string& message) { ui::tell(nullptr, ui::Tone::Critical, QString::fromStdString(message)); },
            files_.own_dir());
        app::make_own(*manual_, main_window_);
    }
    return *manual_;
}

app::ReplaysWindow& Program::replays() {
    if (!replays_)
        replays_ = new app::ReplaysWindow(
            main_window_.replays(),
            [this] { return std::pair(main_window_.files().config, main_window_.files().data_dir); },
            [this] {
                main_window_.raise();
                main_window_.activateWindow();
            },
            app::export_clip_through_module, &main_window_);
    return *replays_;
}

void Program::wire_popup_menu() {
    main_window_.set_openers({
        .about = [this] { about().present(); },
        .manual =
            [this] {
                manual().show();
                manual().raise();
                manual().activateWindow();
            },
        .keys = [this] { keys().open(); },
        .replays = [this] { replays().present(); },
        .splash_checkbox = [this] { return !splash_ || splash_->splash_checked(); },
        .open_file = [](const QUrl& file,
                        std::function<void()> failed) { windows::open_with_desktop(file, std::move(failed)); },
    });
}

windows::TSplashForm::Hooks Program::splash_hooks() {
    windows::TSplashForm::Hooks hooks;
    hooks.sound_startup = [this](const std::string& driver) { return sound_startup(driver); };
    hooks.set_splash_menu_check = [this](bool) { main_window_.popup().refresh(); };
    hooks.power_on = [this] { main_window_.power_on(); };
    hooks.end_program = [this](int status) { end_program(status); };
    hooks.splash_pending = &splash_pending_;
    hooks.painted = [this] {
        splash_paint_.painted();
        first_window_painted();
    };
    return hooks;
}

bool Program::sound_startup(const std::string& driver) {
    const Status started = sound_.startup(driver, store_);
    if (!started) {
        ui::tell(nullptr, ui::Tone::Critical, QString::fromStdString(started.message()));
        sound::SoundOutput::forget_driver(store_);
        return false;
    }
    host_.unit().set_sound_output(sound_.active());
    return true;
}

// Once the first window (the splash or the unit) is painted: the windows'
// icon, and the unit's pictures kept decoded for the next start (its skin
// is loaded before the splash shows). Neither is part of that frame.
void Program::first_window_painted() {
    if (first_painted_) return;
    first_painted_ = true;
    set_window_icon();
    QTimer::singleShot(0, [this] { kept_pictures_.keep(); });
}

// Reading the icon and handing every size of it to the window system.
void Program::set_window_icon() {
    // After the paint that asked: the icon goes to every window at once.
    QTimer::singleShot(0, [file = QString::fromStdString(files::join(files_.data_dir, files::kIconFile))] {
        // The installed theme's icon, or the one beside a build tree's program.
        QApplication::setWindowIcon(QIcon::fromTheme("ignivar", QIcon(file)));
    });
}

void Program::start_gamepads() {
    const std::string mapping =
        files_.player_dir.empty() ? std::string() : files::join(files_.player_dir, files::kGamepadFile);
    gamepads_ = std::make_unique<app::GamepadPump>(host_, mapping);
    if (!gamepads_->unavailable().empty()) std::fprintf(stderr, "ignivar: %s\n", gamepads_->unavailable().c_str());
    if (!gamepads_->problems().empty())
        ui::tell_soon(nullptr, ui::Tone::Warning,
                      "Parts of the gamepad mapping could not be understood and are left out:\n\n" +
                          QString::fromStdString(gamepads_->problems().summary()));
}

// FormActivate of the main window: the first one shows the splash window.
void Program::form_activate() {
    // The unit clicked while the key settings wait for an answer: they come
    // back in front, instead of the unit ignoring the player unexplained.
    QWidget* waiting = keys_ && keys_->isVisible() ? keys_.get() : QApplication::activeModalWidget();
    if (waiting && waiting != &main_window_) {
        waiting->raise();
        waiting->activateWindow();
    }
    if (!splash_pending_) return;
    splash_pending_ = false;
    splash_->present();
}

void Program::end_program(int status) {
    ending_ = true;
    end_status_ = status;
    QCoreApplication::exit(status);
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
        Program program(files);
        app::report_start_phase("unit made");
        status = program.run();
    }
    std::fesetenv(&saved);
    return status;
}
