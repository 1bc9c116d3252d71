#include "windows/picture_label.h"

#include <QDir>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>

namespace ignivar::windows {

QFont pixel_font(const char* family, int pixels, bool bold, bool underline, bool italic) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setItalic(italic);
    return f;
}

QPixmap program_picture(const std::string& program_dir, const char* file) {
    return QPixmap(QDir(QString::fromStdString(program_dir)).filePath(QString("Graphics/Program/") + file));
}

void centre_on_screen(QWidget& window) {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect area = s->geometry();
        window.move(area.x() + (area.width() - window.width()) / 2, area.y() + (area.height() - window.height()) / 2);
    }
}

void set_text_colour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

}  // namespace ignivar::windows
