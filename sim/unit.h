// The simulated unit: display model, nine timers, modes, game and watch.
// Plain C++: it reaches the outside only through the interfaces in ports.h.
#pragma once

#include <array>
#include <cstdint>

#include "sim/display.h"
#include "sim/ports.h"
#include "sim/timers.h"

namespace ignivar {

enum Mode : int {
    kPowerOn = 0, kTime1 = 1, kTime2 = 2, kAlarm = 3, kDate = 4, kChrono = 5,
    kGameAReady = 6, kGameBReady = 7, kGameA = 8, kGameB = 9, kGameOver = 10
};

// The one record of game state, read and written by the game's handlers.
struct GameState {
    std::int32_t mode = kPowerOn;
    std::int32_t score = 0;
    std::int32_t hiscore_a = 0;
    std::int32_t hiscore_b = 0;
    std::int32_t misses = 0;
    std::int32_t hero = 0;  // 0 = waiting picture, 1..3 = under lane 1..3
    std::int32_t shot_lane = 0;
    std::int32_t shot_pos = 0;
    std::int32_t shot_step = 0;  // 0 none, 1..5 rising, 6 gone, 10/11 hit
    std::array<std::array<std::int32_t, kPositions>, kLanes> grid{};  // [lane-1][pos-1]
    std::int32_t flame_limit = 0;
    std::int32_t lane = 0;  // lane processed by the latest tick
    std::int32_t start_step = 0;
    std::int32_t intermission_step = 0;
    std::int32_t miss_step = 0;
    std::int32_t gameover_step = 0;
    bool play = false;
    bool game_sound = false;
    bool sound_output = false;
    bool button_latch = false;  // shared by time, left, right and both shoot buttons
    bool latch_a = false;
    bool latch_b = false;

    std::int32_t& cell(int lane_no, int pos) { return grid[lane_no - 1][pos - 1]; }
    std::int32_t cell(int lane_no, int pos) const { return grid[lane_no - 1][pos - 1]; }
    int flame_count() const;
};

class Unit {
public:
    Unit(SettingsStore& store, SoundSink& sound, LocalClock& clock, Coin& coin);
    Unit(const Unit&) = delete;
    Unit& operator=(const Unit&) = delete;

    // Reads HiScore1 and HiScore2 (default 0), as the main window's creation does.
    void load_high_scores();
    // The end of the splash window's Play action: enter power-on.
    void power_on();
    // The main window's "Reset Hiscores" command, without its beep.
    void reset_high_scores();
    // A sound output was chosen and started (or shut down).
    void set_sound_output(bool active) { st_.sound_output = active; }
    // Where the unit tells what happened; none by default.
    void set_event_sink(EventSink* sink) { events_ = sink; }
    // Lets virtual time pass, firing the timers that fall due.
    void advance(Millis ms) { timers_.advance(ms); }

    Display& display() { return display_; }
    const Display& display() const { return display_; }
    TimerBank& timers() { return timers_; }
    const TimerBank& timers() const { return timers_; }
    const GameState& state() const { return st_; }
    // Direct access for tests and tools that set up a situation by hand,
    // and for giving back a saved game.
    GameState& mutable_state() { return st_; }

    // Mode control.
    void set_current_mode(int mode) { st_.mode = mode; }
    void Gam_Set_Mode();
    void Gam_Stop_All_Timers();
    void Gam_Set_Level();

    // Buttons.
    void Inp_game_a_down();
    void Inp_game_a_up();
    void Inp_game_b_down();
    void Inp_game_b_up();
    void Inp_time_down();
    void Inp_time_up();
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_shoot_down();
    // The shoot buttons have no release handler of their own; their routing
    // clears the shared latch.
    void clear_button_latch() { st_.button_latch = false; }
    void clear_press_latches() { st_.button_latch = st_.latch_a = st_.latch_b = false; }

    // Timer handlers.
    void Timer_StartupTimer();
    void Timer_ClockTimer();
    void Timer_DateTimer();
    void Timer_Game_StartTimer();
    void Timer_GameTimer();
    void Timer_ShotTimer();
    void Timer_MissTimer();
    void Timer_IntermissionTimer();
    void Timer_Game_OverTimer();

    // Sound.
    void Snd_Play(Sample s, int lane = kNoLane);
    void Snd_Silence();

private:
    void on_timer(TimerId t);
    void enter_ready(bool game_a);
    void enter_game();
    void mode_button_down(bool game_a);
    void mode_button_up(bool game_a);
    void switch_sound_off();
    void darken_shot_lane(int lane_no);
    int missed_lane() const;
    void start_intermission();
    // Play goes on: the game tick runs again at once.
    void resume_play();
    // Play (re)starts with the hero under lane 1, no shot and the first lane next.
    void start_play_in_lane_one(int shown_hero);
    void apply_high_score_rule();
    void arm(TimerId t, int ms);
    void tell(EventKind kind, Sample sample = Sample::Count, int lane = kNoLane);

    Display display_;
    TimerBank timers_;
    GameState st_;
    SettingsStore& store_;
    SoundSink& sound_;
    LocalClock& clock_;
    Coin& coin_;
    EventSink* events_ = nullptr;
};

}  // namespace ignivar
