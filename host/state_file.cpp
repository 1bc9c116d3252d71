#include "host/state_file.h"

#include "files/read.h"
#include "files/write.h"
#include "files/xdg.h"
#include "sim/state.h"

namespace ignivar::host {

std::string state_folder() { return files::state_home() + "/" + files::kVendorFolder; }
std::string quick_slot(char game) { return state_folder() + "/quick-save-" + std::string(1, game) + ".state"; }
char slot_game(const Unit& unit) {
    const GameState& s = unit.state();
    if (s.mode == kGameAReady || s.mode == kGameA) return 'a';
    if (s.mode == kGameBReady || s.mode == kGameB) return 'b';
    if (s.mode == kGameOver) return unit.display().Vid_Is_Lit(Seg::PanelGameB) ? 'b' : 'a';
    return 0;
}

std::string resume_file() { return state_folder() + "/resume.state"; }

Status write_state_file(const std::string& path, const std::vector<std::uint8_t>& state) {
    if (Status s = files::write_atomically(path, state); !s) return failure(said("SavedGame", "The game could not be saved: %1").with(s.error().words()));
    return {};
}

Result<std::vector<std::uint8_t>> read_state_file(const std::string& path) {
    auto bytes = files::read_regular_file(path, state_size() + 1);
    if (!bytes) {
        if (Text kind = files::describe_non_regular(path); !kind.english.empty())
            return failure(said("SavedGame", "%1 is no saved game: it is %2").with(path).with(std::move(kind)));
        if (files::regular_file_size(path) > state_size())
            return failure(said("SavedGame", "%1 is no saved game: %2")
                               .with(path)
                               .with(said("SavedGame", "it has more in it than a saved game")));
        return failure(bytes.message());
    }
    if (auto decoded = decode_state(bytes->data(), bytes->size()); !decoded)
        return failure(said("SavedGame", "%1 is no saved game: %2").with(path).with(decoded.error().words()));
    return bytes;
}

}  // namespace ignivar::host
