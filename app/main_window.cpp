#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <chrono>
#include <ctime>

#include "app/key_map.h"
#include "app/timer_pump.h"

namespace ignivar::app {
namespace {

std::chrono::steady_clock::time_point g_start = std::chrono::steady_clock::now();

const char* const kTitle = "Ignivar (Kelvtro, Tockabout) Simulator";

struct MenuEntry {
    const char* caption;
    const char* shortcut;
};

// The popup menu, in order; "-" is a separator.
constexpr MenuEntry kMenu[TForm1::kItems] = {
    {"About...", "F1"},
    {"View 'Readme.txt'", "F2"},
    {"View 'Whatsnew.txt'", "F3"},
    {"View manual", "F4"},
    {"-", ""},
    {"Edit configuration file", ""},
    {"Key settings", ""},
    {"Reset Hiscores", ""},
    {"-", ""},
    {"Display in fullscreen mode", "F12"},
    {"Display splash screen at startup", ""},
    {"-", ""},
    {"Exit", "Esc"},
};

QSize screen_size() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

}  // namespace

void mark_process_start() { g_start = std::chrono::steady_clock::now(); }
double ms_since_process_start() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start).count();
}

LocalTime SystemClock::now() {
    const auto t = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
    localtime_r(&secs, &local);
    LocalTime out;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = local.tm_sec;
    out.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000);
    return out;
}

TForm1::TForm1(SettingsStore& store, const std::string& program_dir, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      store_(store),
      program_dir_(program_dir),
      coin_(static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count())) {
    setWindowTitle(kTitle);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(540, 360);

    store_.set_failure_handler([this](const std::string& message) {
        if (store_failure_told_) return;
        store_failure_told_ = true;
        const QString text = QString::fromStdString(message);
        emit settings_failed(text);
        // Told once, after the handler that wrote has finished.
        QTimer::singleShot(0, this, [this, text] {
            QMessageBox::warning(this, kTitle,
                                 "A setting could not be stored, so it will be lost when the program ends:\n" + text);
        });
    });

    unit_ = std::make_unique<Unit>(store_, sink_, clock_, coin_);
    controls_ = std::make_unique<input::Controls>(*unit_);
    fullscreen_ = input::Controls::read_fullscreen_flag(store_);
    auto menu_picture = skin::load_picture(program_dir_ + "/Graphics/Program/game_menu.png");
    if (auto* p = std::get_if<skin::Picture>(&menu_picture)) game_menu_picture_ = std::move(*p);
    load_skin();
    game_menu_open_ = false;
    controls_->load_bindings(store_);
    build_menu();
    unit_->load_high_scores();

    pump_ = new TimerPump(unit_->timers(), [this] { after_change(); }, this);
    if (const QByteArray log = qgetenv("IGNIVAR_TIMER_LOG"); !log.isEmpty()) {
        timer_log_ = std::fopen(log.constData(), "w");
        if (timer_log_)
            unit_->timers().set_fire_observer([this](TimerId t) {
                std::fprintf(timer_log_, "%.3f %s\n", ms_since_process_start(), std::string(timer_name(t)).c_str());
            });
    }
}

TForm1::~TForm1() {
    if (timer_log_) std::fclose(timer_log_);
}

void TForm1::show_error(const QString& text) { QMessageBox::critical(this, kTitle, text); }

void TForm1::load_skin() {
    skin::LoadRequest req;
    req.config_path = program_dir_ + "/Config.ini";
    req.program_dir = program_dir_;
    req.fullscreen = fullscreen_;
    const QSize screen = screen_size();
    req.screen_width = screen.width();
    req.screen_height = screen.height();
    const skin::LoadResult r = skin::load_skin(req, skin_);
    painter_.reset();
    if (r.end_program) {
        must_end_ = true;
        show_error(QString::fromStdString(r.error));
        return;
    }
    if (!r.error.empty()) show_error(QString::fromStdString(r.error));
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
    const QImage frame = painter_.render(skin_, everything, nullptr);
    const QColor key = window_colour(*skin_.transparent_colour);
    // In a region made from a bitmap the set (black) bits are inside; the
    // see-through colour is to be left out.
    const QImage mask = frame.createMaskFromColor(key.rgb(), Qt::MaskInColor);
    setMask(QBitmap::fromImage(mask));
}

void TForm1::centre() {
    const QSize screen = screen_size();
    move(std::max(0, (screen.width() - width()) / 2), std::max(0, (screen.height() - height()) / 2));
}

void TForm1::play() {
    centre();
    show();
    raise();
    activateWindow();
    unit_->power_on();
    after_change();
    pump_->rearm();
}

QImage TForm1::render_frame() {
    return painter_.render(skin_, unit_->display(), game_menu_picture_.empty() ? nullptr : &game_menu_picture_);
}

void TForm1::sync_time() { pump_->sync(); }

void TForm1::after_change() {
    if (unit_->display().changes() != painted_changes_) update();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    painter_.paint(p, skin_, unit_->display(), game_menu_picture_.empty() ? nullptr : &game_menu_picture_);
    painted_changes_ = unit_->display().changes();
    if (!first_paint_reported_) {
        first_paint_reported_ = true;
        if (qEnvironmentVariableIsSet("IGNIVAR_FIRST_PAINT"))
            std::fprintf(stderr, "first frame painted %.1f ms after start\n", ms_since_process_start());
    }
}

bool TForm1::handle_shortcut(int key) {
    int i = 0;
    switch (key) {
        case Qt::Key_F1: i = About; break;
        case Qt::Key_F2: i = Readme; break;
        case Qt::Key_F3: i = Whatsnew; break;
        case Qt::Key_F4: i = Manual; break;
        case Qt::Key_F12: i = Fullscreen; break;
        case Qt::Key_Escape: i = Exit; break;
        default: return false;
    }
    if (item(i)->isEnabled()) item(i)->trigger();
    return true;
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    sync_time();
    if (handle_shortcut(e->key())) return;
    if (const std::uint16_t code = virtual_key(*e)) controls_->FormKeyDown(code);
    after_change();
    pump_->rearm();
}

void TForm1::keyReleaseEvent(QKeyEvent* e) {
    // A held key repeats its press only; the release comes once.
    if (e->isAutoRepeat()) return;
    sync_time();
    if (const std::uint16_t code = virtual_key(*e)) controls_->FormKeyUp(code);
    after_change();
    pump_->rearm();
}

std::optional<input::Button> TForm1::area_at(QPoint pos) const {
    using B = input::Button;
    // Later-drawn areas lie on top.
    for (B b : {B::GameB, B::GameA, B::Time, B::Right, B::Left, B::ShootRight, B::ShootLeft, B::Set}) {
        const skin::PlacedPicture& p =
            skin_.pictures[skin::section_of_picture(input::button_area_name(b)) - 1];
        // In 64 bits: a skin may give any 32-bit place and size.
        const long long x = pos.x(), y = pos.y();
        if (x >= p.left && y >= p.top && x < static_cast<long long>(p.left) + p.width &&
            y < static_cast<long long>(p.top) + p.height)
            return b;
    }
    return std::nullopt;
}

static bool in_game_menu_button(const skin::Skin& s, QPoint pos) {
    return s.menu_shown && QRect(0, 0, 36, 32).contains(pos);
}

void TForm1::mousePressEvent(QMouseEvent* e) {
    sync_time();
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        open_popup(e->globalPosition().toPoint());
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    if (in_game_menu_button(skin_, pos)) {
        menu_button_pressed_ = true;
        return;
    }
    const auto area = area_at(pos);
    if (area && *area != input::Button::Set) {
        pressed_area_ = area;
        controls_->mouse_down(*area, input::MouseButton::Left);
    } else if (!area && !fullscreen_) {
        drag_origin_ = pos;
    }
    after_change();
    pump_->rearm();
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (drag_origin_ && (e->buttons() & Qt::LeftButton)) {
        move(this->pos() + pos - *drag_origin_);
        return;
    }
    const auto area = area_at(pos);
    if (in_game_menu_button(skin_, pos) || (area && *area != input::Button::Set)) setCursor(Qt::PointingHandCursor);
    else if (area) setCursor(Qt::WhatsThisCursor);
    else unsetCursor();
}

void TForm1::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    sync_time();
    if (menu_button_pressed_) {
        menu_button_pressed_ = false;
        if (in_game_menu_button(skin_, e->position().toPoint())) set_game_menu_open(!game_menu_open_);
    }
    // The release reaches the area that took the press, wherever it is now.
    if (pressed_area_) {
        controls_->mouse_up(*pressed_area_, input::MouseButton::Left);
        pressed_area_.reset();
    }
    drag_origin_.reset();
    after_change();
    pump_->rearm();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        if (const auto area = area_at(help->pos()))
            QToolTip::showText(help->globalPos(), QString::fromStdString(controls_->hint(*area)), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void TForm1::closeEvent(QCloseEvent* e) {
    // The sound output and the store need no closing of their own: every
    // setting is written when it changes.
    QWidget::closeEvent(e);
}

void TForm1::build_menu() {
    menu_ = new QMenu(this);
    for (int i = 1; i <= kItems; ++i) {
        const MenuEntry& m = kMenu[i - 1];
        if (std::string(m.caption) == "-") {
            items_[i - 1] = menu_->addSeparator();
            continue;
        }
        // The shortcut shows after a tab; the window handles the keys itself.
        QString text = m.caption;
        if (*m.shortcut) text += QString("\t") + m.shortcut;
        items_[i - 1] = menu_->addAction(text);
    }
    menu_->setDefaultAction(item(About));
    // Windows that are not part of the program yet.
    for (int i : {About, Manual, Keys}) item(i)->setEnabled(false);
    connect(item(Readme), &QAction::triggered, this, [this] { open_file("Readme.txt"); });
    connect(item(Whatsnew), &QAction::triggered, this, [this] { open_file("Whatsnew.txt"); });
    connect(item(Config), &QAction::triggered, this, [this] { open_file("Config.ini"); });
    connect(item(Hiscore), &QAction::triggered, this, [this] { reset_hiscores(); });
    item(Fullscreen)->setCheckable(true);
    item(Fullscreen)->setChecked(fullscreen_);
    connect(item(Fullscreen), &QAction::triggered, this, [this] { toggle_layout(); });
    item(Splash)->setCheckable(true);
    item(Splash)->setChecked(true);
    connect(item(Splash), &QAction::triggered, this,
            [this](bool checked) { store_.write_flag("SplashScreen", checked); });
    connect(item(Exit), &QAction::triggered, this, [] { QCoreApplication::exit(0); });
    connect(menu_, &QMenu::aboutToShow, this, [this] { popup_about_to_show(); });
    menu_->installEventFilter(this);
}

void TForm1::popup_about_to_show() {
    item(Splash)->setChecked(store_.read_flag("SplashScreen", item(Splash)->isChecked()));
    if (fullscreen_ && game_menu_open_) set_game_menu_open(false);
}

void TForm1::open_popup(QPoint global) { menu_->popup(global); }

void TForm1::open_file(const QString& name) {
    // By name, from the current directory; else beside the program.
    QString path = QFileInfo(name).absoluteFilePath();
    if (!QFileInfo::exists(path)) path = QDir(QString::fromStdString(program_dir_)).absoluteFilePath(name);
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void TForm1::reset_hiscores() {
    unit_->reset_high_scores();
    QApplication::beep();
}

void TForm1::toggle_layout() {
    fullscreen_ = !fullscreen_;
    item(Fullscreen)->setChecked(fullscreen_);
    if (game_menu_open_) set_game_menu_open(false);
    store_.write_flag("FullscreenMode", fullscreen_);
    load_skin();
    centre();
}

void TForm1::set_game_menu_open(bool open) {
    game_menu_open_ = open;
    for (QLabel*& label : labels_) {
        if (label) label->deleteLater();  // possibly inside its own event
        label = nullptr;
    }
    if (open) {
        QFont font("Arial");
        font.setPixelSize(16);
        for (int i = 1; i <= kItems; ++i) {
            auto* label = new QLabel(this);
            label->setGeometry(0, 32 * i, 256, 32);
            label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            QAction* a = item(i);
            if (!a->isSeparator()) {
                QString caption = QString(kMenu[i - 1].caption);
                label->setText("   " + caption + (a->isChecked() ? " [V]" : ""));
                label->setFont(font);
                QPalette pal = label->palette();
                pal.setColor(QPalette::WindowText, Qt::white);
                pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
                pal.setColor(QPalette::Window, Qt::black);
                label->setPalette(pal);
                label->setCursor(Qt::PointingHandCursor);
                label->setEnabled(a->isEnabled());
                label->setProperty("item", i);
                label->installEventFilter(this);
            }
            label->show();
            labels_[i - 1] = label;
        }
    }
    skin_.menu_width = open ? 256 : 36;
    skin_.menu_height = open ? 448 : 32;
    painted_changes_ = ~0ull;
    update();
}

bool TForm1::eventFilter(QObject* watched, QEvent* e) {
    if (watched == menu_ && e->type() == QEvent::KeyPress) {
        // The shortcuts act with the menu open too; Esc just closes it.
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key != Qt::Key_Escape && (key == Qt::Key_F12 || (key >= Qt::Key_F1 && key <= Qt::Key_F4))) {
            menu_->close();
            handle_shortcut(key);
            return true;
        }
        return false;
    }
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || !label->property("item").isValid() || !label->isEnabled()) return QWidget::eventFilter(watched, e);
    switch (e->type()) {
        case QEvent::Enter: label->setAutoFillBackground(true); break;
        case QEvent::Leave: label->setAutoFillBackground(false); break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton &&
                label->rect().contains(static_cast<QMouseEvent*>(e)->position().toPoint())) {
                item(label->property("item").toInt())->trigger();
                if (game_menu_open_) set_game_menu_open(false);
                return true;
            }
            break;
        default: break;
    }
    return QWidget::eventFilter(watched, e);
}

}  // namespace ignivar::app
