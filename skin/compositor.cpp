#include "skin/compositor.h"

#include <algorithm>
#include <cstring>

#include "sim/pictures.h"

namespace ignivar::skin {
namespace {

// x * a / 255, rounded, for bytes.
inline std::uint32_t mul255(std::uint32_t x, std::uint32_t a) {
    const std::uint32_t t = x * a + 128;
    return (t + (t >> 8)) >> 8;
}

inline std::uint32_t over(std::uint32_t s, std::uint32_t d) {
    const std::uint32_t a = s >> 24;
    if (a == 255) return s;
    if (a == 0) return d;
    const std::uint32_t k = 255 - a;
    const std::uint32_t r = ((s >> 16) & 0xFF) + mul255((d >> 16) & 0xFF, k);
    const std::uint32_t g = ((s >> 8) & 0xFF) + mul255((d >> 8) & 0xFF, k);
    const std::uint32_t b = (s & 0xFF) + mul255(d & 0xFF, k);
    return 0xFF000000u | (std::min(r, 255u) << 16) | (std::min(g, 255u) << 8) | std::min(b, 255u);
}

// A premultiplied pixel at a strength.
inline std::uint32_t faded(std::uint32_t s, std::uint32_t k) {
    return (mul255(s >> 24, k) << 24) | (mul255((s >> 16) & 0xFF, k) << 16) | (mul255((s >> 8) & 0xFF, k) << 8) |
           mul255(s & 0xFF, k);
}

std::uint32_t rgb_of(std::uint32_t colour) {
    std::uint8_t c[4];
    colour_rgba(colour, c);
    return 0xFF000000u | (std::uint32_t{c[0]} << 16) | (std::uint32_t{c[1]} << 8) | c[2];
}

void merge_into(std::vector<Rect>& rects, Rect r) {
    // Overlapping or touching rectangles become their bounding box, so that
    // nothing is drawn twice.
    for (bool merged = true; merged;) {
        merged = false;
        for (auto it = rects.begin(); it != rects.end(); ++it) {
            if (r.x > it->x + it->w || it->x > r.x + r.w || r.y > it->y + it->h || it->y > r.y + r.h) continue;
            const int x0 = std::min(r.x, it->x), y0 = std::min(r.y, it->y);
            const int x1 = std::max(r.x + r.w, it->x + it->w), y1 = std::max(r.y + r.h, it->y + it->h);
            r = {x0, y0, x1 - x0, y1 - y0};
            rects.erase(it);
            merged = true;
            break;
        }
    }
    rects.push_back(r);
}

}  // namespace

Rect lcd_rect(const Skin& skin, int glass) {
    Rect lcd;
    for (const PictureSection& p : kPictures) {
        const bool cell = p.name.starts_with("im_panel_digit_pos_");
        const bool segment = p.seg != kNoSegment && !p.name.starts_with("btn_");
        const PlacedPicture& placed = skin.pictures[p.section - 1];
        if ((!cell && !segment) || placed.width <= 0 || placed.height <= 0) continue;
        const Rect r{placed.left, placed.top, placed.width, placed.height};
        if (lcd.empty()) lcd = r;
        const int x0 = std::min(lcd.x, r.x), y0 = std::min(lcd.y, r.y);
        lcd = {x0, y0, std::max(lcd.x + lcd.w, r.x + r.w) - x0, std::max(lcd.y + lcd.h, r.y + r.h) - y0};
    }
    const Rect unit{0, 0, usable_extent(skin.client_width), usable_extent(skin.client_height)};
    if (lcd.empty()) return unit;
    return Rect{lcd.x - glass, lcd.y - glass, lcd.w + 2 * glass, lcd.h + 2 * glass}.intersected(unit);
}

Rect Rect::intersected(const Rect& o) const {
    const int x0 = std::max(x, o.x), y0 = std::max(y, o.y);
    const int x1 = std::min(x + w, o.x + o.w), y1 = std::min(y + h, o.y + o.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

Compositor::Compositor(const Skin& skin, int scale, std::uint32_t background)
    : skin_(skin),
      scale_(std::max(1, scale)),
      width_(usable_extent(skin.client_width) * scale_),
      height_(usable_extent(skin.client_height) * scale_),
      fill_(skin.transparent_colour ? 0xFF000000u | background : rgb_of(skin.colour)),
      frame_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill_) {}

const Compositor::Converted& Compositor::converted(const FrameItem& item) {
    const bool hires = item.hires && item.hires_scale == scale_;
    const Picture& src = hires ? *item.hires : *item.picture;
    const int k = hires ? 1 : scale_;
    const auto key = reinterpret_cast<const Picture*>(reinterpret_cast<std::uintptr_t>(&src) ^ (item.transparent ? 1u : 0u));
    if (const auto it = pictures_.find(key); it != pictures_.end()) return it->second;
    Converted c;
    c.width = src.width * k;
    c.height = src.height * k;
    c.argb.resize(static_cast<std::size_t>(c.width) * static_cast<std::size_t>(c.height));
    std::uint8_t key_rgb[4] = {0, 0, 0, 0};
    const bool keyed = skin_.transparent_colour.has_value();
    if (keyed) colour_rgba(*skin_.transparent_colour, key_rgb);
    for (int y = 0; y < src.height; ++y)
        for (int x = 0; x < src.width; ++x) {
            const std::uint8_t* p = src.pixel(x, y);
            std::uint32_t a = item.transparent ? p[3] : 255;
            if (keyed && p[0] == key_rgb[0] && p[1] == key_rgb[1] && p[2] == key_rgb[2]) a = 0;
            if (a != 255) c.opaque = false;
            const std::uint32_t v = (a << 24) | (mul255(p[0], a) << 16) | (mul255(p[1], a) << 8) | mul255(p[2], a);
            for (int dy = 0; dy < k; ++dy)
                std::fill_n(&c.argb[static_cast<std::size_t>(y * k + dy) * static_cast<std::size_t>(c.width) +
                                    static_cast<std::size_t>(x * k)],
                            k, v);
        }
    return pictures_.emplace(key, std::move(c)).first->second;
}

const Compositor::Converted& Compositor::stretched(const Picture& p) {
    if (!stretched_.argb.empty()) return stretched_;
    const Picture s = stretch(p, width_, height_);
    stretched_.width = width_;
    stretched_.height = height_;
    stretched_.argb.resize(frame_.size());
    for (std::size_t i = 0; i < stretched_.argb.size(); ++i) {
        const std::uint8_t* c = &s.rgba[i * 4];
        stretched_.argb[i] = 0xFF000000u | (std::uint32_t{c[0]} << 16) | (std::uint32_t{c[1]} << 8) | c[2];
    }
    return stretched_;
}

std::vector<Compositor::Placed> Compositor::place(const Display& display, const GameMenuLook& menu,
                                                  const LcdFrame* lcd) {
    std::vector<Placed> out;
    for (const FrameItem& item : frame_items(skin_, display, menu, lcd)) {
        if (item.picture->empty() || item.clip_w <= 0 || item.clip_h <= 0 || item.opacity == 0) continue;
        if (item.stretch) {
            out.push_back({&stretched(*item.picture), {0, 0, width_, height_}, 0, 0});
            continue;
        }
        const Converted& image = converted(item);
        // Drawn from the item's corner, clipped to its size and the frame.
        const long long x = static_cast<long long>(item.x) * scale_, y = static_cast<long long>(item.y) * scale_;
        const long long w = std::min<long long>(static_cast<long long>(item.clip_w) * scale_, image.width);
        const long long h = std::min<long long>(static_cast<long long>(item.clip_h) * scale_, image.height);
        const long long x0 = std::max(0LL, x), y0 = std::max(0LL, y);
        const long long x1 = std::min<long long>(x + w, width_), y1 = std::min<long long>(y + h, height_);
        if (x0 >= x1 || y0 >= y1) continue;
        out.push_back({&image,
                       {static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)},
                       static_cast<int>(x0 - x), static_cast<int>(y0 - y), item.opacity});
    }
    return out;
}

void Compositor::draw(const Rect& area, const std::vector<Placed>& items) {
    for (int y = area.y; y < area.y + area.h; ++y)
        std::fill_n(&frame_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(area.x)],
                    area.w, fill_);
    for (const Placed& p : items) {
        const Rect r = p.at.intersected(area);
        if (r.empty()) continue;
        const Converted& img = *p.image;
        for (int y = r.y; y < r.y + r.h; ++y) {
            const std::uint32_t* src = &img.argb[static_cast<std::size_t>(p.sy + y - p.at.y) * static_cast<std::size_t>(img.width) +
                                                 static_cast<std::size_t>(p.sx + r.x - p.at.x)];
            std::uint32_t* dst = &frame_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(r.x)];
            if (p.opacity != 255)
                for (int x = 0; x < r.w; ++x) dst[x] = over(faded(src[x], p.opacity), dst[x]);
            else if (img.opaque) std::memcpy(dst, src, static_cast<std::size_t>(r.w) * 4);
            else
                for (int x = 0; x < r.w; ++x) dst[x] = over(src[x], dst[x]);
        }
    }
}

const std::vector<Rect>& Compositor::update(const Display& display, const GameMenuLook& menu, const LcdFrame* lcd) {
    std::vector<Placed> items = place(display, menu, lcd);
    drawn_.clear();
    if (whole_) {
        whole_ = false;
        drawn_.push_back({0, 0, width_, height_});
    } else {
        // What is drawn only now, or was drawn only before, must be drawn again.
        const auto missing_from = [](const std::vector<Placed>& a, const std::vector<Placed>& b, std::vector<Rect>& out) {
            for (const Placed& p : a)
                if (std::find(b.begin(), b.end(), p) == b.end()) merge_into(out, p.at);
        };
        missing_from(items, shown_, drawn_);
        missing_from(shown_, items, drawn_);
    }
    for (const Rect& r : drawn_) draw(r, items);
    shown_ = std::move(items);
    return drawn_;
}

Picture Compositor::picture(const Rect& part) const {
    const Rect r = part.intersected({0, 0, width_, height_});
    Picture out(r.w, r.h);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            const std::uint32_t v = frame_[static_cast<std::size_t>(r.y + y) * static_cast<std::size_t>(width_) +
                                           static_cast<std::size_t>(r.x + x)];
            std::uint8_t* d = out.pixel(x, y);
            d[0] = static_cast<std::uint8_t>(v >> 16);
            d[1] = static_cast<std::uint8_t>(v >> 8);
            d[2] = static_cast<std::uint8_t>(v);
            d[3] = 255;
        }
    return out;
}

}  // namespace ignivar::skin
