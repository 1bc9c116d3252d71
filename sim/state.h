// A unit's whole moment as bytes and back: what the display shows, every
// timer's interval, state and due time, the game state with its latches,
// and the coin. Loaded and run on, a unit cannot be told from one that
// never stopped. The local clock is not part of it: the watch goes on
// reading the real time.
//
// The format is our own and of fixed size for a version: the magic
// "IGNVSTAT", the version, the total length and a CRC-32 of what follows,
// then the fields, little-endian.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/result.h"
#include "sim/coin.h"
#include "sim/unit.h"

namespace ignivar {

inline constexpr std::uint32_t kStateVersion = 1;

// A sample still sounding when the moment was saved: which, and when it
// started, in the unit's virtual milliseconds. A front end that mixes on
// its own (the libretro core) saves and restores them, so that a loaded
// moment sounds as it would have; one that cannot seek into its samples
// leaves them out.
struct SoundInFlight {
    Sample sample = Sample::Enemy;
    Millis started = 0;
    int lane = kNoLane;  // where it comes from, for a mixer that pans
    friend bool operator==(const SoundInFlight&, const SoundInFlight&) = default;
};
inline constexpr std::size_t kMaxSoundsInFlight = 64;

struct UnitState {
    Millis now = 0;
    // The part of a millisecond past `now` that a front end's clock had
    // (frames at 60 a second), so that it goes on exactly.
    std::uint32_t fraction_num = 0, fraction_den = 1;
    std::array<bool, kSegmentCount> lit{};
    std::array<DigitCell, kDigitCells> cells{};
    std::array<TimerBank::SlotState, kTimerCount> timers{};
    GameState game;
    Mt19937::State coin;
    std::vector<int> forced;  // coin results waiting, at most RandomCoin::kMaxForced
    std::vector<SoundInFlight> sounds;  // at most kMaxSoundsInFlight
};

UnitState capture_state(const Unit& unit, const RandomCoin& coin);
// Gives the unit and the coin back their saved moment; the display counts
// it as a change.
void restore_state(const UnitState& state, Unit& unit, RandomCoin& coin);

std::vector<std::uint8_t> encode_state(const UnitState& state);
// Refuses what is not a state of this version, is cut short, is damaged
// (its checksum does not match) or holds a value no unit can be in; the
// message says which.
Result<UnitState> decode_state(const std::uint8_t* data, std::size_t size);

// The size of every state of this version.
std::size_t state_size();

// CRC-32 (the one of zlib and PNG).
std::uint32_t crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

}  // namespace ignivar
