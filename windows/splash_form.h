// TSplashForm, the start window: title and version, the sound driver list,
// the links, the "show at startup" box and the Play button that switches
// the unit on.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "sim/ports.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace ignivar::windows {

class ClickLabel;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    // What the Play action and Esc reach outside this window.
    struct Hooks {
        // The sound start-up for the driver list's text; false when it failed
        // (its message has been shown and the program is ending).
        std::function<bool(const std::string& driver)> sound_startup;
        // Sets the main window's "Display splash screen at startup" mark.
        std::function<void(bool checked)> set_splash_menu_check;
        // Centres the main window and enters power-on.
        std::function<void()> power_on;
        // Ends the program once the current event has been handled.
        std::function<void(int status)> end_program;
        // The flag "splash pending", cleared when the window is skipped.
        bool* splash_pending = nullptr;
        // Once the window, its controls too, has been painted (for the
        // time-to-first-paint figure).
        std::function<void()> painted;
    };

    static constexpr int kWidth = 460, kHeight = 420;

    // FormCreate: reads SoundMode and SplashScreen, then either prepares
    // the window or, when a driver is stored and the box is clear, runs the
    // Play action at once.
    TSplashForm(SettingsStore& store, const std::string& program_dir, Hooks hooks, QWidget* parent = nullptr);

    // Whether a start with these settings shows the window: else its
    // creation runs the Play action at once.
    static bool shown_at_start(SettingsStore& store);
    // The fonts its texts and controls are drawn in.
    static std::vector<QFont> fonts();

    // The creation ran the Play action: the window is never seen.
    bool skipped() const { return skipped_; }
    // Shows the window centred on the screen, in front, focus in the list.
    void present();
    void btn_playClick();

    // The "show at startup" box's state, also when the window was skipped.
    bool splash_checked() const;

    // The controls; a skipped window has none until it is presented.
    QComboBox* cb_sound() const { return cb_sound_; }
    QCheckBox* chb_splashscreen() const { return chb_splashscreen_; }
    ClickLabel* btn_play() const { return btn_play_; }
    ClickLabel* btn_play_disabled() const { return btn_play_disabled_; }
    // What the chosen sound output is on this system, or why Play waits.
    QLabel* la_sound_hint() const { return la_sound_hint_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The controls, set to the stored driver and box.
    void build();
    void build_texts();
    void build_choices();
    std::string driver_text() const;
    void build_buttons();
    void cb_soundChange();
    QString sound_hint() const;
    void FormActivate();
    bool FormKeyDown(QKeyEvent* e);

    SettingsStore& store_;
    std::string program_dir_;
    Hooks hooks_;
    bool skipped_ = false;
    bool played_ = false;
    bool painted_ = false;
    // The stored driver row (-1: none) and box, read at creation.
    int stored_mode_ = -1;
    bool stored_checked_ = true;
    QComboBox* cb_sound_ = nullptr;
    QCheckBox* chb_splashscreen_ = nullptr;
    ClickLabel* btn_play_ = nullptr;
    ClickLabel* btn_play_disabled_ = nullptr;
    QLabel* la_sound_hint_ = nullptr;
};

}  // namespace ignivar::windows
