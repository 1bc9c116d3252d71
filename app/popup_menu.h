// The popup menu pm_0_menu and its submenus, built from the action table;
// the program's own keys, which act before the key bindings see a key and
// also while a menu is open; and the rows the in-game menu shows.
#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <string_view>

#include "app/actions.h"

class QAction;
class QMenu;

namespace ignivar::app {

class TForm1;

class PopupMenu : public QObject {
public:
    explicit PopupMenu(TForm1& window);

    QMenu* menu() const { return menu_; }
    QAction* item(std::string_view name) const { return items_.at(name); }
    // Runs a row as choosing it does, when it is enabled.
    void choose(const Action& a);
    // Brings the items' checks, enabled and visible states up to date.
    void refresh();
    // Every caption again, in the language now spoken.
    void retranslate();
    // A press or release of one of the program's own keys: true when it was
    // one (whether or not it acts now).
    bool key(int qt_key, bool pressed, bool repeat);
    // Told of every row that runs, by menu, in-game menu or key.
    void on_run(std::function<void(const Action&)> f) { ran_ = std::move(f); }

protected:
    // The keys act while a menu is open too; Esc only closes it.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QMenu* submenu(Place place) const;
    bool checked(const Action& a) const;
    bool enabled(const Action& a) const;

    TForm1& window_;
    QMenu* menu_;
    std::map<Place, QMenu*> submenus_;
    std::map<std::string_view, QAction*> items_;
    std::function<void(const Action&)> ran_;
};

}  // namespace ignivar::app
