// A small libretro front end of our own, for testing the core as a front
// end sees it: loaded from its file, given options, a system folder, pad
// input, and asked for frames, sound, states and save memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "libretro.h"

namespace ignivar::retro {

// Pad buttons held during a frame: one bit per RETRO_DEVICE_ID_JOYPAD_*.
using Pad = std::uint32_t;
constexpr Pad pad(unsigned id) { return Pad{1} << id; }

class Frontend {
public:
    // Loads the core's file and starts it (one front end at a time), in
    // the front end's language (RETRO_LANGUAGE_*).
    explicit Frontend(const std::string& core_file, const std::string& system_folder = {},
                      unsigned language = RETRO_LANGUAGE_ENGLISH);
    ~Frontend();
    Frontend(const Frontend&) = delete;
    Frontend& operator=(const Frontend&) = delete;

    bool loaded() const { return handle_ != nullptr; }
    // retro_load_game without content.
    bool start();
    void run(Pad held = 0);
    void reset() { reset_(); }

    std::vector<std::uint8_t> save();
    bool load(const std::vector<std::uint8_t>& state);
    std::size_t state_size() { return serialize_size_(); }

    // An option as the player sets it in the front end's menu.
    void set_option(const std::string& key, const std::string& value);
    std::string option(const std::string& key) const;

    std::uint8_t* save_memory();
    std::size_t save_memory_size();

    retro_system_info info();
    retro_system_av_info av_info();

    // What the last run gave.
    std::vector<std::uint32_t> frame;  // width * height pixels, XRGB
    unsigned width = 0, height = 0;
    std::vector<std::int16_t> audio;   // stereo
    std::size_t audio_calls = 0;
    retro_game_geometry geometry{};     // as last set by the core
    unsigned pixel_format = 0;
    bool options_declared = false;
    // Each option's description and its values' labels, as declared.
    std::map<std::string, std::vector<std::string>> option_texts;
    bool no_game = false;
    std::vector<std::string> log;
    // Frames are copied out of the core (a benchmark leaves them, to time
    // the core alone).
    bool copy_frames = true;

private:
    static bool environment(unsigned cmd, void* data);
    static void video(const void* data, unsigned w, unsigned h, size_t pitch);
    static std::size_t audio_batch(const std::int16_t* data, std::size_t frames);
    static void poll();
    static std::int16_t input(unsigned port, unsigned device, unsigned index, unsigned id);
    static void log_printf(enum retro_log_level level, const char* fmt, ...);
    void* symbol(const char* name);

    void* handle_ = nullptr;
    std::string system_folder_;
    unsigned language_ = RETRO_LANGUAGE_ENGLISH;
    std::map<std::string, std::string> options_;  // key -> value, the defaults first
    bool options_changed_ = false;
    Pad held_ = 0;
    bool started_ = false;

    void (*init_)() = nullptr;
    void (*deinit_)() = nullptr;
    void (*run_)() = nullptr;
    void (*reset_)() = nullptr;
    bool (*load_game_)(const retro_game_info*) = nullptr;
    void (*unload_game_)() = nullptr;
    std::size_t (*serialize_size_)() = nullptr;
    bool (*serialize_)(void*, std::size_t) = nullptr;
    bool (*unserialize_)(const void*, std::size_t) = nullptr;
    void* (*memory_data_)(unsigned) = nullptr;
    std::size_t (*memory_size_)(unsigned) = nullptr;
    void (*system_info_)(retro_system_info*) = nullptr;
    void (*av_info_)(retro_system_av_info*) = nullptr;
};

}  // namespace ignivar::retro
