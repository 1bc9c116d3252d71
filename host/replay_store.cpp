#include "host/replay_store.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "files/read.h"
#include "files/write.h"
#include "files/xdg.h"

namespace ignivar::host {

namespace fs = std::filesystem;

std::string replay_folder() { return files::data_home() + "/" + files::kVendorFolder + "/replays"; }

Result<Replay> read_replay_file(const std::string& path) {
    auto bytes = files::read_regular_file(path, kMaxReplayBytes);
    if (!bytes) {
        const std::string kind = files::describe_non_regular(path);
        return failure(kind.empty() ? bytes.message() : path + " is no replay: it is " + kind);
    }
    auto r = read_replay(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    if (!r) return failure(path + " is no replay: " + r.message());
    return r;
}

Status write_replay_file(const std::string& path, const Replay& replay) {
    if (Status s = files::write_atomically(path, write_replay(replay)); !s) return failure("The replay could not be kept: " + s.message());
    return {};
}

std::vector<KeptReplay> list_replays(const std::string& folder) {
    std::vector<KeptReplay> out;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        // A replay's write that was killed leaves name.replay.XXXXXX behind.
        if (const std::string name = entry.path().string(); name.size() > 14 && name.compare(name.size() - 14, 8, ".replay.") == 0)
            files::remove_stale_temporaries(name.substr(0, name.size() - 7));
        if (entry.path().extension() != ".replay") continue;
        KeptReplay k;
        k.file = entry.path().string();
        auto r = read_replay_file(k.file);
        if (!r) {
            k.problem = r.message();
        } else {
            k.readable = true;
            k.game = r->game;
            k.score = r->score;
            k.length = r->length;
            k.date = r->date;
            k.ended = r->ended;
            k.rewound = r->rewound;
            const Status v = verify(*r);
            k.verified = v.ok();
            if (!v) k.problem = v.message();
        }
        out.push_back(std::move(k));
    }
    std::sort(out.begin(), out.end(), [](const KeptReplay& a, const KeptReplay& b) {
        return a.date != b.date ? a.date > b.date : a.file > b.file;
    });
    return out;
}

std::vector<KeptReplay> high_scores(const std::vector<KeptReplay>& all, char game) {
    std::vector<KeptReplay> table;
    for (const KeptReplay& k : all)
        if (k.game == game && k.verified) table.push_back(k);
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
    stem += "-" + std::string(1, replay.game) + "-" + std::to_string(replay.score);
    std::string path = folder + "/" + stem + ".replay";
    for (int n = 2; files::exists(path); ++n) path = folder + "/" + stem + "-" + std::to_string(n) + ".replay";
    if (Status s = write_replay_file(path, replay); !s) return s.error();
    // What stays: the recent games and each game's table.
    const std::vector<KeptReplay> all = list_replays(folder);
    std::set<std::string> keep;
    for (std::size_t i = 0; i < all.size() && i < kRecentReplays; ++i) keep.insert(all[i].file);
    for (char game : {'A', 'B'})
        for (const KeptReplay& k : high_scores(all, game)) keep.insert(k.file);
    for (const KeptReplay& k : all)
        if (!keep.count(k.file) && k.readable) {
            std::error_code ec;
            fs::remove(k.file, ec);
        }
    return path;
}

}  // namespace ignivar::host
