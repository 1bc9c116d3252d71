// The popup menu pm_0_menu as one table: each row's item, caption, shortcut
// and click handler. The table builds the menu, answers the shortcuts
// before the key bindings see a key, and gives the in-game menu its rows.
#pragma once

#include <QKeySequence>
#include <QObject>
#include <array>
#include <optional>
#include <string_view>

class QAction;
class QMenu;
class QWidget;

namespace ignivar::app {

class TForm1;

// The items in menu order; the number is the row of the in-game menu.
enum class Pm : int {
    About = 1, Readme, Whatsnew, Manual, N1, Config, Keys, Hiscore, N2, Fullscreen, Splashscreen, N3, Exit
};
inline constexpr int kPmItems = 13;

struct PmRow {
    Pm item;
    std::string_view name;     // the component name: pm_1_about ...
    std::string_view caption;  // "-" is a separator
    int shortcut;              // a Qt::Key, or 0
    bool checkable;
    void (TForm1::*click)();   // nothing for separators
};

const std::array<PmRow, kPmItems>& pm_rows();
const PmRow& pm_row(Pm item);

// The menu built from the table, its actions wired to the window's handlers.
class PopupMenu : public QObject {
public:
    explicit PopupMenu(TForm1& window);

    QMenu* menu() const { return menu_; }
    QAction* action(Pm item) const { return actions_[static_cast<int>(item) - 1]; }
    // The item whose shortcut is `qt_key`, if any.
    static std::optional<Pm> item_for_shortcut(int qt_key);
    // Runs an item's click handler as choosing it does, when it is enabled.
    void choose(Pm item);

protected:
    // The shortcuts act while the menu is open too; Esc only closes it.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QMenu* menu_;
    std::array<QAction*, kPmItems> actions_{};
};

}  // namespace ignivar::app
