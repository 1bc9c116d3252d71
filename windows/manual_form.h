// TManualForm, the manual viewer: the twelve page pictures named by
// Config.ini, one at a time, in a small borderless window above the others,
// turned with two arrow buttons or the arrow keys and moved by its page.
#pragma once

#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "skin/manual.h"

namespace ignivar::windows {

class ClickLabel;

class TManualForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 16, kButtonHeight = 14, kButtonMargin = 4;

    // FormCreate: finds the pages named by `config_path` (relative folders
    // from the current directory, else `program_dir`); they are decoded when
    // the viewer is first shown, and `report` then shows the message when a
    // page cannot be decoded.
    TManualForm(const std::string& config_path, const std::string& program_dir,
                const std::function<void(const Error& error)>& report, const std::string& own_dir = {},
                QWidget* parent = nullptr);

    int current_page() const { return page_; }
    const skin::Manual& manual() const { return manual_; }

    void Vid_Show_Page();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_esc_down();
    void Inp_esc_up();

    // The buttons: the released look lies on top of the pressed one.
    ClickLabel* btn_left_up() const { return left_up_; }
    ClickLabel* btn_right_up() const { return right_up_; }
    ClickLabel* btn_close_up() const { return close_up_; }
    QWidget* btn_left_down() const { return left_down_; }
    QWidget* btn_right_down() const { return right_down_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    enum class Held { None, Left, Right, Close };
    ClickLabel* button(const char* name, const char* file, QRect place);
    void load_pages();
    void hold(Held button);
    void let_go();

    skin::Manual manual_;
    std::function<void(const Error&)> report_;
    bool pages_loaded_ = false;
    std::array<QImage, skin::kManualPages> pages_;  // im_page_01 .. im_page_12
    QImage im_page_top_;
    int page_ = 1;
    std::optional<QPoint> drag_anchor_;
    Held held_ = Held::None;  // a picture button pressed with the mouse
    std::string program_dir_;
    QWidget* left_down_ = nullptr;
    QWidget* right_down_ = nullptr;
    QWidget* close_down_ = nullptr;
    ClickLabel* left_up_ = nullptr;
    ClickLabel* right_up_ = nullptr;
    ClickLabel* close_up_ = nullptr;
};

}  // namespace ignivar::windows
