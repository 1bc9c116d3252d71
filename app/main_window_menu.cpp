// TForm1: the popup menu's handlers.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "app/main_window.h"
#include "product.h"

namespace ignivar::app {

void TForm1::pm_0_menuPopup() {
    const bool box = openers_.splash_checkbox ? openers_.splash_checkbox()
                                              : popup_->action(Pm::Splashscreen)->isChecked();
    popup_->action(Pm::Splashscreen)->setChecked(store_.read_flag(Setting::SplashScreen, box));
    if (fullscreen_) game_menu_->fold();
}

void TForm1::pm_1_aboutClick() {
    if (openers_.about) openers_.about();
}

void TForm1::pm_2_readmeClick() { open_file("Readme.txt"); }
void TForm1::pm_3_whatsnewClick() { open_file("Whatsnew.txt"); }

void TForm1::pm_4_manualClick() {
    if (openers_.manual) openers_.manual();
}

void TForm1::pm_6_configClick() {
    // The file in use; the shipped one of an installation is not the
    // player's to change, so the player gets an own copy that wins from now on.
    if (!files_.player_config && !files_.player_dir.empty() &&
        (files_.installed || !QFileInfo(QString::fromStdString(files_.config)).isWritable())) {
        std::string error;
        const std::string own = make_player_config(files_, error);
        if (own.empty()) {
            QMessageBox::warning(this, kApplicationTitle, QString::fromStdString(error));
            return;
        }
        files_.config = own;
        files_.player_config = true;
    }
    open_path(QString::fromStdString(files_.config));
}

void TForm1::pm_7_keysClick() {
    if (openers_.keys) openers_.keys();
}

void TForm1::pm_8_hiscoreClick() {
    unit_->reset_high_scores();
    QApplication::beep();
}

void TForm1::pm_10_fullscreenClick() {
    fullscreen_ = !fullscreen_;
    popup_->action(Pm::Fullscreen)->setChecked(fullscreen_);
    game_menu_->fold();
    store_.write_flag(Setting::FullscreenMode, fullscreen_);
    place_off_screen();
    load_skin();
    centre();
}

void TForm1::pm_11_splashscreenClick() {
    store_.write_flag(Setting::SplashScreen, popup_->action(Pm::Splashscreen)->isChecked());
}

void TForm1::pm_14_exitClick() { QCoreApplication::exit(0); }

void TForm1::open_file(const QString& name) {
    // By name, from the current directory; else with the program's files.
    QString path = QFileInfo(name).absoluteFilePath();
    if (!QFileInfo::exists(path)) path = QDir(QString::fromStdString(files_.data_dir)).absoluteFilePath(name);
    open_path(path);
}

void TForm1::open_path(const QString& path) {
    // Unlike a silent failure, the player learns which file to open by hand.
    const auto failed = [this, path] {
        QMessageBox::warning(this, kApplicationTitle,
                             "No program on this desktop could open the file\n" + QDir::toNativeSeparators(path));
    };
    const QUrl url = QUrl::fromLocalFile(path);
    if (openers_.open_file) openers_.open_file(url, failed);
    else if (!QDesktopServices::openUrl(url)) failed();
}

}  // namespace ignivar::app
