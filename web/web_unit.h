// The unit as the browser page runs it: the host on a clock the page moves
// to its present moment, the face composed in memory and handed over as
// RGBA rectangles, the project's own mixer, the settings as text the page
// keeps in the browser's storage. Plain C++: the page's C interface is a
// thin layer over it, and the tests run it natively.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/host.h"
#include "host/replay.h"
#include "host/rewind.h"
#include "host/system_clock.h"
#include "settings/memory_store.h"
#include "skin/compositor.h"
#include "skin/lcd_look.h"
#include "skin/skin.h"
#include "sound/mixer.h"

namespace ignivar::web {

// Where the page's module finds the default skin and sounds, and the
// folder the page keeps in the browser's storage (the replays in it).
inline constexpr const char* kAssetRoot = "/ignivar";
inline constexpr const char* kKeptRoot = "/kept";
// The page's background (0xRRGGBB), behind the case's see-through corners.
inline constexpr std::uint32_t kPageBackground = 0x202020;

// A settings store that knows whether it changed since the page last kept it.
class PageStore : public MemoryStore {
public:
    // "name=value" lines, as the page keeps them.
    std::string text();
    void take_in(std::string_view text);
    bool changed() const { return changed_; }
    void kept() { changed_ = false; }

protected:
    Status store_text(std::string_view name, std::string_view text) override;

private:
    bool changed_ = false;
};

// The unit's time on the page's clock (milliseconds since the page
// started), frozen while a game is paused and set back when a saved moment
// is loaded; after a long stall (a tab in the background) the late timers
// fire once, as on the desktop.
class PageTime : public host::TimeSource {
public:
    void tick(Millis page) { page_ = std::max(page_, page); }
    Millis now() const override { return frozen_ ? base_ : base_ + (page_ - origin_); }
    void set(Millis now) override { base_ = now, origin_ = page_; }
    void freeze(bool frozen) override {
        if (frozen == frozen_) return;
        set(now());
        frozen_ = frozen;
    }
    std::optional<Millis> late_limit() const override { return 100; }

private:
    Millis page_ = 0, origin_ = 0, base_ = 0;
    bool frozen_ = false;
};

class WebUnit {
public:
    // Loads the skin at `scale` (1..4) from `asset_root`; `settings` as
    // kept; every game is kept as a replay in `replay_folder`.
    WebUnit(std::string asset_root, int scale, int rate, std::string_view settings, std::string replay_folder);

    bool ready() const { return compositor_ != nullptr; }
    const std::string& error() const { return error_; }
    // What the unit started without (a sound that could not be read).
    const std::string& warnings() const { return warnings_; }
    int scale() const { return scale_; }
    // The scale the unit is shown at when `wanted` (1..4) is asked for.
    static int shipped_scale(int wanted);
    // The scale whose pixels match a place of `width` x `height` device
    // pixels, for the skin under `asset_root` (read without its pictures).
    static int scale_for(const std::string& asset_root, double width, double height);
    // Shows the unit at another scale; false (and the old one kept) when it cannot.
    bool set_scale(int scale);

    // Runs the unit up to `ms` on the page's clock and brings the frame up
    // to it; returns the rectangles that changed, whose pixels `rgba()`
    // holds one after the other (RGBA, each rectangle's rows in order).
    const std::vector<skin::Rect>& advance(Millis ms);
    const std::uint8_t* rgba() const { return rgba_.data(); }
    int width() const { return compositor_->width(); }
    int height() const { return compositor_->height(); }
    // The skin's own size, for laying the page out.
    int skin_width() const { return width() / scale_; }
    int skin_height() const { return height() / scale_; }

    // How the LCD looks (exact, or real: fading, shadows, unlit segments
    // at a strength), kept in the settings as the desktop keeps it.
    void set_look(const skin::LcdLook& look);
    const skin::LcdLook& look() const { return look_; }

    // Stereo frames mixed for the time the last advance covered.
    const std::vector<std::int16_t>& audio() const { return audio_; }
    // The player's mute and volume (one of the steps), kept in the settings.
    void set_muted(bool muted);
    bool muted() const { return mixer_.muted(); }
    void set_volume(int percent);
    int volume() const { return volume_; }
    // Sounds follow the flames, kept in the settings.
    void set_panned(bool panned);
    bool panned() const { return mixer_.panned(); }

    // Keys by their virtual-key code (the browser's keyCode), through the
    // unit's bindings; a button directly (a touch on the case).
    void key(std::uint16_t code, bool down);
    void button(input::Button b, bool down);
    // The pads the browser reads, in its standard layout: the buttons
    // pressed as a bit mask (bit i: button i) and the left stick's axes
    // (-1..1); the desktop's default mapping says which unit button each
    // works, and a stick has the desktop's hysteresis.
    void pad(std::uint32_t buttons, double left_x, double left_y);
    // The button under a point of the page's canvas, in frame pixels, or
    // else the nearest one within `reach` (a thumb is wider than a button).
    std::optional<input::Button> button_at(int x, int y, int reach = 0) const;

    bool pause(bool paused) { return host_->set_paused(paused); }
    bool paused() const { return host_->paused(); }

    // Rewind: while it is held the game stands still and each step goes a
    // tenth of a second back; let go, it plays on from there. A step
    // returns false when nothing earlier is kept (rewinding then ends).
    bool start_rewind();
    bool rewind_step();
    void stop_rewind();
    bool rewinding() const { return rewinding_; }
    std::vector<std::uint8_t> save() const { return host_->save_state(); }
    // A game loaded goes on as a continued one (its replay proves no score);
    // `paused`: it waits at the very moment saved.
    Status load(const std::uint8_t* data, std::size_t size, bool paused = false);

    // Whether a game was kept as a replay since this was last asked; the
    // high-score table of game 'A' or 'B' as lines "score<TAB>date<TAB>file".
    bool take_kept() { return std::exchange(kept_, false); }
    std::string table(char game) const;
    const std::string& replay_folder() const { return replay_folder_; }

    // How long until the unit must run again, or a fade of the real look
    // be drawn otherwise (none: not until an input).
    std::optional<Millis> due_in() const;

    // What each of the case's buttons does and its key, a line each.
    std::string hints() const;

    // The face in words, and what the unit said since it was last asked;
    // whether a miss happened since then.
    std::string words() const;
    std::string take_said();
    bool take_missed() { return std::exchange(missed_, false); }

    PageStore& store() { return store_; }
    host::Host& host() { return *host_; }

private:
    bool load_skin(int scale);
    void load_sounds();

    std::string root_;
    std::string error_, warnings_;
    int scale_ = 1;
    PageStore store_;
    SilentSink sound_;
    host::SystemClock clock_;
    PageTime time_;
    std::unique_ptr<host::Host> host_;
    skin::Skin skin_;
    std::unique_ptr<skin::Compositor> compositor_;
    skin::LcdLook look_;
    std::unique_ptr<skin::LcdShadows> shadows_;  // made when the real look first draws the skin
    skin::LcdFrame lcd_;
    std::vector<std::uint8_t> rgba_;  // the changed rectangles' pixels
    sound::Mixer mixer_;
    std::int64_t audio_frame_ = 0;
    std::vector<std::int16_t> audio_;
    std::string said_;
    bool missed_ = false;
    std::string replay_folder_;
    std::unique_ptr<host::Recorder> recorder_;
    bool kept_ = false;
    host::Rewind rewind_;
    bool rewinding_ = false, paused_before_rewind_ = false;
    int volume_ = 100;
    std::array<bool, input::kButtonCount> pad_held_{};
    std::vector<bool> stick_pressed_;  // each stick row of the mapping, pressed or not
};

}  // namespace ignivar::web
