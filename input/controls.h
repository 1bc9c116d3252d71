// Routing of key presses, key releases and clicks on the button areas to the
// unit's button handlers, the hints of the button areas, and the creation
// sequence that loads the bindings.
#pragma once

#include "base/text.h"

#include <array>
#include <cstdint>
#include <functional>
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
int button_area_section(Button b);                    // its picture's section, 1..100
Seg pressed_picture(Button b);                        // btn_game_a_down ...; Seg::Count for the set button

// Button areas in the order in which their hints are listed.
inline constexpr std::array<Button, kButtonCount> kHintOrder = {
    Button::GameA, Button::GameB, Button::Time, Button::Set,
    Button::Left, Button::Right, Button::ShootLeft, Button::ShootRight};

enum class MouseButton : std::uint8_t { Left, Right, Middle };

class Controls {
public:
    explicit Controls(Unit& unit) : unit_(unit) {}

    // The main window's creation, after the segment tables: reads the
    // full-screen flag, runs `load_skin` with it (the window loads its skin
    // there; the headless driver has none), loads the bindings (each value
    // written back, its key code derived) and builds the hints, reads the
    // high scores and clears the press latches. Returns the full-screen flag.
    bool create(SettingsStore& store, const std::function<void(bool fullscreen)>& load_skin = {});
    void load_bindings(SettingsStore& store);

    // After the key dialog's accept: new key indices (1..44) for bindings 1..7.
    void apply_bindings(SettingsStore& store, const std::array<int, kBindingCount>& indices);

    void rebuild_hints();
    const std::string& hint(Button area) const { return hints_[static_cast<int>(area)]; }
    // The same, as words to translate.
    const Text& hint_text(Button area) const { return hint_texts_[static_cast<int>(area)]; }

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

    // Told of every press and release of a button that reaches the unit,
    // by key, mouse or pad (a recording keeps them).
    void set_observer(std::function<void(Button, bool pressed)> f) { observer_ = std::move(f); }

private:
    Unit& unit_;
    std::function<void(Button, bool)> observer_;
    Bindings bindings_;
    std::array<std::string, kButtonCount> hints_;
    std::array<Text, kButtonCount> hint_texts_;
};

}  // namespace ignivar::input
