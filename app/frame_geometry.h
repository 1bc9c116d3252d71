// Where the painter draws: the frame's size at a zoom, the scale of the
// pictures drawn for the screen's pixels, an item's place in the window,
// and what to repaint when the display changes.
#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <optional>
#include <vector>

#include "skin/frame.h"

namespace ignivar::app {

// How the window shows the frame.
struct View {
    int zoom = 1;     // window pixels per skin pixel
    qreal dpr = 1.0;  // the screen's device pixels per window pixel
    // The windowed layout: the frame starts see-through instead of in the
    // window colour, and pixels of this colour are see-through too.
    std::optional<QRgb> see_through;
    // Under the face where the desktop cannot blend (no compositing): each
    // edge pixel's own colour, opaque, so that no see-through colour fringes it.
    const QImage* base = nullptr;
    // Only this part of the window is painted (what changed); empty: all of it.
    QRegion region;
    // The LCD in a look other than the exact one; null: the exact look.
    const skin::LcdFrame* lcd = nullptr;
};

// The frame's size in window pixels at a zoom: the skin's client area, as
// large as a picture may be.
QSize frame_size(const skin::Skin& skin, int zoom);
// The screen's pixels per skin pixel at a zoom on a desktop scale, as a
// whole number (a fractional one rounded up): the scale of the pictures
// drawn for it.
int device_scale(int zoom, qreal dpr);
// The scale of the picture an item is drawn from: its variant's where
// that is drawn for the screen's pixels at this zoom, else 1.
int drawn_scale(const skin::FrameItem& item, int zoom, const View& view);
// Where an item of the frame is drawn in the window, at a zoom.
QRect item_rect(const skin::FrameItem& item, int zoom);
// All that drawing an item may touch, in window pixels: the size it is
// clipped to, whatever its picture's.
QRect drawn_bounds(const skin::FrameItem& item, int zoom);
// Whether two items draw the same.
bool same_item(const skin::FrameItem& a, const skin::FrameItem& b);
// The part of the window that differs between two frames' items: the
// places of the items drawn in only one of them.
QRegion changed_region(const std::vector<skin::FrameItem>& before, const std::vector<skin::FrameItem>& now, int zoom);
// What to repaint where these places changed, on a desktop scale: the
// places themselves, or the rectangle around them where painting that
// costs less. Each rectangle painted costs as much again as some
// thousands of pixels: many small places packed close together are
// painted sooner as one, the display's changes as they are.
QRegion repaint_region(const QRegion& changed, qreal dpr);

QColor window_colour(std::uint32_t colour);

// The opaque edge colours of a frame rendered see-through: every pixel
// that is at least half covered gets its own colour at full strength.
QImage opaque_edges(const QImage& see_through_frame);

}  // namespace ignivar::app
