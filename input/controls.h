// Routing of key presses, key releases and clicks on the button areas to the
// unit's button handlers, the hints of the button areas, and the creation
// sequence that loads the bindings.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "input/keys.h"
#include "sim/unit.h"

namespace ignivar::input {

// The unit's buttons, in the order of the bindings 1..7, then the set button.
enum class Button : std::uint8_t { GameA, GameB, Time, Left, Right, ShootLeft, ShootRight, Set };
inline constexpr int kButtonCount = 8;

std::string_view button_id(Button b);                 // "game_a", "shoot_left", "set" ...
std::optional<Button> button_from_id(std::string_view id);
std::string_view button_area_name(Button b);          // "btn_game_a_top" ...

// Button areas in the order in which their hints are listed.
inline constexpr std::array<Button, kButtonCount> kHintOrder = {
    Button::GameA, Button::GameB, Button::Time, Button::Set,
    Button::Left, Button::Right, Button::ShootLeft, Button::ShootRight};

enum class MouseButton : std::uint8_t { Left, Right, Middle };

class Controls {
public:
    explicit Controls(Unit& unit) : unit_(unit) {}

    // Main window creation: reads the full-screen flag, reads Key1..Key7 and
    // writes each back with its key code derived, builds the hints, then
    // reads the high scores. Returns the full-screen flag. The main window
    // runs the same steps itself, with the skin load after the first.
    bool create(SettingsStore& store);
    static bool read_fullscreen_flag(SettingsStore& store);
    void load_bindings(SettingsStore& store);

    // After the key dialog's accept: new key indices (1..44) for bindings 1..7.
    void apply_bindings(SettingsStore& store, const std::array<int, kBindingCount>& indices);

    void rebuild_hints();
    const std::string& hint(Button area) const { return hints_[static_cast<int>(area)]; }

    // What the press and release of a button's key do.
    void press(Button b);
    void release(Button b);

    // Key events with their virtual-key code; the shift state plays no part.
    void FormKeyDown(std::uint16_t code);
    void FormKeyUp(std::uint16_t code);

    // Mouse presses and releases on a button area. The window delivers the
    // release to the area that received the press.
    void mouse_down(Button area, MouseButton mb);
    void mouse_up(Button area, MouseButton mb);

    const Bindings& bindings() const { return bindings_; }
    Bindings& bindings() { return bindings_; }

private:
    Unit& unit_;
    Bindings bindings_;
    std::array<std::string, kButtonCount> hints_;
};

}  // namespace ignivar::input
