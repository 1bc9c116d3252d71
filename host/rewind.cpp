#include "host/rewind.h"

#include <algorithm>

namespace ignivar::host {

void Rewind::note(const Host& host) {
    if (host.paused() || !host.game_on()) return;
    const Millis now = host.unit().timers().now();
    if (last_ >= 0 && now >= last_ && now - last_ < kSpacing) return;
    const std::vector<std::uint8_t> state = host.save_state();
    if (ring_.empty()) ring_.resize(kCapacity * state.size());
    std::copy(state.begin(), state.end(), ring_.begin() + static_cast<std::ptrdiff_t>(head_ * state.size()));
    head_ = (head_ + 1) % kCapacity;
    count_ = std::min(count_ + 1, kCapacity);
    last_ = now;
}

bool Rewind::step_back(Host& host) {
    if (count_ == 0) return false;
    const std::size_t size = state_size();
    head_ = (head_ + kCapacity - 1) % kCapacity;
    --count_;
    const std::uint8_t* state = ring_.data() + head_ * size;
    if (!host.load_state(state, size)) return false;
    last_ = host.unit().timers().now();
    return true;
}

void Rewind::clear() {
    head_ = count_ = 0;
    last_ = -1;
}

}  // namespace ignivar::host
