// The unit's host: everything a front end needs to run the unit, and
// nothing of windows. It owns the unit, its key bindings and latches, the
// coin, the clock the unit's time follows, and the one bracket every input
// and every timer wake-up goes through: bring the clock up to now, run,
// note what changed, say when it next needs waking. The desktop window,
// the headless driver, the libretro core and the tests all run the unit
// through it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/result.h"
#include "host/time.h"
#include "input/controls.h"
#include "sim/coin.h"
#include "sim/state.h"
#include "sim/unit.h"
#include "sim/virtual_clock.h"
#include "skin/frame.h"

namespace ignivar::host {

class Host : private EventSink {
public:
    // `clock` is the local date and time the watch reads; without one, a
    // clock that runs on the unit's virtual time (set through
    // virtual_clock()). Everything given outlives the host.
    Host(SettingsStore& store, SoundSink& sound, TimeSource& time, std::uint32_t seed, LocalClock* clock = nullptr);
    ~Host() override;
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // The main window's creation: reads the full-screen flag, runs
    // `load_skin` with it, loads the bindings and the high scores and clears
    // the latches. Returns the full-screen flag.
    bool create(const std::function<void(bool fullscreen)>& load_skin = {});

    Unit& unit() { return unit_; }
    const Unit& unit() const { return unit_; }
    input::Controls& controls() { return controls_; }
    RandomCoin& coin() { return coin_; }
    TimeSource& time() { return time_; }
    SettingsStore& store() { return store_; }
    // The clock the watch reads when no real one was given, else null.
    VirtualClock* virtual_clock() { return own_clock_.get(); }

    // The bracket: the unit is brought up to the present moment, `handler`
    // runs, and the listeners hear what changed and when to wake next.
    template <typename Handler>
    void handle(Handler&& handler) {
        catch_up();
        handler();
        settle();
    }
    // Runs whatever fell due by now (a timer's wake-up).
    void sync() { handle([] {}); }

    // The unit's buttons and keys; held back while the game is paused.
    void press(input::Button b) { input([&] { controls_.press(b); }); }
    void release(input::Button b) { input([&] { controls_.release(b); }); }
    void key_down(std::uint16_t code) { input([&] { controls_.FormKeyDown(code); }); }
    void key_up(std::uint16_t code) { input([&] { controls_.FormKeyUp(code); }); }
    // An input of the unit's through the bracket, unless the game is paused.
    template <typename Handler>
    void input(Handler&& handler) {
        if (!paused_ && !inputs_held_) handle(std::forward<Handler>(handler));
    }
    // Holds back every input, game or not (while the window shows a replay).
    void hold_inputs(bool held) { inputs_held_ = held; }
    // A moment loaded (rewound to, quick-loaded, resumed) may show buttons
    // held that nobody holds now: they are let go as a player would.
    void let_go_of_shown_buttons();
    bool inputs_held() const { return inputs_held_; }

    // The unit's whole moment as bytes (and the part of a millisecond the
    // clock is past it), and back: a loaded moment runs on as if it had
    // never stopped, and the clock goes back to it. A state that is not one
    // changes nothing.
    std::vector<std::uint8_t> save_state() const;
    // The same followed by the LCD's history (the libretro core's moments,
    // which its front end loads every frame for run-ahead): a loaded moment
    // then fades on where it was. load_state takes either form.
    std::vector<std::uint8_t> save_state_with_lcd() const;
    // `paused`: a game loaded stands still at the very moment saved.
    Status load_state(const std::uint8_t* data, std::size_t size, bool paused = false);
    Status load_state(const std::vector<std::uint8_t>& bytes, bool paused = false) {
        return load_state(bytes.data(), bytes.size(), paused);
    }

    // A front end that mixes its own sound keeps the samples still sounding
    // with the saved moment, and gets them back when one is loaded.
    void keep_sounds(std::function<std::vector<SoundInFlight>()> sounding,
                     std::function<void(const std::vector<SoundInFlight>&)> resume) {
        sounding_ = std::move(sounding);
        resume_sounds_ = std::move(resume);
    }

    // Where the unit's samples play.
    SoundSink& sound() { return sound_; }

    // A game is on: ready, running or over (the watch modes are not games).
    bool game_on() const;
    // Pause: the unit's time stands still, nothing sounds and its buttons
    // are held back. Only a game pauses; false when there is none.
    bool set_paused(bool paused);
    bool paused() const { return paused_; }

    // The virtual time at which the unit must run next, if any timer runs.
    std::optional<Millis> next_due() const;

    // Told after every bracket in which the display changed.
    void on_change(std::function<void()> f) { change_listeners_.push_back(std::move(f)); }
    // Told after every bracket: when the unit must run next (none: no timer runs).
    void on_wake(std::function<void(std::optional<Millis>)> f) { wake_listeners_.push_back(std::move(f)); }
    // Told of every event of the unit as it happens.
    void on_event(std::function<void(const UnitEvent&)> f) { event_listeners_.push_back(std::move(f)); }
    // Told of every press and release of the unit's buttons, at the unit's time.
    void on_input(std::function<void(input::Button, bool pressed, Millis at)> f) {
        input_listeners_.push_back(std::move(f));
    }
    // Told when the clock had fallen behind (the machine stalled) and the
    // late timers fired once at `to` instead of at their times, as platform
    // timers do; the unit had run exactly up to `from`.
    void on_slip(std::function<void(Millis from, Millis to)> f) { slip_listeners_.push_back(std::move(f)); }
    // Told when the game is paused or plays on.
    void on_pause(std::function<void(bool paused)> f) { pause_listeners_.push_back(std::move(f)); }
    // Does again what a slip did: exactly up to `from`, then the late
    // timers once at `to` (a replay of a game played on a stalling machine).
    void slip(Millis from, Millis to);
    // Forget a shown display: the next bracket tells of a change.
    void mark_unshown() { shown_changes_ = ~0ull; }

    // What the face looks like now, drawn by the headless composer.
    skin::Picture face(const skin::Skin& skin, const skin::GameMenuLook& game_menu = {},
                       const skin::LcdFrame* lcd = nullptr) const;

    // When each of the LCD's segments switched, on the unit's time.
    const skin::LcdHistory& lcd_history() const { return lcd_; }
    skin::LcdHistory& lcd_history() { return lcd_; }
    // How lit each segment looks at the clock's present moment (a paused
    // game's clock stands still, and so do its fades).
    skin::LcdShades lcd_shades() const { return lcd_.shades(time_.now()); }
    // What a frame needs to draw the LCD now in `look`: the real look's
    // levels, and the shadows of `skin` (none without one), made into
    // `shadows` the first time they are needed and kept there for as long
    // as the skin.
    skin::LcdFrame lcd_frame(const skin::LcdLook& look, const skin::Skin* skin,
                             std::unique_ptr<skin::LcdShadows>& shadows) const {
        if (look.real && !shadows && skin) shadows = std::make_unique<skin::LcdShadows>(*skin);
        return {look, look.real ? lcd_shades() : skin::LcdShades{}, look.real ? shadows.get() : nullptr};
    }
    // The clock's present moment.
    Millis now() const { return time_.now(); }
    // How long from the clock's present moment until a fade of the LCD is
    // drawn otherwise; none when nothing fades.
    std::optional<Millis> lcd_change_in() const {
        const Millis now = time_.now();
        const std::optional<Millis> next = lcd_.next_change(now);
        return next ? std::optional<Millis>(*next - now) : std::nullopt;
    }

private:
    void on_unit_event(const UnitEvent& event) override;
    void catch_up();
    void run_to(Millis target);
    void run_late(Millis target, Millis late);
    void note_display();
    void settle();

    SettingsStore& store_;
    TimeSource& time_;
    std::unique_ptr<VirtualClock> own_clock_;
    RandomCoin coin_;
    Unit unit_;
    input::Controls controls_;
    SoundSink& sound_;
    std::function<std::vector<SoundInFlight>()> sounding_;
    std::function<void(const std::vector<SoundInFlight>&)> resume_sounds_;
    bool paused_ = false;
    std::uint64_t shown_changes_ = ~0ull;
    skin::LcdHistory lcd_;
    std::uint64_t noted_changes_ = ~0ull;
    bool inputs_held_ = false;
    std::vector<std::function<void()>> change_listeners_;
    std::vector<std::function<void(std::optional<Millis>)>> wake_listeners_;
    std::vector<std::function<void(const UnitEvent&)>> event_listeners_;
    std::vector<std::function<void(input::Button, bool, Millis)>> input_listeners_;
    std::vector<std::function<void(Millis, Millis)>> slip_listeners_;
    std::vector<std::function<void(bool)>> pause_listeners_;
};

// The unit's button whose area of the skin holds the point (in the skin's
// pixels), the topmost where areas overlap; none off every button.
std::optional<input::Button> button_at(const skin::Skin& skin, long long x, long long y);

}  // namespace ignivar::host
