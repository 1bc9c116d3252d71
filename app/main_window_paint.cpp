// TForm1: painting the unit, the in-game menu, the banner and the mute mark.
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "app/main_window.h"
#include "files/places.h"
#include "product.h"
#include "skin/compositor.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

QImage TForm1::render_frame(bool soft_edges) {
    View v = view();
    if (soft_edges) v.base = nullptr;
    QImage frame = painter_.render(skin_, replays_->shown_unit().display(), {}, v);
    QPainter p(&frame);
    paint_game_menu(p);
    return frame;
}

namespace {

// The in-game menu's picture for a scale, its pixels left where they were
// decoded; a null image when the program has none for that scale.
QImage read_game_menu_picture(const std::string& data_dir, int scale) {
    const std::string name = scale == 1 ? "game_menu.png" : "game_menu@" + std::to_string(scale) + "x.png";
    auto decoded = skin::load_picture(files::program_picture(data_dir, name));
    if (!decoded) return {};
    auto* picture = new skin::Picture(std::move(decoded).value());
    return QImage(
        picture->rgba.data(), picture->width, picture->height, picture->width * 4, QImage::Format_RGBA8888,
        [](void* p) { delete static_cast<skin::Picture*>(p); }, picture);
}

}  // namespace

const QImage& TForm1::game_menu_picture(int scale) {
    // The picture drawn for the screen's pixels at this scale, if there is one.
    auto it = game_menu_pictures_.find(scale);
    if (it == game_menu_pictures_.end())
        it = game_menu_pictures_.emplace(scale, read_game_menu_picture(files_.data_dir, scale)).first;
    return it->second;
}

int TForm1::game_menu_scale() const {
    return device_scale(game_menu_->zoom(), devicePixelRatioF());
}

void TForm1::paint_game_menu(QPainter& p) {
    // Over the unit, at the menu's own zoom and the screen's own pixels.
    if (!skin_.menu_shown) return;
    const int z = game_menu_->zoom();
    const int device = game_menu_scale();
    const QImage* picture = &game_menu_picture(device);
    int scale = device;
    if (picture->isNull()) picture = &game_menu_picture(scale = 1);
    if (picture->isNull()) return;
    const QSize size = game_menu_->background_size();
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1);
    p.drawImage(QRect(QPoint(0, 0), size * z), *picture, QRect(QPoint(0, 0), size * scale));
    p.restore();
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    paint_frame(p, event->region());
    first_paint_.painted();
    // The layers every frame draws alike, composed once this frame is on
    // the screen, for the paints that follow.
    if (event->region() == QRegion(rect()))
        QTimer::singleShot(0, this, [this] { painter_.compose_base(skin_, replays_->shown_unit().display(), {}, view()); });
    if (std::exchange(keep_pictures_, false) && keeper_pictures_ && keeper_pictures_->has_noted())
        QTimer::singleShot(0, this, [this] { keeper_pictures_->keep(); });  // once this frame is on the screen
    emit painted();
}

void TForm1::paint_frame(QPainter& p, const QRegion& region, bool marks) {
    if (fullscreen_) {
        // Past the whole factor's part, which the frame paints itself.
        for (const QRect& r : QRegion(rect()) - QRect(QPoint(0, 0), frame_size(skin_, zoom_)))
            p.fillRect(r, window_colour(skin_.colour));
    }
    View v = view();
    if (region != QRegion(rect())) v.region = region;  // what changed only
    painter_.paint(p, skin_, replays_->shown_unit().display(), {}, v);
    if (!marks) return;
    paint_game_menu(p);
    if (sound_keeper_->muted()) paint_mute_mark(p);
    if (const QString text = banner(); !text.isEmpty()) paint_banner(p, text);
}

QString TForm1::banner() const {
    // A note (a game saved, a screenshot taken) shows over the replay's sign for a moment.
    if (replays_->watching() && !keeper_->noting()) return replays_->banner();
    return keeper_->banner();
}

void TForm1::paint_banner(QPainter& p, const QString& full_text) {
    // Over the top of the unit's case, not over its display: the segments
    // stay as they are. Opaque, and at least as wide as the printing on the
    // case there, which it hides whole.
    constexpr int kLeast = 140;  // skin pixels
    const int z = std::max(1, zoom_);
    QFont font = ui::pixel_font("Arial", 12 * z, true);
    const QString text = QFontMetrics(font).elidedText(full_text, Qt::ElideMiddle, width() - 40 * z);
    const int w = std::max(QFontMetrics(font).horizontalAdvance(text) + 24 * z, kLeast * z);
    const int h = 20 * z;
    const QRect pill(skin_.offset_x * z + skin_.game_width * z / 2 - w / 2, skin_.offset_y * z + 3 * z, w, h);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setPen(QPen(QColor(255, 255, 255), std::max(1, z)));
    p.setBrush(QColor(10, 14, 30));
    p.drawRoundedRect(pill, h / 2.0, h / 2.0);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(pill, Qt::AlignCenter, text);
}

void TForm1::paint_mute_mark(QPainter& p) {
    // A loudspeaker struck through, on the case at its top right corner (or
    // its top left one), clear of the display.
    const int z = std::max(1, zoom_);
    const skin::Rect lcd = skin::lcd_rect(skin_);
    const QRect display(lcd.x * z, lcd.y * z, lcd.w * z, lcd.h * z);
    QRectF r((skin_.offset_x + skin_.game_width - 66) * z, (skin_.offset_y + 10) * z, 20 * z, 16 * z);
    if (display.intersects(r.toAlignedRect().adjusted(-3 * z, -3 * z, 3 * z, 3 * z)))
        r.moveLeft((skin_.offset_x + 46) * z);
    if (display.intersects(r.toAlignedRect().adjusted(-3 * z, -3 * z, 3 * z, 3 * z))) return;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(255, 255, 255), 1.5 * z));
    p.setBrush(QColor(10, 14, 30));
    p.drawRoundedRect(r.adjusted(-3 * z, -3 * z, 3 * z, 3 * z), 4 * z, 4 * z);
    QPolygonF speaker;
    for (const QPointF& at : {QPointF(0, 5), QPointF(4, 5), QPointF(9, 1), QPointF(9, 15), QPointF(4, 11), QPointF(0, 11)})
        speaker << r.topLeft() + at * z;
    p.setBrush(Qt::white);
    p.drawPolygon(speaker);
    p.drawLine(r.topLeft() + QPointF(12, 4) * z, r.topLeft() + QPointF(19, 12) * z);
    p.drawLine(r.topLeft() + QPointF(19, 4) * z, r.topLeft() + QPointF(12, 12) * z);
    p.restore();
}

}  // namespace ignivar::app
