#include "sim/state.h"

#include <bit>
#include <cstring>
#include <limits>

#include "base/bytes.h"

namespace ignivar {
namespace {

constexpr char kMagic[8] = {'I', 'G', 'N', 'V', 'S', 'T', 'A', 'T'};
constexpr std::size_t kHeader = 8 + 4 + 4 + 4;  // magic, version, length, checksum
constexpr std::size_t kForcedBytes = RandomCoin::kMaxForced / 8;

// Writes fields into a buffer large enough for a state.
class Writer {
public:
    explicit Writer(std::uint8_t* out) : start_(out), p_(out) {}
    void u8(std::uint32_t v) { *p_++ = static_cast<std::uint8_t>(v); }
    void u16(std::uint32_t v) { put(v, 2); }
    void u32(std::uint32_t v) { put(v, 4); }
    void i32(std::int32_t v) { put(static_cast<std::uint32_t>(v), 4); }
    void i64(std::int64_t v) { put(static_cast<std::uint64_t>(v), 8); }
    void words(const std::uint32_t* w, std::size_t n) {
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(p_, w, n * 4);
            p_ += n * 4;
        } else {
            for (std::size_t i = 0; i < n; ++i) u32(w[i]);
        }
    }
    std::size_t written() const { return static_cast<std::size_t>(p_ - start_); }

private:
    void put(std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) *p_++ = static_cast<std::uint8_t>(v >> (8 * i));
    }
    std::uint8_t* start_;
    std::uint8_t* p_;
};

// Room for any state: the fixed fields and the coin.
constexpr std::size_t kRoom = 8192;

// Reads fields; every field that holds a value out of its range marks the
// state as one no unit can be in.
class Reader {
public:
    explicit Reader(const std::uint8_t* p) : p_(p) {}
    std::uint64_t raw(int bytes) {
        std::uint64_t v = 0;
        for (int i = 0; i < bytes; ++i) v |= std::uint64_t{p_[i]} << (8 * i);
        p_ += bytes;
        return v;
    }
    bool flag() { return check(raw(1), 0, 1) != 0; }
    std::int64_t check(std::int64_t v, std::int64_t lo, std::int64_t hi) {
        if (v < lo || v > hi) bad_ = true;
        return v;
    }
    std::int32_t i32(std::int64_t lo = std::numeric_limits<std::int32_t>::min(),
                     std::int64_t hi = std::numeric_limits<std::int32_t>::max()) {
        return static_cast<std::int32_t>(check(static_cast<std::int32_t>(raw(4)), lo, hi));
    }
    std::int64_t i64(std::int64_t lo, std::int64_t hi) { return check(static_cast<std::int64_t>(raw(8)), lo, hi); }
    bool bad() const { return bad_; }
    void mark_bad() { bad_ = true; }

private:
    const std::uint8_t* p_;
    bool bad_ = false;
};

void write_game(Writer& w, const GameState& g) {
    for (std::int32_t v : {g.mode, g.score, g.hiscore_a, g.hiscore_b, g.misses, g.hero, g.shot_lane, g.shot_pos,
                           g.shot_step, g.flame_limit, g.lane, g.start_step, g.intermission_step, g.miss_step,
                           g.gameover_step})
        w.i32(v);
    for (const auto& lane : g.grid)
        for (std::int32_t c : lane) w.u8(static_cast<std::uint32_t>(c));
    for (bool b : {g.play, g.game_sound, g.sound_output, g.button_latch, g.latch_a, g.latch_b}) w.u8(b);
}

// The shot's fields index the flame and shot segments: they must name a
// lane and a position wherever the shot's step will use them.
bool shot_fits(const GameState& g) {
    const bool step_ok = (g.shot_step >= 0 && g.shot_step <= 6) || g.shot_step == 10 || g.shot_step == 11;
    if (!step_ok || g.shot_lane < 0 || g.shot_lane > kLanes || g.shot_pos < 0 || g.shot_pos > kPositions + 1)
        return false;
    const bool uses_place = (g.shot_step >= 1 && g.shot_step <= 5) || g.shot_step >= 10;
    return !uses_place || (g.shot_lane >= 1 && g.shot_pos >= 1 && g.shot_pos <= kPositions);
}

GameState read_game(Reader& r) {
    GameState g;
    constexpr std::int64_t kStepMax = 100;
    g.mode = r.i32(0, kGameOver);
    g.score = r.i32(0, 9999);
    g.hiscore_a = r.i32();
    g.hiscore_b = r.i32();
    g.misses = r.i32(0, 3);
    g.hero = r.i32(0, 3);
    g.shot_lane = r.i32();
    g.shot_pos = r.i32();
    g.shot_step = r.i32();
    g.flame_limit = r.i32(0, 5);
    g.lane = r.i32(0, kLanes);
    g.start_step = r.i32(0, kStepMax);
    g.intermission_step = r.i32(0, kStepMax);
    g.miss_step = r.i32(0, kStepMax);
    g.gameover_step = r.i32(0, kStepMax);
    for (auto& lane : g.grid)
        for (std::int32_t& c : lane) c = r.flag();
    for (bool* b : {&g.play, &g.game_sound, &g.sound_output, &g.button_latch, &g.latch_a, &g.latch_b}) *b = r.flag();
    if (!shot_fits(g)) r.mark_bad();
    return g;
}

void read_game_into(Reader& r, UnitState& s) { s.game = read_game(r); }

void write_payload(Writer& w, const UnitState& s) {
    w.i64(s.now);
    w.u32(s.fraction_num);
    w.u32(s.fraction_den);
    for (bool b : s.lit) w.u8(b);
    for (const DigitCell& c : s.cells) {
        w.u8(static_cast<std::uint32_t>(c.glyph.kind));
        w.u8(c.glyph.digit);
        w.u8(c.visible);
    }
    for (const TimerBank::SlotState& t : s.timers) {
        w.i32(t.interval);
        w.u8(t.enabled);
        w.i64(t.due);
    }
    write_game(w, s.game);
    w.words(s.coin.words.data(), s.coin.words.size());
    w.u32(s.coin.index);
    w.u16(static_cast<std::uint32_t>(s.forced.size()));
    std::array<std::uint8_t, kForcedBytes> bits{};
    for (std::size_t i = 0; i < s.forced.size() && i < RandomCoin::kMaxForced; ++i)
        if (s.forced[i]) bits[i / 8] |= static_cast<std::uint8_t>(1u << (i % 8));
    for (std::uint8_t b : bits) w.u8(b);
    w.u8(static_cast<std::uint32_t>(std::min(s.sounds.size(), kMaxSoundsInFlight)));
    for (std::size_t i = 0; i < kMaxSoundsInFlight; ++i) {
        const SoundInFlight none{};
        const SoundInFlight& f = i < s.sounds.size() ? s.sounds[i] : none;
        // How long ago it started: a sound effect lasts seconds, not weeks.
        const Millis ago = std::clamp<Millis>(s.now - f.started, 0, std::numeric_limits<std::uint32_t>::max());
        // The lane rides in the sample's high bits: a moment saved before
        // lanes were told reads as lane 0, the unit as a whole.
        const int lane = f.lane >= 1 && f.lane <= kLanes ? f.lane : kNoLane;
        w.u8(static_cast<std::uint32_t>(f.sample) | static_cast<std::uint32_t>(lane) << 4);
        w.u32(static_cast<std::uint32_t>(ago));
    }
}

void read_display(Reader& r, UnitState& s) {
    for (bool& b : s.lit) b = r.flag();
    for (DigitCell& c : s.cells) {
        c.glyph.kind = static_cast<Glyph::Kind>(r.check(static_cast<std::int64_t>(r.raw(1)), 0, 2));
        c.glyph.digit = static_cast<std::uint8_t>(r.check(static_cast<std::int64_t>(r.raw(1)), 0, 9));
        c.visible = r.flag();
    }
}

void read_timers(Reader& r, UnitState& s) {
    for (TimerBank::SlotState& t : s.timers) {
        t.interval = r.i32(1, std::numeric_limits<std::int32_t>::max());
        t.enabled = r.flag();
        t.due = r.i64(0, kMaxVirtualMillis + std::numeric_limits<std::int32_t>::max());
        if (r.bad()) return;  // no sums with a value out of its range
        // A running timer falls due after the moment saved, within its interval.
        if (t.enabled && (t.due <= s.now || t.due > s.now + t.interval)) r.mark_bad();
    }
}

void read_coin(Reader& r, UnitState& s) {
    for (std::uint32_t& word : s.coin.words) word = static_cast<std::uint32_t>(r.raw(4));
    s.coin.index = static_cast<std::uint32_t>(r.check(static_cast<std::int64_t>(r.raw(4)), 0, Mt19937::kWords));
    const auto forced = static_cast<std::size_t>(r.check(static_cast<std::int64_t>(r.raw(2)), 0, RandomCoin::kMaxForced));
    std::array<std::uint8_t, kForcedBytes> bits{};
    for (std::uint8_t& b : bits) b = static_cast<std::uint8_t>(r.raw(1));
    if (r.bad()) return;
    for (std::size_t i = 0; i < forced; ++i) s.forced.push_back((bits[i / 8] >> (i % 8)) & 1);
}

void read_sounds(Reader& r, UnitState& s) {
    const auto count = static_cast<std::size_t>(r.check(static_cast<std::int64_t>(r.raw(1)), 0, kMaxSoundsInFlight));
    for (std::size_t i = 0; i < kMaxSoundsInFlight; ++i) {
        const auto byte = static_cast<std::int64_t>(r.raw(1));
        const auto sample = static_cast<Sample>(r.check(byte & 0x0f, 0, kSampleCount - 1));
        const auto lane = static_cast<int>(r.check(byte >> 4, kNoLane, kLanes));
        const auto ago = static_cast<Millis>(r.raw(4));
        if (i < count) s.sounds.push_back({sample, s.now - std::min(ago, s.now), lane});
    }
}

// Stops at the first field out of its range: what follows may be reckoned
// from it.
UnitState read_payload(Reader& r) {
    UnitState s;
    s.now = r.i64(0, kMaxVirtualMillis);
    s.fraction_num = static_cast<std::uint32_t>(r.raw(4));
    s.fraction_den = static_cast<std::uint32_t>(r.raw(4));
    if (s.fraction_den == 0 || s.fraction_den > 1'000'000 || s.fraction_num >= s.fraction_den) r.mark_bad();
    for (void (*part)(Reader&, UnitState&) : {read_display, read_timers, read_game_into, read_coin, read_sounds}) {
        if (r.bad()) break;
        part(r, s);
    }
    return s;
}

}  // namespace

UnitState capture_state(const Unit& unit, const RandomCoin& coin) {
    UnitState s;
    const TimerBank& timers = unit.timers();
    s.now = timers.now();
    s.lit = unit.display().lit_segments();
    s.cells = unit.display().cells();
    for (int i = 0; i < kTimerCount; ++i) s.timers[i] = timers.slot_state(static_cast<TimerId>(i));
    s.game = unit.state();
    s.coin = coin.generator().state();
    s.forced.assign(coin.forced().begin(), coin.forced().end());
    return s;
}

void restore_state(const UnitState& s, Unit& unit, RandomCoin& coin) {
    unit.display().restore(s.lit, s.cells);
    unit.timers().restore(s.now, s.timers);
    unit.mutable_state() = s.game;
    coin.generator().set_state(s.coin);
    coin.forced().assign(s.forced.begin(), s.forced.end());
}

std::vector<std::uint8_t> encode_state(const UnitState& state) {
    std::vector<std::uint8_t> out(kRoom);
    std::memcpy(out.data(), kMagic, sizeof kMagic);
    Writer w(out.data() + sizeof kMagic);
    w.u32(kStateVersion);
    w.u32(0);  // the length, once known
    w.u32(0);  // the checksum, once known
    write_payload(w, state);
    out.resize(sizeof kMagic + w.written());
    const auto length = static_cast<std::uint32_t>(out.size());
    const std::uint32_t crc = crc32(out.data() + kHeader, out.size() - kHeader);
    for (int i = 0; i < 4; ++i) {
        out[12 + i] = static_cast<std::uint8_t>(length >> (8 * i));
        out[16 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    return out;
}

std::size_t state_size() {
    static const std::size_t size = encode_state(UnitState{}).size();
    return size;
}

Result<UnitState> decode_state(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof kMagic || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return failure(said("SavedGame", "it is not a saved game of Ignivar"));
    if (size < kHeader) return failure(said("SavedGame", "it is cut short"));
    if (const std::uint32_t version = le32(data + 8); version != kStateVersion)
        return failure(said("SavedGame", "it was saved in another format (version %1; this program reads %2)")
                           .with(std::to_string(version))
                           .with(std::to_string(kStateVersion)));
    const std::uint32_t length = le32(data + 12);
    if (length != state_size()) return failure(said("SavedGame", "its length is not that of a saved game"));
    if (size < length) return failure(said("SavedGame", "it is cut short"));
    if (size > length) return failure(said("SavedGame", "it has more in it than a saved game"));
    if (crc32(data + kHeader, length - kHeader) != le32(data + 16)) return failure(said("SavedGame", "it is damaged (its checksum does not match)"));
    Reader r(data + kHeader);
    UnitState s = read_payload(r);
    if (r.bad()) return failure(said("SavedGame", "it holds a moment no unit can be in"));
    return s;
}

}  // namespace ignivar
