// Lets a window see the key presses and releases before its controls do,
// as the program's windows all do.
#pragma once

#include <QKeyEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace ignivar::ui {

class KeyPreview : public QObject {
public:
    // `handler` returns true for a key it has used, which then goes no further.
    using Handler = std::function<bool(QKeyEvent* e)>;
    // Watches every control of `form` that exists now.
    KeyPreview(QWidget* form, Handler handler) : QObject(form), handler_(std::move(handler)) {
        for (QWidget* child : form->findChildren<QWidget*>()) child->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease)
            return handler_(static_cast<QKeyEvent*>(e));
        return false;
    }

private:
    Handler handler_;
};

}  // namespace ignivar::ui
