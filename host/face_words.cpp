#include "host/face_words.h"

#include <array>

namespace ignivar::host {
namespace {

const char* mode_words(int mode, const Display& d) {
    switch (mode) {
        case kPowerOn: return "All segments shown";
        case kTime1:
        case kTime2: return "Time";
        case kAlarm: return "Alarm";
        case kDate: return "Date";
        case kChrono: return "Chronograph";
        case kGameAReady: return "Game A, ready";
        case kGameBReady: return "Game B, ready";
        case kGameA: return "Game A";
        case kGameB: return "Game B";
        case kGameOver: return d.Vid_Is_Lit(Seg::PanelGameB) ? "Game B over" : "Game A over";
        default: return "Ignivar";
    }
}

// The digit cells as they read: "12:34", "120".
std::string digits(const Display& d) {
    std::string out;
    for (int cell = 1; cell <= kDigitCells; ++cell) {
        const DigitCell& c = d.digit(cell);
        if (cell == 3 && d.Vid_Is_Lit(Seg::PanelTimeColon) && !out.empty()) out += ':';
        if (c.visible && c.glyph.kind != Glyph::Kind::None && c.glyph.digit <= 9) out += char('0' + c.glyph.digit);
    }
    return out;
}

void game_words(const Display& d, std::string& out) {
    int misses = 0;
    for (int i = 1; i <= 3; ++i) misses += d.Vid_Is_Lit(miss_mark_seg(i));
    out += misses == 1 ? ", 1 miss" : ", " + std::to_string(misses) + " misses";
    for (int i = 1; i <= 3; ++i)
        if (d.Vid_Is_Lit(hero_seg(i))) out += ", hero in lane " + std::to_string(i);
    if (d.Vid_Is_Lit(hero_seg(0))) out += ", hero at the house";
    int water = 0;
    for (int i = 1; i <= 3; ++i) water += d.Vid_Is_Lit(tank_seg(i));
    out += ", water " + std::to_string(water);
    // Flames come down from position 5 to 1, the hero's row.
    for (int lane = 1; lane <= kLanes; ++lane)
        for (int pos = 1; pos <= kPositions; ++pos)
            if (d.Vid_Is_Lit(flame_seg(lane, pos))) {
                out += ", flame in lane " + std::to_string(lane) +
                       (pos == 1 ? " at the hero's row" : " " + std::to_string(pos - 1) + " away");
                break;
            }
}

}  // namespace

std::string face_words(const Unit& unit) {
    const Display& d = unit.display();
    const int mode = unit.state().mode;
    std::string out = mode_words(mode, d);
    const std::string shown = digits(d);
    const bool game = mode >= kGameAReady && mode <= kGameOver;
    if (!shown.empty()) out += (game ? ", score " : ", ") + shown;
    const bool am = d.Vid_Is_Lit(Seg::PanelTimeAm), pm = d.Vid_Is_Lit(Seg::PanelTimePm);
    if (am != pm) out += pm ? " PM" : " AM";
    if (game) game_words(d, out);
    return out;
}

std::string event_words(const UnitEvent& e, const Unit& unit) {
    switch (e.kind) {
        case EventKind::GameStarted:
            return e.mode == kGameB || e.mode == kGameBReady ? "Game B started" : "Game A started";
        case EventKind::Miss: return "Miss " + std::to_string(e.misses) + " of 3";
        case EventKind::GameOver: {
            const GameState& s = unit.state();
            const bool best = e.score > 0 && (e.score == s.hiscore_a || e.score == s.hiscore_b);
            return "Game over, " + std::to_string(e.score) + " points" + (best ? ", the best so far" : "");
        }
        case EventKind::SoundPlayed: return {};
    }
    return {};
}

}  // namespace ignivar::host
