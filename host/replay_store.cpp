#include "host/replay_store.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <map>
#include <mutex>
#include <set>
#include <sstream>

#include "files/cache.h"
#include "files/read.h"
#include "files/write.h"
#include "files/xdg.h"

namespace ignivar::host {

namespace fs = std::filesystem;

namespace {

// What each replay file of a folder was found to be, by its name, kept
// beside them: taken again only for the very file it was found of.
constexpr const char* kVerdicts = "verdicts.txt";
constexpr std::uint64_t kMostVerdictBytes = 4 * 1024 * 1024;

struct Verdict {
    files::Stamp stamp;
    KeptReplay replay;
};

std::string stamp_text(const files::Stamp& s) {
    return std::to_string(s.device) + ' ' + std::to_string(s.inode) + ' ' + std::to_string(s.size) + ' ' +
           std::to_string(s.modified_ns) + ' ' + std::to_string(s.changed_ns);
}

template <typename T>
bool parse(std::string_view text, T& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}

// A text as one field, so that a window shows a kept reason in the language
// spoken: each part as its length, ':' and its bytes; the context, the
// English, then the number of arguments and each of them.
void put_text(std::string& out, const Text& t) {
    const auto part = [&out](std::string_view s) { out.append(std::to_string(s.size())).append(1, ':').append(s); };
    part(t.context ? t.context : "");
    part(t.english);
    out.append(std::to_string(t.args.size())).append(1, ':');
    for (const Text& a : t.args) put_text(out, a);
}

// The context's name where it lasts as long as the program (a text holds
// only a pointer to it). The program has a few dozen; past that, or for a
// name no context has, the words are not looked up (they show in English).
const char* lasting(std::string_view context) {
    static std::mutex guard;
    static std::set<std::string, std::less<>> names;
    const std::lock_guard lock(guard);
    if (const auto it = names.find(context); it != names.end()) return it->c_str();
    if (names.size() >= 64 || context.size() > 32) return nullptr;
    return names.emplace(context).first->c_str();
}

bool take_number(std::string_view& in, std::size_t& n) {
    const auto colon = in.find(':');
    if (colon == std::string_view::npos || !parse(in.substr(0, colon), n)) return false;
    in.remove_prefix(colon + 1);
    return true;
}

std::optional<Text> take_text(std::string_view& in, int depth = 0) {
    const auto part = [&in](std::string_view& s) {
        std::size_t n = 0;
        if (!take_number(in, n) || n > in.size()) return false;
        s = in.substr(0, n);
        in.remove_prefix(n);
        return true;
    };
    std::string_view context, english;
    std::size_t args = 0;
    if (depth > 8 || !part(context) || !part(english) || !take_number(in, args) || args > 9) return std::nullopt;
    Text t{context.empty() ? nullptr : lasting(context), std::string(english), {}};
    for (std::size_t i = 0; i < args; ++i) {
        auto a = take_text(in, depth + 1);
        if (!a) return std::nullopt;
        t.args.push_back(std::move(*a));
    }
    return t;
}

std::string stored(const Text& t) {
    std::string out;
    put_text(out, t);
    return out;
}

bool plain_name(const std::string& name) {
    return name.find_first_of("\t\n\r") == std::string::npos;
}

// A line: the file's name, its stamp, then what it is (tab-separated);
// none when a field would not stay on its line.
std::string verdict_line(const std::string& name, const Verdict& v) {
    const KeptReplay& k = v.replay;
    const std::string reason = stored(k.problem);
    if (!plain_name(name) || !plain_name(k.date) || !plain_name(reason)) return {};
    std::ostringstream out;
    out << name << '\t' << stamp_text(v.stamp) << '\t' << k.readable << k.ended << k.rewound << k.continued << k.verified
        << '\t' << k.game << '\t' << k.score << '\t' << k.length << '\t' << k.date << '\t' << reason << '\n';
    return out.str();
}

std::optional<std::pair<std::string, Verdict>> parse_verdict(std::string_view line) {
    std::vector<std::string_view> f;
    for (std::size_t at = 0;;) {
        const auto tab = line.find('\t', at);
        f.push_back(line.substr(at, tab - at));
        if (tab == std::string_view::npos) break;
        at = tab + 1;
    }
    if (f.size() != 8 || f[2].size() != 5 || f[3].size() != 1) return std::nullopt;
    Verdict v;
    std::istringstream stamp{std::string(f[1])};
    if (!(stamp >> v.stamp.device >> v.stamp.inode >> v.stamp.size >> v.stamp.modified_ns >> v.stamp.changed_ns))
        return std::nullopt;
    KeptReplay& k = v.replay;
    bool* flags[] = {&k.readable, &k.ended, &k.rewound, &k.continued, &k.verified};
    for (std::size_t i = 0; i < 5; ++i) *flags[i] = f[2][i] == '1';
    k.game = f[3][0];
    if (!parse(f[4], k.score) || !parse(f[5], k.length)) return std::nullopt;
    k.date = std::string(f[6]);
    // A reason that does not read as a text (an older list's English) is
    // found again from the file.
    std::string_view problem = f[7];
    auto reason = take_text(problem);
    if (!reason || !problem.empty()) return std::nullopt;
    k.problem = std::move(*reason);
    return std::pair{std::string(f[0]), v};
}

std::map<std::string, Verdict> read_verdicts(const std::string& folder) {
    std::map<std::string, Verdict> out;
    auto bytes = files::read_regular_file(folder + "/" + kVerdicts, kMostVerdictBytes);
    if (!bytes) return out;
    std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    while (!text.empty()) {
        const auto nl = text.find('\n');
        if (auto v = parse_verdict(text.substr(0, nl))) out.insert(std::move(*v));
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    return out;
}

// What a replay file is: read, and run again.
KeptReplay examine(const std::string& file) {
    KeptReplay k;
    k.file = file;
    auto r = read_replay_file(file);
    if (!r) {
        k.problem = r.error().words();
        return k;
    }
    k.readable = true;
    k.game = r->game;
    k.score = r->score;
    k.length = r->length;
    k.date = r->date;
    k.ended = r->ended;
    k.rewound = r->rewound;
    k.continued = r->continued;
    const Status v = verify(*r);
    k.verified = v.ok();
    if (!v) k.problem = v.error().words();
    return k;
}

}  // namespace

std::string replay_folder() { return files::data_home() + "/" + files::kVendorFolder + "/replays"; }

Result<Replay> read_replay_file(const std::string& path) {
    auto bytes = files::read_regular_file(path, kMaxReplayBytes);
    if (!bytes) {
        Text kind = files::describe_non_regular(path);
        return kind.english.empty() ? bytes.error()
                                    : failure(said("Replay", "%1 is no replay: it is %2").with(path).with(std::move(kind)));
    }
    auto r = read_replay(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!r) return failure(said("Replay", "%1 is no replay: %2").with(path).with(r.error().words()));
    return r;
}

Status write_replay_file(const std::string& path, const Replay& replay) {
    if (Status s = files::write_atomically(path, write_replay(replay)); !s) return failure(said("Replay", "The replay could not be kept: %1").with(s.error().words()));
    return {};
}

std::vector<KeptReplay> list_replays(const std::string& folder) {
    std::vector<KeptReplay> out;
    const std::map<std::string, Verdict> known = read_verdicts(folder);
    std::string verdicts;
    bool changed = false;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        // A replay's write that was killed leaves name.replay.XXXXXX behind.
        if (const std::string name = entry.path().string(); name.size() > 14 && name.compare(name.size() - 14, 8, ".replay.") == 0)
            files::remove_stale_temporaries(name.substr(0, name.size() - 7));
        if (entry.path().extension() != ".replay") continue;
        const std::string file = entry.path().string(), name = entry.path().filename().string();
        const auto stamp = files::stamp(file);
        const auto it = known.find(name);
        KeptReplay k;
        if (stamp && it != known.end() && it->second.stamp == *stamp) {
            k = it->second.replay;
            k.file = file;
        } else {
            k = examine(file);
            changed = true;
        }
        if (stamp) verdicts += verdict_line(name, {*stamp, k});
        out.push_back(std::move(k));
    }
    if (changed || out.size() != known.size()) (void)files::write_atomically(folder + "/" + kVerdicts, verdicts);
    std::sort(out.begin(), out.end(), [](const KeptReplay& a, const KeptReplay& b) {
        return a.date != b.date ? a.date > b.date : a.file > b.file;
    });
    return out;
}

std::vector<KeptReplay> high_scores(const std::vector<KeptReplay>& all, char game) {
    std::vector<KeptReplay> table;
    for (const KeptReplay& k : all)
        if (k.game == game && k.verified && !k.continued) table.push_back(k);
    // The better score first; of equal ones, the shorter game, then the earlier.
    std::stable_sort(table.begin(), table.end(), [](const KeptReplay& a, const KeptReplay& b) {
        if (a.score != b.score) return a.score > b.score;
        if (a.length != b.length) return a.length < b.length;
        return a.date < b.date;
    });
    if (table.size() > kTableSize) table.resize(kTableSize);
    return table;
}

Result<std::string> keep_replay(const Replay& replay, const std::string& folder) {
    std::string stem = replay.date.empty() ? std::string("game") : replay.date;
    std::replace(stem.begin(), stem.end(), ':', '-');
    // Appended piece by piece: GCC 12 at -O3 warns (wrongly) of an overlap
    // in "-" + a temporary string, here and in the path below.
    stem.append(1, '-').append(1, replay.game).append(1, '-').append(std::to_string(replay.score));
    const std::string text = write_replay(replay);
    std::string path;
    for (int n = 1;; ++n) {
        path = folder + "/" + stem;
        if (n > 1) path.append(1, '-').append(std::to_string(n));
        path += ".replay";
        const Result<bool> written = files::write_new(path, text);
        if (!written) return failure(said("Replay", "The replay could not be kept: %1").with(written.error().words()));
        if (*written) break;
    }
    // What stays: the recent games (readable or not) and each game's table.
    const std::vector<KeptReplay> all = list_replays(folder);
    std::set<std::string> keep;
    for (std::size_t i = 0; i < all.size() && i < kRecentReplays; ++i) keep.insert(all[i].file);
    for (char game : {'A', 'B'})
        for (const KeptReplay& k : high_scores(all, game)) keep.insert(k.file);
    for (const KeptReplay& k : all)
        if (!keep.count(k.file)) {
            std::error_code ec;
            fs::remove(k.file, ec);
        }
    return path;
}

}  // namespace ignivar::host
