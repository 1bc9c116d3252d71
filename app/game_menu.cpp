// The in-game menu of the full-screen layout.
#include "app/game_menu.h"

#include <QAction>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace ignivar::app {

GameMenu::GameMenu(QWidget& window, PopupMenu& menu) : QObject(&window), window_(window), menu_(menu) {}

void GameMenu::btn_game_menu_topClick() {
    open_ = !open_;
    Vid_Display_Game_Menu();
}

void GameMenu::set_zoom(int zoom) {
    if (zoom == zoom_) return;
    zoom_ = zoom;
    if (open_) Vid_Display_Game_Menu();
}

void GameMenu::fold() {
    if (!open_) return;
    open_ = false;
    Vid_Display_Game_Menu();
}

void GameMenu::Vid_Display_Game_Menu() {
    for (QLabel*& label : labels_) {
        if (label) label->deleteLater();  // possibly inside its own event
        label = nullptr;
    }
    if (open_) {
        QFont font("Arial");
        font.setPixelSize(kFontPixels * zoom_);
        menu_.refresh();
        for (int i = 1; i <= kMenuRows; ++i) {
            const Action& row = menu_rows()[i - 1];
            auto* label = new QLabel(&window_);
            label->setGeometry(0, kRowHeight * i * zoom_, kRowWidth * zoom_, kRowHeight * zoom_);
            label->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
            if (row.caption != "-") {
                const QAction* a = menu_.item(row.name);
                const QString caption = caption_text(row);
                label->setText("   " + caption + (a->isChecked() ? " [V]" : ""));
                // A row's text stays inside its row: a long one is set a little smaller.
                QFont fitted = font;
                while (fitted.pixelSize() > 8 * zoom_ &&
                       QFontMetrics(fitted).horizontalAdvance(label->text()) > kRowWidth * zoom_ - 2 * zoom_)
                    fitted.setPixelSize(fitted.pixelSize() - 1);
                label->setFont(fitted);
                QPalette pal = label->palette();
                pal.setColor(QPalette::WindowText, Qt::white);
                pal.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
                pal.setColor(QPalette::Window, Qt::black);
                label->setPalette(pal);
                label->setCursor(Qt::PointingHandCursor);
                label->setEnabled(a->isEnabled());
                label->setProperty("item", i);
                label->installEventFilter(this);
            }
            label->show();
            labels_[i - 1] = label;
        }
    }
    emit changed();
}

void GameMenu::la_menu_itemMouseEnter(QLabel* label) { label->setAutoFillBackground(true); }
void GameMenu::la_menu_itemMouseLeave(QLabel* label) { label->setAutoFillBackground(false); }

void GameMenu::la_menu_itemMouseUp(QLabel* label) {
    menu_.choose(menu_rows()[label->property("item").toInt() - 1]);
    fold();
}

bool GameMenu::eventFilter(QObject* watched, QEvent* e) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || !label->isEnabled()) return false;
    switch (e->type()) {
        case QEvent::Enter: la_menu_itemMouseEnter(label); break;
        case QEvent::Leave: la_menu_itemMouseLeave(label); break;
        case QEvent::MouseButtonRelease: {
            const auto* m = static_cast<QMouseEvent*>(e);
            if (m->button() == Qt::LeftButton && label->rect().contains(m->position().toPoint())) {
                la_menu_itemMouseUp(label);
                return true;
            }
            break;
        }
        default: break;
    }
    return false;
}

}  // namespace ignivar::app
