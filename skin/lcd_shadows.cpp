// The shadows the LCD's segments and glyphs cast on the glass's back in
// the real look, made once per skin.
#include <vector>

#include "sim/pictures.h"
#include "skin/lcd_look.h"
#include "skin/skin.h"

namespace ignivar::skin {

namespace {

// A box blur of a picture's alpha, `radius` pixels each way, along rows or
// columns: twice each way it is close to a Gaussian.
void box_blur(std::vector<std::uint32_t>& a, int w, int h, int radius, bool rows) {
    const int n = rows ? w : h, lines = rows ? h : w;
    std::vector<std::uint32_t> line(static_cast<std::size_t>(n));
    const auto at = [&](int l, int i) -> std::uint32_t& {
        return a[rows ? static_cast<std::size_t>(l) * w + i : static_cast<std::size_t>(i) * w + l];
    };
    const std::uint32_t span = 2 * static_cast<std::uint32_t>(radius) + 1;
    for (int l = 0; l < lines; ++l) {
        for (int i = 0; i < n; ++i) line[static_cast<std::size_t>(i)] = at(l, i);
        std::uint32_t sum = 0;
        for (int i = -radius; i <= radius; ++i) sum += i >= 0 && i < n ? line[static_cast<std::size_t>(i)] : 0;
        for (int i = 0; i < n; ++i) {
            at(l, i) = (sum + span / 2) / span;
            const int in = i + radius + 1, out = i - radius;
            sum += in < n ? line[static_cast<std::size_t>(in)] : 0;
            sum -= out >= 0 ? line[static_cast<std::size_t>(out)] : 0;
        }
    }
}

// A picture's shadow: its coverage blurred, black at `strength` percent,
// with `margin` pixels around it for the blur to spread into.
Picture shadow_of(const Picture& p, int radius, int margin, int strength) {
    const int w = p.width + 2 * margin, h = p.height + 2 * margin;
    std::vector<std::uint32_t> alpha(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), 0);
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            alpha[static_cast<std::size_t>(y + margin) * w + static_cast<std::size_t>(x + margin)] = p.pixel(x, y)[3];
    for (int pass = 0; pass < 2 && radius > 0; ++pass) {
        box_blur(alpha, w, h, radius, true);
        box_blur(alpha, w, h, radius, false);
    }
    Picture out(w, h);
    out.form = p.form;
    for (std::size_t i = 0; i < alpha.size(); ++i)
        out.rgba[i * 4 + 3] = static_cast<std::uint8_t>((alpha[i] * static_cast<std::uint32_t>(strength) + 50) / 100);
    return out;
}

}  // namespace

LcdShadows::LcdShadows(const Skin& skin) {
    const Skin::Lcd& l = skin.lcd;
    if (l.shadow_strength <= 0) return;
    const int margin = 2 * l.shadow_blur;
    for (const PictureSection& p : kPictures) {
        const bool glyph = p.name.starts_with("im_panel_number_");
        const bool segment = p.seg != kNoSegment && is_lcd_segment(p.seg);
        const PlacedPicture& placed = skin.pictures[p.section - 1];
        if ((!glyph && !segment) || !placed.picture || placed.picture->empty() || shadows_.count(placed.picture.get()))
            continue;
        Shadow s;
        s.picture = shadow_of(*placed.picture, l.shadow_blur, margin, l.shadow_strength);
        if (placed.hires && placed.hires_scale > 1) {
            const int k = placed.hires_scale;
            s.hires = shadow_of(*placed.hires, l.shadow_blur * k, margin * k, l.shadow_strength);
            s.hires_scale = k;
        }
        s.dx = l.shadow_x - margin;
        s.dy = l.shadow_y - margin;
        shadows_.emplace(placed.picture.get(), std::move(s));
    }
}

const LcdShadows::Shadow* LcdShadows::of(const Picture* picture) const {
    const auto it = shadows_.find(picture);
    return it == shadows_.end() ? nullptr : &it->second;
}

}  // namespace ignivar::skin
