#include "host/face_words.h"

#include <array>

namespace ignivar::host {
namespace {

const char* mode_words(int mode, const Display& d) {
    switch (mode) {
        case kPowerOn: return IGNIVAR_TEXT("Face", "All segments shown");
        case kTime1:
        case kTime2: return IGNIVAR_TEXT("Face", "Time");
        case kAlarm: return IGNIVAR_TEXT("Face", "Alarm");
        case kDate: return IGNIVAR_TEXT("Face", "Date");
        case kChrono: return IGNIVAR_TEXT("Face", "Chronograph");
        case kGameAReady: return IGNIVAR_TEXT("Face", "Game A, ready");
        case kGameBReady: return IGNIVAR_TEXT("Face", "Game B, ready");
        case kGameA: return IGNIVAR_TEXT("Face", "Game A");
        case kGameB: return IGNIVAR_TEXT("Face", "Game B");
        case kGameOver:
            return d.Vid_Is_Lit(Seg::PanelGameB) ? IGNIVAR_TEXT("Face", "Game B over") : IGNIVAR_TEXT("Face", "Game A over");
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

// One more part of what is said, after a comma (in the language's own way).
void then(Text& said_so_far, Text part) { said_so_far = said("Face", "%1, %2").with(said_so_far).with(std::move(part)); }

void game_words(const Display& d, Text& out) {
    int misses = 0;
    for (int i = 1; i <= 3; ++i) misses += d.Vid_Is_Lit(miss_mark_seg(i));
    then(out, misses == 1 ? said("Face", "1 miss") : said("Face", "%1 misses").with(std::to_string(misses)));
    for (int i = 1; i <= 3; ++i)
        if (d.Vid_Is_Lit(hero_seg(i))) then(out, said("Face", "hero in lane %1").with(std::to_string(i)));
    if (d.Vid_Is_Lit(hero_seg(0))) then(out, said("Face", "hero at the house"));
    int water = 0;
    for (int i = 1; i <= 3; ++i) water += d.Vid_Is_Lit(tank_seg(i));
    then(out, said("Face", "water %1").with(std::to_string(water)));
    // Flames come down from position 5 to 1, the hero's row.
    for (int lane = 1; lane <= kLanes; ++lane)
        for (int pos = 1; pos <= kPositions; ++pos)
            if (d.Vid_Is_Lit(flame_seg(lane, pos))) {
                then(out, pos == 1 ? said("Face", "flame in lane %1 at the hero's row").with(std::to_string(lane))
                                   : said("Face", "flame in lane %1 %2 away")
                                         .with(std::to_string(lane))
                                         .with(std::to_string(pos - 1)));
                break;
            }
}

}  // namespace

Text face_text(const Unit& unit) {
    const Display& d = unit.display();
    const int mode = unit.state().mode;
    Text out = said("Face", mode_words(mode, d));
    const std::string shown = digits(d);
    const bool game = mode >= kGameAReady && mode <= kGameOver;
    if (!shown.empty()) then(out, game ? said("Face", "score %1").with(shown) : Text{nullptr, shown, {}});
    const bool am = d.Vid_Is_Lit(Seg::PanelTimeAm), pm = d.Vid_Is_Lit(Seg::PanelTimePm);
    // AM and PM are the face's own marks, read as they are printed.
    if (am != pm) out = Text{nullptr, pm ? "%1 PM" : "%1 AM", {}}.with(out);
    if (game) game_words(d, out);
    return out;
}

Text event_text(const UnitEvent& e, const Unit& unit) {
    switch (e.kind) {
        case EventKind::GameStarted:
            return e.mode == kGameB || e.mode == kGameBReady ? said("Face", "Game B started") : said("Face", "Game A started");
        case EventKind::Miss: return said("Face", "Miss %1 of 3").with(std::to_string(e.misses));
        case EventKind::GameOver: {
            const GameState& s = unit.state();
            const bool best = e.score > 0 && (e.score == s.hiscore_a || e.score == s.hiscore_b);
            return (best ? said("Face", "Game over, %1 points, the best so far") : said("Face", "Game over, %1 points"))
                .with(std::to_string(e.score));
        }
        case EventKind::SoundPlayed: return {};
    }
    return {};
}

std::string face_words(const Unit& unit) { return face_text(unit).in_english(); }
std::string event_words(const UnitEvent& event, const Unit& unit) { return event_text(event, unit).in_english(); }

}  // namespace ignivar::host
