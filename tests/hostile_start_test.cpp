// The real program started on a player's hostile files, in a process whose
// address space is limited: it comes up, stays within the limit, answers,
// and ends cleanly on SIGTERM.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <thread>

#include "program.h"
#include "temp_dir.h"

namespace ignivar {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint64_t kLimit = 0;  // the sanitizer's shadow memory needs a large address space
#else
constexpr std::uint64_t kLimit = 1536ull << 20;  // the program itself maps about 450 MB
#endif

TEST(HostileStart, ThePlayersFilesCannotBringTheProgramDown) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::function<void(const test::TempDir& home)> make;
        bool frame_painted;  // else a message stands before the unit's frame
    };
    const auto own_skin = [](const char* ini) {
        return [ini](const test::TempDir& home) { home.write("config/Zandrel/Config.ini", ini); };
    };
    const Case cases[] = {
        {"a unit of 16384 x 16384 pixels", own_skin("[Common]\nGameWidth=16384\nGameHeight=16384\n"), false},
        {"a unit of 3500 x 3500 at zoom 4", own_skin("[Common]\nGameWidth=3500\nGameHeight=3500\n"), true},
        {"a folder as the settings' lock", [](const test::TempDir& home) {
             fs::create_directories(home.file("config/Zandrel/Brasquel50.ini.lock"));
         }, true},
        {"a pipe as the settings' lock", [](const test::TempDir& home) {
             ASSERT_EQ(::mkfifo(home.file("config/Zandrel/Brasquel50.ini.lock").c_str(), 0600), 0);
         }, true},
        {"32,000 mistakes in Gamepad.txt", [](const test::TempDir& home) {
             std::string many;
             for (int i = 0; i < 32000; ++i) many += "x\n";
             home.write("config/Zandrel/Gamepad.txt", many);
         }, true},
    };
    for (const Case& c : cases) {
        test::TempDir home;
        test::write_settings(home, "SoundMode=2\nSplashScreen=0\nFullscreenMode=0\nZoom=4\n");
        c.make(home);
        test::Program program(home, kLimit);
        if (c.frame_painted) {
            EXPECT_TRUE(test::eventually([&] { return program.said("first frame painted") || !program.running(); }))
                << c.name;
        } else {
            std::this_thread::sleep_for(std::chrono::seconds(3));  // long enough to have come to its message
        }
        EXPECT_TRUE(program.running()) << c.name << ":\n" << test::slurp(program.err);
        EXPECT_EQ(program.end_with(SIGTERM), 0) << c.name << ":\n" << test::slurp(program.err);
    }
}

}  // namespace
}  // namespace ignivar
