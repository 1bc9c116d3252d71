// The key settings dialog under the offscreen platform, with the main
// window it belongs to: its lists, the duplicate check, acceptance, Escape,
// and the main window kept from input while it is open.
#include <gtest/gtest.h>

#include <QStyle>
#include <QStyleOptionComboBox>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "desk.h"
#include "app/main_window.h"
#include "app/timer_pump.h"
#include "input/keys_form.h"
#include "settings/memory_store.h"
#include "ui/language.h"

namespace ignivar::input {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

struct Dialog : test::BasicDesk<test::RecordingStore> {
    Dialog() : BasicDesk(false), main(w) {
        main->power_on();
        keys = std::make_unique<TKeysForm>(host.controls(), store, [this](bool on) { main->setEnabled(on); });
        keys->open();
        store.writes.clear();
    }
    std::unique_ptr<app::TForm1>& main;
    std::unique_ptr<TKeysForm> keys;

    std::vector<std::string> shown() const {
        std::vector<std::string> out;
        for (int n = 1; n <= kBindingCount; ++n) out.push_back(keys->list(n)->currentText().toStdString());
        return out;
    }
    std::string red() const {
        std::string out;
        for (int n = 1; n <= kBindingCount; ++n)
            if (keys->label(n)->palette().color(QPalette::WindowText) == QColor(255, 0, 0)) out += char('0' + n);
        return out;
    }
};

TEST(KeysForm, OpensWithTheBindings) {
    Dialog d;
    EXPECT_EQ(d.keys->windowTitle(), "Key settings");
    EXPECT_EQ(d.keys->size(), QSize(448, 195));
    EXPECT_EQ(d.shown(), (std::vector<std::string>{"1", "2", "3", "<LEFT ARROW>", "<RIGHT ARROW>", "<CTRL>", "<ALT>"}));
    EXPECT_EQ(d.keys->list(1)->count(), 44);
    EXPECT_EQ(d.keys->list(7)->itemText(43), "<SPACEBAR>");
    EXPECT_EQ(d.red(), "");
    EXPECT_TRUE(d.keys->btn_accept()->isEnabled());
    EXPECT_EQ(d.keys->btn_accept()->text(), "- ACCEPT -");
    EXPECT_FALSE(d.main->isEnabled());
}

// In every language the dialog's texts are its own and fit its fixed places.
TEST(KeysForm, EveryLanguageFitsTheDialog) {
    for (const ui::Language& l : ui::kLanguages) {
        ui::Translation spoken(l.code);
        Dialog d;
        EXPECT_EQ(d.keys->windowTitle() == "Key settings", l.code == "en") << l.code;
        for (const QLabel* label : d.keys->findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().isEmpty()) << l.code;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << l.code << ": " << label->text().toStdString();
        }
        const QPushButton* accept = d.keys->btn_accept();
        EXPECT_LE(accept->fontMetrics().horizontalAdvance(accept->text()) + 8, accept->width()) << l.code;
        // Every key's name fits the lists' field.
        const QComboBox* list = d.keys->list(1);
        EXPECT_EQ(list->itemText(38) == "<LEFT ARROW>", l.code == "en") << l.code;
        QStyleOptionComboBox opt;
        opt.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), field.width())
                << l.code << ": " << list->itemText(i).toStdString();
    }
}

TEST(KeysForm, DuplicatesAreRedAndRefused) {
    Dialog d;
    d.keys->list(1)->setCurrentText("2");
    EXPECT_EQ(d.red(), "12");
    EXPECT_FALSE(d.keys->btn_accept()->isEnabled());
    QTest::keyClick(d.keys->list(1), Qt::Key_Return);  // refused as the button is
    EXPECT_TRUE(d.keys->isVisible());
    EXPECT_TRUE(d.store.writes.empty());
    d.keys->list(4)->setCurrentText("2");
    EXPECT_EQ(d.red(), "124");
    d.keys->list(1)->setCurrentText("5");
    d.keys->list(4)->setCurrentText("<LEFT ARROW>");
    EXPECT_EQ(d.red(), "");
    EXPECT_TRUE(d.keys->btn_accept()->isEnabled());
}

TEST(KeysForm, AcceptStoresAllSevenAndRebindsAtOnce) {
    Dialog d;
    d.keys->list(3)->setCurrentText("<SPACEBAR>");
    QTest::keyClick(d.keys->list(3), Qt::Key_Return);
    EXPECT_FALSE(d.keys->isVisible());
    EXPECT_TRUE(d.main->isEnabled());
    EXPECT_EQ(d.store.writes,
              (std::vector<std::string>{"Key1=2", "Key2=3", "Key3=44", "Key4=39", "Key5=40", "Key6=42", "Key7=41"}));
    EXPECT_EQ(d.host.controls().hint(Button::Time), "click or press 'spacebar' to switch mode");
    QTest::keyClick(d.main.get(), Qt::Key_Space);
    EXPECT_EQ(d.host.unit().state().mode, 1);  // the space bar works the time button
    QTest::keyClick(d.main.get(), Qt::Key_3);
    EXPECT_EQ(d.host.unit().state().mode, 1);  // and 3 no longer does
}

TEST(KeysForm, EscapeStoresNothingButTheListsKeepTheChoice) {
    Dialog d;
    d.keys->list(1)->setCurrentText("Q");
    QTest::keyClick(d.keys->list(1), Qt::Key_Escape);
    EXPECT_FALSE(d.keys->isVisible());
    EXPECT_TRUE(d.main->isEnabled());
    EXPECT_TRUE(d.store.writes.empty());
    EXPECT_EQ(d.host.controls().bindings().key_index(1), 2);
    QTest::keyClick(d.main.get(), Qt::Key_3);
    QTest::keyClick(d.main.get(), Qt::Key_1);
    EXPECT_EQ(d.host.unit().state().mode, 8);  // the old key still starts game A
    d.keys->open();
    EXPECT_EQ(d.keys->list(1)->currentText(), "Q");
}

TEST(KeysForm, MainWindowTakesNoInputWhileOpenButItsTimersRun) {
    Dialog d;
    const int mode = d.host.unit().state().mode;
    QTest::keyPress(d.main.get(), Qt::Key_3);
    QTest::mousePress(d.main.get(), Qt::LeftButton, {}, QPoint(270, 20));
    EXPECT_EQ(d.host.unit().state().mode, mode);
    EXPECT_FALSE(d.host.unit().display().Vid_Is_Lit(Seg::BtnTimeDown));
    EXPECT_TRUE(d.main->pump().armed());  // power-on's timer is still due
    QTest::keyRelease(d.main.get(), Qt::Key_3);
    QTest::mouseRelease(d.main.get(), Qt::LeftButton, {}, QPoint(270, 20));
}

}  // namespace
}  // namespace ignivar::input

