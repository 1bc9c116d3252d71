// Paints a frame of the face with QPainter: the skin's pictures (converted
// for Qt by PictureImages) in the drawing order of the frame, at a whole
// zoom factor (nearest neighbour, never blurred; a picture's "@<n>x"
// variant where the skin has one for the zoom).
#pragma once

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <vector>

#include "app/frame_geometry.h"
#include "app/picture_images.h"
#include "skin/frame.h"

namespace ignivar::app {

// One drawing of a paint, worked out once and then made in each part of
// the window painted.
struct Stroke;

class FramePainter {
public:
    FramePainter() = default;
    FramePainter(const FramePainter&) = delete;
    FramePainter& operator=(const FramePainter&) = delete;

    // Forgets the converted pictures: call before and after every skin load.
    void reset();
    void paint(QPainter& painter, const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
               const View& view = {});
    // Composes the layers every frame of a large window draws alike (the
    // backdrop, the screen's logo and the unit's case) as one picture, which
    // a paint then copies instead of drawing them: worth its memory only
    // where a frame is too large for the processor's cache, and done apart
    // from a paint (the window asks once its first frame is on the screen),
    // so that no frame waits for it.
    void compose_base(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                      const View& view);
    // The frame as an image of the window's size: premultiplied ARGB in the
    // windowed layout (see-through where the desktop shows), else RGB.
    QImage render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                  const View& view = {});

private:
    // What one paint draws, worked out once for all its parts.
    struct Layers {
        const skin::Skin& skin;
        const std::vector<skin::FrameItem>& items;
        int zoom;
        QRect window;
        const View& view;
    };
    // The strokes of items [from, to), over the base if given (which stands
    // for the items before `from`), else over the window's ground.
    std::vector<Stroke> strokes(const Layers& l, std::size_t from, std::size_t to, const QImage* base);
    // The frame's first items as one picture of the window's size, if it
    // is kept for these items; else null.
    const QImage* composed_base(const Layers& l) const;
    // Whether the backdrop is drawn opaque over the whole window.
    bool backdrop_covers(const std::vector<skin::FrameItem>& items, int zoom, const QRect& window);
    void draw_stretched(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom);
    void draw_screen_logo(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, QSize skin_size);
    void draw_picture(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, const View& view,
                      QSize skin_size);

    PictureImages images_;
    // The backdrop, the screen's logo and the unit's case, which every
    // frame draws alike, composed at the window's size: a repaint is then a
    // copy of it and the few layers above. `base_of_` is what it was
    // composed from.
    struct Layering {
        std::vector<skin::FrameItem> items;
        int zoom = 0;
        QSize size;
    };
    QImage base_;
    Layering base_of_;
};

}  // namespace ignivar::app
