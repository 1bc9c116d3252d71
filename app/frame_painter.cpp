// Painting a frame of the face at the window's zoom, see-through where the layout is.
#include "app/frame_painter.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <thread>
#include <utility>

#include <QPaintEngine>

#include "skin/pixel_memory.h"

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
};

namespace {

Stroke drawing(const QImage* image, const QRect& target, const QRect& source, QPainter::CompositionMode mode,
               const QRect& reach = {}) {
    Stroke s;
    s.image = image, s.target = target, s.source = source, s.mode = mode, s.reach = reach;
    return s;
}

}  // namespace

QColor window_colour(std::uint32_t colour) {
    std::uint8_t rgba[4];
    skin::colour_rgba(colour, rgba);
    return QColor(rgba[0], rgba[1], rgba[2]);
}

FramePainter::~FramePainter() {
    if (warming_.valid()) warming_.wait();
}

void FramePainter::warm_up(const skin::Skin& skin, const Display& display, const View& view) {
    reset();
    View plain = view;
    plain.base = nullptr;  // the window's own, not to be read from another thread; not kept either
    plain.region = QRegion();
    plain.compose = false;  // nothing is drawn: neither bands nor a composed picture
    try {
        warming_ = std::async(std::launch::async, [&skin, display, plain] {
            auto warm = std::make_unique<FramePainter>();
            // Painting the frame makes its pictures ready; the pixels are not
            // wanted, so they are drawn into one, clipped away.
            QImage scratch(1, 1, QImage::Format_RGB32);
            QPainter p(&scratch);
            warm->paint(p, skin, display, {}, plain);
            return warm;
        });
    } catch (const std::system_error&) {
        // No thread to spare: the first paint converts the pictures itself.
    }
}

void FramePainter::take_warmed() {
    if (!warming_.valid()) return;
    std::unique_ptr<FramePainter> warm = warming_.get();
    cache_ = std::move(warm->cache_);
    scaled_ = std::move(warm->scaled_);
    content_ = std::move(warm->content_);
    core_ = std::move(warm->core_);
    copied_bytes_ = warm->copied_bytes_;
    stretched_ = std::move(warm->stretched_);
    stretched_source_ = warm->stretched_source_;
    blocks_ = std::move(warm->blocks_);
}

void FramePainter::reset() {
    if (warming_.valid()) warming_.wait();
    warming_ = {};
    cache_.clear();
    scaled_.clear();
    content_.clear();
    core_.clear();
    copied_bytes_ = 0;
    stretched_ = QImage();
    stretched_source_ = nullptr;
    blocks_.clear();
    base_ = QImage();
    base_of_ = wanted_ = {};
}

const QImage& FramePainter::image(const skin::Picture* picture, bool transparent, std::optional<QRgb> key) {
    const Key cache_key{picture, transparent, key.has_value()};
    auto it = cache_.find(cache_key);
    if (it != cache_.end()) return it->second;
    // The skin's own pixels; opaque ones have had their alpha set to 255.
    const bool premultiplied = picture->form == skin::PixelForm::PremultipliedArgb;
    const QImage wrapped(picture->rgba.data(), picture->width, picture->height, picture->width * 4,
                         premultiplied ? (transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
                                       : (transparent ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888));
    // Already in the form that blends fastest: drawn as they are.
    if (premultiplied && !key) return cache_.emplace(cache_key, wrapped).first->second;
    const std::size_t bytes = picture->rgba.size();
    if (key) {
        // The see-through colour is see-through wherever a picture has it.
        QImage keyed = wrapped.convertToFormat(QImage::Format_ARGB32);
        const QRgb k = *key & 0xFFFFFF;
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((line[x] & 0xFFFFFF) == k) line[x] = 0;
        }
        copied_bytes_ += bytes;
        return cache_.emplace(cache_key, keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied)).first->second;
    }
    // A copy in the form that blends fastest, while the copies stay small
    // next to the skin; past that the skin's pixels are drawn as they are,
    // so that a huge skin is not held in memory twice.
    if (copied_bytes_ + bytes <= kMaxCopiedBytes) {
        copied_bytes_ += bytes;
        return cache_
            .emplace(cache_key, wrapped.convertToFormat(transparent ? QImage::Format_ARGB32_Premultiplied
                                                                    : QImage::Format_RGB32))
            .first->second;
    }
    return cache_.emplace(cache_key, wrapped).first->second;
}

QRect FramePainter::core(const skin::Picture* picture) {
    if (const auto it = core_.find(picture); it != core_.end()) return it->second;
    // The content's rectangle, inset until nothing in it is see-through at
    // all (a rounded case loses its corners).
    const int a = skin::alpha_index(*picture);
    const auto opaque = [&](const QRect& r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (picture->pixel(x, y)[a] != 255) return false;
        return true;
    };
    const QRect c = content(picture);
    QRect found;
    for (int d = 0; d <= 64 && found.isNull(); d += 4) {
        const QRect r = c.adjusted(d, d, -d, -d);
        if (r.width() <= 0 || r.height() <= 0) break;
        if (opaque(r)) found = r;
    }
    return core_.emplace(picture, found).first->second;
}

QRect FramePainter::content(const skin::Picture* picture) {
    if (const auto it = content_.find(picture); it != content_.end()) return it->second;
    int left = picture->width, top = picture->height, right = -1, bottom = -1;
    const int a = skin::alpha_index(*picture);
    for (int y = 0; y < picture->height; ++y)
        for (int x = 0; x < picture->width; ++x)
            if (picture->pixel(x, y)[a] != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const QRect r = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    return content_.emplace(picture, r).first->second;
}

const QImage& FramePainter::scaled(const skin::Picture* picture, const QImage& image, int zoom) {
    const auto key = std::make_pair(picture, zoom);
    if (const auto it = scaled_.find(key); it != scaled_.end()) return it->second;
    const std::size_t bytes = static_cast<std::size_t>(image.width()) * image.height() * 4 * zoom * zoom;
    if (copied_bytes_ + bytes > kMaxCopiedBytes) return scaled_.emplace(key, QImage()).first->second;
    copied_bytes_ += bytes;
    return scaled_.emplace(key, image.scaled(image.width() * zoom, image.height() * zoom)).first->second;
}

const QImage& FramePainter::stretched(const skin::Picture* picture, int w, int h) {
    if (stretched_source_ != picture || stretched_.width() != w || stretched_.height() != h) {
        // A photograph behind the unit: smooth scaling suits it.
        stretched_ = image(picture, false, std::nullopt).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched_source_ = picture;
    }
    return stretched_;
}

QRect FramePainter::variant_core(const skin::Picture* variant, const QRect& core, int scale) {
    if (const auto it = core_.find(variant); it != core_.end()) return it->second;
    const QRect r(core.topLeft() * scale, core.size() * scale);
    bool opaque = true;
    for (int y = r.top(); y <= r.bottom() && opaque; ++y) {
        const std::uint8_t* row = variant->pixel(r.left(), y);
        std::uint8_t alpha = 255;
        for (int i = 0; i < r.width(); ++i) alpha &= row[i * 4 + skin::alpha_index(*variant)];
        opaque = alpha == 255;
    }
    return core_.emplace(variant, opaque ? r : QRect()).first->second;
}

int device_scale(int zoom, qreal dpr) { return static_cast<int>(std::ceil(zoom * dpr - 0.01)); }

int drawn_scale(const skin::FrameItem& item, int zoom, const View& view) {
    const int device = device_scale(zoom, view.dpr);
    return item.hires && item.hires_scale == device ? device : 1;
}

QRect FramePainter::hidden_by_case(const std::vector<skin::FrameItem>& items, int zoom, const View& view) {
    // The backdrop is not drawn where the unit's case covers it wholly: at
    // full screen on a large screen that copy is a good part of a frame.
    if (!view.cull_backdrop || view.see_through) return {};
    for (const skin::FrameItem& item : items) {
        if (item.stretch || item.screen_logo) continue;
        if (!item.transparent || item.picture->empty()) return {};
        const QRect c = core(item.picture);
        if (c.isEmpty()) return {};
        // A finer variant drawn instead must be wholly opaque there too.
        const int s = drawn_scale(item, zoom, view);
        if (s > 1 && variant_core(item.hires, c, s).isEmpty()) return {};
        // Drawn at a fractional desktop scale, its edge may blend with what
        // lies around it: a pixel further in.
        const int edge = std::abs(zoom * view.dpr - std::round(zoom * view.dpr)) > 0.01 ? 1 : 0;
        return QRect((item.x + c.left()) * zoom + edge, (item.y + c.top()) * zoom + edge, c.width() * zoom - 2 * edge,
                     c.height() * zoom - 2 * edge)
            .intersected(QRect(item.x * zoom, item.y * zoom, item.clip_w * zoom, item.clip_h * zoom));
    }
    return {};
}

bool FramePainter::backdrop_covers(const std::vector<skin::FrameItem>& items, int zoom, const QRect& window) {
    // A stretched backdrop fills the client area, opaque, apart from where
    // the case's opaque core lies over it: the window colour would show nowhere.
    if (items.empty() || !items.front().stretch || items.front().picture->empty()) return false;
    const skin::FrameItem& b = items.front();
    return QRect(b.x * zoom, b.y * zoom, b.clip_w * zoom, b.clip_h * zoom).contains(window) &&
           !stretched(b.picture, b.clip_w * zoom, b.clip_h * zoom).isNull();
}

namespace {

// An image of a frame's size in memory for large blocks of pixels, which
// comes in large pages instead of a page fault for every 4 KiB that the
// first paint into it writes; a null image when there is no memory.
QImage large_image(QSize size, QImage::Format format) {
    const qsizetype line = 4 * static_cast<qsizetype>(size.width());
    const std::size_t bytes = static_cast<std::size_t>(line) * static_cast<std::size_t>(size.height());
    void* pixels = nullptr;
    try {
        pixels = skin::allocate_pixels(bytes);
    } catch (const std::bad_alloc&) {
        return {};
    }
    // What the image gives back when it goes.
    struct Block {
        void* pixels;
        std::size_t bytes;
    };
    auto* block = new Block{pixels, bytes};
    return QImage(
        static_cast<uchar*>(pixels), size.width(), size.height(), line, format,
        [](void* b) {
            auto* held = static_cast<Block*>(b);
            skin::free_pixels(held->pixels, held->bytes);
            delete held;
        },
        block);
}

bool same_item(const skin::FrameItem& a, const skin::FrameItem& b) {
    return a.picture == b.picture && a.x == b.x && a.y == b.y && a.clip_w == b.clip_w && a.clip_h == b.clip_h &&
           a.hires == b.hires && a.hires_scale == b.hires_scale && a.transparent == b.transparent &&
           a.stretch == b.stretch && a.screen_logo == b.screen_logo;
}

// How many of the frame's first items every frame draws alike: the
// backdrop, the screen's logo and then the unit's case. Only for a frame
// too large for the processor's cache (a screen beyond 2560 x 1440), where
// drawing them layer by layer goes through memory once for each; a smaller
// one is not worth its memory. None where the desktop shows through (the
// windowed layout), or at a desktop scale, where the window's pixels are
// not the frame's.
std::size_t base_layers(const std::vector<skin::FrameItem>& items, const View& view, const QRect& window) {
    constexpr double kLargeFrameBytes = 16.0 * 1024 * 1024;
    if (!view.compose || view.see_through || view.base || view.dpr != 1.0 ||
        4.0 * window.width() * window.height() <= kLargeFrameBytes)
        return 0;
    std::size_t n = 0;
    while (n < items.size() && (items[n].stretch || items[n].screen_logo)) ++n;
    return n < items.size() ? n + 1 : 0;
}

// The parts of the window painted one after the other in a whole repaint:
// a large window's every layer is drawn into a band of rows that stays in
// the processor's cache, instead of each layer going through all of memory
// in turn. A band is a few megabytes: two threads' bands and the pictures
// drawn into them stay in the last-level cache, and there are few enough
// bands that drawing into each costs little beyond its pixels. Their
// number is even, so that two threads share them evenly. A small window is
// one part, and so is a window at a fractional desktop scale, whose band
// edges would fall between the screen's pixels.
std::vector<QRect> bands(const QRect& window, const View& view) {
    constexpr double kBandBytes = 3.0 * 1024 * 1024;
    constexpr double kOnePart = 2.0 * 1024 * 1024;
    const double bytes = window.width() * view.dpr * view.dpr * 4 * window.height();
    if (!view.compose || view.dpr != std::round(view.dpr) || bytes <= kOnePart) return {window};
    int n = static_cast<int>(std::ceil(bytes / kBandBytes));
    n += n % 2;
    const int rows = std::max(8, (window.height() + n - 1) / n);
    std::vector<QRect> out;
    for (int y = window.top(); y <= window.bottom(); y += rows)
        out.emplace_back(window.left(), y, window.width(), std::min(rows, window.bottom() + 1 - y));
    return out;
}

// An item's place with a size, in window pixels at a zoom: worked out in
// 64 bits, then kept within what a window can be (a skin may place a
// picture anywhere).
QRect zoomed(const skin::FrameItem& item, long long w, long long h, int zoom) {
    const auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30)); };
    return QRect(clamp(1LL * item.x * zoom), clamp(1LL * item.y * zoom), clamp(std::max(0LL, w) * zoom),
                 clamp(std::max(0LL, h) * zoom));
}

// All that drawing an item may touch, in window pixels: the size it is
// clipped to, whatever its picture's.
QRect drawn_bounds(const skin::FrameItem& item, int zoom) { return zoomed(item, item.clip_w, item.clip_h, zoom); }

}  // namespace

void FramePainter::draw_stretched(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom,
                                  const QRect& hidden) {
    if (item.clip_w <= 0 || item.clip_h <= 0) return;
    const QPoint at(item.x * zoom, item.y * zoom);
    const QImage& back = stretched(item.picture, item.clip_w * zoom, item.clip_h * zoom);
    const QRect all(at, back.size());
    const QRect h = hidden.intersected(all);
    const auto part = [&](const QRect& r) {
        if (!r.isEmpty()) out.push_back(drawing(&back, r, r.translated(-at), QPainter::CompositionMode_Source));
    };
    if (h.isEmpty()) return part(all);
    // Above, below, left and right of the hidden part.
    for (const QRect& r : {QRect(all.left(), all.top(), all.width(), h.top() - all.top()),
                           QRect(all.left(), h.bottom() + 1, all.width(), all.bottom() - h.bottom()),
                           QRect(all.left(), h.top(), h.left() - all.left(), h.height()),
                           QRect(h.right() + 1, h.top(), all.right() - h.right(), h.height())})
        part(r);
}

void FramePainter::draw_screen_logo(std::vector<Stroke>& out, const skin::FrameItem& item, int zoom,
                                    QSize skin_size) {
    // Decoration of the screen, not of the unit: its own size, in the corner
    // it was put in.
    const QImage& logo = image(item.picture, true, std::nullopt);
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
    const QImage& img = image(hires ? item.hires : item.picture, item.transparent, view.see_through);
    // Only the part inside the client area, worked out in 64 bits (in skin
    // pixels): a skin may place a picture anywhere in 32 bits.
    const long long x0 = item.x, y0 = item.y;
    long long x1 = std::min<long long>(x0 + std::min<long long>(item.clip_w, img.width() / s), skin_size.width());
    long long y1 = std::min<long long>(y0 + std::min<long long>(item.clip_h, img.height() / s), skin_size.height());
    long long vx = std::max(0LL, x0), vy = std::max(0LL, y0);
    if (item.transparent) {
        // Nothing to draw where the picture is wholly see-through.
        const QRect c = content(item.picture);
        vx = std::max(vx, x0 + c.left()), vy = std::max(vy, y0 + c.top());
        x1 = std::min(x1, x0 + c.left() + c.width()), y1 = std::min(y1, y0 + c.top() + c.height());
    }
    if (vx >= x1 || vy >= y1) return;
    const QPainter::CompositionMode mode = item.transparent || view.see_through ? QPainter::CompositionMode_SourceOver
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
        push_shown(out, d, view.compose);
        return;
    }
    // Scaled once per zoom, pixel for pixel; then every frame is a plain blit.
    const QImage& big = scaled(item.picture, img, zoom);
    const QRect source(static_cast<int>(vx - x0) * zoom, static_cast<int>(vy - y0) * zoom,
                       static_cast<int>(x1 - vx) * zoom, static_cast<int>(y1 - vy) * zoom);
    if (!big.isNull()) return push_shown(out, drawing(&big, target, source, mode, reach), view.compose);
    Stroke d = drawing(&img, target, QRect(source.topLeft() / zoom, source.size() / zoom), mode, reach);
    d.scaled = true;
    out.push_back(d);
}

const std::vector<QRect>& FramePainter::shown_blocks(const QImage& image) {
    if (const auto it = blocks_.find(&image); it != blocks_.end()) return it->second;
    constexpr int kBlock = 64;
    const auto shown = [&](int bx, int by) {
        const int w = std::min(kBlock, image.width() - bx), h = std::min(kBlock, image.height() - by);
        for (int y = by; y < by + h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y)) + bx;
            for (int x = 0; x < w; ++x)
                if (qAlpha(line[x]) != 0) return true;
        }
        return false;
    };
    // Runs of blocks along each row of them; a run just below one of the
    // same columns makes it taller.
    std::vector<QRect> out;
    std::vector<std::size_t> open;  // the rectangles that end at the row above
    for (int by = 0; by < image.height(); by += kBlock) {
        const int h = std::min(kBlock, image.height() - by);
        std::vector<std::size_t> still;
        for (int bx = 0; bx < image.width();) {
            if (!shown(bx, by)) {
                bx += kBlock;
                continue;
            }
            int end = bx + kBlock;
            while (end < image.width() && shown(end, by)) end += kBlock;
            const QRect run(bx, by, std::min(end, image.width()) - bx, h);
            const auto above = std::find_if(open.begin(), open.end(), [&](std::size_t i) {
                return out[i].left() == run.left() && out[i].right() == run.right();
            });
            if (above != open.end()) {
                out[*above].setBottom(run.bottom());
                still.push_back(*above);
            } else {
                still.push_back(out.size());
                out.push_back(run);
            }
            bx = end;
        }
        open = std::move(still);
    }
    return blocks_.emplace(&image, std::move(out)).first->second;
}

void FramePainter::push_shown(std::vector<Stroke>& out, const Stroke& s, bool split) {
    // Only a large picture blended pixel for pixel is worth it.
    constexpr double kLargePicture = 512.0 * 1024;
    if (s.scaled || s.mode != QPainter::CompositionMode_SourceOver || !s.image ||
        s.image->format() != QImage::Format_ARGB32_Premultiplied ||
        1.0 * s.source.width() * s.source.height() < kLargePicture)
        return out.push_back(s);
    const std::vector<QRect>& blocks = shown_blocks(*s.image);
    if (!split) return out.push_back(s);
    for (const QRect& b : blocks) {
        const QRect part = b.intersected(s.source);
        if (part.isEmpty()) continue;
        Stroke piece = s;
        piece.source = part;
        piece.target = QRect(s.target.topLeft() + (part.topLeft() - s.source.topLeft()), part.size());
        piece.reach = piece.target;
        out.push_back(piece);
    }
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
    for (std::size_t i = from; i < to; ++i) {
        const skin::FrameItem& item = l.items[i];
        if (item.picture->empty()) continue;
        if (item.stretch) draw_stretched(out, item, l.zoom, l.hidden);
        else if (item.screen_logo && l.zoom > 1) draw_screen_logo(out, item, l.zoom, skin_size);
        else draw_picture(out, item, l.zoom, view, skin_size);
    }
    return out;
}

namespace {

using Strokes = std::vector<Stroke>;

// Makes the strokes that meet `area`, inside it. A picture drawn pixel for
// pixel is cut to the area where the window's pixels are whole screen
// pixels; anything else is left to the clip.
void make(QPainter& p, const Strokes& strokes, const QRect& area, bool whole_pixels) {
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (const Stroke& s : strokes) {
        if (!s.reach.isNull() && !s.reach.intersects(area)) continue;
        p.setCompositionMode(s.mode);
        if (!s.image) {
            p.fillRect(s.target.intersected(area), s.colour);
        } else if (s.scaled) {
            p.setRenderHint(QPainter::SmoothPixmapTransform, s.smooth);
            p.drawImage(s.target, *s.image, s.source);
            p.setRenderHint(QPainter::SmoothPixmapTransform, false);
        } else if (whole_pixels && s.image->devicePixelRatio() == 1.0) {
            const QRect part = s.target.intersected(area);
            if (!part.isEmpty())
                p.drawImage(part.topLeft(), *s.image, part.translated(s.source.topLeft() - s.target.topLeft()));
        } else {
            p.drawImage(s.target.topLeft(), *s.image, s.source);
        }
    }
    p.restore();
}

// The image a painter draws straight into, if another painter may draw
// the areas into its pixels at the same time: a raster image at a whole
// desktop scale, not clipped by whoever paints, or clipped to no less than
// the areas.
QImage* shared_target(QPainter& p, qreal dpr, const std::vector<QRect>& areas) {
    QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || p.hasClipping()) return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* image = static_cast<QImage*>(device);
    const QTransform scale = QTransform::fromScale(dpr, dpr);
    if (image->devicePixelRatio() != dpr || p.deviceTransform() != scale) return nullptr;
    const QRegion system = engine->systemClip();
    for (const QRect& a : areas)
        if (!image->rect().contains(scale.mapRect(a)) ||
            (!system.isEmpty() && !(QRegion(scale.mapRect(a)) - system).isEmpty()))
            return nullptr;
    return image;
}

// Paints the areas (which never overlap), a large part of them on a second
// thread at the same time, into the same image: a whole repaint of a large
// window is bound by how fast memory is written, and one core alone does
// not write it as fast as two. Each thread takes the next area not yet
// taken, so that one started late, or slowed, only does less.
void make_all(QPainter& p, const Strokes& strokes, const std::vector<QRect>& areas, qreal dpr, bool two_threads) {
    const bool whole_pixels = dpr == std::round(dpr);
    constexpr double kSharedPixels = 1024.0 * 1024;  // a 4 MB frame's worth of screen pixels
    double pixels = 0;
    for (const QRect& a : areas) pixels += 1.0 * a.width() * a.height() * dpr * dpr;
    QImage* target = two_threads && whole_pixels && areas.size() > 1 && pixels >= kSharedPixels
                         ? shared_target(p, dpr, areas)
                         : nullptr;
    std::atomic<std::size_t> next{0};
    const auto take = [&](QPainter& painter) {
        for (std::size_t i; (i = next.fetch_add(1)) < areas.size();) make(painter, strokes, areas[i], whole_pixels);
    };
    std::thread helper;
    if (target) {
        try {
            helper = std::thread([&, target] {
                // The same pixels as the other image: its painter draws where this one does not.
                QImage same(const_cast<uchar*>(std::as_const(*target).constBits()), target->width(), target->height(),
                            target->bytesPerLine(), target->format());
                same.setDevicePixelRatio(dpr);
                QPainter q(&same);
                q.setRenderHint(QPainter::SmoothPixmapTransform, false);
                take(q);
            });
        } catch (const std::system_error&) {
            // No thread to spare: all painted on this one.
        }
    }
    take(p);
    if (helper.joinable()) helper.join();
}

}  // namespace

const QImage* FramePainter::composed_base(const Layers& l, bool whole) {
    const std::size_t n = base_layers(l.items, l.view, l.window);
    const auto this_paints = [&](const Layering& k) {
        return n > 0 && k.zoom == l.zoom && k.size == l.window.size() && k.items.size() == n &&
               std::equal(k.items.begin(), k.items.end(), l.items.begin(), same_item);
    };
    if (!base_.isNull() && this_paints(base_of_)) return &base_;
    if (!whole) return nullptr;
    base_ = QImage();  // of other layers or another size: no use any more
    if (n == 0) return nullptr;
    // Composed on the second whole paint of the same layers, not the first:
    // the first frame of a start or of a new layout does not wait for it.
    const bool again = this_paints(wanted_);
    wanted_ = {{l.items.begin(), l.items.begin() + static_cast<std::ptrdiff_t>(n)}, l.zoom, l.window.size()};
    if (!again) return nullptr;
    base_ = large_image(l.window.size(), QImage::Format_RGB32);
    if (base_.isNull()) return nullptr;  // no memory to spare: painted in layers, as before
    QPainter bp(&base_);
    bp.setRenderHint(QPainter::SmoothPixmapTransform, false);
    make_all(bp, strokes(l, 0, n, nullptr), bands(l.window, l.view), 1.0, true);
    bp.end();
    base_of_ = wanted_;
    return &base_;
}

void FramePainter::paint(QPainter& p, const skin::Skin& skin, const Display& display,
                         const skin::GameMenuLook& game_menu, const View& view) {
    take_warmed();
    const int zoom = std::max(1, view.zoom);
    const QRect window(QPoint(0, 0), frame_size(skin, zoom));
    const std::vector<skin::FrameItem> items = skin::frame_items(skin, display, game_menu);
    const Layers l{skin, items, zoom, window, view, hidden_by_case(items, zoom, view)};
    const QImage* base = composed_base(l, view.region.isEmpty());
    const std::size_t from = base ? base_of_.items.size() : 0;
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);  // whole factors, pixel for pixel
    // Painted a rectangle at a time, each clipped to no more than itself
    // (far quicker than one clip of many rectangles): what changed (a
    // region's rectangles never overlap), or the whole window, in bands if
    // it is large. At a fractional desktop scale, where the rectangles'
    // edges fall between the screen's pixels, what changed is one clip.
    const bool whole_pixels = view.dpr == std::round(view.dpr);
    std::vector<QRect> areas;
    if (!view.region.isEmpty() && !whole_pixels) {
        p.setClipRegion(view.region, Qt::IntersectClip);
        areas.push_back(view.region.boundingRect().intersected(window));
    } else if (!view.region.isEmpty()) {
        // A large rectangle in bands too, shared by two threads.
        for (const QRect& r : view.region)
            if (const QRect a = r.intersected(window); !a.isEmpty())
                for (const QRect& b : bands(a, view)) areas.push_back(b);
    } else {
        areas = bands(window, view);
    }
    // Worked out before any is drawn, since drawing may go on on two threads.
    const Strokes all = strokes(l, from, items.size(), base);
    make_all(p, all, areas, view.dpr, view.compose);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage FramePainter::render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu,
                            const View& view) {
    QImage out(frame_size(skin, view.zoom), view.see_through ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    QPainter p(&out);
    paint(p, skin, display, game_menu, view);
    return out;
}

QSize frame_size(const skin::Skin& skin, int zoom) {
    return QSize(skin::usable_extent(skin.client_width), skin::usable_extent(skin.client_height)) * std::max(1, zoom);
}

QRect item_rect(const skin::FrameItem& item, int zoom) {
    return zoomed(item, std::min(item.clip_w, item.picture ? item.picture->width : 0),
                  std::min(item.clip_h, item.picture ? item.picture->height : 0), zoom);
}

QRegion changed_region(const std::vector<skin::FrameItem>& before, const std::vector<skin::FrameItem>& now, int zoom) {
    QRegion out;
    const auto add_missing = [&](const std::vector<skin::FrameItem>& from, const std::vector<skin::FrameItem>& in) {
        for (const skin::FrameItem& item : from)
            if (std::none_of(in.begin(), in.end(), [&](const skin::FrameItem& o) { return same_item(item, o); }))
                out += item_rect(item, zoom).adjusted(-1, -1, 1, 1);  // a fractional desktop scale smooths a pixel over
    };
    add_missing(before, now);
    add_missing(now, before);
    return out;
}

QRegion repaint_region(const QRegion& changed, qreal dpr) {
    // What drawing a rectangle costs besides its pixels, in screen pixels.
    // Measured at 3840 x 2160: some 2 to 6 us a rectangle, where a pixel of
    // the display, under its segments and the screen's top picture, costs
    // some 0.6 ns: four times a pixel of the whole frame on average, whose
    // rate would merge far too eagerly.
    constexpr double kRectangleCost = 8.0 * 1024;
    if (changed.rectCount() < 2) return changed;
    double pixels = 0;
    for (const QRect& r : changed) pixels += 1.0 * r.width() * r.height();
    const QRect around = changed.boundingRect();
    const double more = (1.0 * around.width() * around.height() - pixels) * dpr * dpr;
    return more <= (changed.rectCount() - 1) * kRectangleCost ? QRegion(around) : changed;
}

QImage opaque_edges(const QImage& frame) {
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);  // straight alpha: each pixel's own colour
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xFF000000u) : 0;
    }
    return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace ignivar::app
