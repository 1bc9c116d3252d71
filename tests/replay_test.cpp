// Whole games replayed from a script, and the driver's contract for bad lines.
#include <gtest/gtest.h>

#include "files/cache.h"

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <set>
#include <string>

#include "harness.h"
#include "host/replay.h"
#include "host/replay_store.h"
#include "files/write.h"
#include "sim/state.h"
#include "recorded_game.h"
#include "temp_dir.h"

namespace ignivar::test {
namespace {

std::string scripted_game(std::uint32_t seed) {
    Sim sim(seed);
    std::string script = "sound on\nstart\nclock 2026-12-08 10:00:00\npress time\nrelease time\n";
    std::string coins;
    for (int i = 0; i < 600; ++i) coins += "0110100110010110"[i % 16];
    script += "coin " + coins + "\npress game_b\nrelease game_b\n";
    const char* moves[] = {"right", "shoot_left", "left", "shoot_right", "right", "right", "shoot_left"};
    for (int i = 0; i < 400; ++i) {
        const std::string b = moves[i % 7];
        script += "wait 173\npress " + b + "\nwait 20\nrelease " + b + "\nshow\nstate\nsounds\n";
    }
    script += "wait 60000\nshow\nstate\nsettings\n";
    return sim.run(script);
}

TEST(Replay, CoinScriptedGameIsFullyRepeatable) {
    const std::string first = scripted_game(1);
    EXPECT_EQ(first, scripted_game(987654));
    EXPECT_NE(first.find("mode 10"), std::string::npos);  // the game did end
    EXPECT_TRUE(std::regex_search(first, std::regex(" score=[1-9]")));  // and it scored
}

TEST(Replays, ARecordedGameIsProvedByItsReplay) {
    TempDir dir;
    const host::Replay r = recorded_game(dir);
    EXPECT_TRUE(r.ended);
    EXPECT_EQ(r.game, 'B');
    EXPECT_EQ(r.score, 60);
    EXPECT_EQ(r.length, 31015);
    EXPECT_TRUE(host::verify(r).ok());
    const auto again = host::read_replay(host::write_replay(r));
    ASSERT_TRUE(again.ok()) << again.message();
    EXPECT_EQ(again->steps, r.steps);
    EXPECT_EQ(again->start, r.start);
    std::ostringstream out, err;
    EXPECT_EQ(run_verify({dir.file("played.replay")}, out, err), 0);
    EXPECT_NE(out.str().find("verified: game B reaches its 60 points in 31015 ms"), std::string::npos) << out.str();
}

TEST(Replays, ATamperedReplayFailsVerification) {
    TempDir dir;
    const host::Replay played = recorded_game(dir);
    struct Case {
        const char* what;
        std::function<void(host::Replay&)> tamper;
        const char* reason;
    };
    const Case cases[] = {
        {"a shot moved later", [](host::Replay& r) { r.steps[133].at += 400, r.steps[134].at += 400; },
         "ends with 50 points, not the 60"},
        {"the score raised", [](host::Replay& r) { r.score += 10; }, "ends with 60 points, not the 70"},
        {"the game made shorter", [](host::Replay& r) { r.length -= 100; }, "lasts 31015 ms, not the 30915"},
        {"the end cut off", [](host::Replay& r) { r.ended = false; }, "did not end"},
        {"the start of another moment",
         [](host::Replay& r) { r.start[40] ^= 1; }, "its start is no moment of a unit"},
    };
    for (const Case& c : cases) {
        host::Replay forged = played;
        c.tamper(forged);
        std::stable_sort(forged.steps.begin(), forged.steps.end(), [](auto& a, auto& b) { return a.at < b.at; });
        // As a forger would: the file's checksum made anew.
        const std::string file = dir.write("forged.replay", host::write_replay(forged));
        std::ostringstream out, err;
        EXPECT_EQ(run_verify({file}, out, err), 1) << c.what;
        EXPECT_NE(out.str().find(c.reason), std::string::npos) << c.what << ": " << out.str();
    }
}

// A start is checked whole against what a game's beginning can be: what
// the last game left in the game's fields passes (the game clears it), a
// moment made to score passes not.
TEST(Replays, AStartMustBeWhatAGamesBeginningCanBe) {
    TempDir dir;
    const host::Replay played = recorded_game(dir);
    // The next game, right after one that scored: its ready picture still
    // holds the last game's score and flames.
    Sim sim(1);
    std::string script = "start\npress time\nrelease time\n";
    std::string coins;
    for (int i = 0; i < 600; ++i) coins += "0110100110010110"[i % 16];
    script += "coin " + coins + "\npress game_b\nrelease game_b\n";
    const char* buttons[] = {"right", "shoot_left", "left", "shoot_right", "right", "right", "shoot_left"};
    for (int i = 0; i < 160; ++i)
        script += "wait 173\npress " + std::string(buttons[i % 7]) + "\nwait 20\nrelease " + buttons[i % 7] + "\n";
    sim.run(script + "wait 8000\nrecord " + dir.file("next.replay") + "\npress game_a\nrelease game_a\nwait 60000\n");
    const auto next = host::read_replay_file(dir.file("next.replay"));
    ASSERT_TRUE(next.ok()) << next.message();
    const auto started = decode_state(next->start.data(), next->start.size());
    EXPECT_TRUE(host::verify(*next).ok()) << host::verify(*next).message();
    struct Case {
        const char* what;
        std::function<void(UnitState&)> forge;
    };
    const Case forged[] = {
        {"the shot's timer armed at its scoring step", [](UnitState& s) {
             s.game.shot_step = 11, s.game.shot_lane = 1, s.game.shot_pos = 3;
             s.timers[static_cast<int>(TimerId::Shot)] = {50, true, s.now + 50};
         }},
        {"play already on", [](UnitState& s) { s.game.play = true; }},
        {"the hero in a lane", [](UnitState& s) { s.game.hero = 2; }},
        {"a count-down of 50 ms", [](UnitState& s) { s.timers[static_cast<int>(TimerId::GameStart)].interval = 50; }},
        {"a flame shown", [](UnitState& s) { s.lit[static_cast<int>(flame_seg(1, 5))] = true; }},
        {"another high score shown", [](UnitState& s) { s.cells[3].glyph = Glyph::large(7); }},
    };
    for (const Case& c : forged) {
        UnitState s = *decode_state(played.start.data(), played.start.size());
        c.forge(s);
        host::Replay r = played;
        r.start = encode_state(s);
        const Status v = host::verify(r);
        ASSERT_FALSE(v.ok()) << c.what;
        EXPECT_NE(v.message().find("does not start at the beginning of a game B"), std::string::npos) << c.what;
    }
    ASSERT_TRUE(started.ok());
    EXPECT_GT(started->game.score, 0) << "the ready picture held the last game's score";
}

// A game continued from a saved moment is recorded from there, marked so,
// proved as far as it goes, and never in a high-score table.
TEST(Replays, AContinuedGameIsKeptButProvesNoScore) {
    TempDir dir;
    const host::Replay played = recorded_game(dir);
    Sim sim(1);
    std::string script = "start\npress time\nrelease time\n";
    std::string coins;
    for (int i = 0; i < 600; ++i) coins += "0110100110010110"[i % 16];
    script += "coin " + coins + "\npress game_b\nrelease game_b\nwait 9000\nsave-state " + dir.file("mid.state") +
              "\nrecord " + dir.file("continued.replay") + "\nload-state " + dir.file("mid.state") + "\nwait 60000\n";
    sim.run(script);
    const auto continued = host::read_replay_file(dir.file("continued.replay"));
    ASSERT_TRUE(continued.ok()) << continued.message();
    EXPECT_TRUE(continued->continued);
    EXPECT_TRUE(host::verify(*continued).ok()) << host::verify(*continued).message();
    const std::string folder = dir.file("kept");
    ASSERT_TRUE(host::keep_replay(played, folder).ok());
    ASSERT_TRUE(host::keep_replay(*continued, folder).ok());
    const auto all = host::list_replays(folder);
    ASSERT_EQ(all.size(), 2u);
    const auto table = host::high_scores(all, 'B');
    ASSERT_EQ(table.size(), 1u);
    EXPECT_FALSE(table[0].continued);
}

// What a replay file was found to be is kept for as long as it is that very
// file: a changed file is read again, a claim about another file is not taken.
TEST(Replays, AFileIsVerifiedOnceAndAgainWhenItChanges) {
    TempDir dir;
    const host::Replay played = recorded_game(dir);
    const std::string folder = dir.file("kept");
    const auto kept = host::keep_replay(played, folder);
    ASSERT_TRUE(kept.ok());
    ASSERT_TRUE(host::list_replays(folder).at(0).verified);
    const std::string verdicts = folder + "/verdicts.txt";
    ASSERT_TRUE(std::filesystem::exists(verdicts));
    // The file made into a forgery (a higher score, its checksum made right).
    host::Replay forged = played;
    forged.score += 100;
    dir.write("kept/" + std::filesystem::path(*kept).filename().string(), host::write_replay(forged));
    EXPECT_FALSE(host::list_replays(folder).at(0).verified) << "changed since: run again";
    // A verdict written by hand for a forged file is not taken either.
    const std::string forged_file = dir.write("kept/forged.replay", host::write_replay(forged));
    std::string text;
    for (const auto& k : host::list_replays(folder)) text += k.file;
    std::ofstream(verdicts, std::ios::app) << "forged.replay\t1 2 3 4 5\t11001\tB\t160\t31015\tz\t\n";
    for (const auto& k : host::list_replays(folder))
        EXPECT_FALSE(k.verified) << k.file;
    EXPECT_TRUE(host::high_scores(host::list_replays(folder), 'B').empty());
    // Why a file is no replay is kept as words to translate: a verdict for
    // the very file is taken with its context and arguments.
    const std::string junk = dir.write("kept/junk.replay", "not a replay");
    const auto st = files::stamp(junk);
    ASSERT_TRUE(st.has_value());
    std::ofstream(verdicts, std::ios::app)
        << "junk.replay\t" << st->device << ' ' << st->inode << ' ' << st->size << ' ' << st->modified_ns << ' '
        << st->changed_ns << "\t00000\tA\t0\t0\t\t6:Replay19:%1 is no replay: %22:0:1:x0:5:Files8:a folder0:\n";
    bool seen = false;
    for (const auto& k : host::list_replays(folder)) {
        if (k.file != junk) continue;
        seen = true;
        ASSERT_NE(k.problem.context, nullptr);
        EXPECT_STREQ(k.problem.context, "Replay");
        ASSERT_EQ(k.problem.args.size(), 2u);
        EXPECT_STREQ(k.problem.args[1].context, "Files");
        EXPECT_EQ(k.problem.in_english(), "x is no replay: a folder");
    }
    EXPECT_TRUE(seen);
}

// Two equal games kept in the same second keep two files; files that are
// no replays go with the old ones.
TEST(Replays, KeptGamesNeverReplaceOneAnotherAndJunkIsPruned) {
    TempDir dir;
    host::Replay idle = recorded_game(dir, false);
    idle.date = "2026-12-08T10:00:00Z";
    const std::string folder = dir.file("kept");
    for (int i = 0; i < 25; ++i) dir.write("kept/junk-" + std::to_string(i) + ".replay", "not a replay");
    const auto first = host::keep_replay(idle, folder), second = host::keep_replay(idle, folder);
    ASSERT_TRUE(first.ok() && second.ok());
    EXPECT_NE(*first, *second);
    EXPECT_TRUE(std::filesystem::exists(*first) && std::filesystem::exists(*second));
    EXPECT_TRUE(files::write_new(*first, "x").ok() && !*files::write_new(*first, "x")) << "no write over a kept one";
    int junk = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) junk += e.path().filename().string().rfind("junk-", 0) == 0;
    EXPECT_EQ(junk, static_cast<int>(host::kRecentReplays) - 2);
}

TEST(Replays, BrokenOrForeignFilesAreRefusedByName) {
    TempDir dir;
    const std::string good = host::write_replay(recorded_game(dir));
    const auto with_check = [](std::string body) {
        char check[32];
        std::snprintf(check, sizeof check, "check %08x\n", crc32(reinterpret_cast<const std::uint8_t*>(body.data()), body.size()));
        return body + check;
    };
    const std::string body = good.substr(0, good.rfind("check "));
    std::string changed = good;
    changed[body.size() / 2] ^= 4;
    const std::string mid_game = "release 0 game_b\npress 10 right\nrelease 5 right\n";
    struct Case {
        const char* name;
        std::string text;
        const char* reason;
    };
    const Case cases[] = {
        {"empty", "", "not a replay of Ignivar"},
        {"picture", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "not a replay of Ignivar"},
        {"newer", "IGNIVAR REPLAY 2\ngame A\n", "another version"},
        {"cut short", good.substr(0, good.size() / 2), "cut short"},
        {"changed", changed, "checksum does not match"},
        {"steps back in time", with_check(body.substr(0, body.find("release 0")) + mid_game), "in time order"},
        {"unknown line", with_check(body + "teleport 5\n"), "a line that no replay has"},
        {"bad start", with_check("IGNIVAR REPLAY 1\ngame A\nstart AAAA\nrelease 0 game_a\n"), "no moment of a unit"},
        {"impossible score", with_check(body.substr(0, body.find("end ")) + "end 15 100\n"), "no score and length"},
        {"oversized", "IGNIVAR REPLAY 1\n" + std::string(host::kMaxReplayBytes, '#'), "too large"},
    };
    for (const Case& c : cases) {
        const std::string file = dir.write(std::string(c.name) + ".replay", c.text);
        const auto read = host::read_replay_file(file);
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_NE(read.message().find(file), std::string::npos) << c.name << ": " << read.message();
        EXPECT_NE(read.message().find(c.reason), std::string::npos) << c.name << ": " << read.message();
    }
    const std::string pipe = dir.file("pipe.replay");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_NE(host::read_replay_file(pipe).message().find("pipe"), std::string::npos);  // and it did not hang
}

TEST(Replays, TheRecentGamesAndEachTableAreKept) {
    TempDir dir;
    host::Replay best = recorded_game(dir);
    host::Replay idle = recorded_game(dir, false);
    ASSERT_EQ(idle.score, 0);
    const std::string folder = dir.file("kept");
    // The best game first, then 35 games of no points, a second apart.
    for (int i = 0; i <= 35; ++i) {
        host::Replay r = i == 0 ? best : idle;
        char date[32];
        std::snprintf(date, sizeof date, "2026-12-08T10:00:%02dZ", i);
        r.date = date;
        ASSERT_TRUE(host::keep_replay(r, folder).ok());
    }
    std::set<int> seconds;
    for (const host::KeptReplay& k : host::list_replays(folder)) {
        EXPECT_TRUE(k.verified) << k.file;
        seconds.insert(std::stoi(k.date.substr(17, 2)));
    }
    // The last twenty (16..35) and game B's table: the best, then the
    // earliest of the equal ones (1..9).
    std::set<int> kept{0};
    for (int i = 1; i <= 9; ++i) kept.insert(i);
    for (int i = 16; i <= 35; ++i) kept.insert(i);
    EXPECT_EQ(seconds, kept);
    const auto table = host::high_scores(host::list_replays(folder), 'B');
    ASSERT_EQ(table.size(), host::kTableSize);
    EXPECT_EQ(table[0].score, 60);
    EXPECT_TRUE(host::high_scores(host::list_replays(folder), 'A').empty());
}

TEST(Driver, ContractErrorsAndComments) {
    Sim sim;
    const std::string out = sim.run(
        "# a comment\n\nstart\nfly away\npress set\nwait -5\nclock 2026-02-30 10:00:00\ncoin 012\n"
        "setting Key1 5\nnow\n");
    EXPECT_EQ(out,
              "error: unknown command 'fly away'\n"
              "error: unknown button 'set'\n"
              "error: usage: wait MS\n"
              "error: usage: clock YYYY-MM-DD HH:MM:SS (a real date and time)\n"
              "error: usage: coin BITS (a string of 0 and 1)\n"
              "error: 'setting' lines must come before every other command\n"
              "now 0\n");
    EXPECT_FALSE(sim.last_ok);
}

TEST(Driver, WaitsThatWouldOverflowTheClockAreRefused) {
    Sim sim;
    const std::string out = sim.run("wait 9223372036854775807\nwait 250000000000001\nwait 1000\nnow\n");
    EXPECT_EQ(out,
              "error: wait 9223372036854775807 would run the virtual clock past its end\n"
              "error: wait 250000000000001 would run the virtual clock past its end\n"
              "now 1000\n");
    EXPECT_FALSE(sim.last_ok);
    EXPECT_EQ(sim.run("wait 249999999999000\nnow\nclock 2026-12-08 10:00:00\nshow\n").substr(0, 20),
              "now 250000000000000\n");
}

}  // namespace
}  // namespace ignivar::test
