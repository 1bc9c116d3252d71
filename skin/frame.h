// What one frame of the main window shows: the skin's pictures for the
// display model's state, in drawing order, and a plain compositor for them.
#pragma once

#include <vector>

#include "sim/display.h"
#include "skin/lcd_look.h"
#include "skin/skin.h"

namespace ignivar::skin {

struct FrameItem {
    const Picture* picture = nullptr;
    int x = 0, y = 0;           // top-left corner
    int clip_w = 0, clip_h = 0;  // drawn unscaled and clipped to this size
    bool transparent = false;
    bool stretch = false;       // scaled to clip_w x clip_h instead (the backdrop)
    const Picture* hires = nullptr;  // the same picture drawn at `hires_scale` times the size, if the skin has it
    int hires_scale = 0;
    bool screen_logo = false;  // the full screen's logo: kept at its size in its corner when zoomed
    std::uint8_t opacity = 255;  // drawn at this strength (a segment fading, an unlit one, a shadow)
};

// The in-game menu's background as the window shows it: the picture and the
// folded or unfolded size it is clipped to.
struct GameMenuLook {
    const Picture* picture = nullptr;
    int width = 0, height = 0;
};
// The folded menu of a freshly loaded skin.
GameMenuLook folded_game_menu(const Skin& skin, const Picture* picture);

// The pictures to draw, back to front. The in-game menu's background is
// drawn in full screen only. `lcd`: the LCD in a look other than the exact
// one (segments fading, shadows, unlit segments at a strength).
std::vector<FrameItem> frame_items(const Skin& skin, const Display& display, const GameMenuLook& game_menu,
                                   const LcdFrame* lcd = nullptr);


// The window colour ($00BBGGRR) as RGBA bytes.
void colour_rgba(std::uint32_t colour, std::uint8_t out[4]);

// A picture brought to another size, each pixel the mean of the part of
// the picture it covers (the backdrop stretched over the screen).
Picture stretch(const Picture& picture, int width, int height);

// Draws a frame into a picture of the client area's size, filled with the
// window colour first.
Picture render_frame(const Skin& skin, const Display& display, const GameMenuLook& game_menu,
                     const LcdFrame* lcd = nullptr);

}  // namespace ignivar::skin
