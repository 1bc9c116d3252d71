#include "frontend.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace ignivar::retro {
namespace {

Frontend* g_frontend = nullptr;

void* open_library(const std::string& file) {
#ifdef _WIN32
    return reinterpret_cast<void*>(LoadLibraryA(file.c_str()));
#else
    return dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
}

void close_library(void* handle) {
#ifdef _WIN32
    FreeLibrary(reinterpret_cast<HMODULE>(handle));
#else
    dlclose(handle);
#endif
}

}  // namespace

void* Frontend::symbol(const char* name) {
#ifdef _WIN32
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
#else
    return dlsym(handle_, name);
#endif
}

Frontend::Frontend(const std::string& core_file, const std::string& system_folder, unsigned language)
    : system_folder_(system_folder), language_(language) {
    handle_ = open_library(core_file);
    if (!handle_) return;
    g_frontend = this;
    const auto bind = [this](auto& fn, const char* name) { fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(symbol(name)); };
    bind(init_, "retro_init");
    bind(deinit_, "retro_deinit");
    bind(run_, "retro_run");
    bind(reset_, "retro_reset");
    bind(load_game_, "retro_load_game");
    bind(unload_game_, "retro_unload_game");
    bind(serialize_size_, "retro_serialize_size");
    bind(serialize_, "retro_serialize");
    bind(unserialize_, "retro_unserialize");
    bind(memory_data_, "retro_get_memory_data");
    bind(memory_size_, "retro_get_memory_size");
    bind(system_info_, "retro_get_system_info");
    bind(av_info_, "retro_get_system_av_info");
    void (*set_env)(retro_environment_t) = nullptr;
    void (*set_video)(retro_video_refresh_t) = nullptr;
    void (*set_batch)(retro_audio_sample_batch_t) = nullptr;
    void (*set_poll)(retro_input_poll_t) = nullptr;
    void (*set_input)(retro_input_state_t) = nullptr;
    bind(set_env, "retro_set_environment");
    bind(set_video, "retro_set_video_refresh");
    bind(set_batch, "retro_set_audio_sample_batch");
    bind(set_poll, "retro_set_input_poll");
    bind(set_input, "retro_set_input_state");
    set_env(&Frontend::environment);
    set_video(&Frontend::video);
    set_batch(&Frontend::audio_batch);
    set_poll(&Frontend::poll);
    set_input(&Frontend::input);
    init_();
}

Frontend::~Frontend() {
    if (!handle_) return;
    if (started_) unload_game_();
    deinit_();
    close_library(handle_);
    g_frontend = nullptr;
}

bool Frontend::start() {
    started_ = load_game_(nullptr);
    if (started_) geometry = av_info().geometry;
    return started_;
}

void Frontend::run(Pad held) {
    held_ = held;
    audio.clear();
    audio_calls = 0;
    run_();
}

std::vector<std::uint8_t> Frontend::save() {
    std::vector<std::uint8_t> state(serialize_size_());
    if (!serialize_(state.data(), state.size())) state.clear();
    return state;
}

bool Frontend::load(const std::vector<std::uint8_t>& state) { return unserialize_(state.data(), state.size()); }

void Frontend::set_option(const std::string& key, const std::string& value) {
    options_[key] = value;
    options_changed_ = true;
}

std::string Frontend::option(const std::string& key) const {
    const auto it = options_.find(key);
    return it == options_.end() ? std::string() : it->second;
}

std::uint8_t* Frontend::save_memory() { return static_cast<std::uint8_t*>(memory_data_(RETRO_MEMORY_SAVE_RAM)); }
std::size_t Frontend::save_memory_size() { return memory_size_(RETRO_MEMORY_SAVE_RAM); }

retro_system_info Frontend::info() {
    retro_system_info i{};
    system_info_(&i);
    return i;
}

retro_system_av_info Frontend::av_info() {
    retro_system_av_info i{};
    av_info_(&i);
    return i;
}

bool Frontend::environment(unsigned cmd, void* data) {
    Frontend& f = *g_frontend;
    switch (cmd) {
        case RETRO_ENVIRONMENT_SET_SUPPORT_NO_GAME: f.no_game = *static_cast<bool*>(data); return true;
        case RETRO_ENVIRONMENT_GET_CORE_OPTIONS_VERSION: *static_cast<unsigned*>(data) = 2; return true;
        case RETRO_ENVIRONMENT_GET_LANGUAGE: *static_cast<unsigned*>(data) = f.language_; return true;
        case RETRO_ENVIRONMENT_SET_CORE_OPTIONS_V2: {
            const auto* o = static_cast<const retro_core_options_v2*>(data);
            for (const retro_core_option_v2_definition* d = o->definitions; d->key; ++d) {
                if (!f.options_.count(d->key)) f.options_[d->key] = d->default_value;
                std::vector<std::string>& texts = f.option_texts[d->key] = {d->desc};
                for (const retro_core_option_value* v = d->values; v->value; ++v) texts.push_back(v->label ? v->label : v->value);
            }
            f.options_declared = true;
            return true;
        }
        case RETRO_ENVIRONMENT_GET_VARIABLE: {
            auto* v = static_cast<retro_variable*>(data);
            const auto it = f.options_.find(v->key);
            v->value = it == f.options_.end() ? nullptr : it->second.c_str();
            return v->value != nullptr;
        }
        case RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE:
            *static_cast<bool*>(data) = f.options_changed_;
            f.options_changed_ = false;
            return true;
        case RETRO_ENVIRONMENT_GET_SYSTEM_DIRECTORY:
            *static_cast<const char**>(data) = f.system_folder_.empty() ? nullptr : f.system_folder_.c_str();
            return !f.system_folder_.empty();
        case RETRO_ENVIRONMENT_SET_PIXEL_FORMAT: f.pixel_format = *static_cast<const unsigned*>(data); return true;
        case RETRO_ENVIRONMENT_SET_GEOMETRY: f.geometry = *static_cast<const retro_game_geometry*>(data); return true;
        case RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO:
            f.geometry = static_cast<const retro_system_av_info*>(data)->geometry;
            return true;
        case RETRO_ENVIRONMENT_SET_INPUT_DESCRIPTORS: return true;
        case RETRO_ENVIRONMENT_GET_LOG_INTERFACE:
            static_cast<retro_log_callback*>(data)->log = &Frontend::log_printf;
            return true;
        default: return false;
    }
}

void Frontend::video(const void* data, unsigned w, unsigned h, size_t pitch) {
    Frontend& f = *g_frontend;
    f.width = w;
    f.height = h;
    if (!f.copy_frames) return;
    f.frame.resize(static_cast<std::size_t>(w) * h);
    for (unsigned y = 0; y < h; ++y)
        std::memcpy(&f.frame[static_cast<std::size_t>(y) * w], static_cast<const std::uint8_t*>(data) + y * pitch,
                    static_cast<std::size_t>(w) * 4);
}

std::size_t Frontend::audio_batch(const std::int16_t* data, std::size_t frames) {
    Frontend& f = *g_frontend;
    f.audio.insert(f.audio.end(), data, data + frames * 2);
    ++f.audio_calls;
    return frames;
}

void Frontend::poll() {}

std::int16_t Frontend::input(unsigned port, unsigned device, unsigned, unsigned id) {
    if (port != 0 || device != RETRO_DEVICE_JOYPAD || id > 31) return 0;
    return (g_frontend->held_ >> id) & 1 ? 1 : 0;
}

void Frontend::log_printf(enum retro_log_level, const char* fmt, ...) {
    char buf[1024];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buf, sizeof buf, fmt, args);
    va_end(args);
    g_frontend->log.push_back(buf);
}

}  // namespace ignivar::retro
