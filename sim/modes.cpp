// Modes, the mode buttons, the start count-down, game over and high scores.
#include "sim/unit.h"

namespace ignivar {

int GameState::flame_count() const {
    int n = 0;
    for (const auto& lane_cells : grid)
        for (int c : lane_cells) n += c;
    return n;
}

Unit::Unit(SettingsStore& store, SoundSink& sound, LocalClock& clock, Coin& coin)
    : timers_([this](TimerId t) { on_timer(t); }),
      store_(store), sound_(sound), clock_(clock), coin_(coin) {}

void Unit::on_timer(TimerId t) {
    switch (t) {
        case TimerId::Startup: Timer_StartupTimer(); break;
        case TimerId::Clock: Timer_ClockTimer(); break;
        case TimerId::Date: Timer_DateTimer(); break;
        case TimerId::GameStart: Timer_Game_StartTimer(); break;
        case TimerId::Game: Timer_GameTimer(); break;
        case TimerId::Shot: Timer_ShotTimer(); break;
        case TimerId::Miss: Timer_MissTimer(); break;
        case TimerId::Intermission: Timer_IntermissionTimer(); break;
        case TimerId::GameOver: Timer_Game_OverTimer(); break;
        case TimerId::Count: break;
    }
}

void Unit::arm(TimerId t, int ms) {
    timers_.set_interval(t, ms);
    timers_.set_enabled(t, true);
}

void Unit::load_high_scores() {
    st_.hiscore_a = store_.read_number(Setting::HiScore1, 0);
    st_.hiscore_b = store_.read_number(Setting::HiScore2, 0);
}

void Unit::power_on() {
    st_.mode = kPowerOn;
    Gam_Set_Mode();
}

void Unit::reset_high_scores() {
    st_.hiscore_a = 0;
    st_.hiscore_b = 0;
    store_.write_number(Setting::HiScore1, 0);
    store_.write_number(Setting::HiScore2, 0);
}

void Unit::tell(EventKind kind, Sample sample, int lane) {
    if (!events_) return;
    events_->on_unit_event({kind, timers_.now(), st_.mode, st_.score, st_.misses, sample, lane});
}

void Unit::Snd_Play(Sample s, int lane) {
    if (!st_.sound_output || !st_.game_sound) return;
    sound_.play(s, lane);
    tell(EventKind::SoundPlayed, s, lane);
}

void Unit::Snd_Silence() {
    if (st_.sound_output && st_.game_sound) sound_.stop_all();
}

void Unit::Gam_Stop_All_Timers() {
    static constexpr TimerId order[] = {TimerId::Clock, TimerId::Date, TimerId::Game,
                                        TimerId::GameOver, TimerId::GameStart, TimerId::Intermission,
                                        TimerId::Miss, TimerId::Shot, TimerId::Startup};
    for (TimerId t : order) timers_.set_enabled(t, false);
}

void Unit::enter_ready(bool game_a) {
    Gam_Stop_All_Timers();
    display_.Vid_Show_All(false);
    display_.Vid_Show_Segment(game_a ? Seg::PanelGameA : Seg::PanelGameB, true);
    display_.Vid_Show_Panel_Score(game_a ? st_.hiscore_a : st_.hiscore_b, true);
    st_.game_sound = true;
    display_.Vid_Show_Segment(Seg::PanelSound, true);
    st_.misses = 0;
    display_.Vid_Show_Panel_Miss(st_.misses);
    display_.Vid_Show_Enemy(1, true);
    display_.Vid_Show_Enemy(2, true);
    display_.Vid_Show_All_Water_Tank(true);
    display_.Vid_Show_Segment(Seg::MissScene1, true);
    st_.hero = 0;
    display_.Vid_Show_Hero(0, true);
    timers_.set_interval(TimerId::GameStart, 4900);
}

void Unit::enter_game() {
    st_.score = 0;
    st_.misses = 0;
    display_.Vid_Show_Panel_Miss(st_.misses);
    Gam_Set_Level();
    for (auto& lane_cells : st_.grid) lane_cells.fill(0);
    tell(EventKind::GameStarted);
    Snd_Play(Sample::Start);
    st_.start_step = 1;
    // Keeps the interval the ready mode left: 4900 ms, or 100 ms when the
    // sound was switched off.
    timers_.set_enabled(TimerId::GameStart, true);
}

void Unit::Gam_Set_Mode() {
    switch (st_.mode) {
        case kPowerOn:
            display_.Vid_Show_All(true);
            arm(TimerId::Startup, 30000);
            break;
        case kTime1:
            Gam_Stop_All_Timers();
            display_.Vid_Show_All(false);
            display_.Vid_Show_Segment(Seg::PanelTime1, true);
            display_.Vid_Show_Segment(Seg::PanelTimeColon, true);
            arm(TimerId::Clock, 1);
            break;
        case kTime2:
            display_.Vid_Show_Segment(Seg::PanelTime1, false);
            display_.Vid_Show_Segment(Seg::PanelTime2, true);
            break;
        case kAlarm:
            Gam_Stop_All_Timers();
            display_.Vid_Show_All(false);
            display_.Vid_Show_Segment(Seg::PanelAlarm, true);
            display_.Vid_Show_Segment(Seg::PanelTimeAm, true);
            display_.Vid_Show_Segment(Seg::PanelTimeColon, true);
            display_.Vid_Show_Panel_Score(1200, true);
            break;
        case kDate:
            Gam_Stop_All_Timers();
            display_.Vid_Show_All(false);
            display_.Vid_Show_Segment(Seg::PanelDate, true);
            display_.Vid_Show_Segment(Seg::PanelTimeColon, true);
            arm(TimerId::Date, 1);
            break;
        case kChrono:
            Gam_Stop_All_Timers();
            display_.Vid_Show_All(false);
            display_.Vid_Show_Segment(Seg::PanelChrono, true);
            display_.Vid_Show_Segment(Seg::PanelTimeColon, true);
            for (int cell = 1; cell <= 4; ++cell) display_.Vid_Show_Digit(cell, Glyph::large(0));
            display_.Vid_Show_Digit(5, Glyph::small(0));
            break;
        case kGameAReady:
        case kGameBReady:
            enter_ready(st_.mode == kGameAReady);
            break;
        case kGameA:
        case kGameB:
            enter_game();
            break;
        default:
            break;  // game over (10) keeps the final picture
    }
}

void Unit::mode_button_down(bool game_a) {
    display_.Vid_Show_Segment(game_a ? Seg::BtnGameADown : Seg::BtnGameBDown, true);
    bool& latch = game_a ? st_.latch_a : st_.latch_b;
    if (latch) return;
    latch = true;
    if (st_.mode == kPowerOn) {
        st_.mode = kTime1;
    } else if ((st_.mode >= kTime1 && st_.mode <= kChrono) || st_.mode == kGameOver) {
        st_.mode = game_a ? kGameAReady : kGameBReady;
    } else {
        return;
    }
    Gam_Set_Mode();
}

void Unit::mode_button_up(bool game_a) {
    display_.Vid_Show_Segment(game_a ? Seg::BtnGameADown : Seg::BtnGameBDown, false);
    (game_a ? st_.latch_a : st_.latch_b) = false;
    const int ready = game_a ? kGameAReady : kGameBReady;
    if (st_.mode == ready) {
        st_.mode = game_a ? kGameA : kGameB;
        Gam_Set_Mode();
    }
}

void Unit::Inp_game_a_down() { mode_button_down(true); }
void Unit::Inp_game_a_up() { mode_button_up(true); }
void Unit::Inp_game_b_down() { mode_button_down(false); }
void Unit::Inp_game_b_up() { mode_button_up(false); }

void Unit::Inp_time_down() {
    display_.Vid_Show_Segment(Seg::BtnTimeDown, true);
    if (st_.button_latch) return;
    st_.button_latch = true;
    if ((st_.mode >= kPowerOn && st_.mode <= kChrono) || st_.mode == kGameOver) {
        st_.mode += 1;
        if (st_.mode > kChrono) st_.mode = kTime1;
        Gam_Set_Mode();
    }
}

void Unit::Inp_time_up() {
    display_.Vid_Show_Segment(Seg::BtnTimeDown, false);
    st_.button_latch = false;
}

void Unit::switch_sound_off() {
    display_.Vid_Show_Segment(Seg::PanelSound, false);
    st_.game_sound = false;
    timers_.set_interval(TimerId::GameStart, 100);
}

void Unit::Timer_StartupTimer() {
    st_.mode = kTime1;
    Gam_Set_Mode();
    timers_.set_enabled(TimerId::Startup, false);
}

void Unit::Timer_Game_StartTimer() {
    switch (st_.start_step) {
        case 1:
            display_.Vid_Show_Panel_Score(st_.score, true);
            display_.Vid_Show_Water_Tank(2);
            Snd_Play(Sample::Enemy);
            timers_.set_interval(TimerId::GameStart, 500);
            break;
        case 2:
            display_.Vid_Show_Water_Tank(1);
            Snd_Play(Sample::Enemy);
            break;
        case 3:
            display_.Vid_Show_Water_Tank(0);
            Snd_Play(Sample::Enemy);
            break;
        case 4:
            start_play_in_lane_one(st_.hero);
            timers_.set_enabled(TimerId::GameStart, false);
            break;
        default:
            break;
    }
    ++st_.start_step;
}

void Unit::apply_high_score_rule() {
    if (st_.mode == kGameA && st_.score > st_.hiscore_a) {
        st_.hiscore_a = st_.score;
        store_.write_number(Setting::HiScore1, st_.hiscore_a);
    } else if (st_.mode == kGameB && st_.score > st_.hiscore_b) {
        st_.hiscore_b = st_.score;
        store_.write_number(Setting::HiScore2, st_.hiscore_b);
    }
}

void Unit::Timer_Game_OverTimer() {
    switch (st_.gameover_step) {
        case 1:
            Snd_Play(Sample::Gameover);
            timers_.set_interval(TimerId::GameOver, 4500);
            break;
        case 2:
            apply_high_score_rule();
            st_.mode = kGameOver;
            Gam_Set_Mode();
            tell(EventKind::GameOver);
            timers_.set_interval(TimerId::GameOver, 30000);
            break;
        case 3:
            st_.mode = kTime1;
            Gam_Set_Mode();
            timers_.set_enabled(TimerId::GameOver, false);
            break;
        default:
            break;
    }
    ++st_.gameover_step;
}

}  // namespace ignivar
