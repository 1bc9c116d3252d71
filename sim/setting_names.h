// The names of the values in the settings store: one row per value, so
// that no other file spells a value's name.
#pragma once

#include <array>
#include <string_view>

namespace ignivar {

enum class Setting : int {
    FullscreenMode, SplashScreen, SoundMode,
    Key1, Key2, Key3, Key4, Key5, Key6, Key7,
    HiScore1, HiScore2,
    // The desktop's side of the window, kept only once the player chose them.
    Zoom, FullscreenZoom, WindowX, WindowY,
    // Keeping games: pause when the window loses the keyboard, and bring a
    // game closed mid-way back at the next start.
    PauseOnFocusLoss, ResumeGame,
    // The player's own sound control, beside the unit's: a volume in
    // percent and a mute.
    Volume, Mute,
    // How the LCD looks: "Exact" or "Real", and the strength of unlit
    // segments in percent (-1: as the skin's face shows them).
    LcdLook, LcdUnlit,
    // The high-contrast look for low vision: 1 on, 0 off.
    LcdContrast,
    // Sounds follow the flames, each panned to its lane: 1 on, 0 off.
    PannedSounds,
    // The language the program speaks: one of its languages' codes ("de"),
    // or absent or empty for the desktop's.
    Language,
    Count
};

inline constexpr std::array<std::string_view, static_cast<int>(Setting::Count)> kSettingNames = {
    "FullscreenMode",
    "SplashScreen",
    "SoundMode",
    "Key1",
    "Key2",
    "Key3",
    "Key4",
    "Key5",
    "Key6",
    "Key7",
    "HiScore1",
    "HiScore2",
    "Zoom",
    "FullscreenZoom",
    "WindowX",
    "WindowY",
    "PauseOnFocusLoss",
    "ResumeGame",
    "Volume",
    "Mute",
    "LcdLook",
    "LcdUnlit",
    "LcdContrast",
    "PannedSounds",
    "Language",
};

constexpr std::string_view setting_name(Setting s) { return kSettingNames[static_cast<int>(s)]; }

// The value that holds key binding 1..7.
constexpr Setting key_setting(int binding) {
    return static_cast<Setting>(static_cast<int>(Setting::Key1) + binding - 1);
}

}  // namespace ignivar
