// The host on its own: no window, no wall clock. Frames of a stepped clock
// drive whole games; what the host reports must match what the display
// showed; time sources keep exact time.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

#include "driver/driver.h"
#include "host/face_words.h"
#include "host/host.h"
#include "settings/memory_store.h"

namespace ignivar::host {
namespace {

struct Frames {
    Frames() {
        host.create();
        host.unit().set_sound_output(true);
        host.on_event([this](const UnitEvent& e) { events.push_back(e); });
    }
    // One frame: the clock steps and the host catches up.
    void frame() {
        time.step();
        host.sync();
    }
    void tap(input::Button b) {
        host.press(b);
        frame();
        host.release(b);
    }

    MemoryStore store;
    RecordingSink sink;
    FrameTime time{60};
    Host host{store, sink, time, 7};
    std::vector<UnitEvent> events;
};

int miss_marks(const Display& d) {
    int n = 0;
    for (int i = 1; i <= 3; ++i) n += d.Vid_Is_Lit(miss_mark_seg(i));
    return n;
}

// The lane of the flame nearest the hero, or 0.
int nearest_flame(const GameState& s) {
    for (int pos = 1; pos <= kPositions; ++pos)
        for (int lane = 1; lane <= kLanes; ++lane)
            if (s.cell(lane, pos)) return lane;
    return 0;
}

TEST(Host, EventsMatchTheDisplaysHistoryOverWholeGames) {
    Frames f;
    // Where each sample comes from: the lane whose flames just moved, the
    // lane the water runs up, the lane whose flame reached the hero; the
    // count-downs and the game's own sounds from the unit as a whole.
    std::set<std::pair<Sample, int>> heard, misplaced;
    f.host.on_event([&](const UnitEvent& e) {
        if (e.kind != EventKind::SoundPlayed) return;
        const GameState& s = f.host.unit().state();
        int from = kNoLane;
        if (e.sample == Sample::Enemy && s.play) from = s.lane;
        if (e.sample == Sample::Shot) from = s.shot_lane;
        for (int lane = 1; lane <= kLanes && e.sample == Sample::Miss; ++lane)
            if (s.cell(lane, 1)) from = lane;
        (e.lane == from ? heard : misplaced).insert({e.sample, e.lane});
    });
    f.host.handle([&] { f.host.unit().power_on(); });
    f.tap(input::Button::Time);
    struct Seen {
        int games = 0, misses = 0, game_overs = 0;
    } shown;
    int marks = 0, mode = f.host.unit().state().mode;
    for (int game = 0; game < 2; ++game) {
        f.tap(game == 0 ? input::Button::GameA : input::Button::GameB);
        int frame = 0;
        while (f.host.unit().state().mode != kTime1 && ++frame < 60 * 600) {
            const GameState& s = f.host.unit().state();
            // A lazy player: every other second it moves under a flame and shoots.
            if (s.play && frame % 120 == 0) {
                const int lane = nearest_flame(s);
                if (lane && lane != s.hero) f.tap(lane < s.hero ? input::Button::Left : input::Button::Right);
                else if (lane) f.tap(input::Button::ShootLeft);
            }
            f.frame();
            const Display& d = f.host.unit().display();
            const int now_mode = f.host.unit().state().mode;
            if ((now_mode == kGameA || now_mode == kGameB) && mode != now_mode) ++shown.games;
            if (miss_marks(d) > marks) ++shown.misses;
            if (now_mode == kGameOver && mode != kGameOver) ++shown.game_overs;
            marks = miss_marks(d);
            mode = now_mode;
        }
        ASSERT_EQ(mode, kTime1) << "game " << game << " ended and the time came back";
    }
    Seen told;
    std::vector<Sample> sounds;
    for (const UnitEvent& e : f.events) {
        told.games += e.kind == EventKind::GameStarted;
        told.misses += e.kind == EventKind::Miss;
        told.game_overs += e.kind == EventKind::GameOver;
        if (e.kind == EventKind::SoundPlayed) sounds.push_back(e.sample);
    }
    EXPECT_EQ(told.games, 2);
    EXPECT_EQ(told.games, shown.games);
    EXPECT_EQ(told.misses, 6);
    EXPECT_EQ(told.misses, shown.misses);
    EXPECT_EQ(told.game_overs, shown.game_overs);
    EXPECT_EQ(sounds, f.sink.played);  // every sample the output got, in order
    EXPECT_TRUE(misplaced.empty());
    for (int lane = 1; lane <= kLanes; ++lane) EXPECT_TRUE(heard.count({Sample::Enemy, lane})) << lane;
    EXPECT_TRUE(heard.count({Sample::Enemy, kNoLane})) << "the count-down";
    EXPECT_GE(std::count_if(heard.begin(), heard.end(), [](auto h) { return h.first == Sample::Shot; }), 2);
    EXPECT_FALSE(heard.count({Sample::Miss, kNoLane}));
}

TEST(Host, EventsCarryTheMomentAndTheGame) {
    Frames f;
    f.host.handle([&] { f.host.unit().power_on(); });
    f.tap(input::Button::Time);
    f.tap(input::Button::GameB);
    ASSERT_FALSE(f.events.empty());
    const auto started = std::find_if(f.events.begin(), f.events.end(),
                                      [](const UnitEvent& e) { return e.kind == EventKind::GameStarted; });
    ASSERT_NE(started, f.events.end());
    EXPECT_EQ(started->mode, kGameB);
    EXPECT_EQ(started->at, f.host.unit().timers().now());
    // The Start sample is told right after the game's start, at the same moment.
    ASSERT_NE(started + 1, f.events.end());
    EXPECT_EQ((started + 1)->kind, EventKind::SoundPlayed);
    EXPECT_EQ((started + 1)->sample, Sample::Start);
}

TEST(FrameTime, SixtyFramesAreASecondAndAFractionSurvivesASave) {
    FrameTime t(60);
    std::vector<Millis> ends;
    for (int i = 0; i < 60; ++i) {
        t.step();
        ends.push_back(t.now());
    }
    EXPECT_EQ(ends.front(), 16);
    EXPECT_EQ(ends[1], 33);
    EXPECT_EQ(ends.back(), 1000);
    // Saved after 7 frames and set again, the next frames end where they would have.
    FrameTime a(60), b(60);
    for (int i = 0; i < 7; ++i) a.step();
    b.set(a.now(), a.fraction());
    for (int i = 0; i < 100; ++i) {
        a.step();
        b.step();
        ASSERT_EQ(a.now(), b.now()) << i;
    }
}

// A clock that jumps, with the desktop's tolerance for lateness.
class JumpingTime : public TimeSource {
public:
    Millis now() const override { return now_; }
    void set(Millis now) override { now_ = now; }
    std::optional<Millis> late_limit() const override { return 100; }

private:
    Millis now_ = 0;
};

TEST(Host, AStallFiresALateTimerOnceAndExactTimeFiresEveryPeriod) {
    struct Case {
        bool late_limit;
        std::uint64_t firings;
    };
    for (const Case c : {Case{true, 1}, Case{false, 60}}) {
        MemoryStore store;
        SilentSink sound;
        JumpingTime jumping;
        ManualTime exact;
        TimeSource& time = c.late_limit ? static_cast<TimeSource&>(jumping) : exact;
        Host host(store, sound, time, 1);
        host.create();
        host.handle([&] { host.unit().power_on(); });
        host.press(input::Button::Time);  // time 1: the clock redraws every second
        time.set(1000);
        host.sync();
        const std::uint64_t before = host.unit().timers().firings();
        time.set(61'000);  // a minute's stall
        host.sync();
        EXPECT_EQ(host.unit().timers().firings() - before, c.firings) << c.late_limit;
        EXPECT_EQ(host.unit().timers().now(), 61'000);
    }
}

}  // namespace
}  // namespace ignivar::host

namespace ignivar::host {
namespace {

// The face in words reads what the display shows, mode by mode, and the
// events worth saying are said.
TEST(FaceWords, SayWhatTheFaceShows) {
    MemoryStore store;
    std::ostringstream out, err;
    Driver d(store, out, err, 1);
    std::vector<std::string> said;
    bool listening = false;
    const auto run = [&](const std::string& script) {
        std::istringstream in(script);
        EXPECT_EQ(run_script(d, in), 0) << err.str();
        if (!listening)
            d.host()->on_event([&](const UnitEvent& e) { said.push_back(event_words(e, d.host()->unit())); });
        listening = true;
        return face_words(d.host()->unit());
    };
    EXPECT_EQ(run("clock 2026-12-10 14:05:00\nstart\n"), "All segments shown, 88:888");
    EXPECT_EQ(run("press time\nrelease time\nwait 10\n"), "Time, 2:05 PM");
    const std::string ready = run("press game_a\nrelease game_a\n");
    EXPECT_EQ(ready.rfind("Game A, score 0, 0 misses", 0), 0u) << ready;
    std::string game = run("wait 5000\n");
    for (int i = 0; i < 20 && game.find("flame in lane") == std::string::npos; ++i) game = run("wait 300\n");
    EXPECT_EQ(game.rfind("Game A, score 0, ", 0), 0u) << game;
    EXPECT_NE(game.find("flame in lane"), std::string::npos) << game;
    EXPECT_NE(game.find("hero "), std::string::npos) << game;
    run("wait 120000\n");  // left alone: three misses and game over
    std::vector<std::string> spoken;
    for (const std::string& s : said)
        if (!s.empty()) spoken.push_back(s);
    ASSERT_GE(spoken.size(), 4u);
    EXPECT_EQ(spoken.front(), "Game A started");
    EXPECT_EQ(spoken[1], "Miss 1 of 3");
    EXPECT_EQ(spoken.back().rfind("Game over, ", 0), 0u) << spoken.back();
}

}  // namespace
}  // namespace ignivar::host
