// TForm1: its layouts: the skin loaded for the window or the screen at
// the zoom, the window's size and shape, and where it is placed.
#include <QBitmap>
#include <QGuiApplication>
#include <QScreen>
#include <cmath>
#include <limits>

#include "app/desktop.h"
#include "app/main_window.h"
#include "files/places.h"
#include "product.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

const QScreen* TForm1::unit_screen() const { return screen() ? screen() : QGuiApplication::primaryScreen(); }

QRect TForm1::screen_area() const {
    const QScreen* s = unit_screen();
    return s ? s->geometry() : QRect(0, 0, 1024, 768);
}

void TForm1::place(const QRect& geometry) {
    placing_ = true;
    player_moving_ = system_move_ = false;  // a drag's place is kept no longer
    setGeometry(geometry);
    placing_ = false;
}

int TForm1::fit_factor(QSize screen, QSize unit) {
    if (unit.width() <= 0 || unit.height() <= 0) return 1;
    return std::clamp(std::min(screen.width() / unit.width(), screen.height() / unit.height()), 1, 8);
}

int TForm1::zoom_for(QSize unit) const {
    const QSize screen = screen_area().size();
    const qreal dpr = unit_screen() ? unit_screen()->devicePixelRatio() : 1.0;
    // As chosen for the window, or for the full screen (0: the largest that fits).
    int factor = fullscreen_ ? fullscreen_zoom_ : windowed_zoom_;
    if (fullscreen_ && factor == 0) factor = fit_factor(screen, unit);
    if (!fullscreen_) factor = std::min(factor, largest_windowed_zoom(unit));
    factor = std::max(1, factor);
    // The largest whose frames fit the memory budget: full screen lays the
    // skin out on the screen's size in skin pixels.
    const auto client = [&](int f) { return fullscreen_ ? screen / f : unit; };
    while (factor > 1 && skin::largest_scale(client(factor).width(), client(factor).height(), device_scale(factor, dpr)) <
                             device_scale(factor, dpr))
        --factor;
    return factor;
}

Status TForm1::load_at_zoom(int factor) {
    skin::LoadRequest req;
    req.config_path = files_.config;
    req.program_dir = files_.data_dir;
    req.own_dir = files_.own_dir();
    req.fullscreen = fullscreen_;
    req.keeper = keeper_pictures_;
    req.lcd_glass = lcd_->look().unlit != skin::kUnlitAsFace;
    req.lcd_contrast = lcd_->look().contrast;
    // Full screen draws the pictures as they are loaded; the windowed
    // layout keys its see-through colour out of their plain pixels.
    req.form = fullscreen_ ? skin::PixelForm::PremultipliedArgb : skin::PixelForm::Rgba;
    const QSize screen = screen_area().size();
    req.screen_width = fullscreen_ ? screen.width() / factor : screen.width();
    req.screen_height = fullscreen_ ? screen.height() / factor : screen.height();
    req.scale = device_scale(factor, unit_screen() ? unit_screen()->devicePixelRatio() : 1.0);
    ++skin_loads_;
    return skin::load_skin(req, skin_);
}

void TForm1::load_skin() {
    painter_.reset();  // nothing of the old pictures is touched while they go
    // The factor is worked out from the unit's size before the pictures
    // are loaded, so that they are loaded once, at the scale they are drawn at.
    const skin::Extent unit = skin::game_size(files_.config);
    const int factor = zoom_for({unit.width, unit.height});
    const Status r = load_at_zoom(factor);
    if (!r && r.error().fatal && files_.player_config) {
        // The player's own skin file cannot be read: the shipped one stands in.
        ui::tell(this, ui::Tone::Warning, ui::tr_text("Messages", "%1\nThe shipped skin is used instead.")
                                              .arg(ui::in_language(r.error())));
        files_.config = files::join(files_.data_dir, files::kConfigFile);
        files_.player_config = false;
        load_skin();
        return;
    }
    zoom_ = factor;
    painter_.reset();
    lcd_->skin_loaded(skin_);
    for (const Text& w : skin_.warnings) {
        const std::string english = w.in_english();
        if (std::find(warnings_told_.begin(), warnings_told_.end(), english) != warnings_told_.end()) continue;
        warnings_told_.push_back(english);
        ui::tell(this, ui::Tone::Warning, ui::in_language(w));
    }
    if (!r) ui::tell(this, ui::Tone::Critical, ui::in_language(r.error()));
    if (!r && r.error().fatal) {
        must_end_ = true;
        return;
    }
    // The in-game menu's rows all on the screen, at most at the unit's zoom.
    const QScreen* screen_now = unit_screen();
    const int screen_height = fullscreen_ && screen_now ? screen_now->geometry().height() : screen_area().height();
    game_menu_->set_zoom(std::min(zoom_, GameMenu::fitting_zoom(screen_height)));
    hide_logo_under_unit();
    apply_layout();
    repaint_all();  // the pictures themselves changed
    keep_pictures_ = keeper_pictures_ != nullptr;  // once the first frame of them is painted
}

void TForm1::hide_logo_under_unit() {
    // The logo is the screen's, kept at its own size in its corner: where the
    // zoomed unit would cover it, it is not shown at all.
    if (!skin_.logo.shown || !skin_.logo.picture) return;
    const int w = skin_.logo.picture->width, h = skin_.logo.picture->height;
    const long long x = skin_.logo.x + w >= skin_.client_width ? 1LL * skin_.client_width * zoom_ - w : 1LL * skin_.logo.x * zoom_;
    const long long y = skin_.logo.y + h >= skin_.client_height ? 1LL * skin_.client_height * zoom_ - h : 1LL * skin_.logo.y * zoom_;
    const long long ux = 1LL * skin_.offset_x * zoom_, uy = 1LL * skin_.offset_y * zoom_;
    const long long uw = 1LL * skin_.game_width * zoom_, uh = 1LL * skin_.game_height * zoom_;
    if (x < ux + uw && ux < x + w && y < uy + uh && uy < y + h) skin_.logo.shown = false;
}

View TForm1::view() const {
    View v;
    v.zoom = zoom_;
    v.dpr = devicePixelRatioF();
    v.lcd = lcd_->frame();
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
        resize(frame_size(skin_, zoom_));
    } else {
        setFixedSize(frame_size(skin_, zoom_));
    }
    update_shape();
    repaint_all();
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
    const QSize screen = screen_area().size();
    place(QRect(QPoint(-screen.width(), -screen.height()), size()));
}

void TForm1::centre() { place(QRect(ui::centred(screen_area(), size()), size())); }

bool TForm1::restore_position() {
    // Only once the player has moved the window; the first start centres it.
    const std::int32_t none = std::numeric_limits<std::int32_t>::min();
    const int x = store_.read_number(Setting::WindowX, none), y = store_.read_number(Setting::WindowY, none);
    if (x == none || y == none || !can_place_windows()) return false;
    // In 64 bits: a stored place may be any 32-bit number, and the window's
    // far edge past it must not wrap round onto the screen.
    const auto overlap = [](long long from, long long length, long long screen_from, long long screen_length) {
        return std::min(from + length, screen_from + screen_length) - std::max(from, screen_from);
    };
    for (const QScreen* s : QGuiApplication::screens()) {
        const QRect g = s->availableGeometry();
        // Still on a screen, with enough of it to take hold of.
        if (overlap(x, width(), g.x(), g.width()) >= std::min(64, width()) &&
            overlap(y, height(), g.y(), g.height()) >= std::min(64, height())) {
            place(QRect(QPoint(x, y), size()));
            return true;
        }
    }
    return false;
}

void TForm1::show_layout() {
    if (fullscreen_) {
        // A real full-screen window on the unit's screen, above the panels;
        // placed there too, for desktops without a window manager to do it.
        if (can_place_windows() && unit_screen()) place(screen_area());
        // A Wayland compositor takes a window full screen reliably only
        // when it is mapped so.
        if (!can_place_windows() && isVisible() && !isFullScreen()) hide();
        showFullScreen();
    } else {
        showNormal();
        if (!restore_position()) centre();
    }
}

}  // namespace ignivar::app
