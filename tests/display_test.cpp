#include <gtest/gtest.h>

#include <string>

#include "sim/display.h"

namespace ignivar {
namespace {

// Renders the five cells as the driver does: "." blank, "5" large, "s5" small.
std::string cells(const Display& d) {
    std::string out;
    for (int c = 1; c <= kDigitCells; ++c) {
        const Glyph g = d.digit(c).glyph;
        if (c > 1) out += ' ';
        if (g.kind == Glyph::Kind::None) out += '.';
        else out += (g.kind == Glyph::Kind::Small ? "s" : "") + std::to_string(g.digit);
    }
    return out;
}

TEST(Display, ScoreIsRightAlignedWithBlankLeadingZeros) {
    struct Case { int value; bool show; const char* expect; };
    const Case cases[] = {
        {0, true, ". . . 0 ."},      {7, true, ". . . 7 ."},      {10, true, ". . 1 0 ."},
        {100, true, ". 1 0 0 ."},    {999, true, ". 9 9 9 ."},    {1200, true, "1 2 0 0 ."},
        {9999, true, "9 9 9 9 ."},   {10000, true, ". . . 0 ."},  {12345, true, "2 3 4 5 ."},
        {20010, true, ". . 1 0 ."},  {1234, false, ". . . . ."},
    };
    for (const Case& c : cases) {
        Display d;
        d.Vid_Show_All(true);  // cell 5 holds a small 8 that the score must blank
        d.Vid_Show_Panel_Score(c.value, c.show);
        EXPECT_EQ(cells(d), c.expect) << c.value << (c.show ? "" : " hidden");
    }
}

TEST(Display, ShowAllLightsEverySegmentAndEights) {
    Display d;
    d.Vid_Show_All(true);
    for (int i = 0; i < kSegmentCount; ++i) {
        const auto s = static_cast<Seg>(i);
        // Pressed button pictures are no segments and stay as they were.
        const bool button = s >= Seg::BtnGameADown;
        EXPECT_EQ(d.Vid_Is_Lit(s), !button) << segment_name(s);
    }
    EXPECT_EQ(cells(d), "8 8 8 8 s8");

    d.Vid_Show_Segment(Seg::BtnTimeDown, true);
    d.Vid_Show_All(false);
    for (int i = 0; i < static_cast<int>(Seg::BtnGameADown); ++i)
        EXPECT_FALSE(d.Vid_Is_Lit(static_cast<Seg>(i))) << segment_name(static_cast<Seg>(i));
    EXPECT_TRUE(d.Vid_Is_Lit(Seg::BtnTimeDown));
    EXPECT_EQ(cells(d), ". . . . .");
    for (int c = 1; c <= kDigitCells; ++c) EXPECT_TRUE(d.digit(c).visible);
    d.Vid_Show_Panel_Score(5, true);
    EXPECT_EQ(cells(d), ". . . 5 .");
}

TEST(Display, CountsLightAPrefixOfTheirGroup) {
    struct Case { int count; bool m1, m2, m3; };
    const Case cases[] = {{-1, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 0, 0}, {2, 1, 1, 0}, {3, 1, 1, 1}, {4, 1, 1, 1}};
    for (const Case& c : cases) {
        Display d;
        d.Vid_Show_All(true);
        d.Vid_Show_Panel_Miss(c.count);
        d.Vid_Show_Water_Tank(c.count);
        const bool want[] = {c.m1, c.m2, c.m3};
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(d.Vid_Is_Lit(miss_mark_seg(i)), want[i - 1]) << c.count << " mark " << i;
            EXPECT_EQ(d.Vid_Is_Lit(tank_seg(i)), want[i - 1]) << c.count << " tank " << i;
        }
    }
}

TEST(Display, CellsStayInvisibleUntilTheFirstShowAll) {
    Display d;
    d.Vid_Show_Digit(2, Glyph::large(4));
    EXPECT_FALSE(d.digit(2).visible);
    EXPECT_EQ(d.digit(2).glyph, Glyph::large(4));  // held, not drawn
    d.Vid_Show_All(false);
    EXPECT_TRUE(d.digit(2).visible);
}

TEST(Display, NamesRoundTripAndChangesAreCounted) {
    for (int i = 0; i < kSegmentCount; ++i) {
        const auto s = static_cast<Seg>(i);
        EXPECT_EQ(segment_by_name(segment_name(s)), s);
    }
    EXPECT_EQ(segment_name(flame_seg(2, 3)), "im_flame_2_3");
    EXPECT_EQ(segment_name(shot_seg(3, 5)), "im_shot_3_5");
    EXPECT_EQ(segment_name(miss_mark_seg(2)), "im_panel_miss_2");
    EXPECT_EQ(segment_name(miss_scene_seg(2)), "im_miss_2");
    EXPECT_FALSE(segment_by_name("im_flame_4_1").has_value());

    Display d;
    const auto before = d.changes();
    d.Vid_Show_Hero(1, false);  // already dark: nothing to repaint
    EXPECT_EQ(d.changes(), before);
    d.Vid_Show_Hero(1, true);
    EXPECT_GT(d.changes(), before);
}

}  // namespace
}  // namespace ignivar
