// The face composed in memory, at a whole scale, opaque (XRGB8888): for
// front ends without a window toolkit (the libretro core, the clip
// exporter). Pictures are converted once per skin and scale (an "@<n>x"
// variant where the skin has one, else enlarged pixel for pixel), and after
// the first frame only the places whose pictures changed are drawn again.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "skin/frame.h"

namespace ignivar::skin {

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;
    bool empty() const { return w <= 0 || h <= 0; }
    Rect intersected(const Rect& o) const;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// The LCD: every segment's and digit cell's place, with `glass` pixels
// around them, within the unit (in the skin's pixels).
Rect lcd_rect(const Skin& skin, int glass = 4);

class Compositor {
public:
    // `background` (0xRRGGBB) shows where the face is see-through and the
    // skin has no colour of its own there (a windowed skin).
    Compositor(const Skin& skin, int scale, std::uint32_t background = 0);

    // Brings the frame up to the display: all of it the first time, then
    // only where something changed. Returns the rectangles drawn, in pixels
    // of the frame (empty when nothing changed).
    // `lcd`: the LCD in a look other than the exact one.
    const std::vector<Rect>& update(const Display& display, const GameMenuLook& menu = {},
                                    const LcdFrame* lcd = nullptr);
    // The next update draws everything.
    void invalidate() { whole_ = true; }

    int width() const { return width_; }
    int height() const { return height_; }
    int scale() const { return scale_; }
    // Rows of `width()` pixels, 0xFFRRGGBB.
    const std::uint32_t* pixels() const { return frame_.data(); }
    // A part of the frame as a picture of its own (RGBA).
    Picture picture(const Rect& part) const;

private:
    struct Converted {
        std::vector<std::uint32_t> argb;  // premultiplied
        int width = 0, height = 0;
        bool opaque = true;
    };
    struct Placed {
        const Converted* image;
        Rect at;     // in frame pixels, clipped to the frame and the item's size
        int sx, sy;  // the pixel of the image at the top left of `at`
        std::uint32_t opacity = 255;
        friend bool operator==(const Placed& a, const Placed& b) {
            return a.image == b.image && a.at == b.at && a.sx == b.sx && a.sy == b.sy && a.opacity == b.opacity;
        }
    };

    const Converted& converted(const FrameItem& item);
    const Converted& stretched(const Picture& p);
    std::vector<Placed> place(const Display& display, const GameMenuLook& menu, const LcdFrame* lcd);
    void draw(const Rect& area, const std::vector<Placed>& items);

    const Skin& skin_;
    int scale_;
    int width_, height_;
    std::uint32_t fill_;
    std::vector<std::uint32_t> frame_;
    std::unordered_map<const Picture*, Converted> pictures_;
    Converted stretched_;
    std::vector<Placed> shown_;
    std::vector<Rect> drawn_;
    bool whole_ = true;
};

}  // namespace ignivar::skin
