// The in-game menu of the full-screen layout: a click area at the window's
// top left corner that unfolds the popup menu's own 13 rows as rows of labels
// over a translucent panel, and folds them again.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <array>

#include "app/popup_menu.h"
#include "skin/skin.h"

class QLabel;
class QWidget;

namespace ignivar::app {

class GameMenu : public QObject {
    Q_OBJECT
public:
    // The click area btn_game_menu_top, and the background's two sizes.
    static constexpr QRect kTopArea{0, 0, skin::kGameMenuFolded.width, skin::kGameMenuFolded.height};
    static constexpr QSize kFolded{skin::kGameMenuFolded.width, skin::kGameMenuFolded.height};
    static constexpr QSize kUnfolded{256, 448};
    static constexpr int kRowHeight = 32;
    static constexpr int kRowWidth = 256;
    static constexpr int kFontPixels = 16;

    GameMenu(QWidget& window, PopupMenu& menu);

    bool open() const { return open_; }
    // The size at which btn_game_menu_background is drawn, in skin pixels.
    QSize background_size() const { return open_ ? kUnfolded : kFolded; }
    // The menu is shown this many times its size (at most as many as its
    // rows fit the screen at); open rows follow.
    void set_zoom(int zoom);
    int zoom() const { return zoom_; }
    // The largest zoom at which the unfolded menu fits a window `height` tall.
    static int fitting_zoom(int height) { return std::max(1, height / kUnfolded.height()); }
    const std::array<QLabel*, kMenuRows>& labels() const { return labels_; }

    // Toggles the menu.
    void btn_game_menu_topClick();
    // Folds an unfolded menu (switching layout, opening the popup menu).
    void fold();
    // Builds or destroys the rows as `open` says.
    void Vid_Display_Game_Menu();

signals:
    // The background changed size: the window repaints.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void la_menu_itemMouseEnter(QLabel* label);
    void la_menu_itemMouseLeave(QLabel* label);
    void la_menu_itemMouseUp(QLabel* label);

    QWidget& window_;
    PopupMenu& menu_;
    bool open_ = false;
    int zoom_ = 1;
    std::array<QLabel*, kMenuRows> labels_{};
};

}  // namespace ignivar::app
