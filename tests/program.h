// The real program, started in a home of the test's own and ended by
// signals, for the tests that need the whole of it.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

#include "temp_dir.h"

namespace ignivar::test {

inline std::string slurp(const std::string& file) {
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

inline void write_settings(const TempDir& home, const std::string& values) {
    std::filesystem::create_directories(home.file("config/Zandrel"));
    std::ofstream(home.file("config/Zandrel/Brasquel50.ini")) << "[General]\n" << values;
}

struct Program {
    // `address_space`: the most memory the program may map, in bytes (0:
    // no limit). What it writes on standard error goes to home/stderr.txt.
    explicit Program(const TempDir& home, std::uint64_t address_space = 0) : err(home.file("stderr.txt")) {
        std::vector<std::string> env = {"XDG_CONFIG_HOME=" + home.file("config"), "XDG_STATE_HOME=" + home.file("state"),
                                        "XDG_DATA_HOME=" + home.file("data"),     "QT_QPA_PLATFORM=offscreen",
                                        "SDL_AUDIODRIVER=dummy",                  "IGNIVAR_FIRST_PAINT=1",
                                        "HOME=" + home.path.string()};
        pid = ::fork();
        if (pid == 0) {
            if (address_space) {
                const rlimit limit{address_space, address_space};
                ::setrlimit(RLIMIT_AS, &limit);
            }
            std::FILE* f = std::fopen(err.c_str(), "w");
            if (f) ::dup2(::fileno(f), STDERR_FILENO);
            std::vector<char*> envp;
            for (std::string& e : env) envp.push_back(e.data());
            envp.push_back(nullptr);
            char* argv[] = {const_cast<char*>(IGNIVAR_PROGRAM), nullptr};
            ::execve(IGNIVAR_PROGRAM, argv, envp.data());
            ::_exit(127);
        }
    }
    // Whether it has written `text` on standard error.
    bool said(const std::string& text) const { return slurp(err).find(text) != std::string::npos; }
    // Still running (not ended, nor brought down).
    bool running() {
        int status = 0;
        return ::waitpid(pid, &status, WNOHANG) == 0;
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
    std::string err;
    pid_t pid = -1;
};

}  // namespace ignivar::test
