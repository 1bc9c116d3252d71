#include "sim/virtual_clock.h"

#include <charconv>
#include <chrono>

namespace ignivar {
namespace {

namespace chr = std::chrono;

Millis to_millis(const LocalTime& t) {
    const chr::sys_days day = chr::year{t.year} / chr::month{static_cast<unsigned>(t.month)} /
                              chr::day{static_cast<unsigned>(t.day)};
    return chr::duration_cast<chr::milliseconds>(day.time_since_epoch()).count() +
           ((t.hour * 60LL + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

LocalTime from_millis(Millis ms) {
    const chr::sys_time<chr::milliseconds> tp{chr::milliseconds{ms}};
    const chr::sys_days day = chr::floor<chr::days>(tp);
    const chr::year_month_day ymd{day};
    Millis rest = (tp - day).count();
    LocalTime t;
    t.year = static_cast<int>(ymd.year());
    t.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    t.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    t.millisecond = static_cast<int>(rest % 1000);
    rest /= 1000;
    t.second = static_cast<int>(rest % 60);
    rest /= 60;
    t.minute = static_cast<int>(rest % 60);
    t.hour = static_cast<int>(rest / 60);
    return t;
}

bool take_number(std::string_view& s, std::size_t digits, int& out) {
    if (s.size() < digits) return false;
    for (std::size_t i = 0; i < digits; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    std::from_chars(s.data(), s.data() + digits, out);
    s.remove_prefix(digits);
    return true;
}

bool take_char(std::string_view& s, char c) {
    if (s.empty() || s.front() != c) return false;
    s.remove_prefix(1);
    return true;
}

}  // namespace

void VirtualClock::set(const LocalTime& t) {
    base_ms_ = to_millis(t);
    base_virtual_ = virtual_now_();
}

LocalTime VirtualClock::now() { return from_millis(base_ms_ + (virtual_now_() - base_virtual_)); }

std::optional<LocalTime> parse_local_time(std::string_view s) {
    LocalTime t;
    if (!take_number(s, 4, t.year) || !take_char(s, '-') || !take_number(s, 2, t.month) ||
        !take_char(s, '-') || !take_number(s, 2, t.day) || !take_char(s, ' ') ||
        !take_number(s, 2, t.hour) || !take_char(s, ':') || !take_number(s, 2, t.minute) ||
        !take_char(s, ':') || !take_number(s, 2, t.second) || !s.empty())
        return std::nullopt;
    const chr::year_month_day ymd{chr::year{t.year}, chr::month{static_cast<unsigned>(t.month)},
                                  chr::day{static_cast<unsigned>(t.day)}};
    if (!ymd.ok() || t.hour > 23 || t.minute > 59 || t.second > 59) return std::nullopt;
    return t;
}

}  // namespace ignivar
