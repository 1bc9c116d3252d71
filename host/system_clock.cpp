// The computer's local date and time for the watch.
#include "host/system_clock.h"

#include <chrono>
#include <ctime>

namespace ignivar::host {

LocalTime SystemClock::now() {
    const auto t = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(t);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &secs);
#else
    localtime_r(&secs, &local);
#endif
    LocalTime out;
    out.year = local.tm_year + 1900;
    out.month = local.tm_mon + 1;
    out.day = local.tm_mday;
    out.hour = local.tm_hour;
    out.minute = local.tm_min;
    out.second = local.tm_sec;
    out.millisecond = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000);
    return out;
}

}  // namespace ignivar::host
