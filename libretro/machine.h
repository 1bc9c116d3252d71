// The Ignivar unit as a libretro core runs it: the host on a clock stepped
// 1/60 s a frame, the face composed in memory, the core's own mixer, the
// RetroPad as the unit's buttons, and the high scores in save memory.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"
#include "host/system_clock.h"
#include "sound/mixer.h"
#include "libretro/options.h"
#include "skin/compositor.h"

namespace ignivar::libretro {

// The high scores as the front end keeps them in its save memory.
class SaveMemory {
public:
    static constexpr std::size_t kSize = 32;
    SaveMemory();
    std::uint8_t* data() { return bytes_.data(); }
    // Scores the front end put there since the core last wrote, if any.
    std::optional<std::array<std::int32_t, 2>> taken_in();
    void write(std::int32_t a, std::int32_t b);

private:
    std::array<std::uint8_t, kSize> bytes_{};
    std::array<std::uint8_t, kSize> written_{};
};

// A settings store held in the core, whose high scores go to save memory.
class CoreStore : public SettingsStore {
public:
    explicit CoreStore(SaveMemory& memory) : memory_(memory) {}
    std::optional<std::string> read_text(std::string_view name) override;
    std::vector<std::pair<std::string, std::string>> all_values() override;

protected:
    Status store_text(std::string_view name, std::string_view text) override;

private:
    SaveMemory& memory_;
    std::vector<std::pair<std::string, std::string>> values_;
};

// The watch's time: the host's local time, or UTC.
class CoreClock : public LocalClock {
public:
    LocalTime now() override;
    bool utc = false;

private:
    host::SystemClock local_;
};

class Machine {
public:
    static constexpr int kFps = 60;
    static constexpr int kMaxSize = 4;

    // `skin_folder` holds a player's Config.ini, or is empty for the one
    // built in. Failures are told to `log`.
    Machine(const Options& options, std::string system_folder, std::function<void(const std::string&)> log);

    bool ready() const { return compositor_ != nullptr; }
    // Input: the unit's buttons held now, in binding order.
    using Held = std::array<bool, 7>;
    void run_frame(const Held& held);
    void apply(const Options& options);  // a changed option

    // The picture of the current view.
    const std::uint32_t* picture() const;
    int width() const { return view_.w; }
    int height() const { return view_.h; }
    std::size_t pitch() const { return static_cast<std::size_t>(compositor_->width()) * 4; }
    int max_width() const { return max_w_; }
    int max_height() const { return max_h_; }

    // Exactly rate/60 stereo frames of the last frame's sound.
    const std::vector<std::int16_t>& audio() const { return audio_; }
    int rate() const { return mixer_.rate(); }

    // The unit's moment, then the LCD's history (so that a front end that
    // loads a moment every frame, for run-ahead, keeps its fades).
    static std::size_t state_bytes();
    std::vector<std::uint8_t> save() const;
    bool load(const std::uint8_t* data, std::size_t size);
    std::uint8_t* save_memory() { return memory_.data(); }
    host::Host& host() { return *host_; }
    void reset();

private:
    bool load_skin(bool from_system);
    void load_sounds();
    void place_view();
    void take_in_saved_scores();

    Options options_;
    std::string system_folder_;
    std::function<void(const std::string&)> log_;
    SaveMemory memory_;
    CoreStore store_{memory_};
    SilentSink sound_;
    CoreClock clock_;
    host::FrameTime time_{kFps};
    std::unique_ptr<host::Host> host_;
    std::string config_;      // the Config.ini in use
    skin::Skin skin_;
    std::unique_ptr<skin::LcdShadows> shadows_;  // the real look's, for the skin
    std::unique_ptr<skin::Compositor> compositor_;
    skin::Rect lcd_;          // the LCD, in the skin's pixels
    skin::Rect view_;         // what is shown, in the frame's pixels
    int max_w_ = 0, max_h_ = 0;
    sound::Mixer mixer_{44100};
    std::int64_t audio_frame_ = 0;  // the output frame the next frame's sound starts at
    std::vector<std::int16_t> audio_;
};

// Where the core mounts the files built into it.
inline constexpr const char* kBuiltInRoot = "/ignivar-built-in";

}  // namespace ignivar::libretro
