// Small building blocks of the auxiliary windows: a label that reports a
// click of the left mouse button (links and picture buttons), and the
// helpers that place a component from its table row.
#pragma once

#include <QFont>
#include <QLabel>
#include <QMouseEvent>
#include <QRect>
#include <string>

namespace ignivar::windows {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void pressed();
    // Released over the label after a press on it.
    void clicked();
    void released();

protected:
    void mousePressEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton) emit pressed();
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() != Qt::LeftButton) return;
        emit released();
        if (rect().contains(e->position().toPoint())) emit clicked();
    }
};

// A pixel-sized font ("Arial" is matched by the desktop's metric twin).
QFont pixel_font(const char* family, int pixels, bool bold = false, bool underline = false, bool italic = false);

// A picture from the program's own folder Graphics/Program; an empty pixmap
// when it cannot be read.
QPixmap program_picture(const std::string& program_dir, const char* file);

// Places a window in the middle of the primary screen.
void centre_on_screen(QWidget& window);

// Sets a label's text colour.
void set_text_colour(QWidget* w, const QColor& c);

}  // namespace ignivar::windows
