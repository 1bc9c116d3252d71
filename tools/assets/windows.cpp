// Pictures that come with the program rather than the skin: the in-game
// menu's background, the splash window's box picture and buttons, the about
// window's portrait and the manual viewer's buttons.
#include <QLinearGradient>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainterPath>
#include <filesystem>

#include "art.h"
#include "files/places.h"
#include "assets.h"

namespace ignivar::assets {
namespace {

namespace fs = std::filesystem;

QFont font(int pixels, bool bold = true) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// 256 x 512 (times `scale`): an opaque title band with a three-bar icon
// and "Game menu", then a black panel at 80 % opacity. Drawn at every
// scale the in-game menu is shown at, so that its title stays sharp.
QImage game_menu(int scale) {
    QImage img(256 * scale, 512 * scale, QImage::Format_ARGB32);
    img.fill(QColor(0, 0, 0, 204));
    QPainter p(&img);
    p.fillRect(QRect(0, 0, 256 * scale, 32 * scale), Qt::black);
    p.scale(scale, scale);
    for (int y : {10, 15, 20}) p.fillRect(QRect(8, y, 20, 2), Qt::white);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(Qt::white);
    p.setFont(font(16));
    p.drawText(QRect(40, 0, 210, 32), Qt::AlignVCenter | Qt::AlignLeft, "Game menu");
    return img;
}

QImage rounded_button(const QString& text, QColor top, QColor bottom, QColor text_colour) {
    QImage img(107, 30, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);  // the splash window's white band
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 30);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setBrush(g);
    p.setPen(QPen(bottom.darker(140), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 106, 29), 12, 12);
    p.setPen(text_colour);
    p.setFont(font(15));
    if (QFontMetrics(p.font()).horizontalAdvance(text) > 107 - 12)
        throw std::runtime_error("the button \"" + text.toStdString() + "\" does not fit");
    p.drawText(QRect(0, 0, 107, 30), Qt::AlignCenter, text);
    return img;
}

// The unit in its box, drawn: a box front with the unit's face on it.
QImage box_picture(const QImage& face) {
    QImage img(460, 160, QImage::Format_ARGB32_Premultiplied);
    img.fill(QColor(24, 82, 148));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The box, seen slightly from the side.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 20, 14));
    p.drawPolygon(QPolygonF({QPointF(300, 14), QPointF(330, 6), QPointF(330, 146), QPointF(300, 154)}));
    QLinearGradient front(100, 14, 300, 154);
    front.setColorAt(0, QColor(250, 210, 90));
    front.setColorAt(1, QColor(230, 120, 40));
    p.fillRect(QRect(100, 14, 200, 140), front);
    p.setBrush(QColor(255, 236, 170));
    p.drawPolygon(QPolygonF({QPointF(100, 14), QPointF(130, 6), QPointF(330, 6), QPointF(300, 14)}));
    p.drawImage(QRectF(116, 40, 168, 112), face);
    p.setPen(QColor(110, 20, 10));
    p.setFont(font(16));
    p.drawText(QRect(100, 16, 200, 24), Qt::AlignCenter, "IGNIVAR");
    p.setFont(font(9, false));
    p.setPen(QColor(255, 250, 230));
    const QString slogan = QCoreApplication::translate("SplashPictures", "Fire \u00B7 Water \u00B7 Watch\nPocket LCD game");
    const QRect slogan_area(340, 60, 110, 60);
    if (p.boundingRect(slogan_area, Qt::AlignLeft | Qt::TextWordWrap, slogan).height() > slogan_area.height())
        throw std::runtime_error("the box's slogan does not fit");
    p.drawText(slogan_area, Qt::AlignLeft | Qt::TextWordWrap, slogan);
    return img;
}

QImage portrait() {
    QImage img(116, 160, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, 160);
    bg.setColorAt(0, QColor(70, 110, 160));
    bg.setColorAt(1, QColor(30, 50, 80));
    p.fillRect(img.rect(), bg);
    // A simple drawn bust: shoulders, neck, head, hair and glasses.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 46));
    p.drawRoundedRect(QRectF(10, 112, 96, 70), 30, 30);
    p.setBrush(QColor(226, 186, 156));
    p.drawRect(QRectF(48, 96, 20, 22));
    p.drawEllipse(QRectF(32, 38, 52, 64));
    p.setBrush(QColor(74, 52, 36));
    QPainterPath hair;
    hair.moveTo(30, 66);
    hair.cubicTo(26, 26, 90, 22, 86, 66);
    hair.cubicTo(80, 46, 40, 44, 30, 66);
    p.drawPath(hair);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawEllipse(QRectF(38, 64, 16, 12));
    p.drawEllipse(QRectF(62, 64, 16, 12));
    p.drawLine(QPointF(54, 70), QPointF(62, 70));
    p.drawArc(QRectF(48, 82, 20, 8), 200 * 16, 140 * 16);
    return img;
}

// A 16 x 14 blue button with a white arrow or cross.
QImage viewer_button(int kind, bool pressed) {
    QImage img(16, 14, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 14);
    g.setColorAt(0, pressed ? QColor(20, 60, 130) : QColor(70, 130, 220));
    g.setColorAt(1, pressed ? QColor(40, 90, 170) : QColor(24, 72, 160));
    p.setBrush(g);
    p.setPen(QPen(QColor(10, 40, 100), 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 13), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const double dy = pressed ? 1 : 0;
    if (kind == 0) p.drawPolygon(QPolygonF({QPointF(4, 7 + dy), QPointF(10, 3 + dy), QPointF(10, 11 + dy)}));
    if (kind == 1) p.drawPolygon(QPolygonF({QPointF(12, 7 + dy), QPointF(6, 3 + dy), QPointF(6, 11 + dy)}));
    if (kind == 2) {
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 4 + dy), QPointF(11, 10 + dy));
        p.drawLine(QPointF(11, 4 + dy), QPointF(5, 10 + dy));
    }
    return img;
}

// The start window's pictures with words on them, in the language spoken.
void save_splash_pictures(const QImage& face, const fs::path& dir) {
    const QString play = QCoreApplication::translate("SplashPictures", "Play");
    save_png(box_picture(face), (dir / "splash_box.png").string());
    save_png(rounded_button(play, QColor(90, 150, 240), QColor(24, 72, 160), Qt::white), (dir / "splash_play.png").string());
    save_png(rounded_button(play, QColor(200, 200, 200), QColor(150, 150, 150), QColor(235, 235, 235)),
             (dir / "splash_play_disabled.png").string());
    save_png(rounded_button(QCoreApplication::translate("SplashPictures", "Donate"), QColor(255, 196, 80),
                            QColor(230, 130, 20), QColor(40, 30, 90)),
             (dir / "splash_donate.png").string());
}

}  // namespace

void make_windows(const std::string& out_dir, const std::string& translations_dir) {
    const fs::path dir = fs::path(out_dir) / std::string(files::kProgramPictures);
    fs::create_directories(dir);
    save_png(game_menu(1), (dir / "game_menu.png").string());
    for (int scale = 2; scale <= 8; ++scale)
        save_png(game_menu(scale), (dir / ("game_menu@" + std::to_string(scale) + "x.png")).string());
    QImage face;
    face.load(QString::fromStdString((fs::path(out_dir) / "Graphics" / "Skin" / "background.png").string()));
    for_each_language(translations_dir, [&](const std::string& language) {
        const fs::path in = language == "en" ? dir : dir / language;
        fs::create_directories(in);
        save_splash_pictures(face, in);
    });
    save_png(portrait(), (dir / "about_portrait.png").string());
    const char* names[] = {"left", "right", "close"};
    for (int k = 0; k < 3; ++k) {
        save_png(viewer_button(k, false), (dir / ("manual_" + std::string(names[k]) + "_up.png")).string());
        save_png(viewer_button(k, true), (dir / ("manual_" + std::string(names[k]) + "_down.png")).string());
    }
}

}  // namespace ignivar::assets
