// A local clock that runs on the unit's virtual time: set it to a date and
// time, and it advances as virtual milliseconds pass.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "sim/ports.h"
#include "sim/timers.h"

namespace ignivar {

class VirtualClock : public LocalClock {
public:
    explicit VirtualClock(std::function<Millis()> virtual_now) : virtual_now_(std::move(virtual_now)) {}

    // The local time is `t` at the current virtual time.
    void set(const LocalTime& t);
    LocalTime now() override;

private:
    std::function<Millis()> virtual_now_;
    Millis base_ms_ = 946684800000;  // 2000-01-01 00:00:00 as milliseconds since 1970
    Millis base_virtual_ = 0;
};

// Parses "YYYY-MM-DD HH:MM:SS", rejecting dates that do not exist.
std::optional<LocalTime> parse_local_time(std::string_view text);

}  // namespace ignivar
