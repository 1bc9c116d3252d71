// The hero's buttons and the flight of a shot.
#include "sim/unit.h"

namespace ignivar {

void Unit::Inp_left_down() {
    display_.Vid_Show_Segment(Seg::BtnLeftDown, true);
    if (st_.button_latch) return;
    st_.button_latch = true;
    if (st_.mode == kGameAReady || st_.mode == kGameBReady) switch_sound_off();
    if (st_.play && (st_.hero == 2 || st_.hero == 3)) {
        display_.Vid_Show_Hero(st_.hero, false);
        --st_.hero;
        display_.Vid_Show_Hero(st_.hero, true);
    }
}

void Unit::Inp_left_up() {
    display_.Vid_Show_Segment(Seg::BtnLeftDown, false);
    st_.button_latch = false;
}

void Unit::Inp_right_down() {
    display_.Vid_Show_Segment(Seg::BtnRightDown, true);
    if (st_.button_latch) return;
    st_.button_latch = true;
    if (st_.play && st_.hero < 3) {
        display_.Vid_Show_Hero(st_.hero, false);
        ++st_.hero;
        display_.Vid_Show_Hero(st_.hero, true);
    }
}

void Unit::Inp_right_up() {
    display_.Vid_Show_Segment(Seg::BtnRightDown, false);
    st_.button_latch = false;
}

void Unit::Inp_shoot_down() {
    if (!st_.play) return;  // outside play the latch is left alone
    if (st_.button_latch) return;
    st_.button_latch = true;
    if (st_.shot_step != 0) return;
    timers_.set_enabled(TimerId::Game, false);  // flames stand still while the shot flies
    st_.shot_lane = st_.hero;
    st_.shot_pos = 1;
    Snd_Play(Sample::Shot, st_.shot_lane);
    st_.shot_step = 1;
    arm(TimerId::Shot, 1);
}

void Unit::darken_shot_lane(int lane_no) {
    if (lane_no < 1 || lane_no > kLanes) return;
    for (int pos = 1; pos <= kPositions; ++pos) display_.Vid_Show_Segment(shot_seg(lane_no, pos), false);
}

void Unit::Timer_ShotTimer() {
    const int lane_no = st_.shot_lane;
    const int pos = st_.shot_pos;
    if (st_.shot_step >= 1 && st_.shot_step <= 5) {
        for (int p = 1; p <= pos; ++p) display_.Vid_Show_Segment(shot_seg(lane_no, p), true);
        timers_.set_interval(TimerId::Shot, 50);
        if (display_.Vid_Is_Lit(flame_seg(lane_no, pos))) {
            st_.shot_step = 10;
        } else {
            ++st_.shot_step;
            ++st_.shot_pos;
        }
    } else if (st_.shot_step == 6) {
        darken_shot_lane(lane_no);
        st_.shot_lane = st_.shot_pos = st_.shot_step = 0;
        timers_.set_enabled(TimerId::Shot, false);
        arm(TimerId::Game, 1);
    } else if (st_.shot_step == 10) {
        Snd_Play(Sample::Shot, lane_no);
        st_.shot_step = 11;
    } else if (st_.shot_step == 11) {
        st_.score += 10;
        if (st_.score > 9999) st_.score -= 10000;
        display_.Vid_Show_Panel_Score(st_.score, true);
        if (st_.score % 1000 == 0) {
            start_intermission();  // it clears the shot and the grid itself
            return;
        }
        darken_shot_lane(lane_no);
        st_.cell(lane_no, pos) = 0;
        display_.Vid_Show_Segment(flame_seg(lane_no, pos), false);
        st_.lane = lane_no;
        st_.shot_lane = st_.shot_pos = st_.shot_step = 0;
        timers_.set_enabled(TimerId::Shot, false);
        arm(TimerId::Game, 10);
    }
}

}  // namespace ignivar
