// TForm1: forwarding of the window's key and mouse events. Keys go to the
// program's own keys (the action table) first, then to the key bindings; clicks go to the
// button areas, the in-game menu's click area or the dragging.
#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <QWindow>
#include <utility>

#include "app/main_window.h"
#include "input/key_codes.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

void TForm1::keyPressEvent(QKeyEvent* e) {
    // Shift+F10 is the desktop's other key for a context menu.
    if (e->key() == Qt::Key_F10 && e->modifiers() & Qt::ShiftModifier) {
        if (!e->isAutoRepeat()) open_menu_here();
        return;
    }
    // The program's own keys act before the key bindings see a key.
    if (popup_->key(e->key(), true, e->isAutoRepeat())) return;
    if (const std::uint16_t code = held_keys_.press(*e)) host_.key_down(code);
}

void TForm1::keyReleaseEvent(QKeyEvent* e) {
    if (popup_->key(e->key(), false, e->isAutoRepeat())) return;
    // A held key repeats its press only; the release comes once.
    if (e->isAutoRepeat()) return;
    if (const std::uint16_t code = held_keys_.release(*e)) host_.key_up(code);
}

void TForm1::open_menu_here() {
    let_go_of_everything();  // the menu takes the keys' releases
    popup_->menu()->popup(mapToGlobal(rect().center()));
}

void TForm1::let_go_of_everything() {
    // The window no longer gets the releases: let go as the player would.
    const std::vector<std::uint16_t> codes = held_keys_.release_all();
    const std::optional<input::Button> area = std::exchange(pressed_area_, std::nullopt);
    drag_origin_.reset();
    menu_button_pressed_ = false;
    if (codes.empty() && !area) return;
    host_.handle([&] {
        for (std::uint16_t code : codes) host_.controls().FormKeyUp(code);
        if (area) host_.controls().mouse_up(*area, input::MouseButton::Left);
    });
}

void TForm1::focusOutEvent(QFocusEvent* e) {
    let_go_of_everything();
    QWidget::focusOutEvent(e);
}

void TForm1::changeEvent(QEvent* e) {
    if ((e->type() == QEvent::ActivationChange && !isActiveWindow()) ||
        (e->type() == QEvent::EnabledChange && !isEnabled()))
        let_go_of_everything();
    if (e->type() == QEvent::ActivationChange && !isActiveWindow()) keeper_->focus_lost();
    QWidget::changeEvent(e);
}

void TForm1::hideEvent(QHideEvent* e) {
    let_go_of_everything();
    QWidget::hideEvent(e);
}

std::optional<input::Button> TForm1::area_at(QPoint window_pos) const {
    const int zoom = std::max(1, zoom_);
    return host::button_at(skin_, window_pos.x() / zoom, window_pos.y() / zoom);
}

static bool on_game_menu_top(const skin::Skin& s, QPoint pos, int zoom) {
    return s.menu_shown && QRect(GameMenu::kTopArea.topLeft() * zoom, GameMenu::kTopArea.size() * zoom).contains(pos);
}

void TForm1::mousePressEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (e->button() == Qt::RightButton) {
        popup_->menu()->popup(e->globalPosition().toPoint());
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    if (on_game_menu_top(skin_, pos, game_menu_->zoom())) {
        menu_button_pressed_ = true;
        return;
    }
    const auto area = area_at(pos);
    if (area && *area != input::Button::Set) {
        pressed_area_ = area;
        host_.input([&] { host_.controls().mouse_down(*area, input::MouseButton::Left); });
    } else if (!area) {
        im_backgroundMouseDown(pos);
    }
}

void TForm1::im_backgroundMouseDown(QPoint pos) {
    // Only a drag moves the window: a press is remembered, and the move
    // starts once the pointer has gone a few pixels with the button held.
    // (Started on the press itself, a click released at once would leave
    // some window managers moving the window with no button held.)
    if (fullscreen_) return;
    drag_origin_ = pos;
    player_moving_ = system_move_ = false;
}

void TForm1::im_backgroundMouseMove(QPoint pos) {
    if (system_move_) return;
    if (!player_moving_) {
        if ((pos - *drag_origin_).manhattanLength() < QApplication::startDragDistance()) return;
        player_moving_ = true;
        // The window system moves the window where a program cannot place
        // itself (Wayland), and where it can, it knows the desktop best;
        // with no window manager to ask, the window follows the pointer.
        if (windowHandle() && windowHandle()->startSystemMove()) {
            system_move_ = true;
            return;
        }
    }
    move(this->pos() + pos - *drag_origin_);
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (drag_origin_ && (e->buttons() & Qt::LeftButton)) {
        im_backgroundMouseMove(pos);
        return;
    }
    const auto area = area_at(pos);
    if (on_game_menu_top(skin_, pos, game_menu_->zoom()) || (area && *area != input::Button::Set)) setCursor(Qt::PointingHandCursor);
    else if (area) setCursor(Qt::WhatsThisCursor);
    else unsetCursor();
}

void TForm1::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    if (menu_button_pressed_) {
        menu_button_pressed_ = false;
        if (on_game_menu_top(skin_, e->position().toPoint(), game_menu_->zoom())) game_menu_->btn_game_menu_topClick();
    }
    // The release reaches the area that took the press, wherever it is now.
    if (pressed_area_) {
        const input::Button area = *pressed_area_;
        pressed_area_.reset();
        host_.input([&] { host_.controls().mouse_up(area, input::MouseButton::Left); });
    }
    drag_origin_.reset();
    // A window manager's move may end after the release reaches us: the
    // place it ends at is still the player's (kept until the program
    // places the window itself).
    if (!system_move_) player_moving_ = false;
}

bool TForm1::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(e);
            if (const auto area = area_at(help->pos()))
                QToolTip::showText(help->globalPos(), ui::plain_tip(ui::in_language(host_.controls().hint_text(*area))), this);
            else
                QToolTip::hideText();
            return true;
        }
        case QEvent::WindowActivate:
            emit activated();  // FormActivate
            break;
        default:
            break;
    }
    return QWidget::event(e);
}

}  // namespace ignivar::app
