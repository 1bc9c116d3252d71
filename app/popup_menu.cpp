// The popup menu's table and the menu, shortcuts and rows it gives.
#include "app/popup_menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

#include "app/main_window.h"

namespace ignivar::app {
namespace {

// clang-format off
const std::array<PmRow, kPmItems> kRows = {{
    {Pm::About,        "pm_1_about",         "About...",                         Qt::Key_F1,     false, &TForm1::pm_1_aboutClick},
    {Pm::Readme,       "pm_2_readme",        "View 'Readme.txt'",                Qt::Key_F2,     false, &TForm1::pm_2_readmeClick},
    {Pm::Whatsnew,     "pm_3_whatsnew",      "View 'Whatsnew.txt'",              Qt::Key_F3,     false, &TForm1::pm_3_whatsnewClick},
    {Pm::Manual,       "pm_4_manual",        "View manual",                      Qt::Key_F4,     false, &TForm1::pm_4_manualClick},
    {Pm::N1,           "pm_5_n1",            "-",                                0,              false, nullptr},
    {Pm::Config,       "pm_6_config",        "Edit configuration file",          0,              false, &TForm1::pm_6_configClick},
    {Pm::Keys,         "pm_7_keys",          "Key settings",                     0,              false, &TForm1::pm_7_keysClick},
    {Pm::Hiscore,      "pm_8_hiscore",       "Reset Hiscores",                   0,              false, &TForm1::pm_8_hiscoreClick},
    {Pm::N2,           "pm_9_n2",            "-",                                0,              false, nullptr},
    {Pm::Fullscreen,   "pm_10_fullscreen",   "Display in fullscreen mode",       Qt::Key_F12,    true,  &TForm1::pm_10_fullscreenClick},
    {Pm::Splashscreen, "pm_11_splashscreen", "Display splash screen at startup", 0,              true,  &TForm1::pm_11_splashscreenClick},
    {Pm::N3,           "pm_13_n3",           "-",                                0,              false, nullptr},
    {Pm::Exit,         "pm_14_exit",         "Exit",                             Qt::Key_Escape, false, &TForm1::pm_14_exitClick},
}};
// clang-format on

}  // namespace

const std::array<PmRow, kPmItems>& pm_rows() { return kRows; }
const PmRow& pm_row(Pm item) { return kRows[static_cast<int>(item) - 1]; }

PopupMenu::PopupMenu(TForm1& window) : menu_(new QMenu(&window)) {
    menu_->setObjectName("pm_0_menu");
    for (const PmRow& row : kRows) {
        QAction*& a = actions_[static_cast<int>(row.item) - 1];
        if (row.caption == "-") {
            a = menu_->addSeparator();
        } else {
            // The shortcut shows after a tab; the window handles the keys
            // itself, so that they act before the key bindings.
            QString text = QString::fromUtf8(row.caption.data(), static_cast<int>(row.caption.size()));
            if (row.shortcut) text += '\t' + QKeySequence(row.shortcut).toString(QKeySequence::NativeText);
            a = menu_->addAction(text);
            a->setCheckable(row.checkable);
            QObject::connect(a, &QAction::triggered, &window, [&window, click = row.click] { (window.*click)(); });
        }
        a->setObjectName(QString::fromUtf8(row.name.data(), static_cast<int>(row.name.size())));
    }
    menu_->setDefaultAction(action(Pm::About));
    menu_->installEventFilter(this);
}

bool PopupMenu::eventFilter(QObject* watched, QEvent* e) {
    if (watched != menu_ || e->type() != QEvent::KeyPress) return false;
    const auto item = item_for_shortcut(static_cast<QKeyEvent*>(e)->key());
    if (!item || *item == Pm::Exit) return false;
    menu_->close();
    choose(*item);
    return true;
}

std::optional<Pm> PopupMenu::item_for_shortcut(int qt_key) {
    for (const PmRow& row : kRows)
        if (row.shortcut && row.shortcut == qt_key) return row.item;
    return std::nullopt;
}

void PopupMenu::choose(Pm item) {
    if (QAction* a = action(item); a->isEnabled()) a->trigger();
}

}  // namespace ignivar::app
