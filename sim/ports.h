// The small interfaces through which the unit reaches the outside: the
// settings store, the sound output, the local clock, the coin, and the
// events it reports to whoever wants to react to them.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/result.h"
#include "sim/setting_names.h"

namespace ignivar {

enum class Sample : std::uint8_t { Enemy, Gameover, Miss, Shot, Start, Count };
inline constexpr int kSampleCount = static_cast<int>(Sample::Count);
std::string_view sample_name(Sample s);  // "Enemy" ... named after its file

// Where a sample comes from on the face: 1 to 3 a lane, left to right (a
// flame's, the hero's water, a miss), 0 the unit as a whole. A front end
// that lets sounds follow the flames pans by it; the others ignore it.
inline constexpr int kNoLane = 0;

// Where samples go. The unit calls it only when a sample should really sound.
class SoundSink {
public:
    virtual ~SoundSink() = default;
    virtual void play(Sample s, int lane) = 0;
    virtual void stop_all() = 0;
};

// A sound output that plays nothing.
class SilentSink : public SoundSink {
public:
    void play(Sample, int) override {}
    void stop_all() override {}
};

struct LocalTime {
    int year = 2000, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() = 0;
};

// The game's random source: a fair choice between 0 and 1.
class Coin {
public:
    virtual ~Coin() = default;
    virtual int draw() = 0;
};

// What happened in the unit that a front end may react to (a pad rumbles
// on a miss, a recording starts with a game), told as it happens.
enum class EventKind : std::uint8_t {
    GameStarted,  // a game mode was entered: the Start sample's moment
    Miss,         // a miss mark was added (the third ends the game)
    GameOver,     // the game-over mode was entered, high score rule applied
    SoundPlayed,  // a sample was handed to the sound output
};

struct UnitEvent {
    EventKind kind;
    std::int64_t at = 0;  // the unit's virtual milliseconds
    int mode = 0;         // the mode the unit is in (8 or 9 while a game runs)
    int score = 0;
    int misses = 0;
    Sample sample = Sample::Count;  // SoundPlayed only
    int lane = kNoLane;             // SoundPlayed only: where it comes from
};

class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void on_unit_event(const UnitEvent& event) = 0;
};

// Parses the text of a stored number: optional "-", decimal digits, no
// spaces, within the signed 32-bit range.
std::optional<std::int32_t> parse_stored_number(std::string_view text);

// The per-user settings store. Values are text; numbers and flags are kept
// as their decimal text ("-1", "0", "1230"; flags "1" and "0").
class SettingsStore {
public:
    using FailureHandler = std::function<void(const Error& error)>;

    virtual ~SettingsStore() = default;

    // The stored text of a value, or nothing when it is absent.
    virtual std::optional<std::string> read_text(std::string_view name) = 0;
    // Every stored value, sorted by name.
    virtual std::vector<std::pair<std::string, std::string>> all_values() = 0;

    // Stores a value so that it survives at once. A value that could not be
    // stored fails, and the failure handler hears of it too.
    Status write_text(std::string_view name, std::string_view text);
    // Stores several values together: where the store keeps a file, in one
    // write of it.
    using Values = std::vector<std::pair<std::string, std::string>>;
    Status write_texts(const Values& values);

    std::int32_t read_number(std::string_view name, std::int32_t fallback);
    bool read_flag(std::string_view name, bool fallback);
    Status write_number(std::string_view name, std::int32_t value);
    Status write_flag(std::string_view name, bool value);

    std::int32_t read_number(Setting s, std::int32_t fallback) { return read_number(setting_name(s), fallback); }
    bool read_flag(Setting s, bool fallback) { return read_flag(setting_name(s), fallback); }
    Status write_number(Setting s, std::int32_t value) { return write_number(setting_name(s), value); }
    Status write_flag(Setting s, bool value) { return write_flag(setting_name(s), value); }

    void set_failure_handler(FailureHandler handler) { on_failure_ = std::move(handler); }

protected:
    virtual Status store_text(std::string_view name, std::string_view text) = 0;
    // One value after the other, unless the store can do better.
    virtual Status store_texts(const Values& values);

private:
    FailureHandler on_failure_;
};

}  // namespace ignivar
