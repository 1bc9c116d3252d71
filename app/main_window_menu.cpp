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

void TForm1::pm_6_configClick() { open_file("Config.ini"); }

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
    // By name, from the current directory; else beside the program.
    QString path = QFileInfo(name).absoluteFilePath();
    if (!QFileInfo::exists(path)) path = QDir(QString::fromStdString(program_dir_)).absoluteFilePath(name);
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
