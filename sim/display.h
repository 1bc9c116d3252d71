// The LCD display model: which segments are lit and what each digit cell
// shows. It knows nothing of pictures or windows; the main window paints it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ignivar {

// Every element that can be lit, in one flat numbering. The seven pressed
// button pictures are held here as well (lit means shown), although they
// are not LCD segments, so that the button handlers can show and hide them
// through the same accessor.
enum class Seg : std::uint8_t {
    PanelGameA, PanelGameB, PanelTime1, PanelTime2, PanelAlarm, PanelDate,
    PanelChrono, PanelBell, PanelSound, PanelTimeAm, PanelTimePm, PanelTimeColon,
    Miss1, Miss2, Miss3,                 // im_panel_miss_1..3: the miss marks
    Enemy1, Enemy2, Enemy3,
    WaterTank1, WaterTank2, WaterTank3,
    Flame11,                             // 15 flames, lane by lane
    Shot11 = Flame11 + 15,               // 15 shots, lane by lane
    Hero0 = Shot11 + 15, Hero1, Hero2, Hero3,
    MissScene1, MissScene2, MissScene3,  // im_miss_1..3: the miss animation
    BtnGameADown, BtnGameBDown, BtnTimeDown, BtnLeftDown, BtnRightDown,
    BtnShootLeftDown, BtnShootRightDown,
    Count
};

inline constexpr int kSegmentCount = static_cast<int>(Seg::Count);
inline constexpr int kLanes = 3;
inline constexpr int kPositions = 5;
inline constexpr int kDigitCells = 5;

constexpr Seg seg_at(Seg first, int offset) {
    return static_cast<Seg>(static_cast<int>(first) + offset);
}
// Flame and shot segments by lane 1..3 and position 1..5.
constexpr Seg flame_seg(int lane, int pos) { return seg_at(Seg::Flame11, (lane - 1) * kPositions + (pos - 1)); }
constexpr Seg shot_seg(int lane, int pos) { return seg_at(Seg::Shot11, (lane - 1) * kPositions + (pos - 1)); }
constexpr Seg hero_seg(int index) { return seg_at(Seg::Hero0, index); }            // 0..3
constexpr Seg enemy_seg(int index) { return seg_at(Seg::Enemy1, index - 1); }      // 1..3
constexpr Seg tank_seg(int index) { return seg_at(Seg::WaterTank1, index - 1); }   // 1..3
constexpr Seg miss_mark_seg(int index) { return seg_at(Seg::Miss1, index - 1); }   // 1..3
constexpr Seg miss_scene_seg(int index) { return seg_at(Seg::MissScene1, index - 1); } // 1..3

// The skin picture name of a segment, e.g. "im_flame_2_3".
std::string_view segment_name(Seg s);
std::optional<Seg> segment_by_name(std::string_view name);

// What a digit cell holds: nothing, a large digit (cells 1 to 4) or a small
// digit (cell 5).
struct Glyph {
    enum class Kind : std::uint8_t { None, Large, Small };
    Kind kind = Kind::None;
    std::uint8_t digit = 0;

    static constexpr Glyph none() { return {}; }
    static constexpr Glyph large(int d) { return {Kind::Large, static_cast<std::uint8_t>(d)}; }
    static constexpr Glyph small(int d) { return {Kind::Small, static_cast<std::uint8_t>(d)}; }
    friend constexpr bool operator==(Glyph, Glyph) = default;
};

struct DigitCell {
    Glyph glyph;
    bool visible = false;
    friend constexpr bool operator==(const DigitCell&, const DigitCell&) = default;
};

class Display {
public:
    // Whole-display and group operations.
    void Vid_Show_All(bool on);
    void Vid_Show_All_Enemy(bool on);
    void Vid_Show_All_Flame(bool on);
    void Vid_Show_All_Shot(bool on);
    void Vid_Show_All_Hero(bool on);
    void Vid_Show_All_Miss(bool on);
    void Vid_Show_All_Water_Tank(bool on);
    void Vid_Show_Enemy(int index, bool on);
    void Vid_Show_Hero(int index, bool on);
    void Vid_Show_Water_Tank(int count);
    void Vid_Show_Panel_Miss(int count);
    void Vid_Show_Panel_Score(int value, bool show);

    // Single elements.
    void Vid_Show_Segment(Seg s, bool on);
    bool Vid_Is_Lit(Seg s) const { return lit_[static_cast<int>(s)]; }
    void Vid_Show_Digit(int cell, Glyph g);  // cell 1..5

    const DigitCell& digit(int cell) const { return cells_[cell - 1]; }

    // The whole model, as saved and given back.
    const std::array<bool, kSegmentCount>& lit_segments() const { return lit_; }
    const std::array<DigitCell, kDigitCells>& cells() const { return cells_; }
    void restore(const std::array<bool, kSegmentCount>& lit, const std::array<DigitCell, kDigitCells>& cells) {
        lit_ = lit;
        cells_ = cells;
        ++changes_;
    }

    // Bumped by every change that alters what is shown, so that a view can
    // repaint only when something changed.
    std::uint64_t changes() const { return changes_; }

private:
    void set(Seg s, bool on);
    void set_range(Seg first, int count, bool on);
    void set_prefix(Seg first, int count);

    std::array<bool, kSegmentCount> lit_{};
    std::array<DigitCell, kDigitCells> cells_{};
    std::uint64_t changes_ = 0;
};

}  // namespace ignivar
