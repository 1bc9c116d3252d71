// The start window: whether it shows, its choices and what they do.
#include "windows/splash_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

#include "input/key_codes.h"
#include "sound/sound_output.h"
#include "ui/kit.h"
#include "windows/picture_label.h"
#include "windows/splash_parts.h"

namespace ignivar::windows {
namespace {

using splash::font_of;
using splash::Look;
using splash::text;
using ui::kBlue;
using ui::kNavy;

// im_background: four full-width bands, top to bottom.
struct Band {
    int top, bottom;
    QColor colour;
};
const Band kBands[] = {{0, 51, kNavy}, {52, 219, kBlue}, {220, 379, Qt::white}, {380, 419, kNavy}};

// The stored driver's row, or -1 when none is stored.
int stored_driver(SettingsStore& store) {
    const int mode = store.read_number(Setting::SoundMode, -1);
    return mode >= 0 && mode < static_cast<int>(sound::kDrivers.size()) ? mode : -1;
}

// Whether the window is seen: unless a driver is stored and the box is clear.
bool shown(int driver, bool checked) { return driver < 0 || checked; }

}  // namespace

bool TSplashForm::shown_at_start(SettingsStore& store) {
    return shown(stored_driver(store), store.read_flag(Setting::SplashScreen, true));
}

std::vector<QFont> TSplashForm::fonts() { return {font_of(Look::Title), font_of(Look::Plain), font_of(Look::Link)}; }

TSplashForm::TSplashForm(SettingsStore& store, const std::string& program_dir, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      store_(store),
      program_dir_(program_dir),
      hooks_(std::move(hooks)) {
    setObjectName("TSplashForm");
    setWindowTitle(text(QT_TRANSLATE_NOOP("Splash", "About this game...")));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(false);
    // Creation: the stored driver and box.
    stored_mode_ = stored_driver(store_);
    stored_checked_ = store_.read_flag(Setting::SplashScreen, true);
    if (!shown(stored_mode_, stored_checked_)) {
        // Never seen: its controls (and the fonts and style they would
        // load before the unit's first frame) are made only if it is shown.
        skipped_ = true;
        move(-width(), -height());
        if (hooks_.splash_pending) *hooks_.splash_pending = false;
        btn_playClick();
        return;
    }
    build();
}

bool TSplashForm::splash_checked() const { return chb_splashscreen_ ? chb_splashscreen_->isChecked() : stored_checked_; }

std::string TSplashForm::driver_text() const {
    // The list shows the outputs in the language spoken; the library knows
    // them by their own names.
    const int row = cb_sound_ ? cb_sound_->currentIndex() : stored_mode_;
    if (row < 0 || row >= static_cast<int>(sound::kDrivers.size())) return {};
    return std::string(sound::kDrivers[static_cast<std::size_t>(row)].text);
}

QString TSplashForm::sound_hint() const {
    const int row = cb_sound_ ? cb_sound_->currentIndex() : -1;
    if (row < 0 || row >= static_cast<int>(sound::kDrivers.size())) return text(QT_TRANSLATE_NOOP("Splash", "Choose a sound output above, then Play"));
    return text(sound::kDrivers[static_cast<std::size_t>(row)].linux_output);
}

void TSplashForm::cb_soundChange() {
    const bool enabled = !cb_sound_->currentText().isEmpty();
    btn_play_->setEnabled(enabled);
    btn_play_->setVisible(enabled);
    btn_play_disabled_->setVisible(!enabled);
    la_sound_hint_->setText(sound_hint());
    cb_sound_->setAccessibleDescription(sound_hint());
}

void TSplashForm::present() {
    if (!btn_play_) build();
    ui::centre(*this);
    show();
    raise();
    activateWindow();
    FormActivate();
}

void TSplashForm::FormActivate() {
    if (cb_sound_) cb_sound_->setFocus(Qt::ActiveWindowFocusReason);
}

void TSplashForm::btn_playClick() {
    if (played_) return;  // the start-up runs once per run
    played_ = true;
    if (hooks_.sound_startup && !hooks_.sound_startup(driver_text())) {
        if (hooks_.end_program) hooks_.end_program(1);
        return;
    }
    const bool checked = splash_checked();
    store_.write_flag(Setting::SplashScreen, checked);
    if (hooks_.set_splash_menu_check) hooks_.set_splash_menu_check(checked);
    if (hooks_.power_on) hooks_.power_on();
    hide();
}

bool TSplashForm::FormKeyDown(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const bool one = input::key_code(*e) == 0x31;  // the 1 of the digit row, not the keypad
    if ((enter || one) && btn_play_->isEnabled()) {
        btn_playClick();
        return true;
    }
    if (e->key() == Qt::Key_Escape) {
        if (hooks_.end_program) hooks_.end_program(0);
        return true;
    }
    return false;
}

void TSplashForm::keyPressEvent(QKeyEvent* e) {
    if (!FormKeyDown(e)) QWidget::keyPressEvent(e);
}

bool TSplashForm::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QWidget::event(e);
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const Band& b : kBands) p.fillRect(QRect(0, b.top, kWidth, b.bottom - b.top + 1), b.colour);
    // The controls are painted after the window's own paint, in the same
    // pass: the paint is told once that has been handled.
    if (painted_ || !hooks_.painted) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { hooks_.painted(); });
}

}  // namespace ignivar::windows
