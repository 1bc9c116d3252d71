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
#include <cmath>
#include <limits>

#include "app/desktop.h"
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
    // Where the desktop composites, the unit's shape and its soft edges show
    // the desktop through a translucent window.
    translucent_ = desktop_composites();
    if (translucent_) setAttribute(Qt::WA_TranslucentBackground);
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
    windowed_zoom_ = std::clamp(store_.read_number(Setting::Zoom, 1), 1, 4);
    fullscreen_zoom_ = std::clamp(store_.read_number(Setting::FullscreenZoom, 0), 0, 4);
    fullscreen_ = controls_->create(store_, [this](bool fullscreen) {
        fullscreen_ = fullscreen;
        load_skin();
    });
    build_zoom_menu();
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

int TForm1::fit_factor(QSize screen, QSize unit) {
    if (unit.width() <= 0 || unit.height() <= 0) return 1;
    return std::clamp(std::min(screen.width() / unit.width(), screen.height() / unit.height()), 1, 8);
}

void TForm1::load_skin() {
    skin::LoadRequest req;
    req.config_path = files_.config;
    req.program_dir = files_.data_dir;
    if (files_.player_config) req.own_dir = files_.player_dir;
    req.fullscreen = fullscreen_;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize screen = s ? s->geometry().size() : QSize(1024, 768);
    const qreal dpr = s ? s->devicePixelRatio() : 1.0;
    // The factor: as chosen for the window; in full screen as chosen or the
    // largest that fits, the skin then laid out on the screen's size in
    // skin pixels.
    int factor = fullscreen_ ? fullscreen_zoom_ : windowed_zoom_;
    skin::LoadResult r;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (fullscreen_ && factor == 0) factor = fit_factor(screen, {skin_.game_width, skin_.game_height});
        factor = std::max(1, factor);
        req.screen_width = fullscreen_ ? screen.width() / factor : screen.width();
        req.screen_height = fullscreen_ ? screen.height() / factor : screen.height();
        req.scale = static_cast<int>(std::ceil(factor * dpr - 0.01));
        r = skin::load_skin(req, skin_);
        // The unit's size is known once the skin is read: fit again with it.
        if (!(fullscreen_ && fullscreen_zoom_ == 0) || r.end_program ||
            factor == fit_factor(screen, {skin_.game_width, skin_.game_height}))
            break;
        factor = 0;
    }
    zoom_ = factor;
    painter_.reset();
    if (!r.error.empty()) QMessageBox::critical(this, kApplicationTitle, QString::fromStdString(r.error));
    if (r.end_program) {
        must_end_ = true;
        return;
    }
    game_menu_->set_zoom(zoom_);
    apply_layout();
}

View TForm1::view() const {
    View v;
    v.zoom = zoom_;
    v.dpr = devicePixelRatioF();
    if (skin_.transparent_colour) {
        v.see_through = window_colour(*skin_.transparent_colour).rgb();
        if (!translucent_ && !edge_base_.isNull()) v.base = &edge_base_;
    }
    return v;
}

void TForm1::apply_layout() {
    if (fullscreen_) {
        // The screen's size; the frame covers the whole factor's part of it.
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(skin::usable_extent(skin_.client_width) * zoom_, skin::usable_extent(skin_.client_height) * zoom_);
    } else {
        setFixedSize(skin::usable_extent(skin_.client_width) * zoom_, skin::usable_extent(skin_.client_height) * zoom_);
    }
    update_shape();
    painted_changes_ = ~0ull;
    update();
}

void TForm1::update_shape() {
    edge_base_ = QImage();
    if (!skin_.transparent_colour) {
        clearMask();
        return;
    }
    // The shape covers every pixel any state of the display can draw.
    Display everything;
    everything.Vid_Show_All(true);
    for (int i = static_cast<int>(Seg::BtnGameADown); i < kSegmentCount; ++i)
        everything.Vid_Show_Segment(static_cast<Seg>(i), true);
    View v = view();
    v.base = nullptr;
    const QImage frame = painter_.render(skin_, everything, {}, v);
    // Composited: every pixel the face covers at all takes the pointer.
    // Otherwise the shape is all there is: pixels at least half covered,
    // shown in their own colour (no see-through colour fringe).
    const int threshold = translucent_ ? 1 : 128;
    QImage mask(frame.size(), QImage::Format_Mono);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});  // black: inside the shape
    mask.fill(0);
    for (int y = 0; y < frame.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            if (qAlpha(line[x]) >= threshold) mask.setPixel(x, y, 1);
    }
    if (!translucent_) edge_base_ = opaque_edges(frame);
    setMask(QBitmap::fromImage(mask));
}

void TForm1::place_off_screen() {
    if (!can_place_windows()) return;
    const QSize screen = screen_size();
    placing_ = true;
    move(-screen.width(), -screen.height());
    placing_ = false;
}

void TForm1::centre() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect area = s ? s->geometry() : QRect(0, 0, 1024, 768);
    placing_ = true;
    move(area.x() + std::max(0, (area.width() - width()) / 2), area.y() + std::max(0, (area.height() - height()) / 2));
    placing_ = false;
}

bool TForm1::restore_position() {
    // Only once the player has moved the window; the first start centres it.
    const std::int32_t none = std::numeric_limits<std::int32_t>::min();
    const int x = store_.read_number(Setting::WindowX, none), y = store_.read_number(Setting::WindowY, none);
    if (x == none || y == none || !can_place_windows()) return false;
    const QRect wanted(QPoint(x, y), size());
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect seen = s->availableGeometry().intersected(wanted);
        // Still on a screen, with enough of it to take hold of.
        if (seen.width() >= std::min(64, width()) && seen.height() >= std::min(64, height())) {
            placing_ = true;
            move(x, y);
            placing_ = false;
            return true;
        }
    }
    return false;
}

void TForm1::show_layout() {
    if (fullscreen_) {
        // A real full-screen window on the unit's screen, above the panels;
        // placed there too, for desktops without a window manager to do it.
        if (const QScreen* s = screen(); s && can_place_windows()) {
            placing_ = true;
            setGeometry(s->geometry());
            placing_ = false;
        }
        // A Wayland compositor takes a window full screen reliably only
        // when it is mapped so.
        if (!can_place_windows() && isVisible() && !isFullScreen()) hide();
        showFullScreen();
    } else {
        showNormal();
        if (!restore_position()) centre();
    }
}

void TForm1::power_on() {
    show_layout();
    raise();
    activateWindow();
    handle([this] { unit_->power_on(); });
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

QImage TForm1::render_frame(bool soft_edges) {
    View v = view();
    if (soft_edges) v.base = nullptr;
    return painter_.render(skin_, unit_->display(), game_menu_look(), v);
}

void TForm1::after_change() {
    if (unit_->display().changes() != painted_changes_) {
        update();
        emit changed();
    }
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (fullscreen_) p.fillRect(rect(), window_colour(skin_.colour));  // past the whole factor's part
    painter_.paint(p, skin_, unit_->display(), game_menu_look(), view());
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
