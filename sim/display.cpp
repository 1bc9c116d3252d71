#include "sim/display.h"

#include "sim/pictures.h"

namespace ignivar {
namespace {

// Every segment is shown by one picture of the face.
constexpr bool every_segment_has_a_picture() {
    for (int i = 0; i < kSegmentCount; ++i)
        if (segment_section(static_cast<Seg>(i)) == 0) return false;
    return true;
}
static_assert(every_segment_has_a_picture());

}  // namespace

std::string_view segment_name(Seg s) { return picture_name(segment_section(s)); }

std::optional<Seg> segment_by_name(std::string_view name) {
    const int section = picture_section(name);
    if (section == 0 || kPictures[section - 1].seg == kNoSegment) return std::nullopt;
    return kPictures[section - 1].seg;
}

void Display::set(Seg s, bool on) {
    bool& slot = lit_[static_cast<int>(s)];
    if (slot != on) {
        slot = on;
        ++changes_;
    }
}

void Display::set_range(Seg first, int count, bool on) {
    for (int i = 0; i < count; ++i) set(seg_at(first, i), on);
}

// Lights members 1..count of a three-member group and darkens the rest.
void Display::set_prefix(Seg first, int count) {
    for (int i = 1; i <= 3; ++i) set(seg_at(first, i - 1), i <= count);
}

void Display::Vid_Show_All(bool on) {
    set_range(Seg::PanelGameA, 12, on);
    for (auto& c : cells_) {
        if (!c.visible) {
            c.visible = true;
            ++changes_;
        }
    }
    Vid_Show_Panel_Score(8888, on);
    Vid_Show_Digit(5, on ? Glyph::small(8) : Glyph::none());
    Vid_Show_Panel_Miss(on ? 3 : 0);
    Vid_Show_All_Enemy(on);
    Vid_Show_All_Flame(on);
    Vid_Show_All_Shot(on);
    Vid_Show_All_Hero(on);
    Vid_Show_All_Miss(on);
    Vid_Show_All_Water_Tank(on);
}

void Display::Vid_Show_All_Enemy(bool on) { set_range(Seg::Enemy1, 3, on); }
void Display::Vid_Show_All_Flame(bool on) { set_range(Seg::Flame11, kLanes * kPositions, on); }
void Display::Vid_Show_All_Shot(bool on) { set_range(Seg::Shot11, kLanes * kPositions, on); }
void Display::Vid_Show_All_Hero(bool on) { set_range(Seg::Hero0, 4, on); }
void Display::Vid_Show_All_Miss(bool on) { set_range(Seg::MissScene1, 3, on); }
void Display::Vid_Show_All_Water_Tank(bool on) { set_range(Seg::WaterTank1, 3, on); }

void Display::Vid_Show_Enemy(int index, bool on) {
    if (index >= 1 && index <= 3) set(enemy_seg(index), on);
}

void Display::Vid_Show_Hero(int index, bool on) {
    if (index >= 0 && index <= 3) set(hero_seg(index), on);
}

void Display::Vid_Show_Water_Tank(int count) { set_prefix(Seg::WaterTank1, count); }
void Display::Vid_Show_Panel_Miss(int count) { set_prefix(Seg::Miss1, count); }

void Display::Vid_Show_Panel_Score(int value, bool show) {
    // Only the last four digits fit; negative values never arrive and show
    // as 0.
    if (value < 0) value = 0;
    value %= 10000;
    if (!show) {
        for (int cell = 1; cell <= kDigitCells; ++cell) Vid_Show_Digit(cell, Glyph::none());
        return;
    }
    Vid_Show_Digit(1, value > 999 ? Glyph::large(value / 1000 % 10) : Glyph::none());
    Vid_Show_Digit(2, value > 99 ? Glyph::large(value / 100 % 10) : Glyph::none());
    Vid_Show_Digit(3, value > 9 ? Glyph::large(value / 10 % 10) : Glyph::none());
    Vid_Show_Digit(4, Glyph::large(value % 10));
    Vid_Show_Digit(5, Glyph::none());
}

void Display::Vid_Show_Segment(Seg s, bool on) {
    if (static_cast<int>(s) < kSegmentCount) set(s, on);
}

void Display::Vid_Show_Digit(int cell, Glyph g) {
    if (cell < 1 || cell > kDigitCells) return;
    DigitCell& c = cells_[cell - 1];
    if (c.glyph != g) {
        c.glyph = g;
        // A glyph set in a still invisible cell is held but not seen; it
        // still counts as a change so the view never misses it later.
        ++changes_;
    }
}

}  // namespace ignivar
