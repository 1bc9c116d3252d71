// Painting a frame of the face at the window's zoom, see-through where the layout is.
#include "app/frame_painter.h"

#include <algorithm>
#include <cmath>

namespace ignivar::app {

// A picture's part drawn into the window, or a fill where `image` is null.
struct Stroke {
    const QImage* image = nullptr;
    QRect target;  // in window pixels
    QRect source;  // in the picture's pixels
    bool scaled = false;  // source and target differ in size
    bool smooth = false;
    QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
    QColor colour;
    QRect reach;  // all it may touch: left out of parts it does not meet; null: none left out
    // A large see-through picture drawn pixel for pixel: a part of the
    // window that it only partly covers draws it only where it shows.
    bool sparse = false;
    qreal opacity = 1.0;
};

namespace {

Stroke drawing(const QImage* image, const QRect& target, const QRect& source, QPainter::CompositionMode mode,
               const QRect& reach = {}) {
    Stroke s;
    s.image = image, s.target = target, s.source = source, s.mode = mode, s.reach = reach;
    return s;
}

}  // namespace

void FramePainter::reset() {
    images_.reset();
    base_ = QImage();
    base_of_ = {};
}

bool FramePainter::backdrop_covers(const std::vector<skin::FrameItem>& items, int zoom, const QRect& window) {
    // A stretched backdrop fills the client area, opaque: the window colour
    // would show nowhere.
    if (items.empty() || !items.front().stretch || items.front().picture->empty()) return false;
    const skin::FrameItem& b = items.front();
    return QRect(b.x * zoom, b.y * zoom, b.clip_w * zoom, b.clip_h * zoom).contains(window) &&
           !images_.stretched(b.picture, b.clip_w * zoom, b.clip_h * zoom).isNull();
}

namespace {

// How many of the frame's first items every frame draws alike: the
// backdrop, the screen's logo and then the unit's case. Only for a frame
// too large for the processor's cache (a screen beyond 2560 x 1440), where
// drawing them layer by layer goes through memory once for each; a smaller
// one is not worth its memory. None where the desktop shows through (the
// windowed layout), or at a desktop scale, where the window's pixels are
// not the frame's.
std::size_t base_layers(const std::vector<skin::FrameItem>& items, const View& view, const QRect& window) {
    constexpr double kLargeFrameBytes = 16.0 * 1024 * 1024;
    if (view.see_through || view.base || view.dpr != 1.0 ||
        4.0 * window.width() * window.height() <= kLargeFrameBytes)
        return 0;
    std::size_t n = 0;
    while (n < items.size() && (items[n].stretch || items[n].screen_logo)) ++n;
    return n < items.size() ? n + 1 : 0;
}

using Strokes = std::vector<Stroke>;

// Makes the strokes that meet `area`, inside it. A picture drawn pixel for
// pixel is cut to the area where the window's pixels are whole screen
// pixels; anything else is left to the clip. The clip is the area's alone
// (the painter's own may be many rectangles, which makes every drawing
// take the slow way).
void make(QPainter& p, const Strokes& strokes, const QRect& area, bool whole_pixels, PictureImages& images) {
    std::vector<QRect> shown;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (const Stroke& s : strokes) {
        if (!s.reach.isNull() && !s.reach.intersects(area)) continue;
        p.setCompositionMode(s.mode);
        p.setOpacity(s.opacity);
        if (!s.image) {
            p.fillRect(s.target.intersected(area), s.colour);
        } else if (s.scaled) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, s.smooth);
            p.drawImage(s.target, *s.image, s.source);
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        } else if (whole_pixels && s.image->devicePixelRatio() == 1.0) {
            const QPoint to_source = s.source.topLeft() - s.target.topLeft();
            const QRect part = s.target.intersected(area);
            if (part.isEmpty()) continue;
            const PictureImages::Runs* runs = s.sparse && part != s.target ? images.runs(*s.image) : nullptr;
            if (!runs) {
                p.drawImage(part.topLeft(), *s.image, part.translated(to_source));
                continue;
            }
            runs->shown_within(part.translated(to_source), shown);
            for (const QRect& r : shown) p.drawImage(r.topLeft() - to_source, *s.image, r);
        } else {
            p.drawImage(s.target.topLeft(), *s.image, s.source);
        }
    }
    p.restore();
}

// Paints the areas (which never overlap) one after the other.
void make_all(QPainter& p, const Strokes& strokes, const std::vector<QRect>& areas, qreal dpr, PictureImages& images) {
    const bool whole_pixels = dpr == std::round(dpr);
    for (const QRect& a : areas) make(p, strokes, a, whole_pixels, images);
}

}  // namespace

void FramePainter::draw_stretched(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom) {
    if (item.clip_w <= 0 || item.clip_h <= 0) return;
    const QPoint at(item.x * zoom, item.y * zoom);
    const QImage& back = images_.stretched(item.picture, item.clip_w * zoom, item.clip_h * zoom);
    out.push_back(drawing(&back, QRect(at, back.size()), back.rect(), QPainter::CompositionMode_Source));
}

void FramePainter::draw_screen_logo(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom,
                                    QSize skin_size) {
    // Decoration of the screen, not of the unit: its own size, in the corner
    // it was put in.
    const QImage& logo = images_.image(item.picture, true, std::nullopt);
    const int x = item.x + logo.width() >= skin_size.width() ? skin_size.width() * zoom - logo.width() : item.x * zoom;
    const int y = item.y + logo.height() >= skin_size.height() ? skin_size.height() * zoom - logo.height() : item.y * zoom;
    out.push_back(drawing(&logo, QRect(QPoint(x, y), logo.size()), logo.rect(), QPainter::CompositionMode_SourceOver));
}

void FramePainter::draw_picture(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom, const View& view,
                                QSize skin_size) {
    // A variant drawn for the screen's pixels at this zoom is used pixel for
    // pixel (or smoothly brought down to a fractional desktop scale);
    // otherwise the picture is scaled by the whole factor.
    const int s = drawn_scale(item, zoom, view);
    const bool hires = s > 1;
    const QImage& img = images_.image(hires ? item.hires : item.picture, item.transparent, view.see_through);
    // Only the part inside the client area, worked out in 64 bits (in skin
    // pixels): a skin may place a picture anywhere in 32 bits.
    const long long x0 = item.x, y0 = item.y;
    long long x1 = std::min<long long>(x0 + std::min<long long>(item.clip_w, img.width() / s), skin_size.width());
    long long y1 = std::min<long long>(y0 + std::min<long long>(item.clip_h, img.height() / s), skin_size.height());
    long long vx = std::max(0LL, x0), vy = std::max(0LL, y0);
    if (item.transparent) {
        // Nothing to draw where the picture is wholly see-through.
        const QRect c = images_.content(item.picture);
        vx = std::max(vx, x0 + c.left()), vy = std::max(vy, y0 + c.top());
        x1 = std::min(x1, x0 + c.left() + c.width()), y1 = std::min(y1, y0 + c.top() + c.height());
    }
    if (vx >= x1 || vy >= y1) return;
    const QPainter::CompositionMode mode = item.transparent || view.see_through || item.opacity < 255
                                               ? QPainter::CompositionMode_SourceOver
                                               : QPainter::CompositionMode_Source;
    const QRect reach = drawn_bounds(item, zoom);
    const QRect target(static_cast<int>(vx) * zoom, static_cast<int>(vy) * zoom, static_cast<int>(x1 - vx) * zoom,
                       static_cast<int>(y1 - vy) * zoom);
    if (hires || zoom == 1) {
        const QRect source(static_cast<int>(vx - x0) * s, static_cast<int>(vy - y0) * s, static_cast<int>(x1 - vx) * s,
                           static_cast<int>(y1 - vy) * s);
        const bool fractional = hires && std::abs(zoom * view.dpr - s) > 0.01;
        Stroke d = drawing(&img, target, source, mode, reach);
        d.scaled = s != zoom, d.smooth = fractional;
        d.sparse = mode == QPainter::CompositionMode_SourceOver && !d.scaled;
        d.opacity = item.opacity / 255.0;
        out.push_back(d);
        return;
    }
    // Scaled once per zoom, pixel for pixel; then every frame is a plain blit.
    const QImage& big = images_.scaled(item.picture, img, zoom);
    const QRect source(static_cast<int>(vx - x0) * zoom, static_cast<int>(vy - y0) * zoom,
                       static_cast<int>(x1 - vx) * zoom, static_cast<int>(y1 - vy) * zoom);
    if (!big.isNull()) {
        Stroke d = drawing(&big, target, source, mode, reach);
        d.sparse = mode == QPainter::CompositionMode_SourceOver;
        d.opacity = item.opacity / 255.0;
        return out.push_back(d);
    }
    Stroke d = drawing(&img, target, QRect(source.topLeft() / zoom, source.size() / zoom), mode, reach);
    d.scaled = true;
    d.opacity = item.opacity / 255.0;
    out.push_back(d);
}

std::vector<Stroke> FramePainter::strokes(const Layers& l, std::size_t from, std::size_t to, const QImage* base) {
    const View& view = l.view;
    std::vector<Stroke> out;
    constexpr auto copy = QPainter::CompositionMode_Source;
    const auto ground = [&](const QColor& c) {
        Stroke fill = drawing(nullptr, l.window, {}, copy);
        fill.colour = c;
        out.push_back(fill);
    };
    if (base) out.push_back(drawing(base, l.window, l.window, copy));
    else if (view.base) out.push_back(drawing(view.base, view.base->rect(), view.base->rect(), copy));
    else if (view.see_through) ground(Qt::transparent);
    else if (!backdrop_covers(l.items, l.zoom, l.window)) ground(window_colour(l.skin.colour));
    const QSize skin_size = frame_size(l.skin, 1);
    // Only what may touch the part painted (a changed place: a few items of a hundred).
    const QRect part = view.region.isEmpty() ? l.window : view.region.boundingRect();
    for (std::size_t i = from; i < to; ++i) {
        const skin::FrameItem& item = l.items[i];
        if (item.picture->empty() || !(item.screen_logo || drawn_bounds(item, l.zoom).intersects(part))) continue;
        if (item.stretch) draw_stretched(out, item, l.zoom);
        else if (item.screen_logo && l.zoom > 1) draw_screen_logo(out, item, l.zoom, skin_size);
        else draw_picture(out, item, l.zoom, view, skin_size);
    }
    return out;
}

const QImage* FramePainter::composed_base(const Layers& l) const {
    const std::size_t n = base_layers(l.items, l.view, l.window);
    const bool kept = n > 0 && !base_.isNull() && base_of_.zoom == l.zoom && base_of_.size == l.window.size() &&
                      base_of_.items.size() == n &&
                      std::equal(base_of_.items.begin(), base_of_.items.end(), l.items.begin(), same_item);
    return kept ? &base_ : nullptr;
}

void FramePainter::compose_base(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                                const View& view) {
    const int zoom = std::max(1, view.zoom);
    const QRect window(QPoint(0, 0), frame_size(skin, zoom));
    const std::vector<skin::FrameItem> items = skin::frame_items(skin, display, game_menu, view.lcd);
    View whole = view;
    whole.region = QRegion();
    const Layers l{skin, items, zoom, window, whole};
    if (composed_base(l)) return;
    base_ = QImage();  // of other layers or another size: no use any more
    const std::size_t n = base_layers(items, view, window);
    if (n == 0) return;
    base_ = QImage(window.size(), QImage::Format_RGB32);
    if (base_.isNull()) return;  // no memory to spare: painted in layers, as before
    QPainter bp(&base_);
    bp.setRenderHint(QPainter::SmoothPixmapTransform, false);
    make_all(bp, strokes(l, 0, n, nullptr), {window}, 1.0, images_);
    bp.end();
    base_of_ = {{items.begin(), items.begin() + static_cast<std::ptrdiff_t>(n)}, zoom, window.size()};
}

void FramePainter::paint(QPainter& p, const skin::Skin& skin, const Display& display,
                         const skin::GameMenuLook& game_menu, const View& view) {
    const int zoom = std::max(1, view.zoom);
    const QRect window(QPoint(0, 0), frame_size(skin, zoom));
    const std::vector<skin::FrameItem> items = skin::frame_items(skin, display, game_menu, view.lcd);
    const Layers l{skin, items, zoom, window, view};
    const QImage* base = composed_base(l);
    const std::size_t from = base ? base_of_.items.size() : 0;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);  // whole factors, pixel for pixel
    // Painted a rectangle at a time, each clipped to no more than itself
    // (far quicker than one clip of many rectangles): what changed (a
    // region's rectangles never overlap), or the whole window. At a
    // fractional desktop scale, where the rectangles' edges fall between
    // the screen's pixels, what changed is one clip.
    const bool whole_pixels = view.dpr == std::round(view.dpr);
    std::vector<QRect> areas;
    if (!view.region.isEmpty() && !whole_pixels) {
        p.setClipRegion(view.region, Qt::IntersectClip);
        areas.push_back(view.region.boundingRect().intersected(window));
    } else if (!view.region.isEmpty()) {
        for (const QRect& r : view.region)
            if (const QRect a = r.intersected(window); !a.isEmpty()) areas.push_back(a);
    } else {
        areas.push_back(window);
    }
    make_all(p, strokes(l, from, items.size(), base), areas, view.dpr, images_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(1.0);
}

QImage FramePainter::render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                            const View& view) {
    QImage out(frame_size(skin, view.zoom), view.see_through ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QPainter p(&out);
    paint(p, skin, display, game_menu, view);
    return out;
}

}  // namespace ignivar::app
