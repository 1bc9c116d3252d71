// `ignivar-sim export`: a replay as a clip, with a progress line on a terminal.
#include "driver/export_cli.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <unistd.h>

#include "clips/exporter.h"
#include "files/places.h"
#include "files/read.h"
#include "host/replay_store.h"
#include "product.h"

namespace ignivar {
namespace {

constexpr const char* kUsage =
    "usage: ignivar-sim export [--format mp4|webm|gif|webp] [--zoom N] [--fps N] [--view unit|lcd]\n"
    "                          [--look exact|real] [--skin CONFIG] REPLAY OUT\n";

// The shipped files: beside the program (a build tree), else its data folder.
std::string data_folder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec).parent_path();
    if (files::is_regular_file((exe / files::kConfigFile).string())) return exe.string();
    return (exe / kDataFromBin).lexically_normal().string();
}

// A signal that ends the export: the clip is given up, its part written
// removed, and the program ends as the signal asks.
volatile std::sig_atomic_t g_ended_by = 0;
void note_signal(int signal) { g_ended_by = signal; }

// Takes SIGINT and SIGTERM while it lives, and gives the old handlers back.
class SignalsEndTheExport {
public:
    SignalsEndTheExport() {
        struct sigaction sa {};
        sa.sa_handler = note_signal;
        sigemptyset(&sa.sa_mask);
        for (int i = 0; i < 2; ++i) ::sigaction(kSignals[i], &sa, &old_[i]);
    }
    ~SignalsEndTheExport() {
        for (int i = 0; i < 2; ++i) ::sigaction(kSignals[i], &old_[i], nullptr);
    }

private:
    static constexpr int kSignals[2] = {SIGINT, SIGTERM};
    struct sigaction old_[2] {};
};

bool small_number(const std::string& text, int lo, int hi, int& out) {
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || v < lo || v > hi) return false;
    out = static_cast<int>(v);
    return true;
}

}  // namespace

int run_export(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    clips::ExportRequest r;
    std::optional<clips::Format> format;
    std::vector<std::string> plain;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool has_value = i + 1 < args.size();
        if (a == "--format" && has_value && (format = clips::format_named(args[i + 1]))) ++i;
        else if (a == "--zoom" && has_value && small_number(args[i + 1], 1, 4, r.zoom)) ++i;
        else if (a == "--fps" && has_value && small_number(args[i + 1], 1, 60, r.fps)) ++i;
        else if (a == "--view" && has_value && (args[i + 1] == "unit" || args[i + 1] == "lcd")) r.lcd_only = args[++i] == "lcd";
        else if (a == "--look" && has_value && (args[i + 1] == "exact" || args[i + 1] == "real")) r.look.real = args[++i] == "real";
        else if (a == "--skin" && has_value) r.config = args[++i];
        else if (!a.empty() && a[0] != '-') plain.push_back(a);
        else return err << kUsage, 2;
    }
    if (plain.size() != 2) return err << kUsage, 2;
    r.out = plain[1];
    if (!format) format = clips::format_of_file(r.out);
    r.format = format.value_or(clips::Format::Mp4);
    if (r.config.empty()) r.config = files::join(data_folder(), files::kConfigFile);
    r.data_dir = std::filesystem::path(r.config).parent_path().string();
    r.replay_file = plain[0];
    auto replay = host::read_replay_file(plain[0]);
    if (!replay) return out << replay.message() << '\n', 1;
    const bool terminal = ::isatty(STDERR_FILENO);
    const auto started = std::chrono::steady_clock::now();
    int shown = -1;
    const SignalsEndTheExport signals;
    const Status s = clips::export_clip(*replay, r, [&](double f) {
        const int percent = static_cast<int>(f * 100);
        if (terminal && percent != shown) std::fprintf(stderr, "\rexporting %s: %3d %%", r.out.c_str(), shown = percent);
        return g_ended_by == 0;
    });
    if (terminal) std::fputc('\n', stderr);
    if (g_ended_by != 0) return err << "the export of " << plain[0] << " was stopped; nothing is left of the clip\n", 128 + g_ended_by;
    if (!s) return out << "cannot export " << plain[0] << ": " << s.message() << '\n', 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    out << r.out << ": " << clips::format_name(r.format) << ", " << (replay->length + 1000) / 1000.0
        << " s of play in " << seconds << " s\n";
    return 0;
}

}  // namespace ignivar
