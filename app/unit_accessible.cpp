// The unit's window as a screen reader sees it: the unit, named by what it
// last said and described by the face in words, and its popup menu among
// its children while it is open (Qt leaves popups out of the tree, so a
// screen reader could not find the menu's items but through their focus).
#include <QAccessibleWidget>
#include <QMenu>

#include "app/main_window.h"

namespace ignivar::app {
namespace {

class UnitAccessible : public QAccessibleWidget {
public:
    explicit UnitAccessible(TForm1* w) : QAccessibleWidget(w, QAccessible::Client) {}

    int childCount() const override { return QAccessibleWidget::childCount() + (open_menu() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override {
        if (QMenu* m = open_menu(); m && index == QAccessibleWidget::childCount())
            return QAccessible::queryAccessibleInterface(m);
        return QAccessibleWidget::child(index);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (QMenu* m = open_menu(); m && child && child->object() == m) return QAccessibleWidget::childCount();
        return QAccessibleWidget::indexOfChild(child);
    }

private:
    QMenu* open_menu() const {
        QMenu* m = static_cast<const TForm1*>(widget())->popup_menu();
        return m && m->isVisible() ? m : nullptr;
    }
};

QAccessibleInterface* unit_factory(const QString&, QObject* object) {
    auto* w = qobject_cast<TForm1*>(object);
    return w ? new UnitAccessible(w) : nullptr;
}

}  // namespace

void make_unit_accessible() {
    static const bool installed = (QAccessible::installFactory(unit_factory), true);
    (void)installed;
}

}  // namespace ignivar::app
