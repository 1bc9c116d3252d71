// How the LCD looks: the exact look of the unit's own frames, pixel for
// pixel as before the real look came; the real look's segments fading on
// the unit's virtual time, their shadows, and the unlit ones at a strength.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

#include "harness.h"
#include "host/look_setting.h"
#include "settings/memory_store.h"
#include "sim/pictures.h"
#include "sim/state.h"
#include "skin/compositor.h"
#include "skin/skin.h"

namespace ignivar::test {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

skin::Skin unit_face(int scale, bool contrast = false) {
    skin::LoadRequest req;
    req.config_path = kDir + "/Config.ini";
    req.program_dir = kDir;
    req.scale = scale;
    req.search_current_dir = false;
    req.lcd_contrast = contrast;
    skin::Skin s;
    EXPECT_TRUE(skin::load_unit_face(req, s).ok());
    return s;
}

std::uint32_t frame_crc(const skin::Compositor& c) {
    return crc32(reinterpret_cast<const std::uint8_t*>(c.pixels()),
                 static_cast<std::size_t>(c.width()) * static_cast<std::size_t>(c.height()) * 4);
}

// Three faces: every segment lit, the alarm, and a moment of a game.
std::vector<Display> faces() {
    std::vector<Display> out;
    Display all;
    all.Vid_Show_All(true);
    out.push_back(all);
    Sim sim(1);
    sim.run("start\npress time\nrelease time\npress time\nrelease time\npress time\nrelease time\n");
    out.push_back(sim.driver.host()->unit().display());
    std::string coins;
    for (int i = 0; i < 200; ++i) coins += "0110100110010110"[i % 16];
    sim.run("coin " + coins + "\npress game_b\nrelease game_b\nwait 9000\npress right\nwait 100\npress shoot_left\nwait 120\n");
    out.push_back(sim.driver.host()->unit().display());
    return out;
}

// The exact look draws what it drew before the real look came, pixel for
// pixel: the checksums of those frames, at 1x and 3x.
TEST(Look, TheExactLookIsTodaysFrames) {
    const std::uint32_t today[2][3] = {{0x5bb1993c, 0x6f9a01ce, 0x160153bd}, {0x0eab2731, 0x506b96bc, 0xc3728174}};
    const std::vector<Display> shown = faces();
    for (int i = 0; i < 2; ++i) {
        const skin::Skin s = unit_face(i == 0 ? 1 : 3);
        for (std::size_t f = 0; f < shown.size(); ++f) {
            skin::Compositor c(s, i == 0 ? 1 : 3);
            c.update(shown[f]);
            EXPECT_EQ(frame_crc(c), today[i][f]) << "scale " << (i == 0 ? 1 : 3) << ", face " << f;
            // Asked for by name, the exact look is the same.
            const skin::LcdFrame exact;
            skin::Compositor named(s, i == 0 ? 1 : 3);
            named.update(shown[f], {}, &exact);
            EXPECT_EQ(frame_crc(named), today[i][f]) << "scale " << (i == 0 ? 1 : 3) << ", face " << f;
        }
    }
}

// A segment darkens quickly and clears slowly, on the unit's time, from
// wherever it was when it switched; a digit cell shows its new glyph
// darkening over the old one clearing.
// For low vision: on the high-contrast face, unlit segments are not seen at
// all and lit ones are dark; the store keeps the choice.
TEST(Look, HighContrastHidesUnlitSegmentsAndShowsLitOnesDark) {
    const skin::Skin s = unit_face(1, true);
    ASSERT_TRUE(s.lcd.contrast.picture);
    const skin::Rect lcd = skin::lcd_rect(s, 0);
    skin::LcdFrame frame;
    frame.look.contrast = true;
    for (const bool lit : {false, true}) {
        Display d;
        d.Vid_Show_All(lit);
        skin::Compositor c(s, 1);
        c.update(d, {}, &frame);
        int white = 0, dark = 0;
        for (int y = lcd.y; y < lcd.y + lcd.h; ++y)
            for (int x = lcd.x; x < lcd.x + lcd.w; ++x) {
                const std::uint32_t p = c.pixels()[static_cast<std::size_t>(y) * c.width() + x] & 0xFFFFFF;
                white += p == 0xFFFFFF;
                dark += (p & 0xFF) < 64 && (p >> 8 & 0xFF) < 64 && (p >> 16 & 0xFF) < 64;
            }
        if (!lit) EXPECT_EQ(white, lcd.w * lcd.h) << "no ghost of an unlit segment";
        else EXPECT_GT(dark, lcd.w * lcd.h / 10) << "lit segments dark on the white glass";
    }
    MemoryStore store;
    host::keep_look(store, frame.look);
    EXPECT_TRUE(host::read_look(store).contrast);
}

TEST(Look, SegmentsFadeOnTheUnitsTime) {
    Display d;
    skin::LcdHistory h;
    h.settle(d, 0);
    const Seg s = flame_seg(2, 3);
    // Each switch at its moment, then how lit the segment looks after it.
    struct Case {
        bool on;
        Millis at;
        std::vector<std::array<int, 3>> looks;  // {moment, lowest, highest}
    } cases[] = {
        {true, 1000, {{1000, 0, 0}, {1006, 90, 120}, {1012, 135, 160}, {1049, 255, 255}}},
        {false, 2000, {{2000, 255, 255}, {2010, 170, 200}, {2019, 135, 160}}},
        {true, 2020, {{2020, 135, 160}, {2025, 170, 200}, {2200, 255, 255}}},  // on again while clearing
        {false, 3000, {{3030, 90, 120}, {3050, 25, 45}, {3080, 0, 0}}},
    };
    for (const Case& c : cases) {
        d.Vid_Show_Segment(s, c.on);
        h.observe(d, c.at);
        for (const auto& [at, low, high] : c.looks) {
            const int level = h.shades(at).seg[static_cast<int>(s)];
            EXPECT_GE(level, low) << "at " << at;
            EXPECT_LE(level, high) << "at " << at;
        }
    }
    EXPECT_EQ(h.fading_until(3050), Millis{3125});
    EXPECT_EQ(h.fading_until(3125), std::nullopt);
    // Drawn again only where it crosses one of its 8 steps; the invisible
    // end of a fade wakes nothing.
    const std::optional<Millis> next = h.next_change(3040);
    ASSERT_TRUE(next);
    EXPECT_GT(*next, 3041);
    EXPECT_NE(h.shades(*next).seg[static_cast<int>(s)], h.shades(3040).seg[static_cast<int>(s)]);
    EXPECT_EQ(h.shades(*next - 1).seg[static_cast<int>(s)], h.shades(3040).seg[static_cast<int>(s)]);
    EXPECT_EQ(h.next_change(3080), std::nullopt);

    // A pressed button's picture is no LCD segment: it never fades.
    d.Vid_Show_Segment(Seg::BtnGameADown, true);
    h.observe(d, 4000);
    EXPECT_EQ(h.shades(4000).seg[static_cast<int>(Seg::BtnGameADown)], 255);

    d.Vid_Show_All(false);  // the cells become visible, empty
    d.Vid_Show_Panel_Score(3, true);
    h.observe(d, 5000);
    d.Vid_Show_Panel_Score(4, true);
    h.observe(d, 6000);
    const skin::LcdShades::Cell c = h.shades(6010).cells[3];
    EXPECT_EQ(c.glyph, Glyph::large(4));
    EXPECT_EQ(c.old, Glyph::large(3));
    EXPECT_GT(c.level, 130);
    EXPECT_GT(c.old_level, 150);
    EXPECT_LT(c.old_level, 255);
    EXPECT_EQ(h.shades(6300).cells[3].old_level, 0);
    EXPECT_EQ(h.shades(6300).cells[3].level, 255);
}

// In the real look, what differs from the exact one off the segments
// themselves is the shadows: only near segments that show.
TEST(Look, ShadowsFallOnlyNearLitSegments) {
    const skin::Skin s = unit_face(1);
    Display d;
    d.Vid_Show_Hero(1, true);
    d.Vid_Show_Segment(flame_seg(1, 2), true);
    const skin::LcdShadows shadows(s);
    skin::LcdFrame real{{true, skin::kUnlitAsFace}, skin::instant_shades(d), &shadows};
    skin::Compositor exact_c(s, 1), real_c(s, 1);
    exact_c.update(d);
    real_c.update(d, {}, &real);
    std::vector<skin::Rect> near;
    for (const Seg lit : {hero_seg(1), flame_seg(1, 2)})
        for (const PictureSection& p : kPictures)
            if (p.seg == lit) {
                const skin::PlacedPicture& pl = s.pictures[p.section - 1];
                const int reach = 2 * s.lcd.shadow_blur + 2;  // the blur's margin and the offset
                near.push_back({pl.left - reach + 2, pl.top - reach + 2, pl.width + 2 * reach, pl.height + 2 * reach});
            }
    int differing = 0, far = 0;
    for (int y = 0; y < exact_c.height(); ++y)
        for (int x = 0; x < exact_c.width(); ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * exact_c.width() + x;
            if (exact_c.pixels()[i] == real_c.pixels()[i]) continue;
            ++differing;
            const bool is_near = std::any_of(near.begin(), near.end(), [&](const skin::Rect& r) {
                return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
            });
            far += !is_near;
        }
    EXPECT_GT(differing, 50);
    EXPECT_EQ(far, 0);
}

}  // namespace
}  // namespace ignivar::test
