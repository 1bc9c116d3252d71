// TForm1: creation and bringing the unit on the screen.
#include "app/main_window.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "app/actions.h"
#include "app/desktop.h"
#include "app/timer_pump.h"
#include "files/places.h"
#include "host/face_words.h"
#include "product.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

TForm1::TForm1(host::Host& host, host::RealTime& time, const std::string& program_dir, QWidget* parent)
    : TForm1(host, time,
             DataPaths{program_dir, files::join(program_dir, files::kConfigFile), {}, false, false}, nullptr, parent) {}

TForm1::TForm1(host::Host& host, host::RealTime& time, const DataPaths& files, skin::KeptPictures* keeper,
               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      host_(host),
      store_(host.store()),
      files_(files),
      keeper_pictures_(keeper) {
    FormCreate();
    pump_ = new TimerPump(host_, time, this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    make_unit_accessible();
    setWindowTitle(kApplicationTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every frame covers the whole client area
    // Where the desktop composites, the unit's shape and its soft edges show
    // the desktop through a translucent window.
    translucent_ = desktop_composites();
    if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(540, 360);
    place_off_screen();
    store_.set_failure_handler([this](const Error& error) { tell_store_failure(error); });

    // The unit's segment tables came with the host; then the store, the
    // skin, the bindings and the high scores, in that order.
    keeper_ = new GameKeeper(host_, *this);
    sound_keeper_ = new SoundKeeper(host_.store(), this);
    replays_ = new ReplayKeeper(host_, this);
    popup_ = std::make_unique<PopupMenu>(*this);
    game_menu_ = new GameMenu(*this, *popup_);
    connect(game_menu_, &GameMenu::changed, this, [this] { repaint_all(); });
    connect(popup_->menu(), &QMenu::aboutToShow, this, [this] { pm_0_menuPopup(); });
    connect(keeper_, &GameKeeper::banner_changed, this, [this] { repaint_all(); });
    connect(keeper_, &GameKeeper::letting_go, this, [this] { let_go_of_everything(); });
    connect(replays_, &ReplayKeeper::changed, this, [this] { repaint_all(); });
    connect(replays_, &ReplayKeeper::face_changed, this, [this] {
        repaint_changed();
        lcd_->changed();
    });
    make_lcd_keeper();
    connect(replays_, &ReplayKeeper::started, this, [this] { let_go_of_everything(); });
    connect(keeper_, &GameKeeper::went_back, this, [this] { replays_->recorder().went_back(); });
    // A game continued from a saved moment is recorded from there, as such.
    connect(keeper_, &GameKeeper::moment_replaced, this, [this] { replays_->recorder().continue_from_here(); });
    windowed_zoom_ = std::clamp(store_.read_number(Setting::Zoom, 1), 1, 4);
    fullscreen_zoom_ = std::clamp(store_.read_number(Setting::FullscreenZoom, 0), 0, 4);
    fullscreen_ = host_.create([this](bool fullscreen) {
        fullscreen_ = fullscreen;
        report_start_phase("settings read");
        load_skin();
        report_start_phase("skin loaded");
    });
    set_openers({});

    host_.on_change([this] {
        repaint_changed();
        lcd_->changed();
        setAccessibleDescription(ui::in_language(host::face_text(replays_->shown_unit())));
        emit changed();
    });
    host_.on_event([this](const UnitEvent& e) {
        if (const Text words = host::event_text(e, host_.unit()); !words.english.empty())
            announce(ui::in_language(words));
    });
    setAccessibleName("Ignivar");
    timer_log_ = std::make_unique<TimerLog>(host_.unit().timers());
}

void TForm1::make_lcd_keeper() {
    lcd_ = new LcdKeeper(host_.store(), [this]() -> const host::Host& { return replays_->shown_host(); }, this);
    connect(lcd_, &LcdKeeper::repaint, this, [this] { repaint_changed(); });
    connect(lcd_, &LcdKeeper::pictures_needed, this, [this] { load_skin(); });
    connect(lcd_, &LcdKeeper::look_changed, this, [this] { update_shape(); });
}

QMenu* TForm1::popup_menu() const { return popup_ ? popup_->menu() : nullptr; }

void TForm1::announce(const QString& words) {
    setAccessibleDescription(ui::in_language(host::face_text(replays_->shown_unit())));
    // Qt tells the change of name as an event, which a screen reader speaks.
    setAccessibleName(words);
}

void TForm1::set_language(std::string_view choice) {
    (void)host_.store().write_text(setting_name(Setting::Language), choice);
    if (openers_.language) openers_.language();
    popup_->retranslate();
    keeper_->note(ui::tr_text("Unit", "Language: %1").arg(popup_->item(choice.empty() ? "pm_language_system" : "pm_language_" + std::string(choice))->text()));
}

std::string TForm1::language_choice() const {
    return host_.store().read_text(setting_name(Setting::Language)).value_or("");
}

void TForm1::read_status() { announce(ui::in_language(host::face_text(replays_->shown_unit()))); }

void TForm1::repaint_changed() {
    // Only the places of the segments and buttons that changed.
    const std::vector<skin::FrameItem> now = frame_items();
    update(repaint_region(changed_region(shown_items_, now, zoom_).intersected(rect()), devicePixelRatioF()));
    shown_items_ = now;
}

void TForm1::repaint_all() {
    host_.mark_unshown();
    shown_items_ = frame_items();
    update();
}

std::vector<skin::FrameItem> TForm1::frame_items() const {
    return skin::frame_items(skin_, replays_->shown_unit().display(), {}, lcd_->frame());
}

void TForm1::paint_into(QImage& frame, const QRegion& region) {
    QPainter p(&frame);
    p.setClipRegion(region);  // as the window system clips a widget's paint
    paint_frame(p, region);
}

void TForm1::tell_store_failure(const Error& error) {
    if (store_failure_told_) return;
    store_failure_told_ = true;
    const QString text = ui::in_language(error);
    emit settings_failed(text);
    // Told once, after the handler that wrote has finished.
    ui::tell_soon(this, ui::Tone::Warning,
                  ui::tr_text("Messages", "A setting could not be stored, so it will be lost when the program ends:\n%1")
                      .arg(text));
}

void TForm1::set_openers(Openers openers) {
    openers_ = std::move(openers);
    popup_->refresh();
}

void TForm1::save_screenshot() {
    // The unit as it is, at the window's size in the screen's pixels.
    const qreal dpr = devicePixelRatioF();
    QImage shown((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    shown.setDevicePixelRatio(dpr);
    shown.fill(Qt::transparent);
    QPainter p(&shown);
    paint_frame(p, QRegion(rect()), false);
    p.end();
    const Result<std::string> saved = ReplayKeeper::save_screenshot(shown);
    if (!saved) {
        ui::tell(this, ui::Tone::Warning, ui::tr_text("Messages", "The screenshot could not be saved:\n%1")
                                              .arg(ui::in_language(saved.error())));
        return;
    }
    keeper_->note(ui::tr_text("Unit", "Saved %1")
                      .arg(QDir::toNativeSeparators(QString::fromStdString(*saved)).replace(QDir::homePath(), "~")));
}

void TForm1::power_on() {
    show_layout();
    raise();
    activateWindow();
    host_.handle([this] { host_.unit().power_on(); });
    keeper_->resume_kept_game();
    // A start without a sound: why, at once.
    if (sound_keeper_->muted()) keeper_->note(mute_sign(true));
}

QString TForm1::mute_sign(bool muted) const {
    return muted ? ui::tr_text("Unit", "MUTED \u00b7 %1 sounds again").arg(key_text(action("pm_mute").keys[0]))
                 : ui::tr_text("Unit", "SOUND ON");
}

void TForm1::toggle_mute() {
    sound_keeper_->set_muted(!sound_keeper_->muted());
    keeper_->note(mute_sign(sound_keeper_->muted()));
}

void TForm1::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // Where the player dragged the window is kept for the next start.
    if (!player_moving_ || placing_ || fullscreen_ || !can_place_windows()) return;
    const auto keep = [this](Setting s, int v) {
        if (store_.read_text(setting_name(s)) != std::to_string(v)) store_.write_number(s, v);
    };
    keep(Setting::WindowX, pos().x());
    keep(Setting::WindowY, pos().y());
}

void TForm1::closeEvent(QCloseEvent* e) {
    // FormClose: the sound goes first; every setting is already stored.
    emit closing();
    QWidget::closeEvent(e);
}

}  // namespace ignivar::app
