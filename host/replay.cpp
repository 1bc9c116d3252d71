// A replay as text: written, read and checked.
#include "host/replay.h"

#include <charconv>
#include <cstdio>
#include <cstring>
#include <sstream>

#include "sim/virtual_clock.h"

namespace ignivar::host {
namespace {

constexpr std::string_view kHeader = "IGNIVAR REPLAY ";
constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
// A game lasts minutes; ten days of it is no game.
constexpr Millis kMaxTime = 10LL * 24 * 3600 * 1000;

std::string base64(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::uint32_t v = (std::uint32_t{bytes[i]} << 16) | (i + 1 < bytes.size() ? bytes[i + 1] << 8 : 0) |
                                (i + 2 < bytes.size() ? bytes[i + 2] : 0);
        out += kBase64[(v >> 18) & 63];
        out += kBase64[(v >> 12) & 63];
        out += i + 1 < bytes.size() ? kBase64[(v >> 6) & 63] : '=';
        out += i + 2 < bytes.size() ? kBase64[v & 63] : '=';
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> unbase64(std::string_view text) {
    if (text.size() % 4 != 0) return std::nullopt;
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < text.size(); i += 4) {
        std::uint32_t v = 0;
        int pad = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = text[i + static_cast<std::size_t>(k)];
            const char* at = c == '=' ? nullptr : std::strchr(kBase64, c);
            if (c == '=' && i + 4 == text.size() && k >= 2) ++pad;
            else if (!at || !c || pad) return std::nullopt;
            v = (v << 6) | (at ? static_cast<std::uint32_t>(at - kBase64) : 0);
        }
        out.push_back(static_cast<std::uint8_t>(v >> 16));
        if (pad < 2) out.push_back(static_cast<std::uint8_t>(v >> 8));
        if (pad < 1) out.push_back(static_cast<std::uint8_t>(v));
    }
    return out;
}

template <typename T>
std::optional<T> number(std::string_view s) {
    T v{};
    if (s.empty()) return std::nullopt;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return v;
}

std::vector<std::string_view> words(std::string_view line) {
    std::vector<std::string_view> out;
    while (!line.empty()) {
        const auto space = line.find(' ');
        out.push_back(line.substr(0, space));
        if (space == std::string_view::npos) break;
        line.remove_prefix(space + 1);
    }
    return out;
}

bool is_pressed_picture(Seg seg) {
    for (int b = 0; b < input::kButtonCount; ++b)
        if (seg == input::pressed_picture(static_cast<input::Button>(b))) return true;
    return false;
}

// What a game's beginning can be, checked whole: the ready picture of the
// game, as the unit itself draws it with the moment's high scores and
// sound choice (buttons may be held), every timer stopped but the count-down
// waiting at its interval, nothing in play. What the last game left in the
// game's fields (its score, its flames) is cleared as the game begins.
Status check_beginning(const UnitState& s, char game) {
    const GameState& g = s.game;
    const int ready = game == 'A' ? kGameAReady : kGameBReady;
    const auto refuse = [&] { return failure(said("Replay", "it does not start at the beginning of a game %1").with(std::string(1, game)));
    };
    if (g.mode != ready || g.play || g.hero != 0 || g.misses != 0) return refuse();
    for (const TimerBank::SlotState& t : s.timers)
        if (t.enabled) return refuse();
    if (s.timers[static_cast<int>(TimerId::GameStart)].interval != (g.game_sound ? 4900 : 100)) return refuse();
    MemoryStore store;
    SilentSink sound;
    RandomCoin coin(0);
    Millis now = 0;
    VirtualClock clock([&] { return now; });
    Unit unit(store, sound, clock, coin);
    unit.mutable_state().hiscore_a = g.hiscore_a;
    unit.mutable_state().hiscore_b = g.hiscore_b;
    unit.set_current_mode(ready);
    unit.Gam_Set_Mode();
    if (!g.game_sound) {
        unit.Inp_left_down();  // how the sound is switched off before a game
        unit.Inp_left_up();
    }
    const auto& lit = unit.display().lit_segments();
    for (int i = 0; i < kSegmentCount; ++i)
        if (!is_pressed_picture(static_cast<Seg>(i)) && lit[static_cast<std::size_t>(i)] != s.lit[static_cast<std::size_t>(i)])
            return refuse();
    if (unit.display().cells() != s.cells) return refuse();
    return {};
}

Status read_line(Replay& r, std::string_view key, const std::vector<std::string_view>& w, bool& have_start) {
    const auto step_time = [&](std::string_view s) -> std::optional<Millis> {
        const auto t = number<Millis>(s);
        if (!t || *t < 0 || *t > kMaxTime || (!r.steps.empty() && *t < r.steps.back().at)) return std::nullopt;
        return t;
    };
    if (key == "game" && w.size() == 2 && (w[1] == "A" || w[1] == "B")) {
        r.game = w[1][0];
    } else if (key == "date" && w.size() == 2 && w[1].size() < 64) {
        r.date = std::string(w[1]);
    } else if (key == "rewound" && w.size() == 2 && (w[1] == "yes" || w[1] == "no")) {
        r.rewound = w[1] == "yes";
    } else if (key == "continued" && w.size() == 2 && w[1] == "yes") {
        r.continued = true;
    } else if (key == "start" && w.size() == 2 && !have_start) {
        auto bytes = unbase64(w[1]);
        if (!bytes) return failure(said("Replay", "its start is not in base64"));
        r.start = std::move(*bytes);
        have_start = true;
    } else if ((key == "press" || key == "release") && w.size() == 3) {
        const auto at = step_time(w[1]);
        const auto b = input::button_from_id(w[2]);
        if (!at || !b || *b == input::Button::Set) return failure(said("Replay", "a step is not a press or release in time order"));
        r.steps.push_back({key == "press" ? Replay::Step::Kind::Press : Replay::Step::Kind::Release, *at, *b, 0});
    } else if (key == "slip" && w.size() == 3) {
        const auto at = step_time(w[1]);
        const auto to = number<Millis>(w[2]);
        if (!at || !to || *to < *at || *to > kMaxTime) return failure(said("Replay", "a slip is not in time order"));
        r.steps.push_back({Replay::Step::Kind::Slip, *at, input::Button::GameA, *to});
    } else if (key == "end" && w.size() == 3) {
        const auto score = number<std::int32_t>(w[1]);
        const auto length = number<Millis>(w[2]);
        if (!score || *score < 0 || *score > 9990 || *score % 10 != 0 || !length || *length < 0 || *length > kMaxTime)
            return failure(said("Replay", "its end is no score and length of a game"));
        r.ended = true;
        r.score = *score;
        r.length = *length;
    } else {
        return failure(said("Replay", "it has a line that no replay has (\"%1\")").with(std::string(key.substr(0, 20))));
    }
    return {};
}

}  // namespace

Status check_start(const Replay& r) {
    auto s = decode_state(r.start.data(), r.start.size());
    if (!s) return failure(said("Replay", "its start is no moment of a unit: %1").with(s.error().words()));
    if (r.continued) {
        const int mode = s->game.mode;
        const bool of_game = r.game == 'A' ? (mode == kGameAReady || mode == kGameA) : (mode == kGameBReady || mode == kGameB);
        if (!of_game) return failure(said("Replay", "it does not start in a game %1").with(std::string(1, r.game)));
        return {};
    }
    if (Status b = check_beginning(*s, r.game); !b) return b;
    const input::Button button = r.game == 'A' ? input::Button::GameA : input::Button::GameB;
    if (r.steps.empty() || r.steps.front().kind != Replay::Step::Kind::Release || r.steps.front().at != 0 ||
        r.steps.front().button != button)
        return failure(said("Replay", "it does not begin by letting go of the game button"));
    return {};
}

std::string write_replay(const Replay& r) {
    std::ostringstream out;
    out << kHeader << kReplayVersion << "\ngame " << r.game << "\ndate " << (r.date.empty() ? "unknown" : r.date)
        << "\nrewound " << (r.rewound ? "yes" : "no") << '\n';
    if (r.continued) out << "continued yes\n";  // only then: replays of whole games read as ever
    out << "start " << base64(r.start) << '\n';
    for (const Replay::Step& s : r.steps) {
        if (s.kind == Replay::Step::Kind::Slip) out << "slip " << s.at << ' ' << s.to << '\n';
        else out << (s.kind == Replay::Step::Kind::Press ? "press " : "release ") << s.at << ' ' << input::button_id(s.button) << '\n';
    }
    if (r.ended) out << "end " << r.score << ' ' << r.length << '\n';
    std::string text = out.str();
    char check[32];
    std::snprintf(check, sizeof check, "check %08x\n",
                  crc32(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    return text + check;
}

Result<Replay> read_replay(std::string_view text) {
    if (text.size() > kMaxReplayBytes) return failure(said("Replay", "it is far larger than any replay"));
    if (text.substr(0, kHeader.size()) != kHeader) return failure(said("Replay", "it is not a replay of Ignivar"));
    const auto first_end = text.find('\n');
    if (first_end == std::string_view::npos || number<int>(text.substr(kHeader.size(), first_end - kHeader.size())) != kReplayVersion)
        return failure(said("Replay", "it is a replay of another version (this program reads version %1)")
                           .with(std::to_string(kReplayVersion)));
    // The checksum covers everything before its own line, which ends the file.
    const auto check_at = text.rfind("check ");
    if (check_at == std::string_view::npos || (check_at > 0 && text[check_at - 1] != '\n'))
        return failure(said("Replay", "it is cut short (no checksum)"));
    std::string_view check = text.substr(check_at + 6);
    if (!check.empty() && check.back() == '\n') check.remove_suffix(1);
    std::uint32_t want = 0;
    const auto [end, ec] = std::from_chars(check.data(), check.data() + check.size(), want, 16);
    if (ec != std::errc() || end != check.data() + check.size() || check.size() != 8)
        return failure(said("Replay", "its checksum line is damaged"));
    if (crc32(reinterpret_cast<const std::uint8_t*>(text.data()), check_at) != want)
        return failure(said("Replay", "it is damaged or was changed (its checksum does not match)"));
    Replay r;
    bool have_start = false;
    std::string_view body = text.substr(first_end + 1, check_at - first_end - 1);
    while (!body.empty()) {
        const auto nl = body.find('\n');
        const std::string_view line = body.substr(0, nl);
        body = nl == std::string_view::npos ? std::string_view() : body.substr(nl + 1);
        const auto w = words(line);
        if (w.empty() || w[0].empty()) return failure(said("Replay", "it has an empty line"));
        if (Status s = read_line(r, w[0], w, have_start); !s) return s.error();
    }
    if (!have_start) return failure(said("Replay", "it has no start"));
    if (Status s = check_start(r); !s) return s.error();
    return r;
}

}  // namespace ignivar::host
