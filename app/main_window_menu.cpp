// TForm1: the popup menu's handlers and its zoom submenu.
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "app/desktop.h"
#include "app/main_window.h"
#include "files/places.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

void TForm1::pm_0_menuPopup() {
    // The splash item's check mark comes from the store (see splash_at_start).
    if (fullscreen_) game_menu_->fold();
}

bool TForm1::splash_at_start() const {
    const bool box = openers_.splash_checkbox ? openers_.splash_checkbox() : true;
    return store_.read_flag(Setting::SplashScreen, box);
}

void TForm1::pm_1_aboutClick() {
    if (openers_.about) openers_.about();
}

void TForm1::pm_2_readmeClick() { open_file(QString::fromUtf8(files::kReadmeFile.data(), files::kReadmeFile.size())); }
void TForm1::pm_3_whatsnewClick() {
    open_file(QString::fromUtf8(files::kWhatsnewFile.data(), files::kWhatsnewFile.size()));
}

void TForm1::pm_4_manualClick() {
    if (openers_.manual) openers_.manual();
}

void TForm1::pm_6_configClick() {
    // The file in use; the shipped one of an installation is not the
    // player's to change, so the player gets an own copy that wins from now on.
    if (!files_.player_config && !files_.player_dir.empty() &&
        (files_.installed || !QFileInfo(QString::fromStdString(files_.config)).isWritable())) {
        const Result<std::string> own = make_player_config(files_);
        if (!own) {
            ui::tell(this, ui::Tone::Warning, ui::in_language(own.error()));
            return;
        }
        files_.config = *own;
        files_.player_config = true;
    }
    open_path(QString::fromStdString(files_.config));
}

void TForm1::pm_7_keysClick() {
    if (openers_.keys) openers_.keys();
}

void TForm1::pm_8_hiscoreClick() {
    host_.unit().reset_high_scores();
    QApplication::beep();
}

void TForm1::pm_10_fullscreenClick() {
    fullscreen_ = !fullscreen_;
    game_menu_->fold();
    store_.write_flag(Setting::FullscreenMode, fullscreen_);
    if (!fullscreen_) {
        // The window system's full screen ends first; a Wayland compositor
        // lets go of it reliably only when the window is mapped anew.
        if (!can_place_windows() && isVisible()) hide();
        showNormal();
    }
    place_off_screen();
    load_skin();
    if (fullscreen_) {
        show_layout();
    } else {
        centre();
        show();
    }
}

int TForm1::largest_windowed_zoom() const { return largest_windowed_zoom({skin_.game_width, skin_.game_height}); }

int TForm1::largest_windowed_zoom(QSize unit) const {
    // The largest at which the whole window fits the screen's free area.
    const QSize area = screen_area().size();
    return std::clamp(std::min(area.width() / std::max(1, unit.width()), area.height() / std::max(1, unit.height())), 1, 4);
}

void TForm1::set_zoom(int factor) {
    factor = std::clamp(factor, fullscreen_ ? 0 : 1, 4);
    if (!fullscreen_) factor = std::min(factor, largest_windowed_zoom());
    int& chosen = fullscreen_ ? fullscreen_zoom_ : windowed_zoom_;
    if (chosen != factor) {
        chosen = factor;
        // Kept as a value of its own, written only when the player changes it.
        store_.write_number(fullscreen_ ? Setting::FullscreenZoom : Setting::Zoom, factor);
    }
    const QPoint centre_before = geometry().center();
    load_skin();
    if (!fullscreen_ && isVisible() && can_place_windows()) {
        // Grows and shrinks about its middle, and stays inside the screen's free area.
        const QRect area = screen_area();
        QRect wanted(centre_before - QPoint(width() / 2, height() / 2), size());
        wanted.moveLeft(std::clamp(wanted.left(), area.left(), std::max(area.left(), area.right() + 1 - wanted.width())));
        wanted.moveTop(std::clamp(wanted.top(), area.top(), std::max(area.top(), area.bottom() + 1 - wanted.height())));
        place(wanted);
    }
}

void TForm1::zoom_in() {
    const int now = zoom_;
    if (now < (fullscreen_ ? 4 : largest_windowed_zoom())) set_zoom(now + 1);
}

void TForm1::zoom_out() {
    if (zoom_ > 1) set_zoom(zoom_ - 1);
}

void TForm1::pm_11_splashscreenClick(bool on) { store_.write_flag(Setting::SplashScreen, on); }

void TForm1::pm_14_exitClick() { QCoreApplication::exit(0); }

void TForm1::open_file(const QString& name) {
    // The language spoken has its own copy with the program's files.
    const QDir data(QString::fromStdString(files_.data_dir));
    const QString code = QString::fromStdString(ui::spoken_language());
    const QString own = data.absoluteFilePath(QString::fromUtf8(files::kLanguagesFolder.data(), files::kLanguagesFolder.size()) +
                                              "/" + code + "/" + name);
    if (code != "en" && QFileInfo::exists(own)) return open_path(own);
    // By name, from the current directory; else with the program's files.
    QString path = QFileInfo(name).absoluteFilePath();
    if (!QFileInfo::exists(path)) path = QDir(QString::fromStdString(files_.data_dir)).absoluteFilePath(name);
    open_path(path);
}

void TForm1::open_path(const QString& path) {
    // Unlike a silent failure, the player learns which file to open by hand.
    const auto failed = [this, path] {
        ui::tell(this, ui::Tone::Warning,
                 ui::tr_text("Messages", "No program on this desktop could open the file\n%1")
                     .arg(QDir::toNativeSeparators(path)));
    };
    const QUrl url = QUrl::fromLocalFile(path);
    if (openers_.open_file) openers_.open_file(url, failed);
    else if (!QDesktopServices::openUrl(url)) failed();
}

}  // namespace ignivar::app
