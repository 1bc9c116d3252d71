// The program: everything it is made of (the settings store, the sound
// output, the host that runs the unit and the five windows), made in start
// order and wired to each other. No window creates another.
#pragma once

#include <memory>
#include <string>

#include "app/data_paths.h"
#include "app/diagnostics.h"
#include "app/gamepad_pump.h"
#include "app/main_window.h"
#include "app/replays_window.h"
#include "app/sound_rest.h"
#include "host/host.h"
#include "host/system_clock.h"
#include "input/keys_form.h"
#include "settings/qt_store.h"
#include "skin/kept_pictures.h"
#include "sound/sound_output.h"
#include "ui/language.h"
#include "windows/about_form.h"
#include "windows/manual_form.h"
#include "windows/splash_form.h"

namespace ignivar::app {

// Everything the program is made of, in the order it is made.
class Program {
public:
    explicit Program(const DataPaths& files);

    int run();

private:
    void create_windows();
    windows::TAboutForm& about();
    input::TKeysForm& keys();
    windows::TManualForm& manual();
    ReplaysWindow& replays();
    void wire_popup_menu();
    windows::TSplashForm::Hooks splash_hooks();
    bool sound_startup(const std::string& driver);
    bool wake_sound();
    void start_gamepads();
    void first_window_painted();
    void set_window_icon();
    void form_activate();
    void end_program(int status);
    // Speaks the language the store's choice picks; the windows made once
    // and not showing are made again when next opened, in it.
    void speak_chosen_language();

    DataPaths files_;
    QtStore store_;
    // Spoken before any window is made.
    ui::Translation language_;
    skin::KeptPictures kept_pictures_;
    sound::SoundOutput sound_;
    host::RealTime time_;
    host::SystemClock clock_;
    host::Host host_;
    TForm1 main_window_;
    std::unique_ptr<windows::TAboutForm> about_;
    std::unique_ptr<input::TKeysForm> keys_;
    std::unique_ptr<windows::TManualForm> manual_;
    std::unique_ptr<windows::TSplashForm> splash_;
    ReplaysWindow* replays_ = nullptr;  // in front of the unit, owned by it
    std::unique_ptr<GamepadPump> gamepads_;
    std::unique_ptr<SoundRest> sound_rest_;
    FirstPaintReport splash_paint_{"splash window"};
    bool splash_pending_ = true;
    bool first_painted_ = false;
    bool sound_told_ = false;  // a device that could not be opened is said once
    // An ending asked for before the event loop runs (a failed start-up in
    // the skipped splash window) must stop it from running at all.
    bool ending_ = false;
    int end_status_ = 0;
};


}  // namespace ignivar::app
