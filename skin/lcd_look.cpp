#include "skin/lcd_look.h"

#include <algorithm>

namespace ignivar::skin {
namespace {

// A twisted-nematic cell's response. With the drive on, the field turns
// the liquid crystal and the segment darkens quickly; with it off, only the
// crystal's own elasticity turns it back, so it clears several times more
// slowly. Both are close to exponential: clearing relaxes with
// tau = viscosity * gap^2 / (elasticity * pi^2), some 30 to 60 ms in the
// small reflective panels of pocket games, and the drive shortens darkening
// by (V^2 / Vth^2 - 1), to some 10 to 15 ms. We take 12 and 30 ms, a
// panel at the quick end of that range: a flame that moves on leaves a
// trail for four or five frames of a 60 Hz screen, and no more, so that a
// game drawn in this look costs not much more than in the exact one. A
// segment counts as settled within 4/255 of its end: 50 ms after it is
// switched on, 125 ms after it is switched off.
//
// Levels are fixed point (1 << 16 is fully dark) and the decay is a table
// made by integer steps of one millisecond, exp(-1/tau) in Q16: the same
// on every machine, unlike a floating-point exp. What is drawn is the
// level in 8 steps: a fade is repainted only when a step is crossed. At 60
// frames a second a clearing crosses one or more steps in each of its
// first frames anyway, so finer steps would only add repaints of the last
// few percent, which the eye does not tell on the glass.
constexpr std::uint32_t kFull = 1u << 16;
constexpr std::uint32_t kSettled = kFull * 4 / 255;

template <std::uint32_t Step, std::size_t N>
constexpr std::array<std::uint32_t, N> decay_table() {
    std::array<std::uint32_t, N> d{};
    std::uint64_t v = kFull;
    for (std::size_t i = 0; i < N; ++i) {
        d[i] = static_cast<std::uint32_t>(v);
        v = (v * Step + kFull / 2) >> 16;
    }
    return d;
}
constexpr auto kDarken = decay_table<60296, 50>();   // exp(-1/12 ms)
constexpr auto kClear = decay_table<63387, 125>();   // exp(-1/30 ms)
static_assert(kDarken.back() >= kSettled && (std::uint64_t{kDarken.back()} * 60296 >> 16) < kSettled);
static_assert(kClear.back() >= kSettled && (std::uint64_t{kClear.back()} * 63387 >> 16) < kSettled);

template <std::size_t N>
std::uint32_t decay(const std::array<std::uint32_t, N>& table, Millis elapsed) {
    if (elapsed < 0) return kFull;
    return elapsed < static_cast<Millis>(N) ? table[static_cast<std::size_t>(elapsed)] : 0;
}

// A level as drawn: 0 to 255 in 8 steps.
std::uint8_t byte_level(std::uint32_t level) {
    const std::uint32_t step = (level * 7 + kFull / 2) >> 16;
    return static_cast<std::uint8_t>(step * 255 / 7);
}

Glyph shown_glyph(const DigitCell& c) {
    return c.visible && c.glyph.kind != Glyph::Kind::None && c.glyph.digit <= 9 ? c.glyph : Glyph::none();
}

}  // namespace

bool is_lcd_segment(Seg s) { return s < Seg::BtnGameADown; }

bool is_unlit_choice(int strength) {
    return std::any_of(kUnlitChoices.begin(), kUnlitChoices.end(),
                       [&](const UnlitChoice& c) { return c.strength == strength; });
}

std::uint32_t LcdHistory::Element::level(Millis now) const {
    if (lit) return kFull - static_cast<std::uint32_t>((std::uint64_t{kFull - from} * decay(kDarken, now - since)) >> 16);
    return static_cast<std::uint32_t>((std::uint64_t{from} * decay(kClear, now - since)) >> 16);
}

void LcdHistory::Element::turn(bool on, Millis now) {
    if (on == lit) return;
    from = level(now);
    lit = on;
    since = now;
}

std::optional<Millis> LcdHistory::Element::settles() const {
    if (lit ? from == kFull : from == 0) return std::nullopt;
    return since + static_cast<Millis>(lit ? kDarken.size() : kClear.size());
}

void LcdHistory::observe(const Display& display, Millis now) {
    for (int i = 0; i < kSegmentCount; ++i) {
        const Seg s = static_cast<Seg>(i);
        if (is_lcd_segment(s)) segs_[i].turn(display.Vid_Is_Lit(s), now);
        else segs_[i] = {display.Vid_Is_Lit(s), now, display.Vid_Is_Lit(s) ? kFull : 0};
    }
    for (int c = 0; c < kDigitCells; ++c) {
        Cell& cell = cells_[c];
        const Glyph g = shown_glyph(display.cells()[c]);
        if (g == (cell.now.lit ? cell.glyph : Glyph::none())) continue;
        if (g == Glyph::none() || g == cell.glyph) {  // the glyph clears, or darkens again
            cell.now.turn(g != Glyph::none(), now);
            continue;
        }
        if (g == cell.old) {  // back to the one clearing: it darkens again from where it is
            std::swap(cell.now, cell.before);
            std::swap(cell.glyph, cell.old);
            cell.now.turn(true, now);
            cell.before.turn(false, now);
            continue;
        }
        if (cell.now.lit || cell.now.level(now) > cell.before.level(now)) {
            cell.before = cell.now;
            cell.old = cell.glyph;
        }
        cell.before.turn(false, now);
        cell.glyph = g;
        cell.now = {};
        cell.now.turn(true, now);
    }
}

void LcdHistory::settle(const Display& display, Millis now) {
    for (int i = 0; i < kSegmentCount; ++i) {
        const bool on = display.Vid_Is_Lit(static_cast<Seg>(i));
        segs_[i] = {on, now, on ? kFull : 0};
    }
    for (int c = 0; c < kDigitCells; ++c) {
        const Glyph g = shown_glyph(display.cells()[c]);
        cells_[c] = {g, Glyph::none(), {g != Glyph::none(), now, g != Glyph::none() ? kFull : 0}, {}};
    }
}

LcdShades LcdHistory::shades(Millis now) const {
    LcdShades out;
    for (int i = 0; i < kSegmentCount; ++i) out.seg[i] = byte_level(segs_[i].level(now));
    for (int c = 0; c < kDigitCells; ++c) {
        const Cell& cell = cells_[c];
        out.cells[c] = {cell.glyph, cell.old, byte_level(cell.now.level(now)), byte_level(cell.before.level(now))};
    }
    return out;
}

std::optional<Millis> LcdHistory::fading_until(Millis now) const {
    std::optional<Millis> until;
    const auto note = [&](const Element& e) {
        const std::optional<Millis> end = e.settles();
        if (end && *end > now) until = std::max(until.value_or(*end), *end);
    };
    for (const Element& e : segs_) note(e);
    for (const Cell& c : cells_) note(c.now), note(c.before);
    return until;
}

std::optional<Millis> LcdHistory::next_change(Millis now) const {
    std::optional<Millis> next;
    const auto note = [&](const Element& e) {
        const std::optional<Millis> end = e.settles();
        if (!end || *end <= now) return;
        const std::uint8_t shown = byte_level(e.level(now));
        for (Millis t = now + 1; t <= *end && (!next || t < *next); ++t)
            if (byte_level(e.level(t)) != shown) {
                next = t;
                return;
            }
    };
    for (const Element& e : segs_) note(e);
    for (const Cell& c : cells_) note(c.now), note(c.before);
    return next;
}

namespace {

// What a moment's bytes keep of its past: a day's switches are more than enough.
constexpr Millis kKeptPast = 24LL * 3600 * 1000;

void put(std::uint8_t*& out, std::uint64_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) *out++ = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint64_t get(const std::uint8_t*& in, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i) v |= std::uint64_t{*in++} << (8 * i);
    return v;
}
bool glyph_from(std::uint8_t kind, std::uint8_t digit, Glyph& g) {
    if (kind > 2 || digit > 9) return false;
    g = {static_cast<Glyph::Kind>(kind), digit};
    return true;
}

}  // namespace

void LcdHistory::save(std::uint8_t* out) const {
    const auto element = [&](const Element& e) {
        put(out, e.lit, 1);
        put(out, static_cast<std::uint64_t>(e.since), 8);
        put(out, e.from, 4);
    };
    for (const Element& e : segs_) element(e);
    for (const Cell& c : cells_) {
        put(out, static_cast<std::uint8_t>(c.glyph.kind), 1), put(out, c.glyph.digit, 1);
        put(out, static_cast<std::uint8_t>(c.old.kind), 1), put(out, c.old.digit, 1);
        element(c.now), element(c.before);
    }
}

bool LcdHistory::load(const std::uint8_t* in, Millis now) {
    LcdHistory h;
    bool ok = true;
    const auto element = [&](Element& e) {
        const std::uint64_t lit = get(in, 1);
        e.since = static_cast<Millis>(get(in, 8));
        e.from = static_cast<std::uint32_t>(get(in, 4));
        e.lit = lit == 1;
        ok = ok && lit <= 1 && e.from <= kFull && e.since <= now && e.since >= now - kKeptPast;
    };
    for (Element& e : h.segs_) element(e);
    for (Cell& c : h.cells_) {
        const std::uint8_t k = static_cast<std::uint8_t>(get(in, 1)), d = static_cast<std::uint8_t>(get(in, 1));
        const std::uint8_t ok_ = static_cast<std::uint8_t>(get(in, 1)), od = static_cast<std::uint8_t>(get(in, 1));
        ok = ok && glyph_from(k, d, c.glyph) && glyph_from(ok_, od, c.old);
        element(c.now), element(c.before);
    }
    if (ok) *this = h;
    return ok;
}

LcdShades instant_shades(const Display& display) {
    LcdShades out;
    for (int i = 0; i < kSegmentCount; ++i) out.seg[i] = display.Vid_Is_Lit(static_cast<Seg>(i)) ? 255 : 0;
    for (int c = 0; c < kDigitCells; ++c) {
        const Glyph g = shown_glyph(display.cells()[c]);
        out.cells[c].glyph = g;
        out.cells[c].level = g != Glyph::none() ? 255 : 0;
    }
    return out;
}

}  // namespace ignivar::skin
