// The real program ended by signals: on its start window and in a game, it
// ends as closing its window does, with the settings intact, and a game the
// player asked to keep is kept for the next start.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "host/host.h"
#include "host/state_file.h"
#include "settings/memory_store.h"
#include "settings/qt_store.h"
#include "temp_dir.h"

extern char** environ;

namespace ignivar {
namespace {

std::string slurp(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Waits until `done` holds, for at most ten seconds of the world's time:
// a program that never gets there is a failure, one that does is not timed.
template <typename F>
bool eventually(F done) {
    const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!done()) {
        if (std::chrono::steady_clock::now() > give_up) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

struct Program {
    explicit Program(const test::TempDir& home) {
        const std::string config = "XDG_CONFIG_HOME=" + home.file("config");
        const std::string state = "XDG_STATE_HOME=" + home.file("state");
        std::vector<std::string> env = {config, state, "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy",
                                        "HOME=" + home.path.string()};
        std::vector<char*> envp;
        for (std::string& e : env) envp.push_back(e.data());
        envp.push_back(nullptr);
        char* argv[] = {const_cast<char*>(IGNIVAR_PROGRAM), nullptr};
        EXPECT_EQ(posix_spawn(&pid, IGNIVAR_PROGRAM, nullptr, nullptr, argv, envp.data()), 0);
    }
    // The exit status once it has ended, or -1 when it does not.
    int end_with(int signal) {
        ::kill(pid, signal);
        int status = -1;
        if (!eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return -1;
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    pid_t pid = -1;
};

void write_settings(const test::TempDir& home, const std::string& values) {
    std::filesystem::create_directories(home.file("config/Zandrel"));
    std::ofstream(home.file("config/Zandrel/Brasquel50.ini")) << "[General]\n" << values;
}

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

}  // namespace
}  // namespace ignivar
