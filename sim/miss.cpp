// The miss sequence: the miss scene flashes, the hero's row is cleared and a
// mark is added; the third miss hands over to game over.
#include "sim/unit.h"

namespace ignivar {

// The lane whose flame reached the hero's row; the unit as a whole when it
// is not one lane.
int Unit::missed_lane() const {
    int found = kNoLane;
    for (int lane_no = 1; lane_no <= kLanes; ++lane_no) {
        if (!st_.cell(lane_no, 1)) continue;
        if (found != kNoLane) return kNoLane;
        found = lane_no;
    }
    return found;
}

void Unit::Timer_MissTimer() {
    int next = 0;  // interval for the next firing, 0 = none
    switch (st_.miss_step) {
        case 1:
            Snd_Play(Sample::Miss, missed_lane());
            display_.Vid_Show_Segment(Seg::MissScene1, false);
            display_.Vid_Show_Segment(Seg::MissScene2, true);
            display_.Vid_Show_Segment(Seg::MissScene3, true);
            next = 285;
            break;
        case 2: display_.Vid_Show_Segment(Seg::MissScene3, false); next = 155; break;
        case 3: display_.Vid_Show_Segment(Seg::MissScene3, true); next = 285; break;
        case 4: display_.Vid_Show_Segment(Seg::MissScene3, false); next = 155; break;
        case 5: display_.Vid_Show_Segment(Seg::MissScene3, true); next = 285; break;
        case 6: display_.Vid_Show_Segment(Seg::MissScene3, false); next = 350; break;
        case 7: next = 100; break;
        case 8:
            for (int lane_no = 1; lane_no <= kLanes; ++lane_no) {
                st_.cell(lane_no, 1) = 0;
                display_.Vid_Show_Segment(flame_seg(lane_no, 1), false);
            }
            ++st_.misses;
            display_.Vid_Show_Panel_Miss(st_.misses);
            tell(EventKind::Miss);
            if (st_.misses >= 3) {
                timers_.set_enabled(TimerId::Miss, false);
                st_.gameover_step = st_.game_sound ? 1 : 2;
                arm(TimerId::GameOver, 300);
            } else {
                next = 300;
            }
            break;
        case 9:
            display_.Vid_Show_Segment(Seg::MissScene1, true);
            display_.Vid_Show_Segment(Seg::MissScene2, false);
            resume_play();
            timers_.set_enabled(TimerId::Miss, false);
            break;
        default:
            return;
    }
    ++st_.miss_step;
    if (next > 0) timers_.set_interval(TimerId::Miss, next);
}

}  // namespace ignivar
