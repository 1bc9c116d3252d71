// A label that reports presses and clicks of the left mouse button: the
// links and picture buttons of the auxiliary windows, which a screen reader
// sees as links and buttons.
#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace ignivar::windows {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);
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
