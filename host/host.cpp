#include "host/host.h"

#include <algorithm>
#include <cstring>
#include <iterator>

namespace ignivar::host {

Host::Host(SettingsStore& store, SoundSink& sound, TimeSource& time, std::uint32_t seed, LocalClock* clock)
    : store_(store),
      time_(time),
      own_clock_(clock ? nullptr : std::make_unique<VirtualClock>([this] { return unit_.timers().now(); })),
      coin_(seed),
      unit_(store, sound, clock ? *clock : *own_clock_, coin_),
      controls_(unit_),
      sound_(sound) {
    unit_.set_event_sink(this);
    controls_.set_observer([this](input::Button b, bool pressed) {
        for (const auto& f : input_listeners_) f(b, pressed, unit_.timers().now());
    });
}

Host::~Host() { unit_.set_event_sink(nullptr); }

bool Host::create(const std::function<void(bool fullscreen)>& load_skin) { return controls_.create(store_, load_skin); }

void Host::catch_up() {
    if (paused_) return;  // the unit's time stands still
    TimerBank& bank = unit_.timers();
    const Millis target = time_.now();
    if (target <= bank.now()) return;
    const std::optional<Millis> late = time_.late_limit();
    if (!late) {
        run_to(target);
        return;
    }
    run_late(target, *late);
}

void Host::run_to(Millis target) {
    // Due by due, so that the LCD's history has each change at its moment.
    TimerBank& bank = unit_.timers();
    for (Millis due = bank.next_due(); due >= 0 && due <= target; due = bank.next_due()) {
        bank.advance(due - bank.now());
        note_display();
    }
    bank.advance(target - bank.now());
}

void Host::note_display() {
    const std::uint64_t changes = unit_.display().changes();
    if (changes == noted_changes_) return;
    noted_changes_ = changes;
    lcd_.observe(unit_.display(), unit_.timers().now());
}

void Host::run_late(Millis target, Millis late) {
    TimerBank& bank = unit_.timers();
    for (;;) {
        const Millis due = bank.next_due();
        if (due < 0 || due > target) {
            bank.advance(target - bank.now());
            return;
        }
        if (target - due > late) {
            const Millis from = bank.now();
            bank.catch_up(target);
            note_display();
            for (const auto& f : slip_listeners_) f(from, target);
            continue;  // handlers re-arm strictly after `target`
        }
        bank.advance(due - bank.now());  // fires everything due at `due`
        note_display();
    }
}

void Host::slip(Millis from, Millis to) {
    TimerBank& bank = unit_.timers();
    if (from > bank.now()) run_to(from);
    if (to > bank.now()) bank.catch_up(to);
    for (const auto& f : slip_listeners_) f(from, to);
    time_.set(bank.now());
    settle();
}

void Host::settle() {
    note_display();
    const std::uint64_t changes = unit_.display().changes();
    if (changes != shown_changes_) {
        shown_changes_ = changes;
        for (const auto& f : change_listeners_) f();
    }
    const std::optional<Millis> due = next_due();
    for (const auto& f : wake_listeners_) f(due);
}

std::optional<Millis> Host::next_due() const {
    const Millis due = unit_.timers().next_due();
    if (due < 0) return std::nullopt;
    return due;
}

void Host::on_unit_event(const UnitEvent& event) {
    for (const auto& f : event_listeners_) f(event);
}

std::vector<std::uint8_t> Host::save_state() const {
    UnitState s = capture_state(unit_, coin_);
    if (sounding_) s.sounds = sounding_();
    // The clock may be past the unit's last run; the saved moment is the unit's.
    const TimeSource::Fraction f = time_.now() == s.now ? time_.fraction() : TimeSource::Fraction{};
    s.fraction_num = f.num;
    s.fraction_den = f.num == 0 ? 1 : f.den;  // on the millisecond: one form for every clock
    return encode_state(s);
}

std::vector<std::uint8_t> Host::save_state_with_lcd() const {
    std::vector<std::uint8_t> bytes = save_state();
    bytes.insert(bytes.end(), std::begin(skin::LcdHistory::kMagic), std::end(skin::LcdHistory::kMagic));
    bytes.resize(bytes.size() + skin::LcdHistory::kBytes);
    lcd_.save(bytes.data() + bytes.size() - skin::LcdHistory::kBytes);
    return bytes;
}

Status Host::load_state(const std::uint8_t* data, std::size_t size, bool paused) {
    const std::size_t unit = state_size(), magic = sizeof skin::LcdHistory::kMagic;
    const bool with_lcd = size == unit + magic + skin::LcdHistory::kBytes &&
                          std::memcmp(data + unit, skin::LcdHistory::kMagic, magic) == 0;
    auto decoded = decode_state(data, with_lcd ? unit : size);
    if (!decoded) return decoded.error();
    const UnitState& s = *decoded;
    restore_state(s, unit_, coin_);
    // A moment's past is not saved: its LCD shows settled.
    lcd_.settle(unit_.display(), unit_.timers().now());
    if (with_lcd) lcd_.load(data + unit + magic, unit_.timers().now());  // else, or not a history: settled
    noted_changes_ = unit_.display().changes();
    // A saved moment never lowers a high score: the store's better one wins.
    GameState& g = unit_.mutable_state();
    g.hiscore_a = std::max(g.hiscore_a, store_.read_number(Setting::HiScore1, 0));
    g.hiscore_b = std::max(g.hiscore_b, store_.read_number(Setting::HiScore2, 0));
    if (paused && game_on() && !paused_) {
        paused_ = true;
        time_.freeze(true);  // before the clock is set: not a moment passes
    }
    time_.set(s.now, {s.fraction_num, s.fraction_den});
    sound_.stop_all();
    if (resume_sounds_) resume_sounds_(s.sounds);
    mark_unshown();
    sync();
    return {};
}

bool Host::game_on() const {
    const int mode = unit_.state().mode;
    return mode >= kGameAReady && mode <= kGameOver;
}

bool Host::set_paused(bool paused) {
    if (paused && !game_on()) return false;
    if (paused == paused_) return true;
    if (paused) {
        catch_up();  // up to the moment of the pause
        sound_.stop_all();
    }
    paused_ = paused;
    time_.freeze(paused);
    // Time goes on from where the unit stood, whatever the clock did meanwhile.
    if (!paused && time_.now() != unit_.timers().now()) time_.set(unit_.timers().now());
    mark_unshown();
    settle();
    for (const auto& f : pause_listeners_) f(paused);
    return true;
}

skin::Picture Host::face(const skin::Skin& skin, const skin::GameMenuLook& game_menu,
                         const skin::LcdFrame* lcd) const {
    return skin::render_frame(skin, unit_.display(), game_menu, lcd);
}

void Host::let_go_of_shown_buttons() {
    for (int b = 0; b < input::kButtonCount; ++b) {
        const auto button = static_cast<input::Button>(b);
        if (button != input::Button::Set && unit_.display().Vid_Is_Lit(input::pressed_picture(button))) release(button);
    }
}

std::optional<input::Button> button_at(const skin::Skin& skin, long long x, long long y) {
    using B = input::Button;
    // Later-drawn areas lie on top.
    for (B b : {B::GameB, B::GameA, B::Time, B::Right, B::Left, B::ShootRight, B::ShootLeft, B::Set}) {
        const skin::PlacedPicture& p = skin.pictures[input::button_area_section(b) - 1];
        // In 64 bits: a skin may give any 32-bit place and size.
        if (x >= p.left && y >= p.top && x < static_cast<long long>(p.left) + p.width &&
            y < static_cast<long long>(p.top) + p.height)
            return b;
    }
    return std::nullopt;
}

}  // namespace ignivar::host
