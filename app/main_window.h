// TForm1, the main window: the unit's face. It owns the unit, paints its
// display model with the skin's pictures, routes keys and clicks to it,
// pumps its timers and offers the popup and in-game menus.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "app/frame_painter.h"
#include "input/controls.h"
#include "sim/coin.h"
#include "sim/unit.h"
#include "skin/skin.h"

class QAction;
class QLabel;
class QMenu;

namespace ignivar::app {

class TimerPump;

// When the process started, for the time-to-first-frame figure.
void mark_process_start();
double ms_since_process_start();

// The local time of the computer.
class SystemClock : public LocalClock {
public:
    LocalTime now() override;
};

// No sound output yet: nothing to play.
class SilentSink : public SoundSink {
public:
    void play(Sample) override {}
    void stop_all() override {}
};

class TForm1 : public QWidget {
    Q_OBJECT
public:
    // Popup menu items in menu order (index 1..13 as in the in-game menu).
    enum Item { About = 1, Readme, Whatsnew, Manual, Sep1, Config, Keys, Hiscore, Sep2, Fullscreen, Splash, Sep3, Exit };
    static constexpr int kItems = 13;

    // FormCreate. `store` outlives the window.
    TForm1(SettingsStore& store, const std::string& program_dir, QWidget* parent = nullptr);
    ~TForm1() override;

    // Config.ini was missing: the program must end.
    bool must_end() const { return must_end_; }
    // The end of the splash window's Play action: centre and power on.
    void play();
    void centre();

    void toggle_layout();
    void reset_hiscores();
    void set_game_menu_open(bool open);
    bool game_menu_open() const { return game_menu_open_; }

    Unit& unit() { return *unit_; }
    input::Controls& controls() { return *controls_; }
    const skin::Skin& skin() const { return skin_; }
    bool fullscreen() const { return fullscreen_; }
    QMenu* popup_menu() const { return menu_; }
    QAction* item(int i) const { return items_[i - 1]; }
    const std::array<QLabel*, kItems>& menu_labels() const { return labels_; }
    QSize game_menu_size() const { return {skin_.menu_width, skin_.menu_height}; }
    // The frame as the window would paint it now.
    QImage render_frame();
    // Runs the timers up to the present and repaints if the model changed.
    void sync_time();
    TimerPump& pump() { return *pump_; }
    // The button area at a point of the client area, if any.
    std::optional<input::Button> area_at(QPoint pos) const;
    // Opens the popup menu at a global position (right click).
    void open_popup(QPoint global);

signals:
    // A setting could not be stored; told once per run.
    void settings_failed(QString message);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void load_skin();
    void apply_layout();
    void build_menu();
    void popup_about_to_show();
    void open_file(const QString& name);
    bool handle_shortcut(int key);
    void after_change();
    void update_shape();
    void show_error(const QString& text);

    SettingsStore& store_;
    std::string program_dir_;
    SilentSink sink_;
    SystemClock clock_;
    RandomCoin coin_;
    std::unique_ptr<Unit> unit_;
    std::unique_ptr<input::Controls> controls_;
    TimerPump* pump_ = nullptr;
    skin::Skin skin_;
    skin::Picture game_menu_picture_;
    FramePainter painter_;
    bool fullscreen_ = true;
    bool must_end_ = false;
    bool game_menu_open_ = false;
    bool store_failure_told_ = false;
    std::uint64_t painted_changes_ = ~0ull;
    std::optional<input::Button> pressed_area_;
    std::optional<QPoint> drag_origin_;
    bool menu_button_pressed_ = false;
    std::FILE* timer_log_ = nullptr;
    bool first_paint_reported_ = false;
    QMenu* menu_ = nullptr;
    std::array<QAction*, kItems> items_{};
    std::array<QLabel*, kItems> labels_{};
};

}  // namespace ignivar::app
