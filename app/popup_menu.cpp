// The menus the action table gives, and the program's own keys.
#include "app/popup_menu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>

#include "app/main_window.h"

namespace ignivar::app {
namespace {

struct Submenu {
    Place place;
    const char* title;
    const char* name;
};
// In the popup menu, in this order, before its second separator.
constexpr Submenu kSubmenus[] = {{Place::Play, QT_TRANSLATE_NOOP("Menu", "Play"), "pm_play"},
                                  {Place::Sound, QT_TRANSLATE_NOOP("Menu", "Sound"), "pm_sound"},
                                  {Place::Zoom, QT_TRANSLATE_NOOP("Menu", "Zoom"), "pm_zoom"},
                                  {Place::Display, QT_TRANSLATE_NOOP("Menu", "Display"), "pm_display"},
                                  {Place::Language, QT_TRANSLATE_NOOP("Menu", "Language"), "pm_language"}};

QString title(const Submenu& s) { return QCoreApplication::translate("Menu", s.title); }

}  // namespace

PopupMenu::PopupMenu(TForm1& window) : QObject(&window), window_(window), menu_(new QMenu(&window)) {
    menu_->setObjectName("pm_0_menu");
    for (const Submenu& s : kSubmenus) {
        submenus_[s.place] = new QMenu(menu_);
        submenus_[s.place]->setObjectName(s.name);
    }
    for (const Action& a : actions()) {
        if (a.place == Place::KeyOnly) continue;
        QMenu* into = a.place == Place::Menu ? menu_ : submenus_.at(a.place);
        QAction* item = a.kind == Kind::Separator ? into->addSeparator() : into->addAction(menu_text(a));
        item->setObjectName(QString::fromUtf8(a.name.data(), static_cast<qsizetype>(a.name.size())));
        item->setCheckable(a.kind == Kind::Toggle || a.kind == Kind::Choice);
        if (a.kind == Kind::Hold) item->setEnabled(false);  // a key to hold, told in the menu
        else if (a.kind != Kind::Separator)
            connect(item, &QAction::triggered, this, [this, &a] { choose(a); });
        items_[a.name] = item;
    }
    for (const Submenu& s : kSubmenus) menu_->insertMenu(item("pm_9_n2"), submenus_.at(s.place));
    menu_->setDefaultAction(item("pm_1_about"));
    retranslate();
    for (QMenu* m : menu_->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        m->installEventFilter(this);
        connect(m, &QMenu::aboutToShow, this, [this] { refresh(); });
    }
    menu_->installEventFilter(this);
    connect(menu_, &QMenu::aboutToShow, this, [this] { refresh(); });
}

QMenu* PopupMenu::submenu(Place place) const { return place == Place::Menu ? menu_ : submenus_.at(place); }

bool PopupMenu::checked(const Action& a) const {
    if (a.setting) return window_.host().store().read_flag(*a.setting, a.setting_default);
    return a.checked && a.checked(window_);
}

void PopupMenu::retranslate() {
    menu_->setAccessibleName(QCoreApplication::translate("Menu", "Menu"));
    for (const Submenu& s : kSubmenus) {
        submenus_.at(s.place)->setTitle(title(s));
        submenus_.at(s.place)->setAccessibleName(title(s));
    }
    for (const Action& a : actions())
        if (a.place != Place::KeyOnly && a.kind != Kind::Separator) item(a.name)->setText(menu_text(a));
}

bool PopupMenu::enabled(const Action& a) const { return !a.enabled || a.enabled(window_); }

void PopupMenu::refresh() {
    for (const Action& a : actions()) {
        if (a.place == Place::KeyOnly || a.kind == Kind::Separator || a.kind == Kind::Hold) continue;
        QAction* i = item(a.name);
        i->setChecked(checked(a));
        i->setEnabled(enabled(a));
        i->setVisible(!a.visible || a.visible(window_));
    }
}

void PopupMenu::choose(const Action& a) {
    if (!enabled(a) || a.kind == Kind::Separator) return;
    const bool on = a.kind == Kind::Toggle ? !checked(a) : true;
    // Inside the host's bracket, as every input: what the unit shows is told.
    if (ran_) ran_(a);
    window_.host().handle([&] {
        if (a.setting) (void)window_.host().store().write_flag(*a.setting, on);
        if (a.run) a.run(window_, on);
    });
    refresh();
}

bool PopupMenu::key(int qt_key, bool pressed, bool repeat) {
    bool taken = false;
    const Action* a = action_for_key(qt_key, window_.replays().watching(), &taken);
    if (!a) return taken;
    if (a->kind == Kind::Hold) {
        if (repeat) return true;
        if (ran_) ran_(*a);
        window_.host().handle([&] { a->run(window_, pressed); });
    } else if (pressed && (!repeat || a->repeats)) {
        choose(*a);
    }
    return true;
}

bool PopupMenu::eventFilter(QObject* watched, QEvent* e) {
    auto* m = qobject_cast<QMenu*>(watched);
    if (!m || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease)) return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Escape) return false;  // closes the menu, as ever
    const bool watching = window_.replays().watching();
    if (!action_for_key(k->key(), watching)) return false;
    if (e->type() == QEvent::KeyPress) menu_->close();
    return key(k->key(), e->type() == QEvent::KeyPress, k->isAutoRepeat());
}

}  // namespace ignivar::app
