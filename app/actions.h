// Everything the program does on a key or a menu click beside the unit's
// own seven bindable buttons, as one table: each row's key, caption, where
// it shows, its handler, the setting it keeps (if any) and when it is
// enabled. The popup menu and its submenus, the in-game menu, the window's
// key handling, the key dialog's check of the program's own keys and the
// key list of --help and the README all come from it.
#pragma once

#include <QString>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/setting_names.h"

namespace ignivar::app {

class TForm1;

// Where a row shows: the popup menu itself (whose rows are also the in-game
// menu's), one of its submenus, or nowhere (a key alone).
enum class Place : std::uint8_t { Menu, Play, Sound, Zoom, Display, Language, KeyOnly };
// What a row is: a command, an on/off item, one choice of several, a key
// that acts while held (press and release), or a separator.
enum class Kind : std::uint8_t { Command, Toggle, Choice, Hold, Separator };
// When a row's keys act: always, while the player's own game is shown, or
// while a replay plays in the unit.
enum class When : std::uint8_t { Always, Playing, Watching };

struct Action {
    std::string_view name;  // the menu item's object name: pm_1_about ...
    Place place;
    Kind kind;
    std::string_view caption;
    std::array<int, 2> keys;  // Qt keys; 0: none
    When when = When::Always;
    // A toggle kept in the store under this value (with this default), its
    // handler told the new state after it is written.
    std::optional<Setting> setting = std::nullopt;
    bool setting_default = false;
    bool repeats = false;  // a held key acts again on each repeat
    // `on`: a toggle's new state, a held key pressed (true) or let go.
    void (*run)(TForm1&, bool on) = nullptr;
    bool (*checked)(const TForm1&) = nullptr;
    bool (*enabled)(const TForm1&) = nullptr;  // the menu item; null: always
    bool (*visible)(const TForm1&) = nullptr;  // null: always
};

// The table, in menu order within each place.
std::span<const Action> actions();
// The popup menu's own rows, which the in-game menu shows as its rows.
inline constexpr int kMenuRows = 13;
std::span<const Action> menu_rows();
const Action& action(std::string_view name);

// The row whose key `qt_key` is when a replay plays (`watching`) or not,
// if any. A key of a row that does not act now is still the program's:
// `taken` says so.
const Action* action_for_key(int qt_key, bool watching, bool* taken = nullptr);
// A key as the menus show it: "F1", "Backspace" ...
QString key_text(int qt_key);
// A row's caption in the language spoken.
QString caption_text(const Action& a);
// A row's caption with its keys after a tab, as a menu shows it.
QString menu_text(const Action& a);
// What the program's own key with this key code of the key table does, in
// words for the key dialog; empty when no row has it.
QString program_key_use(std::uint16_t code);
// The keys and what they do, one line each, for --help; and as a Markdown
// table, as the README shows it.
std::string key_list();
std::string key_table_markdown();

}  // namespace ignivar::app
