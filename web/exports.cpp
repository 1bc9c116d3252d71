// The C interface the page's script calls: one unit, its frame, its sound,
// its words. Strings and buffers stay valid until the next call.
#include <emscripten/emscripten.h>

#include <cstring>
#include <memory>

#include "host/state_file.h"
#include "web/unit_figures.h"
#include "web/web_unit.h"

using ignivar::web::WebUnit;

namespace {

std::unique_ptr<WebUnit> unit;
std::string error_text, text;
std::vector<int> rect_values;
std::vector<std::uint8_t> bytes;

bool running() { return unit && unit->ready(); }

}  // namespace

extern "C" {

// The scale that suits a place of `width` x `height` device pixels.
EMSCRIPTEN_KEEPALIVE int ign_scale_for(double width, double height) {
    return WebUnit::scale_for(ignivar::web::kAssetRoot, width, height);
}

// Starts the unit at `scale` with the settings the page kept; 0 when it
// cannot (ign_error says why; after a start, what it started without).
EMSCRIPTEN_KEEPALIVE int ign_start(int scale, int rate, const char* settings) {
    unit = std::make_unique<WebUnit>(ignivar::web::kAssetRoot, scale, rate, settings ? settings : "",
                                     std::string(ignivar::web::kKeptRoot) + "/replays");
    if (unit->ready()) {
        error_text = unit->warnings();
        return 1;
    }
    error_text = unit->error();
    unit.reset();
    return 0;
}

EMSCRIPTEN_KEEPALIVE const char* ign_error() { return error_text.c_str(); }

EMSCRIPTEN_KEEPALIVE int ign_set_scale(int scale) { return running() && unit->set_scale(scale) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int ign_scale() { return running() ? unit->scale() : 0; }
EMSCRIPTEN_KEEPALIVE int ign_width() { return running() ? unit->width() : 0; }
EMSCRIPTEN_KEEPALIVE int ign_height() { return running() ? unit->height() : 0; }
EMSCRIPTEN_KEEPALIVE int ign_skin_width() { return running() ? unit->skin_width() : 0; }
EMSCRIPTEN_KEEPALIVE int ign_skin_height() { return running() ? unit->skin_height() : 0; }

// Runs the unit up to `ms` of the page's clock; returns how many rectangles
// of the frame changed (ign_rects: x, y, w, h each; ign_rgba: their pixels,
// one rectangle after the other).
EMSCRIPTEN_KEEPALIVE int ign_advance(double ms) {
    if (!running()) return 0;
    rect_values.clear();
    for (const auto& r : unit->advance(static_cast<ignivar::Millis>(ms))) rect_values.insert(rect_values.end(), {r.x, r.y, r.w, r.h});
    return static_cast<int>(rect_values.size() / 4);
}
EMSCRIPTEN_KEEPALIVE const int* ign_rects() { return rect_values.data(); }
EMSCRIPTEN_KEEPALIVE const std::uint8_t* ign_rgba() { return running() ? unit->rgba() : nullptr; }

// The stereo frames the last advance mixed.
EMSCRIPTEN_KEEPALIVE const std::int16_t* ign_audio() { return running() ? unit->audio().data() : nullptr; }
EMSCRIPTEN_KEEPALIVE int ign_audio_frames() { return running() ? static_cast<int>(unit->audio().size() / 2) : 0; }
// The player's mute and volume (kept in the settings): -1 reads them.
EMSCRIPTEN_KEEPALIVE int ign_mute(int muted) {
    if (running() && muted >= 0) unit->set_muted(muted != 0);
    return running() && unit->muted() ? 1 : 0;
}
// Sounds follow the flames (kept in the settings): -1 reads it.
EMSCRIPTEN_KEEPALIVE int ign_panned(int panned) {
    if (running() && panned >= 0) unit->set_panned(panned != 0);
    return running() && unit->panned() ? 1 : 0;
}
// The volume steps, loudest first.
EMSCRIPTEN_KEEPALIVE const int* ign_volume_steps() { return ignivar::sound::kVolumeSteps.data(); }
EMSCRIPTEN_KEEPALIVE int ign_volume_step_count() { return static_cast<int>(ignivar::sound::kVolumeSteps.size()); }
EMSCRIPTEN_KEEPALIVE int ign_volume(int percent) {
    if (running() && percent >= 0) unit->set_volume(percent);
    return running() ? unit->volume() : 0;
}

// How the LCD looks: 1 for the real look; `real` < 0 only reads. `unlit`
// is one of the strengths ign_unlit_choices names (-1: as the face shows them).
EMSCRIPTEN_KEEPALIVE int ign_look(int real, int unlit) {
    if (running() && real >= 0) unit->set_look({real != 0, unlit});
    return running() && unit->look().real ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE int ign_look_unlit() { return running() ? unit->look().unlit : ignivar::skin::kUnlitAsFace; }
// The looks' names (exact, then real) and the strengths of unlit segments
// ("strength<TAB>name"), a line each.
EMSCRIPTEN_KEEPALIVE const char* ign_look_names() {
    text.clear();
    for (const char* name : ignivar::skin::kLookNames) text += std::string(name) + "\n";
    return text.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* ign_unlit_choices() {
    text.clear();
    for (const auto& c : ignivar::skin::kUnlitChoices) text += std::to_string(c.strength) + "\t" + c.name + "\n";
    return text.c_str();
}

// A key by its code: 1 when it is one the unit's buttons may be bound to
// (the page then keeps it from the browser), else 0 and nothing happens.
// `down` < 0 only asks.
EMSCRIPTEN_KEEPALIVE int ign_key(int code, int down) {
    if (!running() || code <= 0 || code >= 0x100) return 0;
    const auto c = static_cast<std::uint16_t>(code);
    if (!ignivar::input::key_index_of_code(c)) return 0;
    if (down >= 0) unit->key(c, down != 0);
    return 1;
}
// What the case's buttons do and their keys, a line each.
EMSCRIPTEN_KEEPALIVE const char* ign_hints() {
    text = running() ? unit->hints() : std::string();
    return text.c_str();
}
// The pads' buttons (bit i: the standard layout's button i) and left stick.
EMSCRIPTEN_KEEPALIVE void ign_pad(unsigned buttons, double left_x, double left_y) {
    if (running()) unit->pad(buttons, left_x, left_y);
}
// The button under a point of the frame, or the nearest within `reach`
// frame pixels, or -1.
EMSCRIPTEN_KEEPALIVE int ign_button_at(int x, int y, int reach) {
    if (!running()) return -1;
    const auto b = unit->button_at(x, y, reach);
    return b ? static_cast<int>(*b) : -1;
}
EMSCRIPTEN_KEEPALIVE void ign_button(int b, int down) {
    if (running() && b >= 0 && b < ignivar::input::kButtonCount)
        unit->button(static_cast<ignivar::input::Button>(b), down != 0);
}

EMSCRIPTEN_KEEPALIVE int ign_pause(int paused) { return running() && unit->pause(paused != 0) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int ign_paused() { return running() && unit->paused() ? 1 : 0; }

// Rewind held (1: 0 when there is no game to run back) and let go (0);
// each step goes a tenth of a second back, 0 when nothing earlier is kept.
EMSCRIPTEN_KEEPALIVE int ign_rewind(int held) {
    if (!running()) return 0;
    if (held) return unit->start_rewind() ? 1 : 0;
    unit->stop_rewind();
    return 1;
}
EMSCRIPTEN_KEEPALIVE int ign_rewind_step() { return running() && unit->rewind_step() ? 1 : 0; }

// Milliseconds until the unit must run again, or -1: not before an input.
EMSCRIPTEN_KEEPALIVE double ign_due_in() {
    const auto due = running() ? unit->due_in() : std::nullopt;
    return due ? static_cast<double>(*due) : -1.0;
}
EMSCRIPTEN_KEEPALIVE int ign_missed() { return running() && unit->take_missed() ? 1 : 0; }

EMSCRIPTEN_KEEPALIVE const char* ign_words() {
    text = running() ? unit->words() : std::string();
    return text.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* ign_said() {
    text = running() ? unit->take_said() : std::string();
    return text.c_str();
}
// The settings as text when they changed since the page last kept them, else null.
EMSCRIPTEN_KEEPALIVE const char* ign_settings() {
    if (!running() || !unit->store().changed()) return nullptr;
    unit->store().kept();
    text = unit->store().text();
    return text.c_str();
}

// The unit's moment as bytes (ign_bytes_size long), and back: the page
// writes a file into ign_bytes(size) and loads it.
EMSCRIPTEN_KEEPALIVE std::uint8_t* ign_save() {
    bytes = running() ? unit->save() : std::vector<std::uint8_t>();
    return bytes.data();
}
EMSCRIPTEN_KEEPALIVE int ign_bytes_size() { return static_cast<int>(bytes.size()); }
EMSCRIPTEN_KEEPALIVE std::uint8_t* ign_bytes(int size) {
    bytes.assign(static_cast<std::size_t>(std::max(size, 0)), 0);
    return bytes.data();
}
// Loads what the page wrote into ign_bytes: "" when it did, else why not.
// `paused`: the game waits at the moment saved.
EMSCRIPTEN_KEEPALIVE const char* ign_load(int paused) {
    if (!running()) return "the unit is not running";
    const ignivar::Status s = unit->load(bytes.data(), bytes.size(), paused != 0);
    text = s ? std::string() : s.message();
    return text.c_str();
}

// 1 when a game was kept as a replay since the last call (the page then
// keeps its folder); the high-score table of game 'A' (65) or 'B' (66).
EMSCRIPTEN_KEEPALIVE int ign_kept() { return running() && unit->take_kept() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE const char* ign_table(int game) {
    text = running() && (game == 'A' || game == 'B') ? unit->table(static_cast<char>(game)) : std::string();
    return text.c_str();
}
// The quick-save slot of the unit's game: 'a', 'b', or 0 when none is on.
EMSCRIPTEN_KEEPALIVE int ign_slot_game() { return running() ? ignivar::host::slot_game(unit->host().unit()) : 0; }
// 1 when a game is on (ready, running or over).
EMSCRIPTEN_KEEPALIVE int ign_game_on() { return running() && unit->host().game_on() ? 1 : 0; }

// The unit's speed figures (the page's benchmark): milliseconds to create
// one, then multiples of real time; the games go to a folder of their own.
EMSCRIPTEN_KEEPALIVE const double* ign_measure() {
    static double figures[2];
    const auto f = ignivar::web::measure_unit(ignivar::web::kAssetRoot, "/tmp/measured-replays");
    figures[0] = f.create_ms;
    figures[1] = f.real_time_multiple;
    return figures;
}

}  // extern "C"
