#include "clips/plan.h"

#include <cstring>

#include "files/cache.h"
#include "files/read.h"

namespace ignivar::clips {
namespace {

// Whether a file's first bytes are those of a clip of one of the formats written.
bool looks_like_a_clip(const unsigned char* b, std::size_t n) {
    const auto at = [&](std::size_t i, const char* text) {
        return n >= i + std::strlen(text) && std::memcmp(b + i, text, std::strlen(text)) == 0;
    };
    const bool matroska = n >= 4 && b[0] == 0x1A && b[1] == 0x45 && b[2] == 0xDF && b[3] == 0xA3;
    return at(4, "ftyp") || matroska || at(0, "GIF87a") || at(0, "GIF89a") || (at(0, "RIFF") && at(8, "WEBP"));
}

}  // namespace

Result<Millis> clip_length(const host::Replay& replay) {
    if (Status proved = host::verify(replay); !proved) return failure(said("Clips", "the replay does not prove its game: %1").with(proved.error().words()));
    return replay.length + 1000;
}

Status check_out(const std::string& replay_file, const std::string& out) {
    if (const auto there = files::stamp(out)) {
        const auto replay = replay_file.empty() ? std::nullopt : files::stamp(replay_file);
        if (replay && replay->device == there->device && replay->inode == there->inode)
            return failure(said("Clips", "%1 is the replay itself, so no clip is written over it").with(out));
        unsigned char head[12] = {};
        auto file = files::EntryReader::open(out);
        const std::size_t n = file ? static_cast<std::size_t>(std::min<std::uint64_t>(file->size(), sizeof head)) : 0;
        if (n > 0 && (!file->read(head, n) || !looks_like_a_clip(head, n)))
            return failure(said("Clips", "%1 is there already and is no clip, so it is not written over").with(out));
        return {};
    }
    if (Text kind = files::describe_non_regular(out); !kind.english.empty())
        return failure(said("Clips", "%1 is %2, so no clip is written there").with(out).with(std::move(kind)));
    return {};
}

}  // namespace ignivar::clips
