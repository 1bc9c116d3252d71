// The game's coin: a seeded generator, with results that can be forced
// ahead of it so that a whole game can be replayed exactly. Its whole state
// can be saved and given back, so that a saved game throws the same
// flames after it is loaded.
#pragma once

#include <array>
#include <cstdint>
#include <deque>

#include "sim/ports.h"

namespace ignivar {

// The Mersenne Twister MT19937, word for word the sequence of std::mt19937,
// with its state in the open.
class Mt19937 {
public:
    static constexpr int kWords = 624;

    explicit Mt19937(std::uint32_t seed = 5489u) { seed_with(seed); }
    void seed_with(std::uint32_t seed);
    std::uint32_t operator()();

    struct State {
        std::array<std::uint32_t, kWords> words{};
        std::uint32_t index = kWords;  // the next word to temper; kWords: twist first
    };
    const State& state() const { return s_; }
    // Takes a state as saved; an index past the words twists first.
    void set_state(const State& s);

private:
    void twist();
    State s_;
};

class RandomCoin : public Coin {
public:
    // Results forced ahead of the generator that a saved state keeps.
    static constexpr std::size_t kMaxForced = 1024;

    explicit RandomCoin(std::uint32_t seed = 0) : gen_(seed) {}

    int draw() override {
        if (!forced_.empty()) {
            const int r = forced_.front();
            forced_.pop_front();
            return r;
        }
        return static_cast<int>(gen_() >> 31);
    }

    void reseed(std::uint32_t seed) { gen_.seed_with(seed); }
    // False, and nothing forced, when kMaxForced results are waiting already.
    bool force(int result) {
        if (forced_.size() >= kMaxForced) return false;
        forced_.push_back(result ? 1 : 0);
        return true;
    }

    const Mt19937& generator() const { return gen_; }
    Mt19937& generator() { return gen_; }
    const std::deque<int>& forced() const { return forced_; }
    std::deque<int>& forced() { return forced_; }

private:
    Mt19937 gen_;
    std::deque<int> forced_;
};

}  // namespace ignivar
