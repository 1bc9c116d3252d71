#include "ui/kit.h"

#include "files/read.h"
#include "ui/language.h"

#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QPalette>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>

#include "files/places.h"
#include "product.h"
#include "skin/picture.h"

namespace ignivar::ui {

QFont pixel_font(const char* family, int pixels, bool bold, bool underline, bool italic) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setUnderline(underline);
    f.setItalic(italic);
    return f;
}

void set_colour(QWidget* w, int role, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(static_cast<QPalette::ColorRole>(role), c);
    w->setPalette(pal);
}

void set_text_colour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, c);
    pal.setColor(QPalette::Text, c);
    pal.setColor(QPalette::ButtonText, c);
    w->setPalette(pal);
}

QPixmap program_picture(const std::string& data_dir, std::string_view file) {
    // A picture with words on it may have one of its own in the language
    // spoken, in a folder named after it.
    std::string path = files::program_picture(data_dir, file);
    if (const std::string language = spoken_language(); language != kLanguages[0].code) {
        const std::string own = files::program_picture(data_dir, language + "/" + std::string(file));
        if (files::is_regular_file(own)) path = own;
    }
    // By the program's own decoder, as the skin's pictures are: Qt's would
    // first look through its image plugins, at the cost of the first
    // window that shows a picture.
    const auto decoded = skin::load_picture(path);
    if (!decoded) return {};
    const skin::Picture& p = *decoded;
    return QPixmap::fromImage(QImage(p.rgba.data(), p.width, p.height, p.width * 4, QImage::Format_RGBA8888));
}

QPoint centred(const QRect& area, const QSize& size) {
    return {area.x() + std::max(0, (area.width() - size.width()) / 2),
            area.y() + std::max(0, (area.height() - size.height()) / 2)};
}

void centre(QWidget& window) {
    const QScreen* s = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    window.move(centred(s->availableGeometry(), window.frameGeometry().size().expandedTo(window.size())));
}

QString plain_tip(const QString& text) { return Qt::convertFromPlainText(text, Qt::WhiteSpaceNoWrap); }

void tell(QWidget* parent, Tone tone, const QString& text) {
    QMessageBox box(tone == Tone::Critical  ? QMessageBox::Critical
                    : tone == Tone::Warning ? QMessageBox::Warning
                                            : QMessageBox::Information,
                    kApplicationTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void tell_soon(QWidget* parent, Tone tone, const QString& text) {
    QPointer<QWidget> guard(parent);
    QTimer::singleShot(0, [guard, had_parent = parent != nullptr, tone, text] {
        if (had_parent && !guard) return;
        tell(guard, tone, text);
    });
}

}  // namespace ignivar::ui
