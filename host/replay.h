// Replays: a game as its start (the unit's whole moment when the game
// button was let go) and every press and release after it, to the
// millisecond, in a text format of our own with a checksum. The unit is
// deterministic on its virtual clock, so running a replay again reaches
// the same display, sounds and score: a replay proves its score.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "host/host.h"
#include "settings/memory_store.h"

namespace ignivar::host {

inline constexpr int kReplayVersion = 1;
// A replay file larger than this is not read (an hour of play is a few
// hundred kilobytes).
inline constexpr std::size_t kMaxReplayBytes = 4 * 1024 * 1024;

struct Replay {
    // A press or release of a button, or a slip: the machine stalled, the
    // unit ran exactly to `at` and the late timers fired once at `to`.
    struct Step {
        enum class Kind : std::uint8_t { Press, Release, Slip };
        Kind kind = Kind::Press;
        Millis at = 0;  // after the start
        input::Button button = input::Button::GameA;
        Millis to = 0;  // a slip's end
        friend bool operator==(const Step&, const Step&) = default;
    };

    char game = 'A';                  // 'A' or 'B'
    std::string date;                 // when it was played, "2026-12-08T14:30:05Z"
    // The unit's whole moment as the game button was let go (ready mode):
    // the first step lets it go, and the game begins.
    std::vector<std::uint8_t> start;
    std::vector<Step> steps;          // in the order they came
    bool ended = false;               // the game reached game over
    std::int32_t score = 0;
    Millis length = 0;                // from the start to game over
    bool rewound = false;             // the player ran it back while playing
    // It starts at a saved moment of the game (a quick load, a game kept
    // over a closed program), not at its beginning: it proves no score.
    bool continued = false;
};

// The replay as text, its checksum last.
std::string write_replay(const Replay& replay);
// Refuses text that is not a replay of this version, is damaged or holds
// what no recorded game can.
Result<Replay> read_replay(std::string_view text);
// Whether the replay starts at the beginning of its game, or, for a game
// continued from a saved moment, at a moment of that game.
Status check_start(const Replay& replay);

// Records the games a host plays: each starts with the game mode and ends
// with game over, when `finished` is told the replay.
class Recorder {
public:
    explicit Recorder(Host& host);
    void on_finished(std::function<void(const Replay&)> f) { finished_ = std::move(f); }

    bool recording() const { return replay_.has_value(); }
    // The game so far (for a recording stopped before its end).
    std::optional<Replay> current() const { return replay_; }
    // The unit went back to an earlier moment of this game (rewind): the
    // record is kept up to there, marked as rewound. Back before the game
    // began, or out of it, ends the record unkept.
    void went_back();
    // Ends the record unkept (the unit was put at a moment of another game).
    void stop() { replay_.reset(); }
    // The unit was put at a saved moment: a game running there is recorded
    // from it on, as a continued game; any other record ends unkept.
    void continue_from_here();
    // Recording is on from the next game (a script's `record FILE`).
    void set_enabled(bool on) { enabled_ = on; }

    // The current date for new replays (UTC, ISO 8601); tests give a fixed one.
    std::function<std::string()> now_text;

private:
    void event(const UnitEvent& e);

    Host& host_;
    bool enabled_ = true;
    std::optional<Replay> replay_;
    Millis started_ = 0;
    std::function<void(const Replay&)> finished_;
};

// Runs a replay on a unit of its own, step by step or all at once.
class ReplayRun {
public:
    // Refuses a start that is not the beginning of a game.
    static Result<std::unique_ptr<ReplayRun>> start(const Replay& replay, SoundSink& sound);

    // Lets `ms` of the game pass, pressing and releasing as recorded.
    void advance(Millis ms);
    // Runs on until game over (or well past the recorded length).
    void to_the_end();
    Millis elapsed() const { return host_->unit().timers().now() - begin_; }
    bool over() const { return over_; }
    std::int32_t final_score() const { return score_; }
    Millis final_length() const { return length_; }
    host::Host& host() { return *host_; }

private:
    ReplayRun(const Replay& replay, SoundSink& sound);

    Replay replay_;
    MemoryStore store_;
    ManualTime time_;
    std::unique_ptr<Host> host_;
    Millis begin_ = 0;
    std::size_t next_ = 0;
    bool over_ = false;
    std::int32_t score_ = 0;
    Millis length_ = 0;
};

// Whether a replay reaches the score it records: runs it again and says
// why not when it does not.
Status verify(const Replay& replay);

}  // namespace ignivar::host
