#include "skin/frame.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>

namespace ignivar::skin {
namespace {

// The drawing order of the face. Segments and pressed pictures are drawn
// only while lit; the other pictures always. Names are resolved once, so a
// frame costs no look-ups by name.
enum class Kind { Always, Lit, Digit };
struct Step {
    Kind kind;
    int section;  // index into Skin::pictures: the picture, or the digit cell's place
    Seg seg;      // for Lit
    int cell;     // for Digit, 1..5
};

int section_index(const std::string& name) { return section_of_picture(name) - 1; }

// Sections of the glyph sources: [0] large, [1] small, by digit.
const std::array<std::array<int, 10>, 2>& glyph_sections() {
    static const auto sections = [] {
        std::array<std::array<int, 10>, 2> g{};
        for (int d = 0; d <= 9; ++d) {
            g[0][d] = section_index("im_panel_number_" + std::to_string(d));
            g[1][d] = section_index("im_panel_number_small_" + std::to_string(d));
        }
        return g;
    }();
    return sections;
}

const std::vector<Step>& drawing_order() {
    static const std::vector<Step> order = [] {
        std::vector<Step> o;
        auto always = [&](const std::string& n) { o.push_back({Kind::Always, section_index(n), Seg::Count, 0}); };
        auto lit = [&](const std::string& n) {
            o.push_back({Kind::Lit, section_index(n), *segment_by_name(n), 0});
        };
        auto digit = [&](int cell) {
            o.push_back({Kind::Digit, section_index("im_panel_digit_pos_" + std::to_string(cell)), Seg::Count, cell});
        };
        always("im_background");
        for (const char* b : {"btn_right_down", "btn_left_down", "btn_shoot_right_down", "btn_shoot_left_down",
                              "btn_game_a_down", "btn_time_down"})
            lit(b);
        always("btn_set_top");
        for (const char* s : {"game_a", "game_b", "time_1", "time_2", "alarm", "date", "chrono", "sound", "bell"})
            lit(std::string("im_panel_") + s);
        digit(1);
        digit(2);
        lit("im_panel_time_colon");
        digit(3);
        digit(4);
        digit(5);
        lit("im_panel_time_am");
        lit("im_panel_time_pm");
        for (int i = 1; i <= 3; ++i) lit("im_panel_miss_" + std::to_string(i));
        for (int i = 1; i <= 3; ++i) lit("im_enemy_" + std::to_string(i));
        for (int i : {2, 1, 3}) lit("im_miss_" + std::to_string(i));
        for (int i = 1; i <= 3; ++i) lit("im_hero_" + std::to_string(i));
        for (int lane = 1; lane <= 3; ++lane)
            for (int pos = 1; pos <= 4; ++pos) lit("im_shot_" + std::to_string(lane) + "_" + std::to_string(pos));
        for (const char* b : {"btn_shoot_left_top", "btn_shoot_right_top", "btn_left_top", "btn_right_top",
                              "btn_time_top", "btn_game_a_top"})
            always(b);
        lit("btn_game_b_down");
        always("btn_game_b_top");
        for (int i = 1; i <= 3; ++i) lit("im_water_tank_" + std::to_string(i));
        for (int lane = 1; lane <= 3; ++lane) lit("im_shot_" + std::to_string(lane) + "_5");
        for (int lane = 1; lane <= 3; ++lane)
            for (int pos : lane < 3 ? std::vector<int>{1, 2, 3, 4, 5} : std::vector<int>{1, 2, 3, 5, 4})
                lit("im_flame_" + std::to_string(lane) + "_" + std::to_string(pos));
        lit("im_hero_0");
        always("im_background_screen_top");
        return o;
    }();
    return order;
}

void add_section(std::vector<FrameItem>& items, const PlacedPicture& p, std::uint8_t opacity = 255) {
    if (!p.picture || p.width <= 0 || p.height <= 0) return;
    items.push_back({p.picture.get(), p.left, p.top, p.width, p.height, p.transparent, false, p.hires.get(),
                     p.hires_scale, false, opacity});
}

void add_glyph(std::vector<FrameItem>& items, const Skin& skin, int cell_section, Glyph g, std::uint8_t opacity) {
    if (g.kind == Glyph::Kind::None || g.digit > 9 || opacity == 0) return;
    const PlacedPicture& source = skin.pictures[glyph_sections()[g.kind == Glyph::Kind::Small][g.digit]];
    const PlacedPicture& place = skin.pictures[cell_section];
    if (source.picture && place.width > 0 && place.height > 0)
        items.push_back({source.picture.get(), place.left, place.top, place.width, place.height, true, false,
                         source.hires.get(), source.hires_scale, false, opacity});
}

// The LCD in a look other than the exact one: the glass over the face's
// own unlit segments (or the high-contrast face instead of the face), the
// shadows of what shows, each segment at its level over its unlit strength.
class LcdSteps {
public:
    LcdSteps(const Skin& skin, const Display& display, const LcdFrame& lcd)
        : skin_(skin),
          lcd_(lcd),
          shades_(lcd.look.real ? lcd.shades : instant_shades(display)),
          contrast_(lcd.look.contrast && skin.lcd.contrast.picture),
          unlit_(lcd.look.unlit == kUnlitAsFace || contrast_ ? 0 : std::clamp(lcd.look.unlit, 0, 100) * 255 / 100) {}

    void add(std::vector<FrameItem>& items, const Step& step) const {
        if (step.kind == Kind::Digit) {
            const LcdShades::Cell& c = shades_.cells[static_cast<std::size_t>(step.cell - 1)];
            add_glyph(items, skin_, step.section, step.cell == 5 ? Glyph::small(8) : Glyph::large(8), unlit_);
            add_glyph(items, skin_, step.section, c.old, c.old_level);
            add_glyph(items, skin_, step.section, c.glyph, c.level);
            return;
        }
        if (step.kind == Kind::Lit) {
            const int level = shades_.seg[static_cast<std::size_t>(step.seg)];
            const int shown = is_lcd_segment(step.seg) ? unlit_ + (255 - unlit_) * level / 255 : level;
            if (shown > 0) add_section(items, skin_.pictures[step.section], static_cast<std::uint8_t>(shown));
            return;
        }
        // High contrast: its own face, and no sheen over the glass.
        static const int face = section_index("im_background"), sheen = section_index("im_background_screen_top");
        if (contrast_ && step.section == sheen) return;
        add_section(items, contrast_ && step.section == face ? skin_.lcd.contrast : skin_.pictures[step.section]);
        if (step.section != face) return;
        if (lcd_.look.unlit != kUnlitAsFace && !contrast_) add_section(items, skin_.lcd.glass);
        if (lcd_.look.real && lcd_.shadows) shadows(items);
    }

private:
    void shadow(std::vector<FrameItem>& items, const Picture* picture, int left, int top, std::uint8_t level) const {
        // In four steps: a shadow is faint, and one that follows its
        // segment's every frame of a fade would double the part repainted.
        level = static_cast<std::uint8_t>((level + 42) / 85 * 85);
        const LcdShadows::Shadow* s = level ? lcd_.shadows->of(picture) : nullptr;
        if (!s) return;
        items.push_back({&s->picture, left + s->dx, top + s->dy, s->picture.width, s->picture.height, true, false,
                         s->hires_scale ? &s->hires : nullptr, s->hires_scale, false, level});
    }
    void shadows(std::vector<FrameItem>& items) const {
        for (const Step& step : drawing_order()) {
            if (step.kind == Kind::Lit && is_lcd_segment(step.seg)) {
                const PlacedPicture& p = skin_.pictures[step.section];
                shadow(items, p.picture.get(), p.left, p.top, shades_.seg[static_cast<std::size_t>(step.seg)]);
            } else if (step.kind == Kind::Digit) {
                const LcdShades::Cell& c = shades_.cells[static_cast<std::size_t>(step.cell - 1)];
                const PlacedPicture& place = skin_.pictures[step.section];
                for (const auto& [g, level] : {std::pair{c.old, c.old_level}, std::pair{c.glyph, c.level}}) {
                    if (g.kind == Glyph::Kind::None || g.digit > 9) continue;
                    const PlacedPicture& source = skin_.pictures[glyph_sections()[g.kind == Glyph::Kind::Small][g.digit]];
                    shadow(items, source.picture.get(), place.left, place.top, level);
                }
            }
        }
    }

    const Skin& skin_;
    const LcdFrame& lcd_;
    LcdShades shades_;
    bool contrast_;
    std::uint8_t unlit_;
};

}  // namespace

GameMenuLook folded_game_menu(const Skin& skin, const Picture* picture) {
    return {picture, skin.menu_width, skin.menu_height};
}

std::vector<FrameItem> frame_items(const Skin& skin, const Display& display, const GameMenuLook& game_menu,
                                   const LcdFrame* lcd) {
    std::vector<FrameItem> items;
    if (skin.backdrop.shown && skin.backdrop.picture) {
        const Picture& b = *skin.backdrop.picture;
        if (skin.backdrop.stretch)
            items.push_back({&b, 0, 0, skin.client_width, skin.client_height, false, true});
        else
            items.push_back({&b, (skin.client_width - b.width) / 2, (skin.client_height - b.height) / 2, b.width,
                             b.height, false, false});
    }
    if (skin.logo.shown && skin.logo.picture) {
        const Picture& l = *skin.logo.picture;
        items.push_back({&l, skin.logo.x, skin.logo.y, l.width, l.height, true, false, nullptr, 0, true});
    }
    std::optional<LcdSteps> steps;
    if (lcd && !lcd->look.exact()) steps.emplace(skin, display, *lcd);
    for (const Step& step : drawing_order()) {
        if (steps) {
            steps->add(items, step);
            continue;
        }
        if (step.kind == Kind::Digit) {
            const DigitCell& c = display.digit(step.cell);
            if (!c.visible || c.glyph.kind == Glyph::Kind::None || c.glyph.digit > 9) continue;
            const int glyph = glyph_sections()[c.glyph.kind == Glyph::Kind::Small][c.glyph.digit];
            const PlacedPicture& source = skin.pictures[glyph];
            const PlacedPicture& place = skin.pictures[step.section];
            if (source.picture && place.width > 0 && place.height > 0)
                items.push_back({source.picture.get(), place.left, place.top, place.width, place.height, true, false,
                                 source.hires.get(), source.hires_scale});
            continue;
        }
        if (step.kind == Kind::Lit && !display.Vid_Is_Lit(step.seg)) continue;
        add_section(items, skin.pictures[step.section]);
    }
    if (skin.menu_shown && game_menu.picture)
        items.push_back({game_menu.picture, 0, 0, game_menu.width, game_menu.height, true, false});
    return items;
}


void colour_rgba(std::uint32_t colour, std::uint8_t out[4]) {
    out[0] = colour & 0xFF;
    out[1] = (colour >> 8) & 0xFF;
    out[2] = (colour >> 16) & 0xFF;
    out[3] = 255;
}

Picture stretch(const Picture& p, int w, int h) {
    // Each pixel the mean of the part of the picture it covers.
    Picture out(w, h);
    for (int y = 0; y < h; ++y) {
        const int y0 = static_cast<int>(static_cast<long long>(y) * p.height / h);
        const int y1 = std::max(y0 + 1, static_cast<int>(static_cast<long long>(y + 1) * p.height / h));
        for (int x = 0; x < w; ++x) {
            const int x0 = static_cast<int>(static_cast<long long>(x) * p.width / w);
            const int x1 = std::max(x0 + 1, static_cast<int>(static_cast<long long>(x + 1) * p.width / w));
            std::uint64_t sum[4] = {0, 0, 0, 0};
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx)
                    for (int c = 0; c < 4; ++c) sum[c] += p.pixel(sx, sy)[c];
            const std::uint64_t n = static_cast<std::uint64_t>(y1 - y0) * static_cast<std::uint64_t>(x1 - x0);
            for (int c = 0; c < 4; ++c) out.pixel(x, y)[c] = static_cast<std::uint8_t>(sum[c] / n);
        }
    }
    return out;
}

Picture render_frame(const Skin& skin, const Display& display, const GameMenuLook& game_menu, const LcdFrame* lcd) {
    Picture out(usable_extent(skin.client_width), usable_extent(skin.client_height));
    // The windowed layout starts see-through, and the see-through colour is
    // see-through wherever a picture has it; full screen starts in its colour.
    const bool see_through = skin.transparent_colour.has_value();
    std::uint8_t key[4] = {0, 0, 0, 0};
    if (see_through) colour_rgba(*skin.transparent_colour, key);
    std::uint8_t fill[4] = {0, 0, 0, 0};
    if (!see_through) colour_rgba(skin.colour, fill);
    for (std::size_t i = 0; i < out.rgba.size(); i += 4) std::copy(fill, fill + 4, &out.rgba[i]);
    Picture stretched;
    for (const FrameItem& item : frame_items(skin, display, game_menu, lcd)) {
        if (item.picture->empty()) continue;
        if (item.stretch && item.clip_w > 0 && item.clip_h > 0 &&
            (stretched.width != item.clip_w || stretched.height != item.clip_h))
            stretched = stretch(*item.picture, item.clip_w, item.clip_h);
        const Picture& src = item.stretch ? stretched : *item.picture;
        const int w = item.stretch ? item.clip_w : std::min(item.clip_w, src.width);
        const int h = item.stretch ? item.clip_h : std::min(item.clip_h, src.height);
        // 64-bit positions: a skin may place a picture anywhere in 32 bits.
        const long long ix = item.x, iy = item.y;
        for (long long y = std::max(0LL, -iy); y < h && iy + y < out.height; ++y) {
            for (long long x = std::max(0LL, -ix); x < w && ix + x < out.width; ++x) {
                const std::uint8_t* s = src.pixel(static_cast<int>(x), static_cast<int>(y));
                std::uint8_t* d = out.pixel(static_cast<int>(ix + x), static_cast<int>(iy + y));
                int a = item.transparent ? s[3] : 255;
                if (see_through && s[0] == key[0] && s[1] == key[1] && s[2] == key[2]) a = 0;
                a = (a * item.opacity + 127) / 255;
                // Straight alpha over straight alpha.
                const int da = d[3] * (255 - a) / 255;
                const int oa = a + da;
                for (int c = 0; c < 3; ++c)
                    d[c] = oa ? static_cast<std::uint8_t>((s[c] * a + d[c] * da + oa / 2) / oa) : 0;
                d[3] = static_cast<std::uint8_t>(oa);
            }
        }
    }
    return out;
}

}  // namespace ignivar::skin
