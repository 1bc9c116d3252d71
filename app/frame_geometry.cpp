// Where the painter draws, and what changed.
#include "app/frame_geometry.h"

#include <algorithm>
#include <cmath>

namespace ignivar::app {
namespace {

// An item's place with a size, in window pixels at a zoom: worked out in
// 64 bits, then kept within what a window can be (a skin may place a
// picture anywhere).
QRect zoomed(const skin::FrameItem& item, long long w, long long h, int zoom) {
    const auto clamp = [](long long v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 30), 1LL << 30)); };
    return QRect(clamp(1LL * item.x * zoom), clamp(1LL * item.y * zoom), clamp(std::max(0LL, w) * zoom),
                 clamp(std::max(0LL, h) * zoom));
}

}  // namespace

QRect drawn_bounds(const skin::FrameItem& item, int zoom) { return zoomed(item, item.clip_w, item.clip_h, zoom); }

bool same_item(const skin::FrameItem& a, const skin::FrameItem& b) {
    return a.picture == b.picture && a.x == b.x && a.y == b.y && a.clip_w == b.clip_w && a.clip_h == b.clip_h &&
           a.hires == b.hires && a.hires_scale == b.hires_scale && a.transparent == b.transparent &&
           a.stretch == b.stretch && a.screen_logo == b.screen_logo && a.opacity == b.opacity;
}

QColor window_colour(std::uint32_t colour) {
    std::uint8_t rgba[4];
    skin::colour_rgba(colour, rgba);
    return QColor(rgba[0], rgba[1], rgba[2]);
}

int device_scale(int zoom, qreal dpr) { return static_cast<int>(std::ceil(zoom * dpr - 0.01)); }

int drawn_scale(const skin::FrameItem& item, int zoom, const View& view) {
    const int device = device_scale(zoom, view.dpr);
    return item.hires && item.hires_scale == device ? device : 1;
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
