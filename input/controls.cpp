#include "input/controls.h"

#include <algorithm>
#include <iterator>

#include "sim/pictures.h"

namespace ignivar::input {
namespace {

struct ButtonInfo {
    std::string_view id;
    int area;     // the section of the button area's picture
    Seg pressed;  // its pressed picture (the set button has none)
};

constexpr ButtonInfo kButtons[kButtonCount] = {
    {"game_a", picture_section("btn_game_a_top"), Seg::BtnGameADown},
    {"game_b", picture_section("btn_game_b_top"), Seg::BtnGameBDown},
    {"time", picture_section("btn_time_top"), Seg::BtnTimeDown},
    {"left", picture_section("btn_left_top"), Seg::BtnLeftDown},
    {"right", picture_section("btn_right_top"), Seg::BtnRightDown},
    {"shoot_left", picture_section("btn_shoot_left_top"), Seg::BtnShootLeftDown},
    {"shoot_right", picture_section("btn_shoot_right_top"), Seg::BtnShootRightDown},
    {"set", picture_section("btn_set_top"), Seg::Count},
};
static_assert(std::all_of(std::begin(kButtons), std::end(kButtons), [](const ButtonInfo& b) { return b.area > 0; }));

// What follows the key name in each bound button's hint.
// A button's hint with the key bound to it, and without one.
constexpr const char* kHintWithKey[kBindingCount] = {
    IGNIVAR_TEXT("Hints", "click or press %1 to start game A"), IGNIVAR_TEXT("Hints", "click or press %1 to start game B"),
    IGNIVAR_TEXT("Hints", "click or press %1 to switch mode"),  IGNIVAR_TEXT("Hints", "click or press %1"),
    IGNIVAR_TEXT("Hints", "click or press %1"),                 IGNIVAR_TEXT("Hints", "click or press %1"),
    IGNIVAR_TEXT("Hints", "click or press %1")};
constexpr const char* kHintClickOnly[kBindingCount] = {
    IGNIVAR_TEXT("Hints", "click to start game A"), IGNIVAR_TEXT("Hints", "click to start game B"),
    IGNIVAR_TEXT("Hints", "click to switch mode"),  IGNIVAR_TEXT("Hints", "click"),
    IGNIVAR_TEXT("Hints", "click"),                 IGNIVAR_TEXT("Hints", "click"),
    IGNIVAR_TEXT("Hints", "click")};
constexpr const char* kDisabledHint = IGNIVAR_TEXT("Hints", "button disabled");

}  // namespace

std::string_view button_id(Button b) { return kButtons[static_cast<int>(b)].id; }
std::string_view button_area_name(Button b) { return picture_name(button_area_section(b)); }
int button_area_section(Button b) { return kButtons[static_cast<int>(b)].area; }
Seg pressed_picture(Button b) { return kButtons[static_cast<int>(b)].pressed; }

std::optional<Button> button_from_id(std::string_view id) {
    for (int i = 0; i < kButtonCount; ++i)
        if (kButtons[i].id == id) return static_cast<Button>(i);
    return std::nullopt;
}

bool Controls::create(SettingsStore& store, const std::function<void(bool fullscreen)>& load_skin) {
    const bool fullscreen = store.read_flag(Setting::FullscreenMode, true);
    if (load_skin) load_skin(fullscreen);
    load_bindings(store);
    unit_.load_high_scores();
    unit_.clear_press_latches();
    return fullscreen;
}

void Controls::load_bindings(SettingsStore& store) {
    std::array<int, kBindingCount> indices{};
    for (int n = 1; n <= kBindingCount; ++n)
        indices[n - 1] = store.read_number(key_setting(n), kDefaultKeyIndex[n - 1]);
    // Written back as read (a value that was missing or unreadable as the
    // default).
    apply_bindings(store, indices);
}

void Controls::apply_bindings(SettingsStore& store, const std::array<int, kBindingCount>& indices) {
    SettingsStore::Values values;
    for (int n = 1; n <= kBindingCount; ++n) {
        values.emplace_back(setting_name(key_setting(n)), std::to_string(indices[n - 1]));
        bindings_.AssignWord(n, indices[n - 1]);
    }
    (void)store.write_texts(values);  // the seven keys in one write
    rebuild_hints();
}

void Controls::rebuild_hints() {
    for (int n = 1; n <= kBindingCount; ++n) {
        const KeyEntry* key = key_entry(bindings_.key_index(n));
        // A binding whose stored index names no key can only be clicked.
        hint_texts_[n - 1] = key ? said("Hints", kHintWithKey[n - 1]).with(std::string(key->name))
                                 : said("Hints", kHintClickOnly[n - 1]);
    }
    hint_texts_[static_cast<int>(Button::Set)] = said("Hints", kDisabledHint);
    for (std::size_t i = 0; i < hints_.size(); ++i) hints_[i] = hint_texts_[i].in_english();
}

void Controls::press(Button b) {
    if (observer_ && b != Button::Set) observer_(b, true);
    switch (b) {
        case Button::GameA: unit_.Inp_game_a_down(); break;
        case Button::GameB: unit_.Inp_game_b_down(); break;
        case Button::Time: unit_.Inp_time_down(); break;
        case Button::Left: unit_.Inp_left_down(); break;
        case Button::Right: unit_.Inp_right_down(); break;
        case Button::ShootLeft:
            unit_.display().Vid_Show_Segment(Seg::BtnShootLeftDown, true);
            unit_.Inp_shoot_down();
            break;
        case Button::ShootRight:
            unit_.display().Vid_Show_Segment(Seg::BtnShootRightDown, true);
            unit_.Inp_shoot_down();
            break;
        case Button::Set: break;
    }
}

void Controls::release(Button b) {
    if (observer_ && b != Button::Set) observer_(b, false);
    switch (b) {
        case Button::GameA: unit_.Inp_game_a_up(); break;
        case Button::GameB: unit_.Inp_game_b_up(); break;
        case Button::Time: unit_.Inp_time_up(); break;
        case Button::Left: unit_.Inp_left_up(); break;
        case Button::Right: unit_.Inp_right_up(); break;
        case Button::ShootLeft:
            unit_.display().Vid_Show_Segment(Seg::BtnShootLeftDown, false);
            unit_.clear_button_latch();
            break;
        case Button::ShootRight:
            unit_.display().Vid_Show_Segment(Seg::BtnShootRightDown, false);
            unit_.clear_button_latch();
            break;
        case Button::Set: break;
    }
}

void Controls::FormKeyDown(std::uint16_t code) {
    if (const int b = bindings_.binding_for_code(code)) press(static_cast<Button>(b - 1));
}

void Controls::FormKeyUp(std::uint16_t code) {
    if (const int b = bindings_.binding_for_code(code)) release(static_cast<Button>(b - 1));
}

void Controls::mouse_down(Button area, MouseButton mb) {
    if (mb == MouseButton::Left) press(area);
}

void Controls::mouse_up(Button area, MouseButton mb) {
    if (mb == MouseButton::Left) release(area);
}

}  // namespace ignivar::input
