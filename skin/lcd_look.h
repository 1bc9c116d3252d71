// How the LCD looks beyond which segments are lit: the "real" look, in
// which segments darken and clear over tens of milliseconds, cast a soft
// shadow on the glass's back and show faintly while unlit. Everything here
// is a pure function of when each segment switched, on the unit's virtual
// time, so that a replay drawn twice, or on another machine, gives the same
// pixels.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

#include "sim/display.h"
#include "sim/timers.h"
#include "skin/picture.h"

namespace ignivar::skin {

struct Skin;

// The player's choice of look. `unlit` is the strength of unlit segments
// in percent; kUnlitAsFace leaves them as the skin's face shows them.
inline constexpr int kUnlitAsFace = -1;
struct LcdLook {
    bool real = false;
    int unlit = kUnlitAsFace;
    // For low vision: the skin's high-contrast face, unlit segments hidden.
    bool contrast = false;
    // Today's look: segments switch in one frame, the face as drawn.
    bool exact() const { return !real && unlit == kUnlitAsFace && !contrast; }
    friend bool operator==(const LcdLook&, const LcdLook&) = default;
};

// The two looks' names, the exact one first.
inline constexpr std::array<const char*, 2> kLookNames = {"Exact", "Real"};

// The strengths of unlit segments a player may choose, with their names.
struct UnlitChoice {
    int strength;
    const char* name;
};
inline constexpr std::array<UnlitChoice, 5> kUnlitChoices = {
    {{kUnlitAsFace, "As the face shows them"}, {0, "Hidden"}, {10, "Faint"}, {25, "Visible"}, {50, "Clear"}}};
bool is_unlit_choice(int strength);

// How lit each element appears at a moment, 0 (clear) to 255 (fully dark).
// A digit cell may show two glyphs at once: the one it shows now, darkening,
// and the one it showed before, clearing.
struct LcdShades {
    std::array<std::uint8_t, kSegmentCount> seg{};
    struct Cell {
        Glyph glyph, old;
        std::uint8_t level = 0, old_level = 0;
    };
    std::array<Cell, kDigitCells> cells{};
};

// Whether a segment is one of the LCD's (not a pressed button's picture).
bool is_lcd_segment(Seg s);

// When each element of the display switched, and how lit it looked then.
class LcdHistory {
public:
    // Records what switched since the last call, as switching at `now`.
    void observe(const Display& display, Millis now);
    // Forgets the past: everything as the display shows it, settled (a
    // loaded moment, whose past is not saved).
    void settle(const Display& display, Millis now);
    LcdShades shades(Millis now) const;
    // The moment the last fade under way ends; none when nothing fades.
    std::optional<Millis> fading_until(Millis now) const;
    // The first moment after `now` at which something is drawn otherwise
    // than at `now` (a fade crosses a step); none when nothing fades.
    std::optional<Millis> next_change(Millis now) const;

    // The history as bytes, for a front end whose saved moments must carry
    // it (the libretro core, whose front end loads a moment every frame for
    // run-ahead); and back. Bytes that are not a history at `now` change
    // nothing and say false.
    static constexpr std::size_t kBytes = (kSegmentCount + 2 * kDigitCells) * 13 + kDigitCells * 4;
    // Put before them where they follow a saved moment.
    static constexpr char kMagic[8] = {'I', 'G', 'N', 'V', 'L', 'C', 'D', '1'};
    void save(std::uint8_t* out) const;
    bool load(const std::uint8_t* in, Millis now);

private:
    // One element: lit or not since `since`, from a level (Q16) it had then.
    struct Element {
        bool lit = false;
        Millis since = 0;
        std::uint32_t from = 0;
        std::uint32_t level(Millis now) const;
        void turn(bool on, Millis now);
        std::optional<Millis> settles() const;
    };
    struct Cell {
        Glyph glyph, old;  // None: nothing
        Element now, before;
    };
    std::array<Element, kSegmentCount> segs_{};
    std::array<Cell, kDigitCells> cells_{};
};

// The shadows of a skin's segments and glyphs, made once per skin.
class LcdShadows {
public:
    explicit LcdShadows(const Skin& skin);
    struct Shadow {
        Picture picture, hires;
        int hires_scale = 0;
        int dx = 0, dy = 0;  // from the segment's corner, in skin pixels
    };
    // The shadow of a segment's or glyph's picture; null for none.
    const Shadow* of(const Picture* picture) const;

private:
    std::unordered_map<const Picture*, Shadow> shadows_;
};

// What a frame needs to draw the LCD other than exactly.
struct LcdFrame {
    LcdLook look;
    LcdShades shades;                     // the levels at the moment drawn (the real look)
    const LcdShadows* shadows = nullptr;  // none: no shadows
};

// The levels as the display shows them, with no fading.
LcdShades instant_shades(const Display& display);

}  // namespace ignivar::skin
