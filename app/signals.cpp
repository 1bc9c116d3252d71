#include "app/signals.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ignivar::app {
namespace {

int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_came = 0;
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void on_signal(int signal) {
    const int saved = errno;
    g_came = 1;
    const char byte = static_cast<char>(signal);
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
    errno = saved;
}

}  // namespace

EndOnSignals::EndOnSignals(std::function<void(int)> end, QObject* parent) : QObject(parent), end_(std::move(end)) {
    // SDL would otherwise turn these signals into a quit event nobody reads.
    ::setenv("SDL_NO_SIGNAL_HANDLERS", "1", 1);
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) return;
    notifier_ = std::make_unique<QSocketNotifier>(g_pipe[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        while (::read(g_pipe[1], &byte, 1) == 1) {
        }
        if (end_) end_(byte);
    });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &action, nullptr);
}

bool EndOnSignals::came() { return g_came != 0; }

EndOnSignals::~EndOnSignals() {
    for (int s : kSignals) ::signal(s, SIG_DFL);
    notifier_.reset();
    for (int& fd : g_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

}  // namespace ignivar::app
