// Whole games replayed from a script, and the driver's contract for bad lines.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "harness.h"

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
