// The 100 pictures of the unit's face, in the order of the skin file's
// sections "Image1" to "Image100": each picture's name and the display
// segment it shows, where it shows one. Segment names, the skin loader's
// sections, the drawing order and the generated Config.ini all come from
// this one table.
#pragma once

#include <array>
#include <string_view>

#include "sim/display.h"

namespace ignivar {

inline constexpr Seg kNoSegment = Seg::Count;

struct PictureSection {
    int section;            // n of "Image<n>"
    std::string_view name;  // the picture's name, as the skin file's comment and the code call it
    Seg seg;                // the segment it shows, or kNoSegment
};

inline constexpr int kPictureSections = 100;

// clang-format off
inline constexpr std::array<PictureSection, kPictureSections> kPictures = {{
    {  1, "im_background",             kNoSegment},
    {  2, "im_background_screen_top",  kNoSegment},
    {  3, "btn_game_a_down",           Seg::BtnGameADown},
    {  4, "btn_game_a_top",            kNoSegment},
    {  5, "btn_game_b_down",           Seg::BtnGameBDown},
    {  6, "btn_game_b_top",            kNoSegment},
    {  7, "btn_time_down",             Seg::BtnTimeDown},
    {  8, "btn_time_top",              kNoSegment},
    {  9, "btn_set_top",               kNoSegment},
    { 10, "btn_left_down",             Seg::BtnLeftDown},
    { 11, "btn_left_top",              kNoSegment},
    { 12, "btn_right_down",            Seg::BtnRightDown},
    { 13, "btn_right_top",             kNoSegment},
    { 14, "btn_shoot_left_down",       Seg::BtnShootLeftDown},
    { 15, "btn_shoot_left_top",        kNoSegment},
    { 16, "btn_shoot_right_down",      Seg::BtnShootRightDown},
    { 17, "btn_shoot_right_top",       kNoSegment},
    { 18, "im_panel_game_a",           Seg::PanelGameA},
    { 19, "im_panel_game_b",           Seg::PanelGameB},
    { 20, "im_panel_time_1",           Seg::PanelTime1},
    { 21, "im_panel_time_2",           Seg::PanelTime2},
    { 22, "im_panel_alarm",            Seg::PanelAlarm},
    { 23, "im_panel_date",             Seg::PanelDate},
    { 24, "im_panel_chrono",           Seg::PanelChrono},
    { 25, "im_panel_time_am",          Seg::PanelTimeAm},
    { 26, "im_panel_time_pm",          Seg::PanelTimePm},
    { 27, "im_panel_time_colon",       Seg::PanelTimeColon},
    { 28, "im_panel_sound",            Seg::PanelSound},
    { 29, "im_panel_bell",             Seg::PanelBell},
    { 30, "im_panel_digit_pos_1",      kNoSegment},
    { 31, "im_panel_digit_pos_2",      kNoSegment},
    { 32, "im_panel_digit_pos_3",      kNoSegment},
    { 33, "im_panel_digit_pos_4",      kNoSegment},
    { 34, "im_panel_digit_pos_5",      kNoSegment},
    { 35, "im_panel_miss_1",           miss_mark_seg(1)},
    { 36, "im_panel_miss_2",           miss_mark_seg(2)},
    { 37, "im_panel_miss_3",           miss_mark_seg(3)},
    { 38, "im_panel_number_0",         kNoSegment},
    { 39, "im_panel_number_1",         kNoSegment},
    { 40, "im_panel_number_2",         kNoSegment},
    { 41, "im_panel_number_3",         kNoSegment},
    { 42, "im_panel_number_4",         kNoSegment},
    { 43, "im_panel_number_5",         kNoSegment},
    { 44, "im_panel_number_6",         kNoSegment},
    { 45, "im_panel_number_7",         kNoSegment},
    { 46, "im_panel_number_8",         kNoSegment},
    { 47, "im_panel_number_9",         kNoSegment},
    { 48, "im_panel_number_small_0",   kNoSegment},
    { 49, "im_panel_number_small_1",   kNoSegment},
    { 50, "im_panel_number_small_2",   kNoSegment},
    { 51, "im_panel_number_small_3",   kNoSegment},
    { 52, "im_panel_number_small_4",   kNoSegment},
    { 53, "im_panel_number_small_5",   kNoSegment},
    { 54, "im_panel_number_small_6",   kNoSegment},
    { 55, "im_panel_number_small_7",   kNoSegment},
    { 56, "im_panel_number_small_8",   kNoSegment},
    { 57, "im_panel_number_small_9",   kNoSegment},
    { 58, "im_water_tank_1",           tank_seg(1)},
    { 59, "im_water_tank_2",           tank_seg(2)},
    { 60, "im_water_tank_3",           tank_seg(3)},
    { 61, "im_enemy_1",                enemy_seg(1)},
    { 62, "im_enemy_2",                enemy_seg(2)},
    { 63, "im_enemy_3",                enemy_seg(3)},
    { 64, "im_flame_1_5",              flame_seg(1, 5)},
    { 65, "im_flame_2_5",              flame_seg(2, 5)},
    { 66, "im_flame_3_5",              flame_seg(3, 5)},
    { 67, "im_flame_1_4",              flame_seg(1, 4)},
    { 68, "im_flame_2_4",              flame_seg(2, 4)},
    { 69, "im_flame_3_4",              flame_seg(3, 4)},
    { 70, "im_flame_1_3",              flame_seg(1, 3)},
    { 71, "im_flame_2_3",              flame_seg(2, 3)},
    { 72, "im_flame_3_3",              flame_seg(3, 3)},
    { 73, "im_flame_1_2",              flame_seg(1, 2)},
    { 74, "im_flame_2_2",              flame_seg(2, 2)},
    { 75, "im_flame_3_2",              flame_seg(3, 2)},
    { 76, "im_flame_1_1",              flame_seg(1, 1)},
    { 77, "im_flame_2_1",              flame_seg(2, 1)},
    { 78, "im_flame_3_1",              flame_seg(3, 1)},
    { 79, "im_shot_1_5",               shot_seg(1, 5)},
    { 80, "im_shot_2_5",               shot_seg(2, 5)},
    { 81, "im_shot_3_5",               shot_seg(3, 5)},
    { 82, "im_shot_1_4",               shot_seg(1, 4)},
    { 83, "im_shot_2_4",               shot_seg(2, 4)},
    { 84, "im_shot_3_4",               shot_seg(3, 4)},
    { 85, "im_shot_1_3",               shot_seg(1, 3)},
    { 86, "im_shot_2_3",               shot_seg(2, 3)},
    { 87, "im_shot_3_3",               shot_seg(3, 3)},
    { 88, "im_shot_1_2",               shot_seg(1, 2)},
    { 89, "im_shot_2_2",               shot_seg(2, 2)},
    { 90, "im_shot_3_2",               shot_seg(3, 2)},
    { 91, "im_shot_1_1",               shot_seg(1, 1)},
    { 92, "im_shot_2_1",               shot_seg(2, 1)},
    { 93, "im_shot_3_1",               shot_seg(3, 1)},
    { 94, "im_hero_1",                 hero_seg(1)},
    { 95, "im_hero_2",                 hero_seg(2)},
    { 96, "im_hero_3",                 hero_seg(3)},
    { 97, "im_hero_0",                 hero_seg(0)},
    { 98, "im_miss_1",                 miss_scene_seg(1)},
    { 99, "im_miss_2",                 miss_scene_seg(2)},
    {100, "im_miss_3",                 miss_scene_seg(3)},
}};
// clang-format on

// The picture name of section n (1..100), or an empty name outside.
constexpr std::string_view picture_name(int section) {
    return section >= 1 && section <= kPictureSections ? kPictures[section - 1].name : std::string_view{};
}

// The section (1..100) of a picture name, or 0.
constexpr int picture_section(std::string_view name) {
    for (const PictureSection& p : kPictures)
        if (p.name == name) return p.section;
    return 0;
}

// The section of the picture that shows a segment.
constexpr int segment_section(Seg s) {
    for (const PictureSection& p : kPictures)
        if (p.seg == s) return p.section;
    return 0;
}

}  // namespace ignivar
