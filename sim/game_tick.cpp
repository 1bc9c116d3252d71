// The game tick: flames move and are thrown; the speed rule; intermissions.
#include "sim/unit.h"

namespace ignivar {
namespace {

// One row of a speed table: scores n (modulo 1000) in [from, to].
struct LevelRow {
    int from, to;
    int game_a, game_b;
};

constexpr LevelRow kFlameLimit[] = {
    {0, 30, 1, 1},
    {40, 490, 2, 3},
    {500, 990, 5, 5},
};

constexpr LevelRow kTickInterval[] = {
    {0, 90, 310, 285},
    {100, 290, 285, 250},
    {300, 490, 250, 225},
    {500, 690, 250, 215},
    {700, 990, 215, 185},
};

template <std::size_t N>
const LevelRow* find_row(const LevelRow (&table)[N], int n) {
    for (const LevelRow& row : table)
        if (n >= row.from && n <= row.to) return &row;
    return nullptr;
}

}  // namespace

void Unit::Gam_Set_Level() {
    if (st_.mode != kGameA && st_.mode != kGameB) return;
    const bool a = st_.mode == kGameA;
    const int n = st_.score % 1000;
    if (const LevelRow* row = find_row(kFlameLimit, n)) st_.flame_limit = a ? row->game_a : row->game_b;
    if (const LevelRow* row = find_row(kTickInterval, n))
        timers_.set_interval(TimerId::Game, a ? row->game_a : row->game_b);
}

void Unit::Timer_GameTimer() {
    display_.Vid_Show_Enemy(3, false);
    display_.Vid_Show_Enemy(2, true);

    // A flame left in the hero's row costs a miss before anything moves.
    if (st_.cell(1, 1) || st_.cell(2, 1) || st_.cell(3, 1)) {
        st_.play = false;
        Gam_Stop_All_Timers();
        st_.miss_step = 1;
        arm(TimerId::Miss, 50);
        return;
    }

    int k = st_.lane + 1;
    if (k > kLanes) k = 1;
    st_.lane = k;

    for (int pos = 1; pos < kPositions; ++pos) st_.cell(k, pos) = st_.cell(k, pos + 1);
    st_.cell(k, kPositions) = 0;

    const int n = st_.flame_count();
    // The throw decision; each later rule overrides the earlier ones.
    int& top = st_.cell(k, kPositions);
    top = coin_.draw() == 0 ? 1 : 0;
    if (n == 0) top = 1;                            // an empty screen always gets a flame
    if (st_.cell(k, kPositions - 1)) top = 0;       // keep flames in a lane apart
    const int previous = k == 1 ? kLanes : k - 1;
    if (st_.cell(previous, kPositions)) top = 0;    // no throws on consecutive ticks
    if (n >= st_.flame_limit) top = 0;

    for (int pos = 1; pos <= kPositions; ++pos) {
        if (st_.cell(k, pos)) {
            Snd_Play(Sample::Enemy, k);
            break;
        }
    }

    for (int lane_no = 1; lane_no <= kLanes; ++lane_no)
        for (int pos = 1; pos <= kPositions; ++pos)
            display_.Vid_Show_Segment(flame_seg(lane_no, pos), st_.cell(lane_no, pos) != 0);

    if (top) {
        display_.Vid_Show_Enemy(2, false);
        display_.Vid_Show_Enemy(3, true);
    }
    Gam_Set_Level();
}

void Unit::start_intermission() {
    st_.play = false;
    Gam_Stop_All_Timers();
    st_.intermission_step = 1;
    arm(TimerId::Intermission, 150);
}

void Unit::Timer_IntermissionTimer() {
    switch (st_.intermission_step) {
        case 1:
            darken_shot_lane(st_.shot_lane);
            display_.Vid_Show_All_Hero(false);
            display_.Vid_Show_Segment(Seg::MissScene1, true);
            st_.hero = 0;
            display_.Vid_Show_Hero(0, true);
            for (auto& lane_cells : st_.grid) lane_cells.fill(0);
            display_.Vid_Show_All_Flame(false);
            display_.Vid_Show_All_Water_Tank(true);
            Snd_Play(Sample::Enemy);
            timers_.set_interval(TimerId::Intermission, 500);
            break;
        case 2:
        case 3:
        case 4:
            display_.Vid_Show_Water_Tank(4 - st_.intermission_step);
            Snd_Play(Sample::Enemy);
            break;
        case 5:
            start_play_in_lane_one(0);
            timers_.set_enabled(TimerId::Intermission, false);
            break;
        default:
            break;
    }
    ++st_.intermission_step;
}

void Unit::resume_play() {
    st_.play = true;
    arm(TimerId::Game, 1);
}

void Unit::start_play_in_lane_one(int shown_hero) {
    display_.Vid_Show_Hero(shown_hero, false);
    st_.hero = 1;
    display_.Vid_Show_Hero(1, true);
    st_.shot_lane = st_.shot_pos = st_.shot_step = 0;
    st_.lane = 0;
    resume_play();
}

}  // namespace ignivar
