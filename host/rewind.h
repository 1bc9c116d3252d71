// Rewind: the last thirty seconds of a game kept as states a tenth of a
// second apart in one ring of memory, so that holding a key runs the game
// back and letting go plays on from there.
#pragma once

#include <cstdint>
#include <vector>

#include "host/host.h"

namespace ignivar::host {

class Rewind {
public:
    static constexpr Millis kSpacing = 100;
    static constexpr std::size_t kCapacity = 300;  // thirty seconds

    // After every bracket: keeps the moment while a game runs (not paused)
    // and the last moment kept is kSpacing or more behind.
    void note(const Host& host);
    // Loads the latest moment kept and forgets it; false when none is left.
    bool step_back(Host& host);
    void clear();

    std::size_t size() const { return count_; }
    // The memory the ring holds.
    std::size_t bytes() const { return ring_.capacity(); }

private:
    std::vector<std::uint8_t> ring_;  // kCapacity states, allocated at the first
    std::size_t head_ = 0;            // where the next state goes
    std::size_t count_ = 0;
    Millis last_ = -1;                // the unit's time of the latest state kept
};

}  // namespace ignivar::host
