#include "windows/picture_label.h"

#include <QAccessibleWidget>

namespace ignivar::windows {
namespace {

// A picture that acts as a button is one to a screen reader, and a
// clickable text a link; either is pressed through its action. What it is
// is asked each time: the interface may be made before the label gets its
// picture or its listeners.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label) {}
    QAccessible::Role role() const override {
        const ClickLabel* l = label();
        // A named picture of a button that does nothing is one that waits.
        if (!l->pixmap().isNull())
            return l->acts() || !l->accessibleName().isEmpty() ? QAccessible::Button : QAccessible::Graphic;
        return l->acts() && l->cursor().shape() == Qt::PointingHandCursor ? QAccessible::Link : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        return t == QAccessible::Name && own.isEmpty() ? label()->text() : own;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (!label()->acts()) s.disabled = true;
        return s;
    }
    QStringList actionNames() const override {
        return label()->acts() ? QAccessibleWidget::actionNames() << pressAction() : QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        if (!widget()->isEnabled() || !widget()->isVisible() || !label()->acts()) return;
        // A whole click, for whoever listens to any part of one.
        emit label()->pressed();
        emit label()->released();
        emit label()->clicked();
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* click_label_factory(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    return label ? new ClickLabelAccessible(label) : nullptr;
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(click_label_factory), true);
    (void)installed;
}

}  // namespace ignivar::windows
