// The watch: time of day and date redraws.
#include "sim/unit.h"

namespace ignivar {

void Unit::Timer_ClockTimer() {
    const LocalTime t = clock_.now();
    int hour = t.hour;
    const bool pm = hour >= 12;
    if (pm) hour -= 12;
    display_.Vid_Show_Segment(Seg::PanelTimeAm, !pm);
    display_.Vid_Show_Segment(Seg::PanelTimePm, pm);
    if (hour == 0) hour = 12;
    display_.Vid_Show_Digit(1, hour >= 10 ? Glyph::large(1) : Glyph::none());
    display_.Vid_Show_Digit(2, Glyph::large(hour % 10));
    display_.Vid_Show_Digit(3, Glyph::large(t.minute / 10 % 10));
    display_.Vid_Show_Digit(4, Glyph::large(t.minute % 10));
    display_.Vid_Show_Digit(5, Glyph::none());
    timers_.set_interval(TimerId::Clock, 1000);
}

void Unit::Timer_DateTimer() {
    const LocalTime t = clock_.now();
    display_.Vid_Show_Digit(1, t.month >= 10 ? Glyph::large(t.month / 10 % 10) : Glyph::none());
    display_.Vid_Show_Digit(2, Glyph::large(t.month % 10));
    display_.Vid_Show_Digit(3, t.day >= 10 ? Glyph::large(t.day / 10 % 10) : Glyph::none());
    display_.Vid_Show_Digit(4, Glyph::large(t.day % 10));
    display_.Vid_Show_Digit(5, Glyph::none());
    timers_.set_interval(TimerId::Date, 1000);
}

}  // namespace ignivar
