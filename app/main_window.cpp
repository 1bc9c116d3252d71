// TForm1: creation, layouts (skin, size, shape, placement) and painting.
#include "app/main_window.h"

#include <QApplication>
#include <QBitmap>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <chrono>

#include "app/timer_pump.h"
#include "product.h"

namespace ignivar::app {
namespace {

QSize screen_size() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

}  // namespace

TForm1::TForm1(SettingsStore& store, SoundSink& sound, const std::string& program_dir, QWidget* parent)
    : TForm1(store, sound, DataPaths{program_dir, program_dir + "/Config.ini", {}, false, false}, parent) {}

TForm1::TForm1(SettingsStore& store, SoundSink& sound, const DataPaths& files, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      store_(store),
      sound_(sound),
      files_(files),
      coin_(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    setWindowTitle(kApplicationTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);  // every frame covers the whole client area
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(540, 360);
    place_off_screen();
    store_.set_failure_handler([this](const std::string& message) { tell_store_failure(message); });

    // The unit's segment tables come with it; then the store, the skin, the
    // bindings and the high scores, in that order.
    unit_ = std::make_unique<Unit>(store_, sound_, clock_, coin_);
    controls_ = std::make_unique<input::Controls>(*unit_);
    auto menu_picture = skin::load_picture(files_.data_dir + "/Graphics/Program/game_menu.png");
    if (auto* p = std::get_if<skin::Picture>(&menu_picture)) game_menu_picture_ = std::move(*p);
    popup_ = std::make_unique<PopupMenu>(*this);
    game_menu_ = new GameMenu(*this, *popup_);
    connect(game_menu_, &GameMenu::changed, this, [this] {
        painted_changes_ = ~0ull;
        update();
    });
    connect(popup_->menu(), &QMenu::aboutToShow, this, [this] { pm_0_menuPopup(); });
    fullscreen_ = controls_->create(store_, [this](bool fullscreen) {
        fullscreen_ = fullscreen;
        load_skin();
    });
    popup_->action(Pm::Fullscreen)->setChecked(fullscreen_);
    popup_->action(Pm::Splashscreen)->setChecked(true);
    set_openers({});

    pump_ = new TimerPump(unit_->timers(), [this] { after_change(); }, this);
    timer_log_ = std::make_unique<TimerLog>(unit_->timers());
}

void TForm1::tell_store_failure(const std::string& message) {
    if (store_failure_told_) return;
    store_failure_told_ = true;
    const QString text = QString::fromStdString(message);
    emit settings_failed(text);
    // Told once, after the handler that wrote has finished.
    QTimer::singleShot(0, this, [this, text] {
        QMessageBox::warning(this, kApplicationTitle,
                             "A setting could not be stored, so it will be lost when the program ends:\n" + text);
    });
}

void TForm1::set_openers(Openers openers) {
    openers_ = std::move(openers);
    popup_->action(Pm::About)->setEnabled(bool(openers_.about));
    popup_->action(Pm::Manual)->setEnabled(bool(openers_.manual));
    popup_->action(Pm::Keys)->setEnabled(bool(openers_.keys));
}

void TForm1::load_skin() {
    skin::LoadRequest req;
    req.config_path = files_.config;
    req.program_dir = files_.data_dir;
    if (files_.player_config) req.own_dir = files_.player_dir;
    req.fullscreen = fullscreen_;
    const QSize screen = screen_size();
    req.screen_width = screen.width();
    req.screen_height = screen.height();
    const skin::LoadResult r = skin::load_skin(req, skin_);
    painter_.reset();
    if (!r.error.empty()) QMessageBox::critical(this, kApplicationTitle, QString::fromStdString(r.error));
    if (r.end_program) {
        must_end_ = true;
        return;
    }
    apply_layout();
}

void TForm1::apply_layout() {
    setFixedSize(skin::usable_extent(skin_.client_width), skin::usable_extent(skin_.client_height));
    update_shape();
    painted_changes_ = ~0ull;
    update();
}

void TForm1::update_shape() {
    if (!skin_.transparent_colour) {
        clearMask();
        return;
    }
    // The shape covers every pixel any state of the display can draw.
    Display everything;
    everything.Vid_Show_All(true);
    for (int i = static_cast<int>(Seg::BtnGameADown); i < kSegmentCount; ++i)
        everything.Vid_Show_Segment(static_cast<Seg>(i), true);
    const QImage frame = painter_.render(skin_, everything, {});
    const QColor key = window_colour(*skin_.transparent_colour);
    // In a region made from a bitmap the set (black) bits are inside; the
    // see-through colour is to be left out.
    setMask(QBitmap::fromImage(frame.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

void TForm1::place_off_screen() {
    const QSize screen = screen_size();
    move(-screen.width(), -screen.height());
}

void TForm1::centre() {
    const QSize screen = screen_size();
    move(std::max(0, (screen.width() - width()) / 2), std::max(0, (screen.height() - height()) / 2));
}

void TForm1::power_on() {
    centre();
    show();
    raise();
    activateWindow();
    handle([this] { unit_->power_on(); });
}

void TForm1::handle(const std::function<void()>& handler) {
    pump_->sync();
    handler();
    after_change();
    pump_->rearm();
}

skin::GameMenuLook TForm1::game_menu_look() const {
    const QSize size = game_menu_->background_size();
    return {game_menu_picture_.empty() ? nullptr : &game_menu_picture_, size.width(), size.height()};
}

QImage TForm1::render_frame() { return painter_.render(skin_, unit_->display(), game_menu_look()); }

void TForm1::after_change() {
    if (unit_->display().changes() != painted_changes_) {
        update();
        emit changed();
    }
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, skin_, unit_->display(), game_menu_look());
    painted_changes_ = unit_->display().changes();
    first_paint_.painted();
    emit painted();
}

void TForm1::closeEvent(QCloseEvent* e) {
    // FormClose: the sound goes first; every setting is already stored.
    emit closing();
    QWidget::closeEvent(e);
}

}  // namespace ignivar::app
