#include "sim/coin.h"

namespace ignivar {

void Mt19937::seed_with(std::uint32_t seed) {
    s_.words[0] = seed;
    for (int i = 1; i < kWords; ++i)
        s_.words[i] = 1812433253u * (s_.words[i - 1] ^ (s_.words[i - 1] >> 30)) + static_cast<std::uint32_t>(i);
    s_.index = kWords;
}

void Mt19937::twist() {
    constexpr int kShift = 397;
    constexpr std::uint32_t kMatrix = 0x9908B0DFu, kUpper = 0x80000000u, kLower = 0x7FFFFFFFu;
    for (int i = 0; i < kWords; ++i) {
        const std::uint32_t y = (s_.words[i] & kUpper) | (s_.words[(i + 1) % kWords] & kLower);
        s_.words[i] = s_.words[(i + kShift) % kWords] ^ (y >> 1) ^ ((y & 1u) ? kMatrix : 0u);
    }
    s_.index = 0;
}

std::uint32_t Mt19937::operator()() {
    if (s_.index >= kWords) twist();
    std::uint32_t y = s_.words[s_.index++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9D2C5680u;
    y ^= (y << 15) & 0xEFC60000u;
    y ^= y >> 18;
    return y;
}

void Mt19937::set_state(const State& s) {
    s_ = s;
    if (s_.index > kWords) s_.index = kWords;
}

}  // namespace ignivar
