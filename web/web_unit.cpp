#include "web/web_unit.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "files/places.h"
#include "gamepad/default_mapping.h"
#include "gamepad/gamepad.h"
#include "host/face_words.h"
#include "host/look_setting.h"
#include "host/replay_store.h"

namespace ignivar::web {

WebUnit::WebUnit(std::string asset_root, int scale, int rate, std::string_view settings, std::string replay_folder)
    : root_(std::move(asset_root)), mixer_(rate), replay_folder_(std::move(replay_folder)) {
    store_.take_in(settings);
    look_ = host::read_look(store_);
    if (!load_skin(scale)) return;
    load_sounds();
    const auto seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    host_ = std::make_unique<host::Host>(store_, sound_, time_, seed, &clock_);
    host_->create();
    host_->unit().set_sound_output(true);
    host_->on_event([this](const UnitEvent& e) {
        if (e.kind == EventKind::SoundPlayed) {
            mixer_.start(e.sample, e.at, e.lane);
            return;
        }
        if (e.kind == EventKind::Miss) missed_ = true;
        const std::string words = host::event_words(e, host_->unit());
        if (!words.empty()) said_ += (said_.empty() ? "" : " ") + words;
    });
    host_->keep_sounds([this] { return mixer_.sounding(audio_frame_); },
                       [this](const std::vector<SoundInFlight>& s) { mixer_.resume(s); });
    host_->on_wake([this](std::optional<Millis>) { rewind_.note(*host_); });
    set_volume(store_.read_number(Setting::Volume, 100));
    mixer_.set_muted(store_.read_flag(Setting::Mute, false));
    mixer_.set_panned(store_.read_flag(Setting::PannedSounds, false));
    recorder_ = std::make_unique<host::Recorder>(*host_);
    recorder_->on_finished([this](const host::Replay& r) {
        const auto kept = host::keep_replay(r, replay_folder_);
        if (kept) kept_ = true;
        else said_ += (said_.empty() ? "" : " ") + std::string("The game could not be kept: ") + kept.message();
    });
    host_->handle([this] { host_->unit().power_on(); });
}

Status WebUnit::load(const std::uint8_t* data, std::size_t size, bool paused) {
    stop_rewind();
    Status s = host_->load_state(data, size, paused);
    if (!s) return s;
    recorder_->continue_from_here();
    rewind_.clear();
    if (!paused) host_->let_go_of_shown_buttons();
    return s;
}

bool WebUnit::start_rewind() {
    if (rewinding_ || !host_->game_on()) return false;
    paused_before_rewind_ = host_->paused();
    host_->set_paused(true);
    rewinding_ = true;
    return true;
}

bool WebUnit::rewind_step() {
    if (!rewinding_) return false;
    if (rewind_.step_back(*host_)) return true;
    stop_rewind();
    return false;
}

void WebUnit::stop_rewind() {
    if (!rewinding_) return;
    rewinding_ = false;
    recorder_->went_back();
    host_->set_paused(paused_before_rewind_);
    if (!paused_before_rewind_) host_->let_go_of_shown_buttons();
}

void WebUnit::set_muted(bool muted) {
    mixer_.set_muted(muted);
    (void)store_.write_flag(Setting::Mute, muted);
}

void WebUnit::set_panned(bool panned) {
    mixer_.set_panned(panned);
    (void)store_.write_flag(Setting::PannedSounds, panned);
}

void WebUnit::set_volume(int percent) {
    volume_ = sound::nearest_volume_step(percent);
    mixer_.set_volume(volume_);
    (void)store_.write_number(Setting::Volume, volume_);
}

std::string WebUnit::table(char game) const {
    std::string out;
    for (const host::KeptReplay& r : host::high_scores(host::list_replays(replay_folder_), game)) {
        const auto slash = r.file.find_last_of('/');
        out += std::to_string(r.score) + "\t" + r.date + "\t" + r.file.substr(slash == std::string::npos ? 0 : slash + 1) + "\n";
    }
    return out;
}

int WebUnit::shipped_scale(int wanted) {
    // The page ships the 1x, 2x and 4x pictures: 4x shown a little smaller
    // is as sharp on a 3x screen, and spares every visitor the 3x ones.
    wanted = std::clamp(wanted, 1, 4);
    return wanted == 3 ? 4 : wanted;
}

int WebUnit::scale_for(const std::string& asset_root, double width, double height) {
    const skin::Extent size = skin::game_size(asset_root + "/" + std::string(files::kConfigFile));
    if (size.width <= 0 || size.height <= 0) return 1;
    const double fit = std::min(width / size.width, height / size.height);
    return shipped_scale(static_cast<int>(std::ceil(fit - 0.05)));
}

bool WebUnit::load_skin(int scale) {
    scale = shipped_scale(scale);
    skin::LoadRequest req;
    req.config_path = root_ + "/" + std::string(files::kConfigFile);
    req.program_dir = root_;
    req.scale = scale;
    req.search_current_dir = false;
    // The glass without the face's faint segments, only where unlit ones
    // are drawn at a strength of their own.
    req.lcd_glass = look_.unlit != skin::kUnlitAsFace;
    // The case's see-through corners show the page's own background.
    req.backdrop = false;
    skin::Skin loaded;
    Status r = skin::load_unit_face(req, loaded);
    if (r && loaded.max_scale < scale) r = failure("the unit at " + std::to_string(scale) + "x needs more memory than a skin may take");
    if (!r) {
        error_ = req.config_path + ": " + r.message();
        return false;
    }
    // Around the case, the page's background rather than the skin's colour.
    loaded.colour = ((kPageBackground & 0xFF) << 16) | (kPageBackground & 0xFF00) | (kPageBackground >> 16);
    compositor_.reset();
    shadows_.reset();  // made of the old skin's pictures
    skin_ = std::move(loaded);
    scale_ = scale;
    compositor_ = std::make_unique<skin::Compositor>(skin_, scale);
    return true;
}

bool WebUnit::set_scale(int scale) {
    if (shipped_scale(scale) == scale_) return true;
    const int old = scale_;
    if (load_skin(scale)) return true;
    load_skin(old);
    return false;
}

void WebUnit::load_sounds() {
    sound::load_samples(mixer_, {root_}, [this](const std::string& problem) {
        warnings_ += (warnings_.empty() ? "" : "\n") + problem;
    });
}

void WebUnit::set_look(const skin::LcdLook& look) {
    if (!skin::is_unlit_choice(look.unlit) || look == look_) return;
    const bool glass = look.unlit != skin::kUnlitAsFace && !skin_.lcd.glass.picture;
    look_ = look;
    host::keep_look(store_, look_);
    if (glass) load_skin(scale_);  // without the glass, unlit ones show over the face's
}

const std::vector<skin::Rect>& WebUnit::advance(Millis ms) {
    time_.tick(ms);
    host_->sync();
    lcd_ = host_->lcd_frame(look_, &skin_, shadows_);
    const std::vector<skin::Rect>& rects =
        compositor_->update(host_->unit().display(), {}, look_.exact() ? nullptr : &lcd_);
    // Each rectangle's pixels in a row of their own, for the page's canvas.
    std::size_t bytes = 0;
    for (const skin::Rect& r : rects) bytes += static_cast<std::size_t>(r.w) * r.h * 4;
    rgba_.resize(bytes);
    const std::uint32_t* from = compositor_->pixels();
    std::uint8_t* q = rgba_.data();
    for (const skin::Rect& r : rects)
        for (int y = r.y; y < r.y + r.h; ++y) {
            const std::uint32_t* p = from + static_cast<std::size_t>(y) * compositor_->width() + r.x;
            for (int x = 0; x < r.w; ++x, ++p, q += 4) {
                q[0] = static_cast<std::uint8_t>(*p >> 16);
                q[1] = static_cast<std::uint8_t>(*p >> 8);
                q[2] = static_cast<std::uint8_t>(*p);
                q[3] = 255;
            }
        }
    // The sound up to the present moment (a paused game's clock stands still).
    const std::int64_t to = mixer_.frame_at(host_->now());
    const std::int64_t frames = std::clamp<std::int64_t>(to - audio_frame_, 0, mixer_.rate());
    audio_.resize(static_cast<std::size_t>(frames) * 2);
    if (frames > 0) mixer_.mix(to - frames, to, audio_.data());
    audio_frame_ = std::max(audio_frame_, to);
    return rects;
}

void WebUnit::key(std::uint16_t code, bool down) { down ? host_->key_down(code) : host_->key_up(code); }

namespace {

// The browser's standard gamepad layout, by SDL's names of the inputs.
constexpr std::string_view kStandardButtons[] = {"a",          "b",          "x",           "y",
                                                 "leftshoulder", "rightshoulder", "lefttrigger", "righttrigger",
                                                 "back",       "start",      "leftstick",   "rightstick",
                                                 "dpup",       "dpdown",     "dpleft",      "dpright",
                                                 "guide"};

}  // namespace

void WebUnit::pad(std::uint32_t buttons, double left_x, double left_y) {
    constexpr double kPress = double(gamepad::kStickPress) / 32768, kRelease = double(gamepad::kStickRelease) / 32768;
    constexpr std::size_t kRows = std::size(gamepad::kDefaultMapping);
    stick_pressed_.resize(kRows, false);
    std::array<bool, input::kButtonCount> held{};
    for (std::size_t i = 0; i < kRows; ++i) {
        const std::string_view name = gamepad::kDefaultMapping[i].input;
        bool on = false;
        if (name == "leftx-" || name == "leftx+" || name == "lefty-" || name == "lefty+") {
            const double v = (name[4] == 'x' ? left_x : left_y) * (name[5] == '-' ? -1 : 1);
            on = stick_pressed_[i] = v >= (stick_pressed_[i] ? kRelease : kPress);
        } else {
            for (std::size_t b = 0; b < std::size(kStandardButtons); ++b)
                if (kStandardButtons[b] == name) on = (buttons >> b) & 1u;
        }
        if (on) held[static_cast<int>(gamepad::kDefaultMapping[i].button)] = true;
    }
    for (int b = 0; b < input::kButtonCount; ++b) {
        if (held[b] == pad_held_[b]) continue;
        pad_held_[b] = held[b];
        button(static_cast<input::Button>(b), held[b]);
    }
}

void WebUnit::button(input::Button b, bool down) { down ? host_->press(b) : host_->release(b); }

std::optional<input::Button> WebUnit::button_at(int x, int y, int reach) const {
    if (const auto hit = host::button_at(skin_, x / scale_, y / scale_)) return hit;
    std::optional<input::Button> nearest;
    long long best = static_cast<long long>(reach) * reach + 1;
    for (const input::Button b : input::kHintOrder) {
        const skin::PlacedPicture& p = skin_.pictures[input::button_area_section(b) - 1];
        if (b == input::Button::Set || p.width <= 0 || p.height <= 0) continue;
        // In frame pixels, from the point to the area's nearest edge.
        const long long left = static_cast<long long>(p.left) * scale_, top = static_cast<long long>(p.top) * scale_;
        const long long dx = std::max({left - x, 0LL, x - (left + static_cast<long long>(p.width) * scale_ - 1)});
        const long long dy = std::max({top - y, 0LL, y - (top + static_cast<long long>(p.height) * scale_ - 1)});
        if (dx * dx + dy * dy < best) best = dx * dx + dy * dy, nearest = b;
    }
    return nearest;
}

std::optional<Millis> WebUnit::due_in() const {
    if (host_->paused()) return std::nullopt;  // its fades stand still with it
    std::optional<Millis> in;
    if (const auto due = host_->next_due()) in = std::max<Millis>(0, *due - host_->now());
    if (const auto fade = look_.real ? host_->lcd_change_in() : std::nullopt) in = std::min(in.value_or(*fade), *fade);
    return in;
}

std::string WebUnit::hints() const {
    std::string out;
    for (const input::Button b : input::kHintOrder)
        if (b != input::Button::Set) out += host_->controls().hint(b) + "\n";
    return out;
}

std::string WebUnit::words() const { return host::face_words(host_->unit()); }

std::string WebUnit::take_said() { return std::exchange(said_, {}); }

}  // namespace ignivar::web
