// Loading saved games: whatever the bytes, decoding either refuses them or
// gives a moment that a unit then runs from without fault. The checksum is
// made right first, so that the fuzzer reaches the fields behind it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "sim/coin.h"
#include "sim/state.h"
#include "sim/virtual_clock.h"

namespace {

class NoStore : public ignivar::SettingsStore {
public:
    std::optional<std::string> read_text(std::string_view) override { return std::nullopt; }
    std::vector<std::pair<std::string, std::string>> all_values() override { return {}; }

protected:
    ignivar::Status store_text(std::string_view, std::string_view) override { return {}; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar;
    std::vector<std::uint8_t> bytes(data, data + size);
    if (bytes.size() >= 20) {
        const std::uint32_t crc = crc32(bytes.data() + 20, bytes.size() - 20);
        for (int i = 0; i < 4; ++i) bytes[16 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    auto state = decode_state(bytes.data(), bytes.size());
    if (!state) return 0;
    NoStore store;
    SilentSink sound;
    RandomCoin coin(1);
    Unit* unit_ptr = nullptr;
    VirtualClock clock([&] { return unit_ptr ? unit_ptr->timers().now() : Millis{0}; });
    Unit unit(store, sound, clock, coin);
    unit_ptr = &unit;
    restore_state(*state, unit, coin);
    // Every button, pressed and let go, while a minute passes.
    for (int i = 0; i < 60; ++i) {
        switch (i % 6) {
            case 0: unit.Inp_right_down(); unit.Inp_right_up(); break;
            case 1: unit.Inp_shoot_down(); unit.clear_button_latch(); break;
            case 2: unit.Inp_left_down(); unit.Inp_left_up(); break;
            case 3: unit.Inp_time_down(); unit.Inp_time_up(); break;
            case 4: unit.Inp_game_a_down(); unit.Inp_game_a_up(); break;
            default: unit.Inp_game_b_down(); unit.Inp_game_b_up(); break;
        }
        unit.advance(1000);
    }
    if (encode_state(capture_state(unit, coin)).size() != state_size()) __builtin_trap();
    return 0;
}
