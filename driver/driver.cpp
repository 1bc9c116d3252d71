#include "driver/driver.h"

#include <algorithm>
#include <charconv>
#include <istream>

#include "host/replay_store.h"
#include "host/state_file.h"

namespace ignivar {
namespace {

template <typename T>
std::optional<T> parse_unsigned(std::string_view s) {
    if (s.empty() || s.front() < '0' || s.front() > '9') return std::nullopt;
    T value{};
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, 10);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::pair<std::string_view, std::string_view> split_word(std::string_view s) {
    const auto space = s.find(' ');
    if (space == std::string_view::npos) return {s, {}};
    return {s.substr(0, space), s.substr(space + 1)};
}

}  // namespace

Driver::Driver(SettingsStore& store, std::ostream& out, std::ostream& err, std::uint32_t seed)
    : store_(store), out_(out), seed_(seed) {
    store_.set_failure_handler([&err](const Error& error) {
        err << "ignivar-sim: a setting could not be stored: " << error.message << std::endl;
    });
}

void Driver::ensure_unit() {
    if (host_) return;
    host_ = std::make_unique<host::Host>(store_, sink_, time_, seed_);
    host_->create();
    recorder_ = std::make_unique<host::Recorder>(*host_);
    recorder_->set_enabled(false);
    recorder_->now_text = [] { return std::string("unknown"); };  // a script's output does not depend on the day
    recorder_->on_finished([this](const host::Replay& r) {
        if (const Status s = host::write_replay_file(record_file_, r); !s) fail(s.message());
        recorder_->set_enabled(false);
    });
}

bool Driver::fail(const std::string& message) {
    out_ << "error: " << message << '\n';
    return false;
}

bool Driver::run_line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty() || line.front() == '#') return true;
    const auto [name, args] = split_word(line);
    const bool ok = command(name, args);
    out_.flush();
    return ok;
}

bool Driver::command(std::string_view name, std::string_view args) {
    if (name == "setting") return cmd_setting(args);
    ensure_unit();
    for (const CommandRow& row : commands()) {
        if (row.name != name) continue;
        if (!row.takes_args && !args.empty()) break;  // "show x" is no command
        return (this->*row.run)(args);
    }
    return fail("unknown command '" + std::string(name) + (args.empty() ? "" : " ") + std::string(args) + "'");
}

const std::vector<Driver::CommandRow>& Driver::commands() {
    // clang-format off
    static const std::vector<CommandRow> rows = {
        {"start",          true,  &Driver::cmd_start},
        {"sound",          true,  &Driver::cmd_sound},
        {"press",          true,  &Driver::cmd_press},
        {"release",        true,  &Driver::cmd_release},
        {"key",            true,  &Driver::cmd_key},
        {"wait",           true,  &Driver::cmd_wait},
        {"clock",          true,  &Driver::cmd_clock},
        {"seed",           true,  &Driver::cmd_seed},
        {"coin",           true,  &Driver::cmd_coin},
        {"show",           false, &Driver::print_show},
        {"state",          false, &Driver::print_state},
        {"timers",         false, &Driver::print_timers},
        {"sounds",         false, &Driver::print_sounds},
        {"now",            false, &Driver::print_now},
        {"settings",       false, &Driver::print_settings},
        {"hints",          false, &Driver::print_hints},
        {"reset-hiscores", false, &Driver::cmd_reset_hiscores},
        {"save-state",     true,  &Driver::cmd_save_state},
        {"load-state",     true,  &Driver::cmd_load_state},
        {"record",         true,  &Driver::cmd_record},
    };
    // clang-format on
    return rows;
}

bool Driver::cmd_setting(std::string_view args) {
    if (host_) return fail("'setting' lines must come before every other command");
    const auto [value_name, text] = split_word(args);
    if (value_name.empty()) return fail("usage: setting NAME TEXT");
    store_.write_text(value_name, text);
    return true;
}

bool Driver::cmd_start(std::string_view args) {
    if (!args.empty()) return fail("usage: start");
    host_->handle([&] { host_->unit().power_on(); });
    return true;
}

bool Driver::cmd_sound(std::string_view args) {
    if (args != "on" && args != "off") return fail("usage: sound on|off");
    host_->unit().set_sound_output(args == "on");
    return true;
}

bool Driver::cmd_press(std::string_view args) { return button(args, true); }
bool Driver::cmd_release(std::string_view args) { return button(args, false); }

bool Driver::button(std::string_view args, bool pressed) {
    const auto b = input::button_from_id(args);
    if (!b || *b == input::Button::Set) return fail("unknown button '" + std::string(args) + "'");
    if (pressed) host_->press(*b);
    else host_->release(*b);
    return true;
}

bool Driver::cmd_key(std::string_view args) {
    const auto [dir, code_text] = split_word(args);
    const auto code = parse_unsigned<std::uint16_t>(code_text);
    if ((dir != "down" && dir != "up") || !code) return fail("usage: key down|up CODE");
    if (dir == "down") host_->key_down(*code);
    else host_->key_up(*code);
    return true;
}

bool Driver::cmd_wait(std::string_view args) {
    const auto ms = parse_unsigned<std::int64_t>(args);
    if (!ms) return fail("usage: wait MS");
    const Millis now = host_->unit().timers().now();
    if (*ms > kMaxVirtualMillis - now) return fail("wait " + std::string(args) + " would run the virtual clock past its end");
    time_.set(now + *ms);  // from the unit's own present
    host_->sync();
    return true;
}

bool Driver::cmd_clock(std::string_view args) {
    const auto t = parse_local_time(args);
    if (!t) return fail("usage: clock YYYY-MM-DD HH:MM:SS (a real date and time)");
    host_->virtual_clock()->set(*t);
    return true;
}

bool Driver::cmd_seed(std::string_view args) {
    const auto seed = parse_unsigned<std::uint32_t>(args);
    if (!seed) return fail("usage: seed N");
    host_->coin().reseed(*seed);
    return true;
}

bool Driver::cmd_coin(std::string_view args) {
    if (args.empty() || args.find_first_not_of("01") != std::string_view::npos)
        return fail("usage: coin BITS (a string of 0 and 1)");
    if (host_->coin().forced().size() + args.size() > RandomCoin::kMaxForced)
        return fail("coin: at most " + std::to_string(RandomCoin::kMaxForced) + " results can wait");
    for (char c : args) host_->coin().force(c == '1');
    return true;
}

bool Driver::cmd_save_state(std::string_view args) {
    if (args.empty()) return fail("usage: save-state FILE");
    if (Status s = host::write_state_file(std::string(args), host_->save_state()); !s) return fail(s.message());
    return true;
}

bool Driver::cmd_record(std::string_view args) {
    if (args.empty()) return fail("usage: record FILE | record stop");
    if (args == "stop") {
        if (recorder_->recording()) {
            if (const Status s = host::write_replay_file(record_file_, *recorder_->current()); !s) return fail(s.message());
        }
        recorder_->stop();
        recorder_->set_enabled(false);
        return true;
    }
    record_file_ = std::string(args);
    recorder_->set_enabled(true);  // from the next game's start
    return true;
}

bool Driver::cmd_load_state(std::string_view args) {
    if (args.empty()) return fail("usage: load-state FILE");
    auto bytes = host::read_state_file(std::string(args));
    if (!bytes) return fail(bytes.message());
    if (Status s = host_->load_state(*bytes); !s) return fail(s.message());
    sink_.played.clear();  // what sounded belongs to the time before
    recorder_->continue_from_here();  // a game running there is recorded on, as a continued one
    return true;
}

bool Driver::cmd_reset_hiscores(std::string_view) {
    host_->handle([&] { host_->unit().reset_high_scores(); });
    return true;
}

int run_verify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: ignivar-sim verify REPLAY\n";
        return 2;
    }
    auto replay = host::read_replay_file(args[0]);
    if (!replay) {
        out << replay.message() << '\n';
        return 1;
    }
    if (const Status s = host::verify(*replay); !s) {
        out << args[0] << ": not verified: " << s.message() << '\n';
        return 1;
    }
    out << args[0] << ": verified: game " << replay->game << " reaches its " << replay->score << " points in "
        << replay->length << " ms\n";
    return 0;
}

int run_script(Driver& driver, std::istream& in) {
    bool any_error = false;
    std::string line;
    while (std::getline(in, line))
        if (!driver.run_line(line)) any_error = true;
    driver.finish();
    return any_error ? 1 : 0;
}

}  // namespace ignivar
