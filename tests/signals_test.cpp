// The real program ended by signals: on its start window and in a game, it
// ends as closing its window does, with the settings intact, and a game the
// player asked to keep is kept for the next start.
#include <gtest/gtest.h>

#include <csignal>
#include <chrono>
#include <filesystem>

#include "host/host.h"
#include "host/state_file.h"
#include "settings/memory_store.h"
#include "settings/qt_store.h"
#include "program.h"
#include "temp_dir.h"

namespace ignivar {
namespace {

using test::eventually;
using test::Program;
using test::slurp;
using test::write_settings;

TEST(Signals, EndTheStartWindowWithTheStoreIntact) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        test::TempDir home;
        write_settings(home, "HiScore1=1230\nSplashScreen=1\n");
        Program program(home);
        // The start window is up once the store has its key values.
        ASSERT_TRUE(eventually([&] { return slurp(home.file("config/Zandrel/Brasquel50.ini")).find("Key7") != std::string::npos; }));
        EXPECT_EQ(program.end_with(signal), 0) << signal;
        QtStore store(home.file("config/Zandrel/Brasquel50.ini"));
        EXPECT_TRUE(store.open_problem().empty()) << store.open_problem();
        EXPECT_EQ(store.read_text("HiScore1"), "1230");
        EXPECT_EQ(store.read_text("Key1"), "2");
        for (const auto& entry : std::filesystem::directory_iterator(home.file("config/Zandrel"))) {
            const std::string name = entry.path().filename();
            EXPECT_TRUE(name == "Brasquel50.ini" || name == "Gamepad.txt") << name << ": nothing half-written is left";
        }
    }
}

TEST(Signals, AGameKeptOverSigtermComesBackAtTheNextStart) {
    test::TempDir home;
    write_settings(home, "SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nResumeGame=1\n");
    // A game B in play, saved as the last run would have kept it.
    MemoryStore store;
    SilentSink sound;
    host::ManualTime time;
    host::Host host(store, sound, time, 3);
    host.create();
    host.handle([&] { host.unit().power_on(); });
    for (input::Button b : {input::Button::Time, input::Button::GameB}) {
        host.press(b);
        host.release(b);
    }
    time.set(9000);
    host.sync();
    const std::vector<std::uint8_t> kept = host.save_state();
    const std::string file = home.file("state/Zandrel/resume.state");
    ASSERT_TRUE(host::write_state_file(file, kept).ok());

    Program program(home);
    // It takes the game back (the file is gone), paused: time stands still.
    ASSERT_TRUE(eventually([&] { return !std::filesystem::exists(file); }));
    EXPECT_EQ(program.end_with(SIGTERM), 0);
    const std::string again = slurp(file);
    EXPECT_EQ(again, std::string(kept.begin(), kept.end())) << "the same moment, kept again";
}

// A kept game the program cannot take (a newer program's, say) is left as
// it is when the program ends; what saves
// killed half way left behind is swept at the start, what is being written
// now is not.
TEST(Signals, ARefusedKeptGameIsLeftAndStaleSavesAreSwept) {
    test::TempDir home;
    write_settings(home, "SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nResumeGame=1\n");
    const std::string newer = std::string("IGNVSTAT\x02\0\0\0", 12) + std::string(100, 'x');
    std::filesystem::create_directories(home.file("state/Zandrel"));
    const std::string resume = home.write("state/Zandrel/resume.state", newer);
    const std::string stale = home.write("state/Zandrel/quick-save-a.state.Ab12cd", "half");
    const std::string fresh = home.write("state/Zandrel/quick-save-b.state.Zz99zz", "being written");
    const auto two_minutes_ago = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    std::filesystem::last_write_time(stale, two_minutes_ago);
    Program program(home);
    ASSERT_TRUE(eventually([&] { return !std::filesystem::exists(stale); }));
    EXPECT_EQ(program.end_with(SIGTERM), 0);
    EXPECT_EQ(slurp(resume), newer) << "left as it is";
    EXPECT_TRUE(std::filesystem::exists(fresh));
}

}  // namespace
}  // namespace ignivar
