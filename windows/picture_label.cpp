#include "windows/picture_label.h"

#include <QAccessibleWidget>

namespace ignivar::windows {
namespace {

// A picture that acts as a button is one to a screen reader, and a
// clickable text a link; either is pressed through its action.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label)
        : QAccessibleWidget(label, label->pixmap().isNull() ? QAccessible::Link : QAccessible::Button) {}
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << pressAction(); }
    void doAction(const QString& name) override {
        if (name != pressAction()) return QAccessibleWidget::doAction(name);
        if (widget()->isEnabled() && widget()->isVisible()) emit static_cast<ClickLabel*>(widget())->clicked();
    }
};

QAccessibleInterface* click_label_factory(const QString&, QObject* object) {
    auto* label = qobject_cast<ClickLabel*>(object);
    // A plain text that nothing happens on stays a label.
    if (!label || (label->pixmap().isNull() && label->cursor().shape() != Qt::PointingHandCursor)) return nullptr;
    return new ClickLabelAccessible(label);
}

}  // namespace

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = (QAccessible::installFactory(click_label_factory), true);
    (void)installed;
}

}  // namespace ignivar::windows
