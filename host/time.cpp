#include "host/time.h"

namespace ignivar::host {

Millis RealTime::now() const {
    if (frozen_) return base_;
    return base_ + std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - origin_).count();
}

void RealTime::set(Millis now) {
    origin_ = Clock::now();
    base_ = now;
}

void RealTime::freeze(bool frozen) {
    if (frozen == frozen_) return;
    const Millis at = now();
    frozen_ = frozen;
    set(at);  // thawed, time goes on from where it stood
}

std::optional<std::chrono::nanoseconds> RealTime::until(Millis when) const {
    if (frozen_) return std::nullopt;
    const auto at = origin_ + std::chrono::milliseconds(when - base_);
    const auto left = at - Clock::now();
    return left.count() > 0 ? std::chrono::duration_cast<std::chrono::nanoseconds>(left) : std::chrono::nanoseconds(0);
}

}  // namespace ignivar::host
