#include "host/host.h"

namespace ignivar::host {

Host::Host(SettingsStore& store, SoundSink& sound, TimeSource& time, std::uint32_t seed, LocalClock* clock)
    : store_(store),
      time_(time),
      own_clock_(clock ? nullptr : std::make_unique<VirtualClock>([this] { return unit_.timers().now(); })),
      coin_(seed),
      unit_(store, sound, clock ? *clock : *own_clock_, coin_),
      controls_(unit_) {
    unit_.set_event_sink(this);
}

Host::~Host() { unit_.set_event_sink(nullptr); }

bool Host::create(const std::function<void(bool fullscreen)>& load_skin) { return controls_.create(store_, load_skin); }

void Host::catch_up() {
    TimerBank& bank = unit_.timers();
    const Millis target = time_.now();
    if (target <= bank.now()) return;
    const std::optional<Millis> late = time_.late_limit();
    if (!late) {
        bank.advance(target - bank.now());
        return;
    }
    for (;;) {
        const Millis due = bank.next_due();
        if (due < 0 || due > target) {
            bank.advance(target - bank.now());
            return;
        }
        if (target - due > *late) {
            bank.catch_up(target);
            continue;  // handlers re-arm strictly after `target`
        }
        bank.advance(due - bank.now());  // fires everything due at `due`
    }
}

void Host::settle() {
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

skin::Picture Host::face(const skin::Skin& skin, const skin::GameMenuLook& game_menu) const {
    return skin::render_frame(skin, unit_.display(), game_menu);
}

}  // namespace ignivar::host
