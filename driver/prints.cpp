// What the driver prints: the moment, the display, the state, the timers,
// the sounds played, the settings and the hints.
#include <algorithm>

#include "driver/driver.h"

namespace ignivar {
namespace {

std::string glyph_text(const DigitCell& c) {
    if (!c.visible) return "-";
    switch (c.glyph.kind) {
        case Glyph::Kind::None: return ".";
        case Glyph::Kind::Large: return std::to_string(c.glyph.digit);
        case Glyph::Kind::Small: return "s" + std::to_string(c.glyph.digit);
    }
    return "?";
}

}  // namespace

bool Driver::print_now(std::string_view) {
    out_ << "now " << host_->unit().timers().now() << '\n';
    return true;
}

bool Driver::print_show(std::string_view) {
    const Display& d = host_->unit().display();
    std::vector<std::string_view> lit;
    for (int i = 0; i < kSegmentCount; ++i)
        if (d.Vid_Is_Lit(static_cast<Seg>(i))) lit.push_back(segment_name(static_cast<Seg>(i)));
    std::sort(lit.begin(), lit.end());
    out_ << "mode " << host_->unit().state().mode << "\nlit";
    for (auto n : lit) out_ << ' ' << n;
    out_ << "\ndigits";
    for (int cell = 1; cell <= kDigitCells; ++cell) out_ << ' ' << glyph_text(d.digit(cell));
    out_ << '\n';
    return true;
}

bool Driver::print_state(std::string_view) {
    const GameState& s = host_->unit().state();
    std::string grid;
    for (int lane = 1; lane <= kLanes; ++lane) {
        if (lane > 1) grid += ',';
        for (int pos = 1; pos <= kPositions; ++pos) grid += s.cell(lane, pos) ? '1' : '0';
    }
    out_ << "state mode=" << s.mode << " score=" << s.score << " hiscore_a=" << s.hiscore_a
         << " hiscore_b=" << s.hiscore_b << " misses=" << s.misses << " hero=" << s.hero
         << " play=" << s.play << " game_sound=" << s.game_sound << " limit=" << s.flame_limit
         << " lane=" << s.lane << " shot_lane=" << s.shot_lane << " shot_pos=" << s.shot_pos
         << " shot_step=" << s.shot_step << " grid=" << grid << " start_step=" << s.start_step
         << " miss_step=" << s.miss_step << " intermission_step=" << s.intermission_step
         << " gameover_step=" << s.gameover_step << " sound_output=" << s.sound_output
         << " latch=" << s.button_latch << " latch_a=" << s.latch_a << " latch_b=" << s.latch_b << '\n';
    return true;
}

bool Driver::print_timers(std::string_view) {
    out_ << "timers";
    const TimerBank& t = host_->unit().timers();
    for (int i = 0; i < kTimerCount; ++i) {
        const auto id = static_cast<TimerId>(i);
        if (t.enabled(id)) out_ << ' ' << timer_name(id) << '=' << t.interval(id);
    }
    out_ << '\n';
    return true;
}

bool Driver::print_sounds(std::string_view) {
    out_ << "sounds";
    for (Sample s : sink_.played) out_ << ' ' << sample_name(s);
    sink_.played.clear();
    out_ << '\n';
    return true;
}

bool Driver::print_settings(std::string_view) {
    out_ << "settings";
    for (const auto& [name, text] : store_.all_values()) out_ << ' ' << name << '=' << text;
    out_ << '\n';
    return true;
}

bool Driver::print_hints(std::string_view) {
    for (input::Button b : input::kHintOrder)
        out_ << "hint " << input::button_area_name(b) << ' ' << host_->controls().hint(b) << '\n';
    return true;
}

}  // namespace ignivar
