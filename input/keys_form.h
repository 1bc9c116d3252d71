// TKeysForm, the key settings dialog: one list of the 44 keys per binding,
// duplicates marked in red and refused, and on acceptance the bindings
// stored, their key codes derived and the hints rebuilt.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "input/controls.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ignivar::input {

class TKeysForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 448, kHeight = 195;

    // FormCreate: the lists from the bindings of `controls`. `enable_main`
    // gives the main window back its input when the dialog closes.
    TKeysForm(Controls& controls, SettingsStore& store, std::function<void(bool enabled)> enable_main,
              QWidget* parent = nullptr);

    // The popup menu's "Key settings": centred, shown without blocking, the
    // main window disabled.
    void open();

    // Keys the program keeps for itself: for a key code, what the key does
    // (empty: nothing). A binding to such a key is marked and refused as a
    // key used twice is.
    void set_program_keys(std::function<QString(std::uint16_t code)> program_key);

    bool CheckKeys();
    void btn_acceptClick();

    QComboBox* list(int binding) const { return lists_[binding - 1]; }
    QLabel* label(int binding) const { return labels_[binding - 1]; }
    QPushButton* btn_accept() const { return accept_; }

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void make_row(int n);
    void make_accept();
    void cbChange();
    bool FormKeyDown(QKeyEvent* e);
    void close_dialog();

    Controls& controls_;
    SettingsStore& store_;
    std::function<void(bool)> enable_main_;
    std::function<QString(std::uint16_t)> program_key_;
    std::array<QComboBox*, kBindingCount> lists_{};
    std::array<QLabel*, kBindingCount> labels_{};
    QPushButton* accept_ = nullptr;
};

}  // namespace ignivar::input
