// A label that reports presses and clicks of the left mouse button: the
// links and picture buttons of the auxiliary windows, which a screen reader
// sees as links and buttons.
#pragma once

#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>

namespace ignivar::windows {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
    // Whether anything happens on a press or a click: only then is it a
    // button (or link) to a screen reader, not a picture of one.
    bool acts() const {
        return isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::pressed)) ||
               isSignalConnected(QMetaMethod::fromSignal(&ClickLabel::clicked));
    }
    ClickLabel(const QString& text, QWidget* parent) : ClickLabel(parent) { setText(text); }

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

}  // namespace ignivar::windows
