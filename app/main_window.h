// TForm1, the main window: the unit's face. It lays out and paints the
// skin over the display model of the unit the host runs, and forwards its
// key, mouse and menu events through the host's bracket to the input
// routing, the popup menu and the in-game menu. The other windows are
// wired to it by the composition root.
#pragma once

#include <QImage>
#include <QUrl>
#include <QPoint>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "app/data_paths.h"
#include "app/diagnostics.h"
#include "app/frame_painter.h"
#include "app/game_keeper.h"
#include "app/game_menu.h"
#include "app/lcd_keeper.h"
#include "app/replay_keeper.h"
#include "app/popup_menu.h"
#include "app/sound_keeper.h"
#include "host/host.h"
#include "input/key_codes.h"
#include "skin/frame.h"
#include "skin/kept_pictures.h"
#include "skin/skin.h"

namespace ignivar::app {

class TimerPump;
// Lets a screen reader find the unit window's popup menu while it is open.
void make_unit_accessible();

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // What the other windows do for the popup menu; an item without one is
    // disabled.
    struct Openers {
        std::function<void()> about, manual, keys;
        // "Replays and high scores".
        std::function<void()> replays;
        // The splash window's check box: the default of SplashScreen.
        std::function<bool()> splash_checkbox;
        // Opens a file with the desktop; calls `failed` when nothing could.
        // Without one, Qt's own desktop services are asked.
        std::function<void(const QUrl& file, std::function<void()> failed)> open_file;
        // The language choice changed in the store: speak the one it picks.
        std::function<void()> language;
    };

    // FormCreate: the host's creation sequence with this window's skin.
    // `host` and the time it runs on outlive the window.
    // `keeper`, when given, keeps the skin's decoded pictures between runs.
    TForm1(host::Host& host, host::RealTime& time, const DataPaths& files, skin::KeptPictures* keeper = nullptr,
           QWidget* parent = nullptr);
    // With the shipped files of `program_dir` only (tests, tools).
    TForm1(host::Host& host, host::RealTime& time, const std::string& program_dir, QWidget* parent = nullptr);
    ~TForm1() override;

    void set_openers(Openers openers);

    // Config.ini was missing: the program must end.
    bool must_end() const { return must_end_; }
    // Centres the window on the screen, bringing it into view.
    void centre();
    // Window pixels per skin pixel now, and the chosen factors: windowed
    // 1..4, full screen 0 for "fit" or 1..4.
    int zoom() const { return zoom_; }
    int windowed_zoom() const { return windowed_zoom_; }
    int fullscreen_zoom() const { return fullscreen_zoom_; }
    // The player chooses a zoom for the current layout (0: fit, full screen only).
    void set_zoom(int factor);
    void zoom_in();
    void zoom_out();
    // The largest whole factor at which a unit of `unit` fits `screen`.
    static int fit_factor(QSize screen, QSize unit);
    // The largest windowed zoom whose window fits the screen's free area,
    // for this unit or a unit of `unit`'s size.
    int largest_windowed_zoom() const;
    int largest_windowed_zoom(QSize unit) const;
    // Whether the window is translucent (the desktop composites).
    bool translucent() const { return translucent_; }
    // The end of the splash window's Play action: centre, then power on.
    void power_on();

    // The popup menu's handlers, in menu order.
    void pm_0_menuPopup();
    void pm_1_aboutClick();
    void pm_2_readmeClick();
    void pm_3_whatsnewClick();
    void pm_4_manualClick();
    void pm_6_configClick();
    void pm_7_keysClick();
    void pm_8_hiscoreClick();
    void pm_10_fullscreenClick();
    void pm_11_splashscreenClick(bool on);
    void pm_14_exitClick();
    // Whether the splash window shows at the next start: the stored choice,
    // the splash window's check box until there is one.
    bool splash_at_start() const;

    const DataPaths& files() const { return files_; }
    host::Host& host() { return host_; }
    const host::Host& host() const { return host_; }
    const Openers& openers() const { return openers_; }
    const skin::Skin& skin() const { return skin_; }
    // How many times the skin has been loaded.
    int skin_loads() const { return skin_loads_; }
    bool fullscreen() const { return fullscreen_; }
    PopupMenu& popup() { return *popup_; }
    // The popup menu, once it is made.
    QMenu* popup_menu() const;
    GameMenu& game_menu() { return *game_menu_; }
    GameKeeper& keeper() { return *keeper_; }
    SoundKeeper& sound_keeper() { return *sound_keeper_; }
    const SoundKeeper& sound_keeper() const { return *sound_keeper_; }
    LcdKeeper& lcd() { return *lcd_; }
    const LcdKeeper& lcd() const { return *lcd_; }
    ReplayKeeper& replays() { return *replays_; }
    const ReplayKeeper& replays() const { return *replays_; }
    // Saves the unit as the window shows it (without the program's own signs
    // and marks) as a PNG in the pictures folder and says where (in the
    // banner), or why not.
    void save_screenshot();
    // The player's mute, on or off, with a sign over the case that says so;
    // while muted a small mark on the case, beside the display, says it too.
    void toggle_mute();
    QString mute_sign(bool muted) const;
    // Says the face in words to a screen reader (the window's accessible
    // name changes, which it reads out), on the player's key.
    void read_status();
    // The popup menu at the window's middle, for the keyboard.
    void open_menu_here();
    // The language chosen in the menu: a language's code, or "" for the
    // desktop's. Kept, spoken at once by the menus and every window opened
    // from then on, said over the case.
    void set_language(std::string_view choice);
    std::string language_choice() const;
    TimerPump& pump() { return *pump_; }
    // The frame as the window would paint it now; `soft_edges`: as a
    // compositing desktop would show it, whatever this desktop does.
    QImage render_frame(bool soft_edges = false);
    // The button area at a point of the client area, if any.
    std::optional<input::Button> area_at(QPoint pos) const;
    // The frame's items as the unit shows them now, and `frame` brought up
    // to now where `region` says (as a partial repaint does it).
    std::vector<skin::FrameItem> frame_items() const;
    void paint_into(QImage& frame, const QRegion& region);

signals:
    // A setting could not be stored; told once per run.
    void settings_failed(QString message);
    // FormActivate: the window became the active one.
    void activated();
    // FormClose: the window is being closed by the user or the desktop.
    void closing();
    // A frame has been painted.
    void painted();
    // The unit's display may have changed (after a handler or a timer).
    void changed();

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool event(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void changeEvent(QEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void FormCreate();
    void make_lcd_keeper();
    void load_skin();
    // The zoom chosen, or the largest below it that fits the screen and the
    // memory budget, for a unit of `unit`'s size.
    int zoom_for(QSize unit) const;
    Status load_at_zoom(int factor);
    void apply_layout();
    void hide_logo_under_unit();
    void update_shape();
    void place_off_screen();
    // The screen the unit is on, and its area.
    const QScreen* unit_screen() const;
    QRect screen_area() const;
    // Places the window by the program's own decision: not kept as the
    // player's place.
    void place(const QRect& geometry);
    void show_layout();
    bool restore_position();
    View view() const;
    void open_file(const QString& name);
    void open_path(const QString& path);
    void tell_store_failure(const Error& error);
    void repaint_all();
    // Asks for the places of the face that differ from what was last shown.
    void repaint_changed();
    void let_go_of_everything();
    void im_backgroundMouseDown(QPoint pos);
    void im_backgroundMouseMove(QPoint pos);
    // The screen pixels per skin pixel of the in-game menu.
    int game_menu_scale() const;
    const QImage& game_menu_picture(int scale);
    void paint_game_menu(QPainter& p);
    // The window's picture where `region` says: the face, the in-game menu, the banner.
    // `marks`: the program's own signs and marks over the unit too.
    void paint_frame(QPainter& p, const QRegion& region, bool marks = true);
    void paint_banner(QPainter& p, const QString& text);
    void paint_mute_mark(QPainter& p);
    // Tells a screen reader `words`: the window's accessible name becomes
    // them, and its description is always the face in words.
    void announce(const QString& words);
    QString banner() const;

    host::Host& host_;
    SettingsStore& store_;
    DataPaths files_;
    std::unique_ptr<TimerLog> timer_log_;
    TimerPump* pump_ = nullptr;
    std::unique_ptr<PopupMenu> popup_;
    GameMenu* game_menu_ = nullptr;
    GameKeeper* keeper_ = nullptr;
    SoundKeeper* sound_keeper_ = nullptr;
    ReplayKeeper* replays_ = nullptr;
    LcdKeeper* lcd_ = nullptr;
    std::vector<std::string> warnings_told_;  // a skin's warnings, said once a run
    Openers openers_;
    skin::Skin skin_;
    skin::KeptPictures* keeper_pictures_ = nullptr;
    bool keep_pictures_ = false;  // the pictures just loaded are kept once painted
    int skin_loads_ = 0;
    std::map<int, QImage> game_menu_pictures_;  // the in-game menu's picture by scale, as first drawn
    std::vector<skin::FrameItem> shown_items_;   // as last asked to be painted
    FramePainter painter_;
    FirstPaintReport first_paint_{"frame"};
    bool fullscreen_ = true;
    bool translucent_ = false;
    int zoom_ = 1;
    int windowed_zoom_ = 1;
    int fullscreen_zoom_ = 0;
    bool placing_ = false;        // the program itself moves the window
    bool player_moving_ = false;  // the player drags the window
    bool system_move_ = false;    // the window manager moves it for the player
    QImage edge_base_;      // opaque edge colours, where the desktop cannot blend
    bool must_end_ = false;
    bool store_failure_told_ = false;
    input::HeldKeys held_keys_;
    std::optional<input::Button> pressed_area_;
    std::optional<QPoint> drag_origin_;
    bool menu_button_pressed_ = false;
};

}  // namespace ignivar::app
