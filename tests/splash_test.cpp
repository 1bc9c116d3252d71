// The splash window under the offscreen platform: its first run, the
// skipped start, the Play action in its order, its keys and a failed
// sound start-up.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include "settings/memory_store.h"
#include "sound/sound_output.h"
#include "temp_dir.h"
#include "ui/language.h"
#include "windows/picture_label.h"
#include "windows/splash_form.h"

namespace ignivar::windows {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

// A splash window whose hooks record what the Play action and Esc reach.
struct Splash {
    explicit Splash(std::initializer_list<std::pair<const char*, const char*>> stored = {}) {
        for (auto [name, text] : stored) store.write_text(name, text);
        before = store.all_values();
        TSplashForm::Hooks hooks;
        hooks.sound_startup = [this](const std::string& driver) {
            calls.push_back("sound " + driver);
            const Status started = sound.startup(driver, store);
            if (!started) {
                calls.push_back("message " + started.message());
                sound::SoundOutput::forget_driver(store);
            }
            return started.ok();
        };
        hooks.set_splash_menu_check = [this](bool on) { calls.push_back(on ? "menu check on" : "menu check off"); };
        hooks.power_on = [this] { calls.push_back("power on"); };
        hooks.end_program = [this](int status) { calls.push_back("end " + std::to_string(status)); };
        hooks.splash_pending = &pending;
        hooks.painted = [this] {
            ++painted;
            if (on_painted) on_painted();
        };
        shown_at_start = TSplashForm::shown_at_start(store);
        form = std::make_unique<TSplashForm>(store, program_dir, hooks);
        if (!form->skipped()) form->present();
    }
    ~Splash() { sound.shutdown(); }

    MemoryStore store;
    std::string program_dir = kDir;
    sound::SoundOutput sound{kDir};
    std::vector<std::pair<std::string, std::string>> before;
    std::vector<std::string> calls;
    bool pending = true;
    bool shown_at_start = false;
    int painted = 0;
    std::function<void()> on_painted;
    std::unique_ptr<TSplashForm> form;

    bool play_shown() const { return form->btn_play()->isVisible() && form->btn_play()->isEnabled(); }
};

TEST(Splash, FirstRunWaitsForADriver) {
    Splash s;
    EXPECT_FALSE(s.form->skipped());
    EXPECT_TRUE(s.form->isVisible());
    EXPECT_EQ(s.form->windowTitle(), "About this game...");
    EXPECT_EQ(s.form->size(), QSize(460, 420));
    EXPECT_EQ(s.form->cb_sound()->currentIndex(), -1);
    EXPECT_EQ(s.form->cb_sound()->count(), 3);
    EXPECT_TRUE(s.form->chb_splashscreen()->isChecked());
    EXPECT_FALSE(s.play_shown());
    EXPECT_TRUE(s.form->btn_play_disabled()->isVisible());
    EXPECT_EQ(s.form->btn_play_disabled()->toolTip(), "please select sound driver first");
    // Why Play waits, and what each output is here, said in the window.
    EXPECT_EQ(s.form->la_sound_hint()->text(), "Choose a sound output above, then Play");
    s.form->cb_sound()->setCurrentText("Windows MultiMedia");
    EXPECT_EQ(s.form->la_sound_hint()->text(), "Plays through ALSA, straight to the sound card");
    s.form->cb_sound()->setCurrentIndex(-1);
    // Enter and 1 do nothing while Play is disabled.
    QTest::keyClick(s.form.get(), Qt::Key_Return);
    QTest::keyClick(s.form->cb_sound(), Qt::Key_1);
    EXPECT_TRUE(s.calls.empty());

    s.form->cb_sound()->setCurrentText("(no sound)");
    EXPECT_TRUE(s.play_shown());
    EXPECT_FALSE(s.form->btn_play_disabled()->isVisible());
    QTest::mouseClick(s.form->btn_play(), Qt::LeftButton);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"sound (no sound)", "menu check on", "power on"}));
    EXPECT_EQ(s.store.read_text("SoundMode"), "2");
    EXPECT_EQ(s.store.read_text("SplashScreen"), "1");
    EXPECT_FALSE(s.form->isVisible());
}

// In every language the window's texts fit their fixed places: the
// labels on one line, each output's words in the two lines beside the
// check box, and the check box's text clear of them.
TEST(Splash, EveryLanguageFitsTheWindow) {
    QImage english_play;
    for (const ui::Language& l : ui::kLanguages) {
        ui::Translation spoken(l.code);
        Splash s;
        // The pictured buttons' words are the language's too.
        const QImage play = s.form->btn_play()->pixmap().toImage();
        if (l.code == "en") english_play = play;
        EXPECT_FALSE(play.isNull()) << l.code;
        EXPECT_EQ(play == english_play, l.code == "en") << l.code;
        if (l.code == "de") {
            EXPECT_EQ(s.form->findChild<QLabel*>("la_release_date")->text(),
                      "Von The Ignivar developers, erschienen am 11. Dezember 2026");
            s.form->cb_sound()->setCurrentText("(kein Ton)");
            QTest::mouseClick(s.form->btn_play(), Qt::LeftButton);
            EXPECT_EQ(s.calls.front(), "sound (no sound)") << "the library knows the output by its own name";
            s.form->present();
        }
        EXPECT_EQ(s.form->windowTitle() == "About this game...", l.code == "en") << l.code;
        const QLabel* hint = s.form->la_sound_hint();
        for (const QLabel* label : s.form->findChildren<QLabel*>()) {
            if (label == hint || label->text().isEmpty()) continue;
            EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width())
                << l.code << ": " << label->text().toStdString();
        }
        const QCheckBox* box = s.form->chb_splashscreen();
        EXPECT_LE(box->x() + 24 + box->fontMetrics().horizontalAdvance(box->text()), hint->x()) << l.code;
        for (int row = -1; row < s.form->cb_sound()->count(); ++row) {
            s.form->cb_sound()->setCurrentIndex(row);
            const QRect needed = hint->fontMetrics().boundingRect(QRect(0, 0, hint->width(), 1000),
                                                                  Qt::TextWordWrap, hint->text());
            EXPECT_LE(needed.height(), hint->height()) << l.code << ": " << hint->text().toStdString();
        }
    }
}

TEST(Splash, KeysWhilePlayIsEnabled) {
    struct Case {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        bool plays;
    };
    const Case cases[] = {
        {"Enter", Qt::Key_Return, Qt::NoModifier, true},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
        {"1 of the main keyboard", Qt::Key_1, Qt::NoModifier, true},
        {"1 of the keypad", Qt::Key_1, Qt::KeypadModifier, false},
        {"2", Qt::Key_2, Qt::NoModifier, false},
    };
    for (const Case& c : cases) {
        Splash s({{"SoundMode", "2"}});
        ASSERT_TRUE(s.play_shown()) << c.name;
        // The window sees the keys before the focused list does.
        QTest::keyClick(s.form->cb_sound(), c.key, c.mods);
        EXPECT_EQ(!s.calls.empty() && s.calls.back() == "power on", c.plays) << c.name;
        EXPECT_EQ(s.form->cb_sound()->currentText(), "(no sound)") << c.name;
    }
}

TEST(Splash, SkippedWhenADriverIsStoredAndTheBoxIsClear) {
    Splash s({{"SoundMode", "1"}, {"SplashScreen", "0"}});
    EXPECT_TRUE(s.form->skipped());
    EXPECT_FALSE(s.shown_at_start);
    EXPECT_FALSE(s.form->isVisible());
    EXPECT_EQ(s.form->cb_sound(), nullptr);  // nothing made that is never seen
    EXPECT_FALSE(s.form->splash_checked());
    EXPECT_FALSE(s.pending);
    EXPECT_EQ(s.calls, (std::vector<std::string>{"sound Windows MultiMedia", "menu check off", "power on"}));
    EXPECT_TRUE(s.sound.active());
    EXPECT_EQ(s.store.read_text("SoundMode"), "1");
    EXPECT_EQ(s.store.read_text("SplashScreen"), "0");
}

TEST(Splash, ShownWhenTheStoredDriverNamesNoEntry) {
    for (const char* mode : {"-1", "7", "abc"}) {
        Splash s({{"SoundMode", mode}, {"SplashScreen", "0"}});
        EXPECT_FALSE(s.form->skipped()) << mode;
        EXPECT_TRUE(s.shown_at_start) << mode;
        EXPECT_TRUE(s.form->isVisible()) << mode;
        EXPECT_TRUE(s.pending) << mode;
        EXPECT_EQ(s.form->cb_sound()->currentIndex(), -1) << mode;
        EXPECT_FALSE(s.form->chb_splashscreen()->isChecked()) << mode;
        EXPECT_TRUE(s.calls.empty()) << mode;
    }
}

TEST(Splash, ToldPaintedOnceItsControlsAreToo) {
    // The first-paint figure counts the whole window, not its background alone.
    struct PaintCount : QObject {
        int n = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            n += e->type() == QEvent::Paint;
            return false;
        }
    } list, box;
    Splash s;
    s.form->cb_sound()->installEventFilter(&list);
    s.form->chb_splashscreen()->installEventFilter(&box);
    int list_then = -1, box_then = -1;
    s.on_painted = [&] { list_then = list.n, box_then = box.n; };
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.painted > 0; }));
    EXPECT_GT(list_then, 0);
    EXPECT_GT(box_then, 0);
    s.form->repaint();
    QTest::qWait(20);
    EXPECT_EQ(s.painted, 1);  // once
}

TEST(Splash, EscEndsTheProgramWritingNothing) {
    Splash s({{"SoundMode", "0"}, {"SplashScreen", "1"}, {"HiScore1", "40"}});
    s.form->chb_splashscreen()->setChecked(false);
    QTest::keyClick(s.form->cb_sound(), Qt::Key_Escape);
    EXPECT_EQ(s.calls, std::vector<std::string>{"end 0"});
    EXPECT_EQ(s.store.all_values(), s.before);
}

TEST(Splash, ClearedBoxIsStoredAndUnticksTheMenu) {
    Splash s({{"SoundMode", "2"}});
    QTest::mouseClick(s.form->chb_splashscreen(), Qt::LeftButton, {}, QPoint(6, 8));
    ASSERT_FALSE(s.form->chb_splashscreen()->isChecked());
    s.form->btn_playClick();
    EXPECT_EQ(s.store.read_text("SplashScreen"), "0");
    EXPECT_EQ(s.calls[1], "menu check off");
}

TEST(Splash, MissingEnemySampleEndsTheProgramBeforeTheUnitShows) {
    test::TempDir empty;  // a program folder without Sound/
    MemoryStore store;
    store.write_text("SoundMode", "0");
    sound::SoundOutput sound(empty.path.string());
    std::vector<std::string> calls;
    TSplashForm::Hooks hooks;
    hooks.sound_startup = [&](const std::string& driver) {
        const Status started = sound.startup(driver, store);
        if (!started) {
            calls.push_back(started.message());
            sound::SoundOutput::forget_driver(store);
        }
        return started.ok();
    };
    hooks.power_on = [&] { calls.push_back("power on"); };
    hooks.end_program = [&](int status) { calls.push_back("end " + std::to_string(status)); };
    TSplashForm form(store, kDir, hooks);
    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(calls, (std::vector<std::string>{"Sound folder unproperly installed. Please reinstall the game.", "end 1"}));
    EXPECT_EQ(store.read_text("SoundMode"), "-1");
    EXPECT_EQ(store.read_text("SplashScreen"), "1");
    sound.shutdown();
}

}  // namespace
}  // namespace ignivar::windows

