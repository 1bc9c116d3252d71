// The program's own keys and menu items, one row each.
#include "app/actions.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <algorithm>
#include <stdexcept>

#include "app/main_window.h"
#include "input/key_codes.h"
#include "skin/lcd_look.h"
#include "ui/language.h"

namespace ignivar::app {
namespace {

using W = TForm1;
using CW = const TForm1;

bool watching(CW& w) { return w.replays().watching(); }
// The player's own game may be worked: it is shown, not a replay.
bool own_game(CW& w) { return !w.host().inputs_held(); }
bool zoom_is(CW& w, int f) { return (w.fullscreen() ? w.fullscreen_zoom() : w.windowed_zoom()) == f; }
bool zoom_can(CW& w, int f) { return w.fullscreen() || f <= w.largest_windowed_zoom(); }
bool volume_is(CW& w, int percent) { return w.sound_keeper().volume() == percent; }
bool unlit_is(CW& w, int percent) { return w.lcd().look().unlit == percent; }
bool language_is(CW& w, std::string_view code) { return w.language_choice() == code; }

// Texts of the table that come from other tables, for the translators.
[[maybe_unused]] constexpr const char* kOtherCaptions[] = {QT_TRANSLATE_NOOP("Menu", "Exact"),
                                                          QT_TRANSLATE_NOOP("Menu", "Real")};

#define KEYS(a, b) {a, b}

// clang-format off
constexpr Action kActions[] = {
    // The popup menu's own rows, in its order; also the in-game menu's rows.
    {"pm_1_about", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "About..."), KEYS(Qt::Key_F1, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_1_aboutClick(); }, nullptr, [](CW& w) { return bool(w.openers().about); }},
    {"pm_2_readme", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "View 'Readme.txt'"), KEYS(Qt::Key_F2, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_2_readmeClick(); }},
    {"pm_3_whatsnew", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "View 'Whatsnew.txt'"), KEYS(Qt::Key_F3, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_3_whatsnewClick(); }},
    {"pm_4_manual", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "View manual"), KEYS(Qt::Key_F4, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_4_manualClick(); }, nullptr, [](CW& w) { return bool(w.openers().manual); }},
    {"pm_5_n1", Place::Menu, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_6_config", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Edit configuration file"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_6_configClick(); }},
    {"pm_7_keys", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Key settings"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_7_keysClick(); }, nullptr, [](CW& w) { return bool(w.openers().keys); }},
    {"pm_8_hiscore", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Reset Hiscores"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_8_hiscoreClick(); }},
    {"pm_9_n2", Place::Menu, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_10_fullscreen", Place::Menu, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Display in fullscreen mode"), KEYS(Qt::Key_F12, 0), When::Always, {},
     false, false, [](W& w, bool) { w.pm_10_fullscreenClick(); }, [](CW& w) { return w.fullscreen(); }},
    {"pm_11_splashscreen", Place::Menu, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Display splash screen at startup"), KEYS(0, 0), When::Always, {},
     false, false, [](W& w, bool on) { w.pm_11_splashscreenClick(on); }, [](CW& w) { return w.splash_at_start(); }},
    {"pm_13_n3", Place::Menu, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_14_exit", Place::Menu, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Exit"), KEYS(Qt::Key_Escape, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.pm_14_exitClick(); }},

    // "Play": keeping a game, replays and screenshots.
    {"pm_pause", Place::Play, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Pause"), KEYS(Qt::Key_F6, Qt::Key_Pause), When::Always, {}, false, false,
     [](W& w, bool) { watching(w) ? w.replays().toggle_pause() : w.keeper().toggle_pause(); },
     [](CW& w) { return watching(w) ? w.replays().paused() : w.host().paused(); }},
    {"pm_pause_on_focus_loss", Place::Play, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Pause when the window loses the keyboard"), KEYS(0, 0),
     When::Always, Setting::PauseOnFocusLoss, false},
    {"pm_play_n1", Place::Play, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_quick_save", Place::Play, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Quick save"), KEYS(Qt::Key_F5, 0), When::Playing, {}, false, false,
     [](W& w, bool) { w.keeper().quick_save(); }, nullptr, own_game},
    {"pm_quick_load", Place::Play, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Quick load"), KEYS(Qt::Key_F9, 0), When::Playing, {}, false, false,
     [](W& w, bool) { w.keeper().quick_load(); }, nullptr, own_game},
    {"pm_rewind", Place::Play, Kind::Hold, QT_TRANSLATE_NOOP("Menu", "Rewind"), KEYS(Qt::Key_Backspace, 0), When::Playing, {}, false, false,
     [](W& w, bool held) { held ? w.keeper().start_rewind() : w.keeper().stop_rewind(); }},
    {"pm_play_n2", Place::Play, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_resume", Place::Play, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Resume where I left off"), KEYS(0, 0), When::Always, Setting::ResumeGame,
     false},
    {"pm_play_n3", Place::Play, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_replays", Place::Play, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Replays and high scores..."), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.openers().replays(); }, nullptr, [](CW& w) { return bool(w.openers().replays); }},
    {"pm_screenshot", Place::Play, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Save a screenshot"), KEYS(Qt::Key_F8, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.save_screenshot(); }},
    {"pm_stop_replay", Place::Play, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Stop the replay"), KEYS(Qt::Key_Backspace, 0), When::Watching, {},
     false, false, [](W& w, bool) { w.replays().stop(); }, nullptr, nullptr, watching},

    // "Sound": the player's own control of the sound.
    {"pm_mute", Place::Sound, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Mute"), KEYS(Qt::Key_F7, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.toggle_mute(); },
     [](CW& w) { return w.sound_keeper().muted(); }},
    {"pm_sound_n1", Place::Sound, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_volume_100", Place::Sound, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Volume 100 %"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.sound_keeper().set_volume(100); }, [](CW& w) { return volume_is(w, 100); }},
    {"pm_volume_75", Place::Sound, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Volume 75 %"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.sound_keeper().set_volume(75); }, [](CW& w) { return volume_is(w, 75); }},
    {"pm_volume_50", Place::Sound, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Volume 50 %"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.sound_keeper().set_volume(50); }, [](CW& w) { return volume_is(w, 50); }},
    {"pm_volume_25", Place::Sound, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Volume 25 %"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.sound_keeper().set_volume(25); }, [](CW& w) { return volume_is(w, 25); }},
    {"pm_sound_n2", Place::Sound, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_panned", Place::Sound, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "Sounds follow the flames"), KEYS(0, 0), When::Always,
     Setting::PannedSounds, false, false, [](W& w, bool on) { w.sound_keeper().set_panned(on); }},

    // "Zoom": the unit at 1x to 4x, or as large as fits the screen.
    {"pm_zoom_fit", Place::Zoom, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Fit the screen"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.set_zoom(0); }, [](CW& w) { return zoom_is(w, 0); }, nullptr,
     [](CW& w) { return w.fullscreen(); }},
    {"pm_zoom_1", Place::Zoom, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "1x"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.set_zoom(1); }, [](CW& w) { return zoom_is(w, 1); }, [](CW& w) { return zoom_can(w, 1); }},
    {"pm_zoom_2", Place::Zoom, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "2x"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.set_zoom(2); }, [](CW& w) { return zoom_is(w, 2); }, [](CW& w) { return zoom_can(w, 2); }},
    {"pm_zoom_3", Place::Zoom, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "3x"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.set_zoom(3); }, [](CW& w) { return zoom_is(w, 3); }, [](CW& w) { return zoom_can(w, 3); }},
    {"pm_zoom_4", Place::Zoom, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "4x"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.set_zoom(4); }, [](CW& w) { return zoom_is(w, 4); }, [](CW& w) { return zoom_can(w, 4); }},
    {"pm_zoom_n1", Place::Zoom, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_zoom_in", Place::Zoom, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Larger"), KEYS(Qt::Key_Plus, Qt::Key_Equal), When::Always, {}, false,
     false, [](W& w, bool) { w.zoom_in(); }},
    {"pm_zoom_out", Place::Zoom, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Smaller"), KEYS(Qt::Key_Minus, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.zoom_out(); }},
    // "Display": the LCD as it is drawn exactly, or as real glass shows it.
    {"pm_look_exact", Place::Display, Kind::Choice, skin::kLookNames[0], KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_real(false); }, [](CW& w) { return !w.lcd().look().real; }},
    {"pm_look_real", Place::Display, Kind::Choice, skin::kLookNames[1], KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_real(true); }, [](CW& w) { return w.lcd().look().real; }},
    {"pm_display_n1", Place::Display, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_unlit_face", Place::Display, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Unlit segments as the face shows them"), KEYS(0, 0), When::Always,
     {}, false, false, [](W& w, bool) { w.lcd().set_unlit(skin::kUnlitAsFace); },
     [](CW& w) { return unlit_is(w, skin::kUnlitAsFace); }},
    {"pm_unlit_0", Place::Display, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Unlit segments hidden"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_unlit(0); }, [](CW& w) { return unlit_is(w, 0); }},
    {"pm_unlit_10", Place::Display, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Unlit segments faint"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_unlit(10); }, [](CW& w) { return unlit_is(w, 10); }},
    {"pm_unlit_25", Place::Display, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Unlit segments visible"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_unlit(25); }, [](CW& w) { return unlit_is(w, 25); }},
    {"pm_unlit_50", Place::Display, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "Unlit segments clear"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.lcd().set_unlit(50); }, [](CW& w) { return unlit_is(w, 50); }},
    {"pm_display_n2", Place::Display, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_contrast", Place::Display, Kind::Toggle, QT_TRANSLATE_NOOP("Menu", "High contrast"), KEYS(0, 0), When::Always, {}, false, false,
     [](W& w, bool on) { w.lcd().set_contrast(on); }, [](CW& w) { return w.lcd().look().contrast; }},

    // "Language": the desktop's, or one of the program's in its own name.
    {"pm_language_system", Place::Language, Kind::Choice, QT_TRANSLATE_NOOP("Menu", "System"), KEYS(0, 0),
     When::Always, {}, false, false, [](W& w, bool) { w.set_language(""); }, [](CW& w) { return language_is(w, ""); }},
    {"pm_language_n1", Place::Language, Kind::Separator, "-", KEYS(0, 0)},
    {"pm_language_en", Place::Language, Kind::Choice, ui::kLanguages[0].own_name, KEYS(0, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.set_language("en"); }, [](CW& w) { return language_is(w, "en"); }},
    {"pm_language_de", Place::Language, Kind::Choice, ui::kLanguages[1].own_name, KEYS(0, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.set_language("de"); }, [](CW& w) { return language_is(w, "de"); }},
    {"pm_language_fr", Place::Language, Kind::Choice, ui::kLanguages[2].own_name, KEYS(0, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.set_language("fr"); }, [](CW& w) { return language_is(w, "fr"); }},
    {"pm_language_es", Place::Language, Kind::Choice, ui::kLanguages[3].own_name, KEYS(0, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.set_language("es"); }, [](CW& w) { return language_is(w, "es"); }},
    {"pm_language_ja", Place::Language, Kind::Choice, ui::kLanguages[4].own_name, KEYS(0, 0), When::Always, {}, false,
     false, [](W& w, bool) { w.set_language("ja"); }, [](CW& w) { return language_is(w, "ja"); }},

    // The menu without the mouse (Shift+F10 too, as the desktop has it).
    {"open_menu", Place::KeyOnly, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Open the menu (or Shift+F10)"), KEYS(Qt::Key_Menu, 0), When::Always, {}, false, false,
     [](W& w, bool) { w.open_menu_here(); }},

    // For a screen reader: the face in words, again.
    {"read_status", Place::KeyOnly, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Read the face aloud (screen reader)"), KEYS(Qt::Key_F10, 0),
     When::Always, {}, false, false, [](W& w, bool) { w.read_status(); }},

    // Keys of a replay playing in the unit.
    {"replay_faster", Place::KeyOnly, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Replay faster"), KEYS(Qt::Key_BracketRight, 0), When::Watching,
     {}, false, false, [](W& w, bool) { w.replays().set_speed(w.replays().speed() * 2); }},
    {"replay_slower", Place::KeyOnly, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Replay slower"), KEYS(Qt::Key_BracketLeft, 0), When::Watching,
     {}, false, false, [](W& w, bool) { w.replays().set_speed(w.replays().speed() / 2); }},
    {"replay_step", Place::KeyOnly, Kind::Command, QT_TRANSLATE_NOOP("Menu", "Replay: step to the next change"), KEYS(Qt::Key_Period, 0),
     When::Watching, {}, false, true, [](W& w, bool) { w.replays().step(); }},
};
// clang-format on
#undef KEYS

constexpr bool menu_rows_first() {
    for (int i = 0; i < static_cast<int>(std::size(kActions)); ++i)
        if ((kActions[i].place == Place::Menu) != (i < kMenuRows)) return false;
    return true;
}
static_assert(menu_rows_first(), "the popup menu's own rows come first, and there are 13 of them");

bool acts_now(When when, bool watching) {
    return when == When::Always || (when == When::Watching) == watching;
}

}  // namespace

std::span<const Action> actions() { return kActions; }
std::span<const Action> menu_rows() { return std::span<const Action>(kActions).first(kMenuRows); }

const Action& action(std::string_view name) {
    for (const Action& a : kActions)
        if (a.name == name) return a;
    throw std::out_of_range("no action " + std::string(name));
}

const Action* action_for_key(int qt_key, bool watching, bool* taken) {
    if (taken) *taken = false;
    if (qt_key == 0) return nullptr;
    for (const Action& a : kActions) {
        if (std::find(a.keys.begin(), a.keys.end(), qt_key) == a.keys.end()) continue;
        if (taken) *taken = true;
        if (acts_now(a.when, watching)) return &a;
    }
    return nullptr;
}

QString key_text(int qt_key) { return QKeySequence(qt_key).toString(QKeySequence::NativeText); }

QString caption_text(const Action& a) {
    // The languages' own names are said as they are in every language.
    if (a.place == Place::Language && a.name != "pm_language_system")
        return QString::fromUtf8(a.caption.data(), static_cast<qsizetype>(a.caption.size()));
    return QCoreApplication::translate("Menu", std::string(a.caption).c_str());
}

QString menu_text(const Action& a) {
    QString text = caption_text(a);
    if (a.kind == Kind::Hold && a.keys[0])
        return QCoreApplication::translate("Menu", "%1: hold %2").arg(text, key_text(a.keys[0]));
    if (a.keys[0]) text += '\t' + key_text(a.keys[0]);
    return text;
}

QString program_key_use(std::uint16_t code) {
    for (const Action& a : kActions)
        for (const int k : a.keys)
            if (k && input::key_code_of_qt_key(k) == code)
                return QCoreApplication::translate("Menu", "%1 is the program's own key: %2")
                    .arg(key_text(k), menu_text(a).section('\t', 0, 0));
    return {};
}

namespace {

std::string keys_of(const Action& a) {
    std::string out;
    for (const int k : a.keys)
        if (k) out += (out.empty() ? "" : " or ") + QKeySequence(k).toString(QKeySequence::PortableText).toStdString();
    return out;
}

std::string what_it_does(const Action& a) {
    std::string what(a.caption);
    if (a.place == Place::Zoom) what += " (zoom)";
    if (a.kind == Kind::Hold) what += " (hold)";
    if (a.when == When::Watching && a.place != Place::KeyOnly) what += " (while a replay plays)";
    return what;
}

}  // namespace

std::string key_list() {
    std::string out;
    for (const Action& a : kActions)
        if (a.keys[0]) {
            std::string keys = keys_of(a);
            keys.resize(std::max<std::size_t>(keys.size(), 14), ' ');
            out += "  " + keys + " " + what_it_does(a) + "\n";
        }
    return out;
}

std::string key_table_markdown() {
    std::string out = "| key | what it does |\n|---|---|\n";
    for (const Action& a : kActions)
        if (a.keys[0]) out += "| " + keys_of(a) + " | " + what_it_does(a) + " |\n";
    return out;
}

}  // namespace ignivar::app
