// The main window under the offscreen platform: keys, clicks, menus,
// layouts and what it paints.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <limits>
#include <map>
#include <sys/stat.h>

#include "input/key_codes.h"
#include "input/controls.h"
#include "skin/frame.h"
#include <SDL.h>

#include "app/gamepad_pump.h"
#include "files/read.h"
#include "files/xdg.h"
#include "skin/picture.h"
#include "host/state_file.h"
#include "skin/compositor.h"
#include "app/main_window.h"
#include "app/sound_rest.h"
#include "settings/memory_store.h"
#include "desk.h"
#include "ui/kit.h"
#include "ui/language.h"
#include "temp_dir.h"
#include "url_catcher.h"

namespace ignivar::app {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;


// Reads and accepts the message box that is up, if any.
void read_box(QString& shown, Qt::TextFormat* format = nullptr) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (format) *format = box->textFormat();
    shown = box->text();
    box->accept();
}

struct Window : test::Desk {
    explicit Window(bool fullscreen) : test::Desk(fullscreen) { w->power_on(); }

    QPoint centre_of(const char* picture) const {
        const auto& p = w->skin().pictures[skin::section_of_picture(picture) - 1];
        return {p.left + p.width / 2, p.top + p.height / 2};
    }
    int mode() const { return host.unit().state().mode; }
    bool lit(Seg s) const { return host.unit().display().Vid_Is_Lit(s); }
};

TEST(MainWindow, KeyPressChangesTheModelAndTheNextPaint) {
    Window win(false);
    const QImage before = win.w->grab().toImage();
    QTest::keyPress(win.w.get(), Qt::Key_3);
    EXPECT_EQ(win.mode(), 1);
    EXPECT_TRUE(win.lit(Seg::BtnTimeDown));
    QTest::keyRelease(win.w.get(), Qt::Key_3);
    EXPECT_FALSE(win.lit(Seg::BtnTimeDown));
    const QImage after = win.w->grab().toImage();
    const QPoint flame = win.centre_of("im_flame_2_3");
    EXPECT_NE(before.pixel(flame), after.pixel(flame));  // lit in power-on, dark now
    // An auto-repeated press acts once; its fake release is ignored.
    QTest::keyPress(win.w.get(), Qt::Key_3);
    QKeyEvent repeat_release(QEvent::KeyRelease, Qt::Key_3, Qt::NoModifier, "3", true);
    QApplication::sendEvent(win.w.get(), &repeat_release);
    QKeyEvent repeat_press(QEvent::KeyPress, Qt::Key_3, Qt::NoModifier, "3", true);
    QApplication::sendEvent(win.w.get(), &repeat_press);
    EXPECT_EQ(win.mode(), 2);
}

// The audio device rests while nothing can sound: open from a key of the
// unit through a running game, closed in the watch's modes, in a paused
// game and after the game, never under a sample still playing.
TEST(SoundRest, TheDeviceIsOpenOnlyWhileSoundCanCome) {
    Window win(false);
    bool open = true, playing = false;
    SoundRest rest(win.host, {.wake = [&] { return open = true; },
                              .rest = [&] { return !playing && !(open = false); }});
    const auto step = [&](const char* what, const std::function<void()>& act, bool expect_open) {
        act();
        rest.try_rest();
        EXPECT_EQ(open, expect_open) << what;
    };
    step("showing the time", [] {}, false);
    step("game A pressed and let go", [&] {
        QTest::keyClick(win.w.get(), Qt::Key_3);
        QTest::keyClick(win.w.get(), Qt::Key_1);
    }, true);
    EXPECT_EQ(win.mode(), kGameA);
    step("the game paused", [&] { win.w->keeper().toggle_pause(); }, false);
    step("playing on", [&] { win.w->keeper().toggle_pause(); }, true);
    step("a sample playing as the game ends", [&] {
        playing = true;
        while (win.mode() == kGameA) win.host.unit().advance(1000);
    }, true);
    step("the sample ended", [&] { playing = false; }, false);
}

// A rewind past the start of what is kept ends by itself and says so; the
// game plays on, no button is left drawn as held, and letting go of the
// key changes nothing more.
TEST(GameKeeper, ARewindPastItsHistoryEndsAndPlaysOn) {
    Window win(false);
    QWidget* w = win.w.get();
    QTest::keyClick(w, Qt::Key_3);
    QTest::keyPress(w, Qt::Key_1);
    for (int i = 0; i < 30; ++i) win.host.handle([&] { win.host.unit().advance(100); });  // the history: 3 s
    QTest::keyPress(w, Qt::Key_Backspace);
    GameKeeper& keeper = win.w->keeper();
    ASSERT_TRUE(keeper.rewinding());
    EXPECT_TRUE(keeper.banner().startsWith("REWIND"));
    int steps = 0;
    while (keeper.rewind_step()) ASSERT_LT(++steps, 10000);
    EXPECT_FALSE(keeper.rewinding());
    EXPECT_FALSE(win.host.paused());
    EXPECT_EQ(keeper.banner(), "Rewound as far as it goes");
    for (const Seg pressed : {Seg::BtnGameADown, Seg::BtnTimeDown, Seg::BtnShootLeftDown, Seg::BtnLeftDown})
        EXPECT_FALSE(win.lit(pressed)) << "a button drawn as held";
    QTest::keyRelease(w, Qt::Key_Backspace);
    EXPECT_FALSE(win.host.paused());
    QTest::keyRelease(w, Qt::Key_1);
}

// Mute says so over the case, and a mark beside the display says it for
// as long as it lasts; a start muted says it at once. Screenshots show the
// unit as it is, without the program's own signs and marks.
TEST(MainWindow, MuteIsSaidAndScreenshotsShowTheUnitAlone) {
    Window win(true);
    for (int i = 0; i < 3; ++i) QTest::keyClick(win.w.get(), Qt::Key_3);  // the alarm: a face that stands still
    const QImage plain = win.w->grab().toImage();
    QTest::keyClick(win.w.get(), Qt::Key_F7);
    EXPECT_TRUE(win.w->keeper().banner().startsWith("MUTED")) << win.w->keeper().banner().toStdString();
    const QImage muted = win.w->grab().toImage();
    const skin::Rect lcd = skin::lcd_rect(win.w->skin());
    const int z = win.w->zoom();
    const QRect display(lcd.x * z, lcd.y * z, lcd.w * z, lcd.h * z);
    int marked = 0, on_display = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != muted.pixel(x, y)) {
                ++marked;
                on_display += display.contains(x, y);
            }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(on_display, 0) << "the sign and the mark cover nothing of the display";
    const QString folder = QString::fromStdString(files::pictures_dir() + "/Ignivar");
    const auto screenshot = [&] {
        win.w->save_screenshot();
        const QStringList shots = QDir(folder).entryList({"*.png"}, QDir::Files, QDir::Time);
        return shots.isEmpty() ? QImage() : QImage(folder + "/" + shots.front()).convertToFormat(QImage::Format_RGB32);
    };
    const QImage with_marks = screenshot();
    QTest::keyClick(win.w.get(), Qt::Key_F7);
    win.w->keeper().note({}, 1);
    const QImage without = screenshot();
    ASSERT_FALSE(without.isNull());
    win.w->keeper().note({}, 1);  // what the screenshot said of itself
    EXPECT_TRUE(with_marks == without) << "neither the sign nor the mute mark";
    // Nor the in-game menu's button: the rest is what the window shows.
    const QImage shown = win.w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect menu(0, 0, GameMenu::kFolded.width() * z, GameMenu::kFolded.height() * z);
    int elsewhere = 0, in_menu = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != without.pixel(x, y)) ++(menu.contains(x, y) ? in_menu : elsewhere);
    EXPECT_EQ(elsewhere, 0);
    EXPECT_GT(in_menu, 0);
    Window again(true);
    again.w->sound_keeper().set_muted(true);  // as a start with the mute kept
    again.w->power_on();
    EXPECT_TRUE(again.w->keeper().banner().startsWith("MUTED")) << "a start muted says so";
    QTest::keyClick(again.w.get(), Qt::Key_F7);
    EXPECT_EQ(again.w->keeper().banner(), "SOUND ON");
}

// The player's mute, volume and panning: by key and menu, handed to the
// output, stored only when they change, and read back at the next start.
TEST(SoundKeeper, MuteVolumeAndPanningStoredOnlyWhenChanged) {
    test::BasicDesk<test::RecordingStore> win(false);
    win.w->power_on();
    const int mode = win.host.unit().state().mode;
    SoundKeeper& keeper = win.w->sound_keeper();
    std::vector<std::string> told;
    keeper.set_output({.set_volume = [&](int v) { told.push_back("volume " + std::to_string(v)); },
                       .set_muted = [&](bool m) { told.push_back(m ? "muted" : "unmuted"); },
                       .set_panned = [&](bool p) { told.push_back(p ? "panned" : "centred"); }});
    EXPECT_EQ(told, (std::vector<std::string>{"volume 100", "unmuted", "centred"})) << "the stored choices, at once";
    win.store.writes.clear();
    told.clear();
    QTest::keyClick(win.w.get(), Qt::Key_F7);
    EXPECT_TRUE(keeper.muted());
    QAction* mute = win.w->popup().item("pm_mute");
    win.w->popup().refresh();
    EXPECT_TRUE(mute->isChecked());
    mute->trigger();  // the menu item: unmuted again
    keeper.set_muted(false);
    keeper.set_volume(100);  // unchanged
    keeper.set_volume(60);   // not a step
    win.w->popup().refresh();
    EXPECT_TRUE(win.w->popup().item("pm_volume_100")->isChecked()) << "100 % still marked";
    win.w->popup().item("pm_volume_50")->trigger();
    keeper.set_volume(50);
    win.w->popup().item("pm_panned")->trigger();
    EXPECT_EQ(win.store.writes, (std::vector<std::string>{"Mute=1", "Mute=0", "Volume=50", "PannedSounds=1"}));
    EXPECT_EQ(told, (std::vector<std::string>{"muted", "unmuted", "volume 50", "panned"}));
    EXPECT_EQ(win.host.unit().state().mode, mode) << "the key is not the unit's";
    SoundKeeper again(win.store, nullptr);
    std::vector<std::string> told_again;
    again.set_output({.set_volume = nullptr, .set_muted = nullptr,
                      .set_panned = [&](bool p) { told_again.push_back(p ? "panned" : "centred"); }});
    EXPECT_EQ(again.volume(), 50);
    EXPECT_FALSE(again.muted());
    EXPECT_EQ(told_again, std::vector<std::string>{"panned"});
}

// The language to speak: the player's choice when it is one of ours, else
// the first of the desktop's languages that is, else English.
TEST(Language, TheChoiceThenTheDesktopThenEnglish) {
    struct Case {
        const char* chosen;
        QStringList desktop;
        std::string_view spoken;
    } cases[] = {
        {"", {"de-DE", "en-US"}, "de"},     {"fr", {"de-DE"}, "fr"},     {"xx", {"ja_JP.UTF-8"}, "ja"},
        {"", {"pt-BR", "es-ES"}, "es"},     {"", {}, "en"},              {"", {"C"}, "en"},
        {"en", {"de"}, "en"},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::pick_language(c.chosen, c.desktop), c.spoken) << c.chosen;
}

// A plain layer's message, English in the log and in the language spoken
// in a window: its arguments in place, a nested message translated too, an
// argument's own "%1" left as it is.
TEST(Language, APlainLayersMessageIsShownTranslated) {
    const Text t = said("SavedGame", "%1 is no saved game: %2").with("/x/50%1.state").with(said("SavedGame", "it is cut short"));
    EXPECT_EQ(t.in_english(), "/x/50%1.state is no saved game: it is cut short");
    EXPECT_EQ(with_args("%2 and %1, %3", {"a", "b"}), "b and a, %3");
    test::TempDir dir;
    const std::string file = dir.write("cut.state", "IGNVSTAT");
    const auto read = host::read_state_file(file);
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(ui::in_language(read.error()).toStdString(), read.message()) << "English as it stands";
    ui::Translation german("de");
    EXPECT_EQ(ui::in_language(read.error()).toStdString(), file + " ist kein gespeichertes Spiel: die Datei ist abgeschnitten");
    EXPECT_EQ(ui::in_language(t), "/x/50%1.state ist kein gespeichertes Spiel: die Datei ist abgeschnitten");
    EXPECT_EQ(ui::in_language(failure("a library's own words")), "a library's own words");
    // The lower layers too: a file that is a folder, a picture that is
    // none, and a list of problems with the count of those left out.
    const auto folder = files::read_regular_file(dir.path.string(), 100);
    EXPECT_EQ(ui::in_language(failure(said("Replay", "%1 is no replay: it is %2")
                                          .with("x")
                                          .with(files::describe_non_regular(dir.path.string()))))
                  .toStdString(),
              "x ist keine Wiederholung: es ist ein Ordner");
    ASSERT_FALSE(folder.ok());
    EXPECT_EQ(ui::in_language(folder.error()).toStdString(), "„" + dir.path.string() + "“ ist keine gewöhnliche Datei");
    const std::uint8_t not_bmp[30] = {'X'};
    EXPECT_EQ(ui::in_language(skin::decode_picture("a.bmp", {not_bmp, not_bmp + 30}, skin::kNoLimit).error()),
              "a.bmp: Keine BMP-Datei");
    Report problems;
    for (int i = 0; i < 3; ++i) problems.add(said("Gamepad", "line %1: %2 is no gamepad input").with(std::to_string(i + 1)).with("x"));
    EXPECT_EQ(ui::in_language(problems.summary_text(2)),
              "Zeile 1: x ist kein Eingang eines Gamepads\nZeile 2: x ist kein Eingang eines Gamepads\n... und 1 weitere");
    EXPECT_EQ(problems.summary(2), "line 1: x is no gamepad input\nline 2: x is no gamepad input\n... and 1 more");
}

// The language chosen in the menu is kept, and the menus, the signs and
// Qt's own buttons speak it at once; each language is offered in itself.
TEST(MainWindow, TheLanguageIsChosenKeptAndSpokenAtOnce) {
    test::BasicDesk<test::RecordingStore> win(false);
    ui::Translation language;
    win.w->set_openers({.about = {}, .manual = {}, .keys = {}, .replays = {}, .splash_checkbox = {}, .open_file = {},
                        .language = [&] { language.use(ui::pick_language(win.w->language_choice(), {})); }});
    win.w->power_on();
    PopupMenu& menu = win.w->popup();
    menu.refresh();
    EXPECT_TRUE(menu.item("pm_language_system")->isChecked());
    win.store.writes.clear();
    menu.item("pm_language_de")->trigger();
    EXPECT_EQ(win.store.writes, std::vector<std::string>{"Language=de"});
    EXPECT_EQ(menu.item("pm_7_keys")->text(), "Tastenbelegung");
    EXPECT_EQ(menu.item("pm_pause")->text(), "Pause\tF6");
    EXPECT_EQ(menu.menu()->findChild<QMenu*>("pm_language")->title(), "Sprache");
    EXPECT_EQ(menu.item("pm_language_ja")->text(), "\u65e5\u672c\u8a9e");
    EXPECT_EQ(win.w->keeper().banner(), "Sprache: Deutsch");
    EXPECT_EQ(ui::in_language(win.host.controls().hint_text(input::Button::GameA)),
              "klicken oder '1' dr\u00fccken, um Spiel A zu starten") << "the case's tool tips";
    win.w->read_status();
    EXPECT_TRUE(win.w->accessibleName().startsWith("Alle Segmente sichtbar, ")) << "the face in words, for a screen reader";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen") << "Qt's own buttons";
    menu.refresh();
    EXPECT_TRUE(menu.item("pm_language_de")->isChecked());
    menu.item("pm_language_system")->trigger();
    EXPECT_EQ(win.store.read_text("Language"), "");
    EXPECT_EQ(menu.item("pm_7_keys")->text(), "Key settings");
}

// The Display menu's look and unlit strength are kept, drawn at once, and
// taken from the store at the next start; a stored value that is none of
// the choices is the default.
TEST(MainWindow, TheLookIsChosenDrawnAndKept) {
    test::BasicDesk<test::RecordingStore> win(false);
    win.w->power_on();
    const QImage exact = win.w->render_frame();
    EXPECT_FALSE(win.w->skin().lcd.glass.picture) << "the glass is not loaded while nothing draws it";
    win.store.writes.clear();
    win.w->popup().item("pm_look_real")->trigger();
    win.w->popup().item("pm_unlit_25")->trigger();
    EXPECT_TRUE(win.w->skin().lcd.glass.picture) << "loaded once unlit segments have a strength";
    win.w->popup().item("pm_unlit_25")->trigger();  // no change: not written again
    EXPECT_EQ(win.store.writes, (std::vector<std::string>{"LcdLook=Real", "LcdUnlit=25"}));
    win.w->popup().refresh();
    EXPECT_TRUE(win.w->popup().item("pm_look_real")->isChecked());
    EXPECT_FALSE(win.w->popup().item("pm_look_exact")->isChecked());
    EXPECT_NE(win.w->render_frame(), exact);
    LcdKeeper again(win.store, [&]() -> const host::Host& { return win.host; }, nullptr);
    EXPECT_EQ(again.look(), (skin::LcdLook{true, 25}));
    win.store.write_text("LcdUnlit", "33");
    win.store.write_text("LcdLook", "Shiny");
    LcdKeeper odd(win.store, [&]() -> const host::Host& { return win.host; }, nullptr);
    EXPECT_EQ(odd.look(), skin::LcdLook{});
    win.w->popup().item("pm_look_exact")->trigger();
    win.w->popup().item("pm_unlit_face")->trigger();
    EXPECT_EQ(win.w->render_frame(), exact);
    // High contrast: its face loaded when chosen, drawn, kept, and gone again.
    EXPECT_FALSE(win.w->skin().lcd.contrast.picture);
    win.w->popup().item("pm_contrast")->trigger();
    EXPECT_TRUE(win.w->skin().lcd.contrast.picture);
    EXPECT_NE(win.w->render_frame(), exact);
    EXPECT_TRUE(win.store.read_flag(Setting::LcdContrast, false));
    win.w->popup().item("pm_contrast")->trigger();
    EXPECT_FALSE(win.store.read_flag(Setting::LcdContrast, true));
    EXPECT_EQ(win.w->render_frame(), exact);
}

TEST(MainWindow, KeyMapping) {
    struct Case { int key; int code; };
    const Case cases[] = {{Qt::Key_0, 0x30}, {Qt::Key_9, 0x39}, {Qt::Key_A, 0x41}, {Qt::Key_Z, 0x5A},
                          {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26}, {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28},
                          {Qt::Key_Alt, 0x12}, {Qt::Key_Control, 0x11}, {Qt::Key_Shift, 0x10},
                          {Qt::Key_Space, 0x20}, {Qt::Key_F1, 0}, {Qt::Key_Escape, 0}, {Qt::Key_Enter, 0}};
    for (const Case& c : cases) EXPECT_EQ(input::key_code_of_qt_key(c.key), c.code) << c.key;
    QKeyEvent keypad(QEvent::KeyPress, Qt::Key_1, Qt::KeypadModifier, "1");
    EXPECT_EQ(input::key_code(keypad), 0);
}

// A key event as the X11 and Wayland platforms deliver it: with the physical
// key's XKB code, whatever the layout made of it.
QKeyEvent native_key(QEvent::Type type, int key, quint32 place, Qt::KeyboardModifiers mods = {}, bool repeat = false) {
    return QKeyEvent(type, key, mods, place, 0, 0, QString(), repeat);
}

TEST(KeyCodes, FromThePhysicalKey) {
    struct Case {
        const char* name;
        int key;
        quint32 place;
        Qt::KeyboardModifiers mods;
        int code;
    };
    const Case cases[] = {
        {"1", Qt::Key_1, 10, {}, 0x31},
        {"Shift+1 types !", Qt::Key_Exclam, 10, Qt::ShiftModifier, 0x31},
        {"French 1 place types &", Qt::Key_Ampersand, 10, {}, 0x31},
        {"French 3 place types \"", Qt::Key_QuoteDbl, 12, {}, 0x33},
        {"0", Qt::Key_ParenRight, 19, Qt::ShiftModifier, 0x30},
        {"keypad 1", Qt::Key_1, 87, Qt::KeypadModifier, 0},
        {"keypad 4 without NumLock", Qt::Key_Left, 83, Qt::KeypadModifier, 0},
        {"French A at the US Q place", Qt::Key_A, 24, {}, 0x41},
        {"Shift+a", Qt::Key_A, 38, Qt::ShiftModifier, 0x41},
        {"Russian letter at the US A place", 0x0444, 38, {}, 0x41},
        {"French M at the US ; place", Qt::Key_M, 47, {}, 0x4D},
        {"French , at the US M place", Qt::Key_Comma, 58, {}, 0},
        {"right Ctrl", Qt::Key_Control, 105, {}, 0x11},
        {"Shift+Alt gives Meta", Qt::Key_Meta, 64, Qt::ShiftModifier, 0x12},
        {"right Shift", Qt::Key_Shift, 62, {}, 0x10},
        {"space", Qt::Key_Space, 65, {}, 0x20},
        {"right arrow", Qt::Key_Right, 114, {}, 0x27},
        {"F1", Qt::Key_F1, 67, {}, 0},
        {"Escape", Qt::Key_Escape, 9, {}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(input::key_code(native_key(QEvent::KeyPress, c.key, c.place, c.mods)), c.code) << c.name;
}

TEST(KeyCodes, HeldKeysThroughTheWindow) {
    Window win(false);
    const auto send = [&](QEvent::Type type, int key, quint32 place, Qt::KeyboardModifiers mods = {},
                          bool repeat = false) {
        QKeyEvent e = native_key(type, key, place, mods, repeat);
        QApplication::sendEvent(win.w.get(), &e);
    };
    send(QEvent::KeyPress, Qt::Key_3, 12);
    send(QEvent::KeyRelease, Qt::Key_3, 12);
    ASSERT_EQ(win.mode(), 1);
    // 1 pressed, Shift pressed, 1 released as '!': the release still reaches game A.
    send(QEvent::KeyPress, Qt::Key_1, 10);
    EXPECT_EQ(win.mode(), 6);
    send(QEvent::KeyPress, Qt::Key_Shift, 50, Qt::ShiftModifier);
    send(QEvent::KeyRelease, Qt::Key_Exclam, 10, Qt::ShiftModifier);
    send(QEvent::KeyRelease, Qt::Key_Shift, 50);
    EXPECT_EQ(win.mode(), 8);
    EXPECT_FALSE(win.lit(Seg::BtnGameADown));
    EXPECT_FALSE(win.host.unit().state().latch_a);
    win.host.unit().advance(7000);  // the count-down is over: play
    ASSERT_TRUE(win.host.unit().state().play);
    const int hero = win.host.unit().state().hero;
    // Presses repeated without a release (X11's detectable auto-repeat) act once.
    for (int i = 0; i < 5; ++i) send(QEvent::KeyPress, Qt::Key_Right, 114);
    EXPECT_EQ(win.host.unit().state().hero, hero + 1);
    send(QEvent::KeyRelease, Qt::Key_Right, 114);
    send(QEvent::KeyPress, Qt::Key_Right, 114);
    EXPECT_EQ(win.host.unit().state().hero, hero + 2);
    // The keyboard goes elsewhere with the key held: it is let go.
    EXPECT_TRUE(win.lit(Seg::BtnRightDown));
    EXPECT_TRUE(win.host.unit().state().button_latch);
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(win.w.get(), &out);
    EXPECT_FALSE(win.lit(Seg::BtnRightDown));
    EXPECT_FALSE(win.host.unit().state().button_latch);
    // A mouse button held on a button area likewise.
    QTest::mousePress(win.w.get(), Qt::LeftButton, {}, win.centre_of("btn_shoot_left_top"));
    EXPECT_TRUE(win.lit(Seg::BtnShootLeftDown));
    QApplication::sendEvent(win.w.get(), &out);
    EXPECT_FALSE(win.lit(Seg::BtnShootLeftDown));
    EXPECT_FALSE(win.host.unit().state().button_latch);
}

TEST(MainWindow, MouseOnButtonAreas) {
    Window win(false);
    const QPoint time = win.centre_of("btn_time_top");
    EXPECT_EQ(win.w->area_at(time), input::Button::Time);
    EXPECT_EQ(win.w->area_at(win.centre_of("btn_set_top")), input::Button::Set);
    // Press on the time button, leave the area, release elsewhere.
    QTest::mousePress(win.w.get(), Qt::LeftButton, {}, time);
    EXPECT_EQ(win.mode(), 1);
    EXPECT_TRUE(win.lit(Seg::BtnTimeDown));
    QTest::mouseRelease(win.w.get(), Qt::LeftButton, {}, QPoint(270, 150));
    EXPECT_FALSE(win.lit(Seg::BtnTimeDown));
    EXPECT_FALSE(win.host.unit().state().button_latch);
    // The set button and the right button press nothing.
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, win.centre_of("btn_set_top"));
    EXPECT_EQ(win.mode(), 1);
    QTest::mousePress(win.w.get(), Qt::RightButton, {}, time);
    EXPECT_EQ(win.mode(), 1);
    EXPECT_TRUE(win.w->popup().menu()->isVisible());
    win.w->popup().menu()->close();
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, win.centre_of("btn_game_a_top"));
    EXPECT_EQ(win.mode(), 8);
}

// A click on the case that is let go before the pointer moves never starts
// a move; a drag moves the window, and where it ends is kept.
TEST(MainWindow, OnlyADragMovesTheWindow) {
    Window win(false);
    win.w->show();
    const QPoint start = win.w->pos();
    const QPoint on_case(30, 60);
    ASSERT_FALSE(win.w->area_at(on_case));
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, on_case);
    QMouseEvent moved(QEvent::MouseMove, QPointF(on_case + QPoint(100, 50)), QPointF(), Qt::NoButton, Qt::NoButton, {});
    QApplication::sendEvent(win.w.get(), &moved);
    EXPECT_EQ(win.w->pos(), start);
    EXPECT_FALSE(win.store.read_text("WindowX"));
    QTest::mousePress(win.w.get(), Qt::LeftButton, {}, on_case);
    for (const QPoint step : {QPoint(1, 1), QPoint(40, 20)}) {
        QMouseEvent drag(QEvent::MouseMove, QPointF(on_case + step), QPointF(), Qt::NoButton, Qt::LeftButton, {});
        QApplication::sendEvent(win.w.get(), &drag);
    }
    QTest::mouseRelease(win.w.get(), Qt::LeftButton, {}, on_case + QPoint(40, 20));
    EXPECT_EQ(win.w->pos(), start + QPoint(40, 20));
    EXPECT_EQ(win.store.read_text("WindowX"), std::to_string(start.x() + 40));
}

TEST(MainWindow, PointersHintsAndFailedWrites) {
    Window win(false);
    QTest::mouseMove(win.w.get(), win.centre_of("btn_left_top"));
    EXPECT_EQ(win.w->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(win.w.get(), win.centre_of("btn_set_top"));
    EXPECT_EQ(win.w->cursor().shape(), Qt::WhatsThisCursor);
    QTest::mouseMove(win.w.get(), QPoint(270, 150));
    EXPECT_EQ(win.w->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(win.host.controls().hint(*win.w->area_at(win.centre_of("btn_set_top"))), "button disabled");
    EXPECT_EQ(win.host.controls().hint(*win.w->area_at(win.centre_of("btn_shoot_right_top"))),
              "click or press 'alt' key");

    // A store that refuses writes is told about once, however often it fails.
    int told = 0;
    QObject::connect(win.w.get(), &TForm1::settings_failed, [&] { ++told; });
    win.store.fail_writes("disk full");
    win.w->popup().item("pm_8_hiscore")->trigger();
    win.w->popup().item("pm_11_splashscreen")->trigger();
    EXPECT_EQ(told, 1);
}

TEST(MainWindow, PopupMenuItems) {
    Window win(false);
    const char* captions[] = {"About...\tF1", "View 'Readme.txt'\tF2", "View 'Whatsnew.txt'\tF3", "View manual\tF4", "",
                              "Edit configuration file", "Key settings", "Reset Hiscores", "",
                              "Display in fullscreen mode\tF12", "Display splash screen at startup", "", "Exit\tEsc"};
    for (int i = 1; i <= kMenuRows; ++i) {
        const QAction* item = win.w->popup().item(menu_rows()[i - 1].name);
        EXPECT_EQ(item->text().toStdString(), captions[i - 1]) << i;
        EXPECT_EQ(item->isSeparator(), captions[i - 1][0] == '\0') << i;
    }
    // The submenus sit before the second separator, in this order.
    QStringList titles;
    for (const QAction* a : win.w->popup().menu()->actions())
        if (a->menu()) titles << a->menu()->title();
    EXPECT_EQ(titles, (QStringList{"Play", "Sound", "Zoom", "Display", "Language"}));
    EXPECT_EQ(win.w->popup().menu()->defaultAction(), win.w->popup().item("pm_1_about"));

    test::UrlCatcher catcher;
    win.w->popup().item("pm_2_readme")->trigger();
    QTest::keyClick(win.w.get(), Qt::Key_F3);
    win.w->popup().item("pm_6_config")->trigger();
    ASSERT_EQ(catcher.opened.size(), 3);
    EXPECT_TRUE(catcher.opened[0].endsWith("/Readme.txt"));
    EXPECT_TRUE(catcher.opened[1].endsWith("/Whatsnew.txt"));
    EXPECT_TRUE(catcher.opened[2].endsWith("/Config.ini"));
    {
        // In another language, its own copy.
        ui::Translation japanese("ja");
        win.w->popup().item("pm_2_readme")->trigger();
        ASSERT_EQ(catcher.opened.size(), 4);
        EXPECT_TRUE(catcher.opened[3].endsWith("/Languages/ja/Readme.txt")) << catcher.opened[3].toStdString();
    }

    win.store.write_text("HiScore1", "560");
    win.host.unit().load_high_scores();
    win.w->popup().item("pm_8_hiscore")->trigger();
    EXPECT_EQ(win.store.read_text("HiScore1"), "0");
    EXPECT_EQ(win.store.read_text("HiScore2"), "0");
    EXPECT_EQ(win.host.unit().state().hiscore_a, 0);

    win.w->popup().item("pm_11_splashscreen")->trigger();
    EXPECT_EQ(win.store.read_text("SplashScreen"), "0");
    // Opening the menu takes the check mark from the store.
    win.store.write_text("SplashScreen", "1");
    emit win.w->popup().menu()->aboutToShow();
    EXPECT_TRUE(win.w->popup().item("pm_11_splashscreen")->isChecked());

    QTest::keyClick(win.w.get(), Qt::Key_F12);
    EXPECT_TRUE(win.w->fullscreen());
    EXPECT_TRUE(win.w->popup().item("pm_10_fullscreen")->isChecked());
    EXPECT_EQ(win.store.read_text("FullscreenMode"), "1");

    // Esc ends the event loop.
    QTimer::singleShot(0, [&] { QTest::keyClick(win.w.get(), Qt::Key_Escape); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });  // only if Esc did nothing
    EXPECT_EQ(QApplication::exec(), 0);
}

TEST(MainWindow, WindowItemsOpenTheirWindows) {
    Window win(false);
    for (const char* item : {"pm_1_about", "pm_4_manual", "pm_7_keys", "pm_replays"})
        EXPECT_FALSE(win.w->popup().item(item)->isEnabled()) << item;
    QStringList opened;
    win.w->set_openers({.about = [&] { opened << "about"; },
                        .manual = [&] { opened << "manual"; },
                        .keys = [&] { opened << "keys"; },
                        .replays = {},
                        .splash_checkbox = {},
                        .open_file = {},
                        .language = {}});
    QTest::keyClick(win.w.get(), Qt::Key_F1);
    QTest::keyClick(win.w.get(), Qt::Key_F4);
    win.w->popup().item("pm_7_keys")->trigger();
    EXPECT_EQ(opened, (QStringList{"about", "manual", "keys"}));
    EXPECT_EQ(win.mode(), 0);  // the function keys drive no button
    // The shortcuts act with the popup menu open too, and close it.
    win.w->popup().menu()->popup(QPoint(10, 10));
    QTest::keyClick(win.w->popup().menu(), Qt::Key_F4);
    EXPECT_EQ(opened.back(), "manual");
    EXPECT_FALSE(win.w->popup().menu()->isVisible());
}

// A file the desktop cannot open is named to the user, with its full path.
TEST(MainWindow, AFileNothingCouldOpenIsReported) {
    Window win(false);
    QStringList tried;
    win.w->set_openers({.about = {}, .manual = {}, .keys = {}, .replays = {}, .splash_checkbox = {},
                        .open_file = [&](const QUrl& file, std::function<void()> failed) {
                            tried << file.toLocalFile();
                            failed();
                        },
                        .language = {}});
    QString shown;
    QTimer::singleShot(0, [&] { read_box(shown); });
    win.w->popup().item("pm_3_whatsnew")->trigger();
    ASSERT_EQ(tried.size(), 1);
    EXPECT_TRUE(tried[0].endsWith("/Whatsnew.txt"));
    EXPECT_TRUE(shown.contains(tried[0])) << shown.toStdString();
}

TEST(MainWindow, LayoutSwitchKeepsARunningGame) {
    Window win(false);
    QTest::keyClick(win.w.get(), Qt::Key_3);
    QTest::keyClick(win.w.get(), Qt::Key_2);  // game B
    win.host.unit().advance(9000);
    const GameState before = win.host.unit().state();
    ASSERT_EQ(before.mode, 9);
    ASSERT_TRUE(before.play);
    const Millis due = win.host.unit().timers().due(TimerId::Game);
    win.w->pm_10_fullscreenClick();
    EXPECT_TRUE(win.w->fullscreen());
    EXPECT_EQ(win.w->width(), win.w->skin().client_width);
    const GameState& after = win.host.unit().state();
    EXPECT_EQ(after.mode, 9);
    EXPECT_EQ(after.grid, before.grid);
    EXPECT_EQ(after.hero, before.hero);
    EXPECT_TRUE(win.host.unit().timers().enabled(TimerId::Game));
    EXPECT_EQ(win.host.unit().timers().due(TimerId::Game), due);
    win.w->pm_10_fullscreenClick();
    EXPECT_EQ(win.w->width(), 540);
}

TEST(MainWindow, InGameMenu) {
    Window win(true);
    EXPECT_EQ(win.w->game_menu().background_size(), QSize(36, 32));
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, QPoint(10, 10));
    ASSERT_TRUE(win.w->game_menu().open());
    EXPECT_EQ(win.w->game_menu().background_size(), QSize(256, 448));
    for (int i = 1; i <= kMenuRows; ++i) {
        const QLabel* label = win.w->game_menu().labels()[i - 1];
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), QRect(0, 32 * i, 256, 32)) << i;
        EXPECT_EQ(label->text().isEmpty(), menu_rows()[i - 1].kind == Kind::Separator) << i;
    }
    EXPECT_EQ(win.w->game_menu().labels()[9]->text(), "   Display in fullscreen mode [V]");
    EXPECT_EQ(win.w->game_menu().labels()[7]->text(), "   Reset Hiscores");
    EXPECT_FALSE(win.w->game_menu().labels()[0]->isEnabled()) << "About... has no window to open here";
    // Choosing a row runs its item and folds the menu.
    QTest::mouseClick(win.w->game_menu().labels()[7], Qt::LeftButton);
    EXPECT_EQ(win.store.read_text("HiScore1"), "0");
    EXPECT_FALSE(win.w->game_menu().open());
    EXPECT_EQ(win.w->game_menu().background_size(), QSize(36, 32));
    // Opening the popup menu folds an unfolded in-game menu.
    win.w->game_menu().btn_game_menu_topClick();
    ASSERT_TRUE(win.w->game_menu().open());
    emit win.w->popup().menu()->aboutToShow();
    EXPECT_FALSE(win.w->game_menu().open());
}

TEST(MainWindow, PaintsLitSegmentsOnly) {
    Window win(false);
    const QPoint flame = win.centre_of("im_flame_1_3");
    const QImage on = win.w->render_frame();  // power-on: everything lit
    QTest::keyClick(win.w.get(), Qt::Key_3);
    const QImage off = win.w->render_frame();
    const QColor lit = on.pixelColor(flame), dark = off.pixelColor(flame);
    EXPECT_LT(lit.lightness(), 80) << "ink";
    EXPECT_GT(dark.lightness(), 120) << "glass";
    // The glass shows through the transparent part of a segment's picture.
    const QPoint corner = win.centre_of("im_flame_1_3") - QPoint(11, 9);
    EXPECT_GT(on.pixelColor(corner).lightness(), 120);
}

// The window's painter and the headless composer (ignivar-face) draw the
// same frame, see-through parts included, in every state of the display:
// every pixel alike, but for the rounding that blending in premultiplied
// alpha gives on half-transparent edges.
TEST(MainWindow, PainterAndHeadlessComposerAgree) {
    Window win(false);
    const auto compare = [&](const char* state) {
        const QImage painted = win.w->render_frame(true).convertToFormat(QImage::Format_ARGB32);
        const skin::Picture composed = skin::render_frame(win.w->skin(), win.host.unit().display(), {});
        ASSERT_EQ(painted.width(), composed.width);
        ASSERT_EQ(painted.height(), composed.height);
        int worst = 0;
        for (int y = 0; y < composed.height; ++y)
            for (int x = 0; x < composed.width; ++x) {
                const QRgb p = painted.pixel(x, y);
                const std::uint8_t* c = composed.pixel(x, y);
                int d = std::abs(qAlpha(p) - c[3]);
                // Colour only where there is some to see; a faint pixel's
                // colour is rounded coarsely in premultiplied form.
                if (c[3] >= 64)
                    d = std::max({d, std::abs(qRed(p) - c[0]), std::abs(qGreen(p) - c[1]), std::abs(qBlue(p) - c[2])});
                worst = std::max(worst, d);
            }
        EXPECT_LE(worst, 2) << state;
    };
    compare("power-on");
    QTest::keyPress(win.w.get(), Qt::Key_3);
    compare("time with its button held");
    QTest::keyRelease(win.w.get(), Qt::Key_3);
    QTest::keyClick(win.w.get(), Qt::Key_1);
    win.host.unit().advance(8000);
    compare("game A in play");
}

TEST(MainWindow, HostileSkinValuesDoNotBringItDown) {
    test::TempDir dir;
    dir.write("Config.ini", "[Common]\nGameWidth=99999999\nGameHeight=-3\n[VideoMode]\nTranspColor=$00FFFFFF\n"
                            "[Image1]\nFilename=missing.png\nLeft=-2147483648\nWidth=2147483647\nHeight=5\n");
    test::Desk desk(false, dir.path.string());
    TForm1& w = *desk.w;
    EXPECT_FALSE(w.must_end());
    EXPECT_EQ(w.size(), QSize(skin::kMaxPictureSide, 1));
    const QImage frame = w.render_frame();
    EXPECT_EQ(frame.width(), skin::kMaxPictureSide);
}

// A skin whose one picture promises 1 GiB, named by every section: the
// window tells the budget's message and stays up.
TEST(MainWindow, ASkinPastTheMemoryBudgetIsReported) {
    test::TempDir dir;
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x40\0\0\0\x40\0\x08\x06\0\0\0\0\0\0\0", 33);
    dir.write("Skin/huge.png", png);
    std::string ini = "[Common]\nSkinDir=Skin\\\n";
    for (int n = 1; n <= 100; ++n) ini += "[Image" + std::to_string(n) + "]\nFilename=huge.png\n";
    dir.write("Config.ini", ini);
    QString shown;
    QTimer::singleShot(0, [&] { read_box(shown); });
    test::Desk desk(false, dir.path.string());
    EXPECT_TRUE(shown.contains("huge.png")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("MiB of memory")) << shown.toStdString();
    EXPECT_FALSE(desk.w->must_end());
}

// The window's frames come out of the skin's memory budget: a zoom whose
// frames would not fit gives way to the largest that does, and a unit too
// large for any window is not loaded (with a message) but stays usable.
TEST(MainWindow, FramesStayWithinTheMemoryBudget) {
    struct Case {
        const char* config;
        int zoom;
        QSize size;
        bool told;
    };
    const Case cases[] = {
        {"[Common]\nGameWidth=3500\nGameHeight=3500\n", 1, {3500, 3500}, false},  // 2x: 588 MB of frames
        {"[Common]\nGameWidth=16384\nGameHeight=16384\n", 1, {540, 360}, true},   // 1x: 3.2 GB
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        dir.write("Config.ini", c.config);
        QString shown;
        QTimer boxes;  // every message box shown is read and closed
        QObject::connect(&boxes, &QTimer::timeout, [&] { read_box(shown); });
        boxes.start(10);
        test::Desk desk(false, dir.path.string());
        desk.store.write_text("Zoom", "4");
        desk.w->set_zoom(4);
        EXPECT_EQ(desk.w->zoom(), c.zoom) << c.config;
        EXPECT_EQ(desk.w->size(), c.size) << c.config;
        EXPECT_EQ(shown.contains("MiB of memory for its window"), c.told) << shown.toStdString();
        EXPECT_FALSE(desk.w->must_end());
    }
}

// A stored place that is off every screen, however far (the far edge of
// the window past INT_MAX must not wrap round), is not used.
TEST(MainWindow, StoredPlacesOffEveryScreenAreNotUsed) {
    struct Case {
        int x, y;
        bool kept;
    };
    const int top = std::numeric_limits<int>::max(), bottom = std::numeric_limits<int>::min();
    const Case cases[] = {{100, 80, true}, {top - 10, 80, false}, {80, top - 100, false}, {bottom + 5, 80, false},
                          {-600, 80, false}, {top, top, false}};
    for (const Case& c : cases) {
        MemoryStore store;
        store.write_text("FullscreenMode", "0");
        store.write_text("WindowX", std::to_string(c.x));
        store.write_text("WindowY", std::to_string(c.y));
        SilentSink sound;
        host::RealTime time;
        host::Host host(store, sound, time, 1);
        TForm1 w(host, time, kDir);
        w.power_on();
        const QRect screen = w.screen()->availableGeometry();
        if (c.kept) EXPECT_EQ(w.pos(), QPoint(c.x, c.y));
        else EXPECT_TRUE(screen.contains(w.geometry().center())) << c.x << "," << c.y;
    }
}

// A player's own skin file that cannot be read is said to be theirs (not
// "reinstall"), and the shipped one stands in.
TEST(MainWindow, AnUnreadableOwnSkinFileGivesWayToTheShippedOne) {
    test::TempDir dir;
    const std::string own = dir.write("Config.ini", "[Common]\n" + std::string(2 << 20, ';'));
    QString shown;
    QTimer::singleShot(0, [&] { read_box(shown); });
    test::Desk desk(DataPaths{kDir, own, dir.path.string(), true, false}, false);
    EXPECT_FALSE(desk.w->must_end());
    EXPECT_TRUE(shown.startsWith("Your own skin file cannot be used")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("too large")) << shown.toStdString();
    EXPECT_FALSE(shown.contains("reinstall")) << shown.toStdString();
    EXPECT_EQ(desk.w->files().config, kDir + "/Config.ini");
    EXPECT_EQ(desk.w->size(), QSize(540, 360));
}

// File names and stored hints are shown as they stand, never as markup.
TEST(MainWindow, NamesInMessagesAndTipsAreNotMarkup) {
    test::TempDir dir;
    const std::string name = "<img src=x><b>bold</b>.png";
    std::string png("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x40\0\0\0\x40\0\x08\x06\0\0\0\0\0\0\0", 33);
    dir.write("Skin/" + name, png);
    dir.write("Config.ini", "[Common]\nSkinDir=Skin\\\n[Image1]\nFilename=" + name + "\n");
    Qt::TextFormat format = Qt::RichText;
    QString shown;
    QTimer::singleShot(0, [&] { read_box(shown, &format); });
    test::Desk desk(false, dir.path.string());
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_TRUE(shown.contains(QString::fromStdString(name))) << shown.toStdString();
    const QString tip = ui::plain_tip("<b>Key1</b> & co");
    EXPECT_TRUE(tip.contains("&lt;b&gt;Key1&lt;/b&gt; &amp; co")) << tip.toStdString();
}

// The pump polls often only while a pad is there, and a pad's button works
// the window's unit as its key would, pressed picture included.
TEST(MainWindow, GamepadsThroughTheWindow) {
    Window win(false);
    GamepadPump pump(win.host, "");
    ASSERT_TRUE(pump.unavailable().empty()) << pump.unavailable();
    EXPECT_FALSE(pump.polling());
    SDL_VirtualJoystickDesc d{};
    d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    d.naxes = SDL_CONTROLLER_AXIS_MAX;
    d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    const int index = SDL_JoystickAttachVirtualEx(&d);
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    pump.poll();
    EXPECT_TRUE(pump.polling());
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
    pump.poll();
    EXPECT_EQ(win.mode(), 1);
    EXPECT_TRUE(win.lit(Seg::BtnTimeDown));
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 0);
    pump.poll();
    EXPECT_FALSE(win.lit(Seg::BtnTimeDown));
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    pump.poll();
    EXPECT_FALSE(pump.polling());
}

TEST(Zoom, FitPicksTheLargestWholeFactor) {
    struct Case {
        QSize screen, unit;
        int factor;
    };
    const Case cases[] = {
        {{1920, 1080}, {540, 360}, 3}, {{3840, 2160}, {540, 360}, 6}, {{1366, 768}, {540, 360}, 2},
        {{1024, 768}, {540, 360}, 1},  {{800, 600}, {1000, 700}, 1},  {{2560, 1440}, {540, 360}, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TForm1::fit_factor(c.screen, c.unit), c.factor) << c.screen.width() << "x" << c.screen.height();
}

// Full screen draws the skin's pictures in the premultiplied form they were
// loaded in, unconverted: the frames are those of the plain form, pixel for
// pixel, and every colour at every alpha is premultiplied as the painter does.
TEST(Zoom, PremultipliedPicturesPaintTheSameFrames) {
    skin::Picture every(256, 256);
    for (int i = 0; i < 256 * 256; ++i) {
        std::uint8_t* d = &every.rgba[static_cast<std::size_t>(i) * 4];
        d[0] = static_cast<std::uint8_t>(i % 256), d[1] = 255;
        d[2] = static_cast<std::uint8_t>(255 - i % 256), d[3] = static_cast<std::uint8_t>(i / 256);
    }
    const QImage by_painter = QImage(every.rgba.data(), 256, 256, QImage::Format_RGBA8888)
                                  .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    skin::premultiply(every);
    EXPECT_EQ(QImage(every.rgba.data(), 256, 256, QImage::Format_ARGB32_Premultiplied), by_painter);
    for (int scale : {1, 3}) {
        skin::LoadRequest req;
        req.config_path = kDir + "/Config.ini";
        req.program_dir = kDir;
        req.fullscreen = true;
        req.screen_width = 1920 / scale, req.screen_height = 1080 / scale, req.scale = scale;
        skin::Skin plain, premultiplied;
        ASSERT_TRUE(skin::load_skin(req, plain).ok());
        req.form = skin::PixelForm::PremultipliedArgb;
        ASSERT_TRUE(skin::load_skin(req, premultiplied).ok());
        Display all;
        all.Vid_Show_All(true);
        View view;
        view.zoom = scale;
        FramePainter a, b;
        EXPECT_EQ(a.render(plain, all, {}, view), b.render(premultiplied, all, {}, view)) << "scale " << scale;
    }
}

// No pixel of the see-through colour is left in the windowed frame, nor
// blended into the antialiased edges of the unit's shape.
TEST(MainWindow, NoSeeThroughColourInTheWindowedFrame) {
    for (int zoom : {1, 2}) {
        Window win(false);
        win.w->set_zoom(zoom);
        const QImage frame = win.w->render_frame().convertToFormat(QImage::Format_ARGB32);
        const QRegion shape = win.w->mask();
        int inside = 0;
        for (int y = 0; y < frame.height(); ++y)
            for (int x = 0; x < frame.width(); ++x) {
                if (!shape.contains(QPoint(x, y))) continue;
                ++inside;
                const QRgb p = frame.pixel(x, y);
                // The default skin has no purple; a blend towards magenta would be.
                EXPECT_FALSE(qRed(p) > 120 && qBlue(p) > 90 && qGreen(p) < 90)
                    << "zoom " << zoom << " at " << x << "," << y << ": " << qRed(p) << "," << qGreen(p) << "," << qBlue(p);
                EXPECT_EQ(qAlpha(p), 255) << x << "," << y;
                if (HasFailure()) return;
            }
        EXPECT_GT(inside, frame.width() * frame.height() / 2);
    }
}

TEST(MainWindow, WindowShapeLeavesOutTheSeeThroughColour) {
    Window win(false);
    const QRegion shape = win.w->mask();
    ASSERT_FALSE(shape.isEmpty());
    EXPECT_FALSE(shape.contains(QPoint(0, 0)));  // the case's rounded corner
    EXPECT_FALSE(shape.contains(QPoint(539, 359)));
    EXPECT_TRUE(shape.contains(QPoint(270, 180)));
    EXPECT_TRUE(shape.contains(QPoint(20, 180)));
    Window full(true);
    EXPECT_TRUE(full.w->mask().isEmpty());
}

}  // namespace
}  // namespace ignivar::app



namespace ignivar::app {
namespace {

// One row per key: no key acts for two rows at once, and every row is
// reached by its menu item and by each of its keys.
TEST(Actions, EveryRowIsReachedByItsItemAndKeysAndNoKeyActsTwice) {
    for (const bool watching : {false, true}) {
        std::map<int, std::string_view> owner;
        for (const Action& a : actions())
            for (const int k : a.keys) {
                if (!k || (a.when != When::Always && (a.when == When::Watching) != watching)) continue;
                EXPECT_TRUE(owner.emplace(k, a.name).second)
                    << key_text(k).toStdString() << ": " << owner[k] << " and " << a.name;
            }
    }
    Window win(false);
    win.w->set_openers({.about = [] {}, .manual = [] {}, .keys = [] {}, .replays = [] {},
                        .splash_checkbox = {}, .open_file = [](const QUrl&, std::function<void()>) {},
                        .language = {}});
    std::vector<std::string_view> ran;
    win.w->popup().on_run([&](const Action& a) { ran.push_back(a.name); });
    for (const Action& a : actions()) {
        if (a.kind == Kind::Separator || a.name == "pm_14_exit") continue;
        if (a.place != Place::KeyOnly && a.kind != Kind::Hold) {
            ran.clear();
            win.w->popup().refresh();
            QAction* item = win.w->popup().item(a.name);
            if (item->isEnabled() && item->isVisible()) {
                item->trigger();
                EXPECT_EQ(ran, std::vector<std::string_view>{a.name}) << a.name << ", its item";
            }
        }
        for (const int k : a.keys) {
            if (!k || a.when == When::Watching) continue;  // a replay's keys: ReplaysWindow's tests
            ran.clear();
            QTest::keyClick(win.w.get(), static_cast<Qt::Key>(k));
            const std::vector<std::string_view> once{a.name}, held{a.name, a.name};
            EXPECT_EQ(ran, a.kind == Kind::Hold ? held : once) << a.name << ", " << key_text(k).toStdString();
            while (QApplication::activeModalWidget()) QApplication::activeModalWidget()->close();
        }
    }
}

// The README's key list is the table's.
TEST(Actions, TheReadmeListsTheKeysOfTheTable) {
    std::ifstream in(std::string(IGNIVAR_SOURCE_DIR) + "/README.md");
    const std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(readme.find(key_table_markdown()), std::string::npos) << "README.md should hold:\n" << key_table_markdown();
}

// A zoom change, a layout switch and a start load the skin once each.
TEST(MainWindow, AZoomChangeLoadsTheSkinOnce) {
    for (const bool fullscreen : {false, true}) {
        Window win(fullscreen);
        EXPECT_EQ(win.w->skin_loads(), 1) << "the start";
        // More than fits (the window on this screen, the memory): the largest that does, still once.
        for (const int factor : {2, 1, 4, 64, 0}) {
            const int before = win.w->skin_loads();
            win.w->set_zoom(factor);
            EXPECT_EQ(win.w->skin_loads(), before + 1) << factor;
        }
        win.w->pm_10_fullscreenClick();
        EXPECT_EQ(win.w->skin_loads(), 7);
    }
}

}  // namespace
}  // namespace ignivar::app
