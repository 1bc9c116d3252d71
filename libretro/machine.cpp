#include "libretro/machine.h"

#include <chrono>
#include <cstring>
#include <ctime>

#include "files/places.h"
#include "files/read.h"

namespace ignivar::libretro {
namespace {

constexpr char kSaveMagic[8] = {'I', 'G', 'N', 'V', 'H', 'I', '0', '1'};

void put32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
std::uint32_t get32(const std::uint8_t* p) {
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
}

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

std::string folder_of(const std::string& file) {
    const auto slash = file.find_last_of('/');
    return slash == std::string::npos ? std::string(".") : file.substr(0, slash);
}

// v * num / den without overflow: a moment far on (a state's clock may be
// some 10^13 ms) times a sample rate is past 64 bits.
std::int64_t rescaled(std::int64_t v, std::int64_t num, std::int64_t den) {
    return static_cast<std::int64_t>(static_cast<__int128>(v) * num / den);
}

}  // namespace

SaveMemory::SaveMemory() = default;

std::optional<std::array<std::int32_t, 2>> SaveMemory::taken_in() {
    if (bytes_ == written_) return std::nullopt;
    written_ = bytes_;
    if (std::memcmp(bytes_.data(), kSaveMagic, 8) != 0 || crc32(bytes_.data(), 16) != get32(bytes_.data() + 16))
        return std::nullopt;
    return std::array<std::int32_t, 2>{static_cast<std::int32_t>(get32(bytes_.data() + 8)),
                                       static_cast<std::int32_t>(get32(bytes_.data() + 12))};
}

void SaveMemory::write(std::int32_t a, std::int32_t b) {
    bytes_.fill(0);
    std::memcpy(bytes_.data(), kSaveMagic, 8);
    put32(bytes_.data() + 8, static_cast<std::uint32_t>(a));
    put32(bytes_.data() + 12, static_cast<std::uint32_t>(b));
    put32(bytes_.data() + 16, crc32(bytes_.data(), 16));
    written_ = bytes_;
}

std::optional<std::string> CoreStore::read_text(std::string_view name) {
    for (const auto& [n, v] : values_)
        if (same_name(n, name)) return v;
    return std::nullopt;
}

std::vector<std::pair<std::string, std::string>> CoreStore::all_values() { return values_; }

Status CoreStore::store_text(std::string_view name, std::string_view text) {
    bool found = false;
    for (auto& [n, v] : values_)
        if (same_name(n, name)) v = std::string(text), found = true;
    if (!found) values_.emplace_back(std::string(name), std::string(text));
    if (same_name(name, setting_name(Setting::HiScore1)) || same_name(name, setting_name(Setting::HiScore2)))
        memory_.write(read_number(Setting::HiScore1, 0), read_number(Setting::HiScore2, 0));
    return {};
}

LocalTime CoreClock::now() {
    if (!utc) return local_.now();
    const auto t = std::chrono::system_clock::now();
    const std::time_t secs = std::chrono::system_clock::to_time_t(t);
    std::tm tm{};
#ifdef _WIN32
    gmtime_s(&tm, &secs);
#else
    gmtime_r(&secs, &tm);
#endif
    return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec,
            static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(t.time_since_epoch()).count() % 1000)};
}

Machine::Machine(const Options& options, std::string system_folder, std::function<void(const std::string&)> log)
    : options_(options), system_folder_(std::move(system_folder)), log_(std::move(log)), mixer_(options.rate) {
    clock_.utc = options.utc;
    mixer_.set_muted(!options.sound);
    mixer_.set_panned(options.panned);
    const bool own = !system_folder_.empty() &&
                     files::is_regular_file(system_folder_ + "/ignivar/" + std::string(files::kConfigFile));
    if (!(own && load_skin(true)) && !load_skin(false)) return;
    load_sounds();
    reset();
}

void Machine::reset() {
    time_.set(0);
    audio_frame_ = 0;
    mixer_.stop_all();
    const auto seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    host_ = std::make_unique<host::Host>(store_, sound_, time_, seed, &clock_);
    host_->create();
    host_->unit().set_sound_output(true);
    host_->on_event([this](const UnitEvent& e) {
        if (e.kind == EventKind::SoundPlayed) mixer_.start(e.sample, e.at, e.lane);
    });
    host_->keep_sounds([this] { return mixer_.sounding(audio_frame_); },
                       [this](const std::vector<SoundInFlight>& s) { mixer_.resume(s); });
    host_->handle([this] { host_->unit().power_on(); });
    if (compositor_) compositor_->invalidate();
}

bool Machine::load_skin(bool from_system) {
    config_ = from_system ? system_folder_ + "/ignivar/" + std::string(files::kConfigFile)
                          : std::string(kBuiltInRoot) + "/" + std::string(files::kConfigFile);
    skin::LoadRequest req;
    req.config_path = config_;
    req.program_dir = folder_of(config_);
    req.scale = options_.size;
    req.search_current_dir = false;
    skin::Skin loaded;
    Status r = skin::load_unit_face(req, loaded);
    if (r && loaded.max_scale < options_.size)
        r = failure("at " + std::to_string(options_.size) + "x its frames would need more memory than a skin may take");
    if (!r) {
        if (log_) log_(config_ + ": " + r.message());
        return false;
    }
    if (log_)
        for (const Text& w : loaded.warnings) log_(w.in_english());
    if (!options_.backdrop) loaded.backdrop.shown = false;
    compositor_.reset();  // it holds the old shadows' pictures
    shadows_.reset();
    skin_ = std::move(loaded);
    compositor_ = std::make_unique<skin::Compositor>(skin_, options_.size);
    place_view();
    return true;
}

void Machine::load_sounds() {
    // The player's skin folder may bring its own sounds; else the built-in ones.
    sound::load_samples(mixer_, {folder_of(config_), kBuiltInRoot}, [this](const std::string& problem) {
        if (log_) log_(problem);
    });
}

void Machine::place_view() {
    lcd_ = skin::lcd_rect(skin_);
    const int s = options_.size;
    view_ = options_.lcd_only ? skin::Rect{lcd_.x * s, lcd_.y * s, lcd_.w * s, lcd_.h * s}
                              : skin::Rect{0, 0, compositor_->width(), compositor_->height()};
    max_w_ = skin::usable_extent(skin_.client_width) * kMaxSize;
    max_h_ = skin::usable_extent(skin_.client_height) * kMaxSize;
}

void Machine::take_in_saved_scores() {
    const auto scores = memory_.taken_in();
    if (!scores) return;
    host_->handle([&] {
        store_.write_number(Setting::HiScore1, (*scores)[0]);
        store_.write_number(Setting::HiScore2, (*scores)[1]);
        host_->unit().load_high_scores();
    });
}

void Machine::run_frame(const Held& held) {
    take_in_saved_scores();
    // A button goes down or up where the pad differs from what the unit shows held.
    for (int i = 0; i < 7; ++i) {
        const bool shown = host_->unit().display().Vid_Is_Lit(input::pressed_picture(static_cast<input::Button>(i)));
        if (held[i] != shown) held[i] ? host_->press(static_cast<input::Button>(i)) : host_->release(static_cast<input::Button>(i));
    }
    time_.step();
    host_->sync();
    const skin::LcdFrame lcd = host_->lcd_frame({options_.real, options_.unlit}, &skin_, shadows_);
    compositor_->update(host_->unit().display(), {}, &lcd);
    const std::int64_t frames = mixer_.rate() / kFps;
    audio_.resize(static_cast<std::size_t>(frames) * 2);
    mixer_.mix(audio_frame_, audio_frame_ + frames, audio_.data());
    audio_frame_ += frames;
}

std::size_t Machine::state_bytes() {
    return state_size() + sizeof skin::LcdHistory::kMagic + skin::LcdHistory::kBytes;
}

std::vector<std::uint8_t> Machine::save() const { return host_->save_state_with_lcd(); }

bool Machine::load(const std::uint8_t* data, std::size_t size) {
    // A moment of the desktop program's (no history after it, perhaps
    // padded by the front end) loads settled.
    const bool lcd = size >= state_bytes() &&
                     std::memcmp(data + state_size(), skin::LcdHistory::kMagic, sizeof skin::LcdHistory::kMagic) == 0;
    size = lcd ? state_bytes() : std::min(size, state_size());
    if (!host_->load_state(data, size)) return false;
    const host::TimeSource::Fraction f = time_.fraction();
    const std::int64_t units = host_->unit().timers().now() * kFps + (f.den ? f.num * kFps / f.den : 0);
    audio_frame_ = rescaled(units, mixer_.rate(), 1000 * kFps);
    compositor_->invalidate();
    return true;
}

void Machine::apply(const Options& o) {
    const bool redraw = o.size != options_.size || o.backdrop != options_.backdrop;
    const bool rate = o.rate != options_.rate;
    options_ = o;
    clock_.utc = o.utc;
    mixer_.set_muted(!o.sound);
    mixer_.set_panned(o.panned);
    if (rate) {
        const std::int64_t units = rescaled(audio_frame_, 1000 * kFps, mixer_.rate());
        mixer_.set_rate(o.rate);
        audio_frame_ = rescaled(units, o.rate, 1000 * kFps);
    }
    if (redraw) {
        const bool own = config_.rfind(kBuiltInRoot, 0) != 0;
        if (!load_skin(own)) load_skin(false);
    }
    place_view();
}

const std::uint32_t* Machine::picture() const {
    return compositor_->pixels() + static_cast<std::size_t>(view_.y) * static_cast<std::size_t>(compositor_->width()) +
           static_cast<std::size_t>(view_.x);
}

}  // namespace ignivar::libretro
