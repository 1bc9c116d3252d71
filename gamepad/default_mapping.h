// The mapping a player guesses, by SDL's names of a pad's inputs: d-pad and
// left stick move, the face buttons shoot (X and A the left shoot button, Y
// and B the right one), Start is game A, the right shoulder game B, Back
// the time button. Plain data, for every front end that reads pads.
#pragma once

#include "input/controls.h"

namespace ignivar::gamepad {

struct DefaultRow {
    const char* input;  // SDL's name: a button, or an axis and its direction
    input::Button button;
};

// clang-format off
inline constexpr DefaultRow kDefaultMapping[] = {
    {"dpleft",        input::Button::Left},
    {"dpright",       input::Button::Right},
    {"leftx-",        input::Button::Left},
    {"leftx+",        input::Button::Right},
    {"x",             input::Button::ShootLeft},
    {"a",             input::Button::ShootLeft},
    {"y",             input::Button::ShootRight},
    {"b",             input::Button::ShootRight},
    {"start",         input::Button::GameA},
    {"rightshoulder", input::Button::GameB},
    {"back",          input::Button::Time},
};
// clang-format on

}  // namespace ignivar::gamepad
