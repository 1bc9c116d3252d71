// Gamepads as the unit's buttons: SDL's game controller layer (with the
// community's controller mappings built into SDL) reads the pads, a
// mapping says which pad input works which unit button, and presses and
// releases go out exactly as a key's would. Pads plugged in or pulled out
// while the program runs are picked up and dropped; a stick has a dead
// zone and hysteresis, so it never chatters. Plain C++ on SDL.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "input/controls.h"

namespace ignivar::gamepad {

// One input of a pad: a button, or one direction of an axis.
struct PadInput {
    enum class Kind { Button, AxisMinus, AxisPlus };
    Kind kind = Kind::Button;
    int index = 0;  // an SDL_GameControllerButton or SDL_GameControllerAxis
    auto operator<=>(const PadInput&) const = default;
};

struct Mapping {
    bool enabled = true;
    bool rumble = true;
    std::map<PadInput, input::Button> inputs;
};

// The mapping a player guesses (gamepad/default_mapping.h).
Mapping default_mapping();
// The mapping file's text for the defaults, with its explanation.
std::string default_mapping_text();
// Reads a mapping file's text. Lines "input = unit button" replace the
// defaults as a whole once one is given; "enabled" and "rumble" take yes or
// no. What cannot be understood is told to `problems` and skipped.
Mapping parse_mapping(std::string_view text, Report& problems);
// Reads the mapping file (a regular file of at most kMaxMappingFile bytes;
// a link to one is followed). When there is nothing at all in its place it
// is made with the defaults; anything else there is told and left alone.
inline constexpr std::uint64_t kMaxMappingFile = 64 * 1024;
Mapping load_mapping_file(const std::string& file, Report& problems);

// Why no pad can be read at all (SDL cannot be opened); empty when pads
// can be. Without SDL no input name of a mapping is known either.
std::string unreadable_reason();

// Where a stick direction counts as pressed, and where as released again.
inline constexpr int kStickPress = 16384;   // half way
inline constexpr int kStickRelease = 8192;  // a quarter of the way

class Gamepads {
public:
    using Route = std::function<void(input::Button, bool pressed)>;

    Gamepads(Mapping mapping, Route route);
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's game controller layer; fails (with the reason) when it
    // cannot, or when gamepads are switched off.
    Status start();
    // Handles everything the pads did since the last call.
    void poll();
    // Pads open now.
    int connected() const { return static_cast<int>(pads_.size()); }
    // Shakes every pad that can, for `ms` milliseconds.
    void rumble(int ms, double strength);

private:
    struct Pad;
    void open(int device_index);
    void close(int instance_id);
    void input_changed(Pad& pad, PadInput in, bool down);

    Mapping mapping_;
    Route route_;
    bool started_ = false;
    std::vector<Pad*> pads_;
};

}  // namespace ignivar::gamepad
