// The game's coin: a seeded generator, with results that can be forced
// ahead of it so that a whole game can be replayed exactly.
#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <string_view>

#include "sim/ports.h"

namespace ignivar {

class RandomCoin : public Coin {
public:
    explicit RandomCoin(std::uint32_t seed = 0) : gen_(seed) {}

    int draw() override {
        if (!forced_.empty()) {
            const int r = forced_.front();
            forced_.pop_front();
            return r;
        }
        return static_cast<int>(gen_() >> 31);
    }

    void reseed(std::uint32_t seed) { gen_.seed(seed); }
    void force(int result) { forced_.push_back(result ? 1 : 0); }

private:
    std::mt19937 gen_;
    std::deque<int> forced_;
};

}  // namespace ignivar
