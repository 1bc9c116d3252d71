// The headless driver: runs the unit from a script of commands and prints
// what its display shows. Scenario tests and tools drive it line by line.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "host/host.h"
#include "host/replay.h"

namespace ignivar {

// Records the samples that really sounded, for the `sounds` command.
class RecordingSink : public SoundSink {
public:
    void play(Sample s, int) override { played.push_back(s); }
    void stop_all() override {}
    std::vector<Sample> played;
};

class Driver {
public:
    // `store` holds the settings; `err` receives store failures.
    Driver(SettingsStore& store, std::ostream& out, std::ostream& err, std::uint32_t seed);

    // Runs one line of a script; false when the line was in error.
    bool run_line(std::string_view line);
    // Creates the unit if no command has done so yet (the end of a script).
    void finish() { ensure_unit(); }

    Unit* unit() { return host_ ? &host_->unit() : nullptr; }
    host::Host* host() { return host_.get(); }

private:
    void ensure_unit();
    bool fail(const std::string& message);
    bool command(std::string_view name, std::string_view args);

    // One command of a script: its name, whether it takes arguments, and
    // what runs it (false when the line was in error).
    struct CommandRow {
        std::string_view name;
        bool takes_args;
        bool (Driver::*run)(std::string_view args);
    };
    static const std::vector<CommandRow>& commands();

    bool cmd_setting(std::string_view args);
    bool cmd_start(std::string_view args);
    bool cmd_sound(std::string_view args);
    bool cmd_press(std::string_view args);
    bool cmd_release(std::string_view args);
    bool button(std::string_view args, bool pressed);
    bool cmd_key(std::string_view args);
    bool cmd_wait(std::string_view args);
    bool cmd_clock(std::string_view args);
    bool cmd_seed(std::string_view args);
    bool cmd_coin(std::string_view args);
    bool cmd_reset_hiscores(std::string_view args);
    bool cmd_save_state(std::string_view args);
    bool cmd_record(std::string_view args);
    bool cmd_load_state(std::string_view args);
    bool print_now(std::string_view args);
    bool print_show(std::string_view args);
    bool print_state(std::string_view args);
    bool print_timers(std::string_view args);
    bool print_sounds(std::string_view args);
    bool print_settings(std::string_view args);
    bool print_hints(std::string_view args);

    SettingsStore& store_;
    std::ostream& out_;
    RecordingSink sink_;
    host::ManualTime time_;
    std::uint32_t seed_;
    std::unique_ptr<host::Host> host_;
    std::unique_ptr<host::Recorder> recorder_;
    std::string record_file_;
};

// `ignivar-sim verify FILE`: whether a replay reaches the score it records.
int run_verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Runs a whole script from `in`; returns the process exit status.
int run_script(Driver& driver, std::istream& in);

}  // namespace ignivar
