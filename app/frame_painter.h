// Paints a frame of the face with QPainter: the skin's pictures as QImages
// (converted once per skin load, up to a bound), in the drawing order of
// the frame, at a whole zoom factor (nearest neighbour, never blurred; a
// picture's "@<n>x" variant where the skin has one for the zoom).
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <future>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
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
    // Leave out the backdrop where the unit's case covers it wholly (the
    // frame is the same; off only to check just that).
    bool cull_backdrop = true;
    // Keep the layers every frame draws alike composed as one picture,
    // paint a large window in bands, on two threads, and draw a large
    // see-through picture only where it is not wholly see-through (the
    // frame is the same; off only to check just that).
    bool compose = true;
    // Only this part of the window is painted (what changed); empty: all of it.
    QRegion region;
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
// The part of the window that differs between two frames' items: the
// places of the items drawn in only one of them.
QRegion changed_region(const std::vector<skin::FrameItem>& before, const std::vector<skin::FrameItem>& now, int zoom);
// What to repaint where these places changed, on a desktop scale: the
// places themselves, or the rectangle around them where painting that
// costs less. Each rectangle painted costs as much again as some
// thousands of pixels: many small places packed close together are
// painted sooner as one, the display's changes as they are.
QRegion repaint_region(const QRegion& changed, qreal dpr);

// One drawing of a paint, worked out once and then made in each part of
// the window painted.
struct Stroke;

class FramePainter {
public:
    FramePainter() = default;
    FramePainter(const FramePainter&) = delete;
    FramePainter& operator=(const FramePainter&) = delete;
    ~FramePainter();

    // Forgets the converted pictures: call before and after every skin load.
    void reset();
    // Converts the pictures of a frame of `display` on another thread, from
    // now until the next paint, which takes them: the window shows its first
    // frame sooner. `skin` must stay as it is until then.
    void warm_up(const skin::Skin& skin, const Display& display, const View& view);
    void paint(QPainter& painter, const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
               const View& view = {});
    // The frame as an image of the window's size: premultiplied ARGB in the
    // windowed layout (see-through where the desktop shows), else RGB.
    QImage render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                  const View& view = {});

private:
    // What one paint draws, worked out once for all its bands.
    struct Layers {
        const skin::Skin& skin;
        const std::vector<skin::FrameItem>& items;
        int zoom;
        QRect window;
        const View& view;
        QRect hidden;  // the backdrop's part under the case
    };
    // The strokes of items [from, to), over the base if given (which stands
    // for the items before `from`), else over the window's ground.
    std::vector<Stroke> strokes(const Layers& l, std::size_t from, std::size_t to, const QImage* base);
    // The frame's first items as one picture of the window's size, if it
    // is kept for these items (made on their second whole paint); else null.
    const QImage* composed_base(const Layers& l, bool whole);
    const QImage& image(const skin::Picture* picture, bool transparent, std::optional<QRgb> key);
    const QImage& stretched(const skin::Picture* picture, int w, int h);
    // `image` scaled by the zoom, pixel for pixel; a null image once the
    // copies have reached their bound.
    const QImage& scaled(const skin::Picture* picture, const QImage& image, int zoom);
    // The part of a picture that is not wholly see-through, in its pixels.
    QRect content(const skin::Picture* picture);
    // A rectangle of it that is wholly opaque (possibly empty).
    QRect core(const skin::Picture* picture);
    // The same rectangle of a variant `scale` times the size, if it is
    // wholly opaque there too; else empty.
    QRect variant_core(const skin::Picture* variant, const QRect& core, int scale);
    // Where the unit's case hides the backdrop wholly, in window pixels.
    QRect hidden_by_case(const std::vector<skin::FrameItem>& items, int zoom, const View& view);
    // Whether the backdrop is drawn opaque over the whole window.
    bool backdrop_covers(const std::vector<skin::FrameItem>& items, int zoom, const QRect& window);
    void draw_stretched(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, const QRect& hidden);
    void draw_screen_logo(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, QSize skin_size);
    void draw_picture(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, const View& view,
                      QSize skin_size);
    // A large see-through picture (the glass over the display) is mostly
    // wholly see-through: split into the blocks of it that are not, it is
    // not read at all where it leaves the frame as it is. `split` off: the
    // stroke whole (its blocks found all the same, for the paints to come).
    void push_shown(std::vector<Stroke>& out, const Stroke& stroke, bool split);
    // The rectangles of 64 x 64 blocks that cover every pixel of an image
    // that is not wholly see-through.
    const std::vector<QRect>& shown_blocks(const QImage& image);

    struct Key {
        const skin::Picture* picture;
        bool transparent;
        bool keyed;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<const void*>()(k.picture) ^ (k.transparent ? 1 : 0) ^ (k.keyed ? 2 : 0);
        }
    };
    // Converted copies of the pictures are kept to this many bytes in all.
    static constexpr std::size_t kMaxCopiedBytes = 256u * 1024 * 1024;
    std::unordered_map<Key, QImage, KeyHash> cache_;
    std::map<std::pair<const skin::Picture*, int>, QImage> scaled_;
    std::unordered_map<const skin::Picture*, QRect> content_;
    std::unordered_map<const skin::Picture*, QRect> core_;
    std::unordered_map<const QImage*, std::vector<QRect>> blocks_;
    std::size_t copied_bytes_ = 0;
    QImage stretched_;
    const skin::Picture* stretched_source_ = nullptr;
    // The backdrop, the screen's logo and the unit's case, which every
    // frame draws alike, composed at the window's size: a whole repaint is
    // then one copy of it and the few layers above. `base_of_` is what it
    // was composed from; `wanted_` what the last whole paint drew first.
    struct Layering {
        std::vector<skin::FrameItem> items;
        int zoom = 0;
        QSize size;
    };
    QImage base_;
    Layering base_of_, wanted_;
    // A painter that has drawn the frame once, off this thread.
    std::future<std::unique_ptr<FramePainter>> warming_;
    void take_warmed();
};

QColor window_colour(std::uint32_t colour);

// The opaque edge colours of a frame rendered see-through: every pixel
// that is at least half covered gets its own colour at full strength.
QImage opaque_edges(const QImage& see_through_frame);

}  // namespace ignivar::app
