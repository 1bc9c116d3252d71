// The program's parts, made and wired in start order.
#include "app/program.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <cstdio>

#include "app/actions.h"
#include "app/clip_module.h"
#include "app/desktop.h"
#include "app/signals.h"
#include "files/places.h"
#include "files/xdg.h"
#include "product.h"
#include "ui/kit.h"
#include "windows/desktop.h"
#include "ui/language.h"

namespace ignivar::app {
namespace {

// The language to speak: the player's choice, else the desktop's.
std::string_view chosen_language(SettingsStore& store) {
    return ui::pick_language(store.read_text(setting_name(Setting::Language)).value_or(""), ui::desktop_languages());
}

std::uint32_t clock_seed() {
    return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

Program::Program(const DataPaths& files)
    : files_(files),
      language_(chosen_language(store_)),
      // The skin's pictures are kept decoded for the next start; another
      // build's decoders might give other pixels, so its entries are not taken.
      kept_pictures_(files::join(files::join(files::cache_home(), files::kVendorFolder), "pictures"),
                     kProgramVersion),
      sound_(files.data_dir),
      host_(store_, sound_, time_, clock_seed(), &clock_),
      main_window_(host_, time_, files, &kept_pictures_) {}

int Program::run() {
    // A refused store is told by the first write that it cannot keep.
    if (!store_.open_problem().empty() && !store_.refused())
        ui::tell(nullptr, ui::Tone::Warning,
                 ui::tr_text("Messages", "The settings file could not be read: %1")
                     .arg(ui::in_language(store_.open_problem_text())));
    if (main_window_.must_end()) return 1;
    if (EndOnSignals::came()) return 0;  // during a message at start-up: nothing taken yet, nothing to keep
    QObject::connect(&main_window_, &TForm1::closing, [this] { sound_.shutdown(); });
    // The audio device is opened when sound may come, not at start.
    sound::set_device_on_demand(true);
    sound_rest_ = std::make_unique<SoundRest>(
        host_, SoundRest::Device{.wake = [this] { return !sound_.muted() && wake_sound(); },
                                 .rest = [] { return sound::rest_device(); }});
    main_window_.sound_keeper().set_output({.set_volume = [](int percent) { sound::set_volume(percent); },
                                            .set_muted = [this](bool muted) { sound_.set_muted(muted); },
                                            .set_panned = [this](bool on) { sound_.set_panned(on); }});
    create_windows();
    report_start_phase("windows made");
    QObject::connect(&main_window_, &TForm1::activated, [this] { form_activate(); });
    // Gamepads are looked for once the unit's first frame is up.
    QObject::connect(&main_window_, &TForm1::painted, &main_window_,
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
    const int status = EndOnSignals::came() ? 0 : QApplication::exec();
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
        make_own(*about_, main_window_);
    }
    return *about_;
}

input::TKeysForm& Program::keys() {
    if (!keys_) {
        keys_ = std::make_unique<input::TKeysForm>(host_.controls(), store_,
                                                   [this](bool on) { main_window_.setEnabled(on); });
        keys_->set_program_keys(program_key_use);
        make_own(*keys_, main_window_);
    }
    return *keys_;
}

windows::TManualForm& Program::manual() {
    if (!manual_) {
        manual_ = std::make_unique<windows::TManualForm>(
            files_.config, files_.data_dir,
            [](const Error& error) { ui::tell(nullptr, ui::Tone::Critical, ui::in_language(error)); },
            files_.own_dir());
        make_own(*manual_, main_window_);
    }
    return *manual_;
}

ReplaysWindow& Program::replays() {
    if (!replays_)
        replays_ = new ReplaysWindow(
            main_window_.replays(),
            [this] { return std::pair(main_window_.files().config, main_window_.files().data_dir); },
            [this] {
                main_window_.raise();
                main_window_.activateWindow();
            },
            export_clip_through_module, &main_window_);
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
        .language = [this] { speak_chosen_language(); },
    });
}

void Program::speak_chosen_language() {
    language_.use(chosen_language(store_));
    if (about_ && !about_->isVisible()) about_.reset();
    if (keys_ && !keys_->isVisible()) keys_.reset();
    if (manual_ && !manual_->isVisible()) manual_.reset();
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

// Opens the audio device when sound may come. A device that cannot be
// opened (no sound server, no card) is said once, in words, over the case;
// the unit plays on silent.
bool Program::wake_sound() {
    if (sound::wake_device()) return true;
    if (sound_.active() && !sound_told_) {
        sound_told_ = true;
        const std::string why = sound::device_problem();
        std::fprintf(stderr, "ignivar: no sound: %s\n", why.c_str());
        main_window_.keeper().note(
            ui::tr_text("Unit", "No sound: %1")
                .arg(why.empty() ? ui::tr_text("Unit", "no device to play on") : QString::fromStdString(why)),
            6000);
    }
    return false;
}

bool Program::sound_startup(const std::string& driver) {
    const Status started = sound_.startup(driver, store_);
    if (!started) {
        ui::tell(nullptr, ui::Tone::Critical, ui::in_language(started.error()));
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
    gamepads_ = std::make_unique<GamepadPump>(host_, mapping);
    if (!gamepads_->unavailable().empty()) std::fprintf(stderr, "ignivar: %s\n", gamepads_->unavailable().c_str());
    if (!gamepads_->problems().empty())
        ui::tell_soon(nullptr, ui::Tone::Warning,
                      ui::tr_text("Messages", "Parts of the gamepad mapping could not be understood and are left out:\n\n%1")
                          .arg(ui::in_language(gamepads_->problems().summary_text())));
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

}  // namespace ignivar::app
