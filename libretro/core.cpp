// ignivar_libretro: the libretro API (version 1) over the machine. The core
// runs without content, carries its default skin, and is deterministic: a
// state saved and loaded runs on exactly, so the front end's rewind,
// run-ahead and netplay work.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <memory>

#include "libretro.h"
#include "libretro/assets.h"
#include "libretro/machine.h"
#include "product.h"
#include "sim/state.h"

using namespace ignivar;
using namespace ignivar::libretro;

namespace {

retro_environment_t g_env;
retro_video_refresh_t g_video;
retro_audio_sample_batch_t g_audio_batch;
retro_input_poll_t g_poll;
retro_input_state_t g_input;
retro_log_printf_t g_log;
std::unique_ptr<Machine> g_machine;
Options g_options;

void log_line(const std::string& text) {
    if (g_log) g_log(RETRO_LOG_WARN, "[ignivar] %s\n", text.c_str());
    else std::fprintf(stderr, "[ignivar] %s\n", text.c_str());
}

// The RetroPad's buttons that work each of the unit's seven, in binding
// order: game A, game B, time, left, right, left shoot, right shoot.
struct PadRow {
    unsigned ids[2];
    const char* name;
};
constexpr PadRow kPad[7] = {
    {{RETRO_DEVICE_ID_JOYPAD_START, RETRO_DEVICE_ID_JOYPAD_START}, "Game A"},
    {{RETRO_DEVICE_ID_JOYPAD_SELECT, RETRO_DEVICE_ID_JOYPAD_SELECT}, "Game B"},
    {{RETRO_DEVICE_ID_JOYPAD_L, RETRO_DEVICE_ID_JOYPAD_R}, "Time"},
    {{RETRO_DEVICE_ID_JOYPAD_LEFT, RETRO_DEVICE_ID_JOYPAD_LEFT}, "Left"},
    {{RETRO_DEVICE_ID_JOYPAD_RIGHT, RETRO_DEVICE_ID_JOYPAD_RIGHT}, "Right"},
    {{RETRO_DEVICE_ID_JOYPAD_Y, RETRO_DEVICE_ID_JOYPAD_B}, "Shoot (left)"},
    {{RETRO_DEVICE_ID_JOYPAD_X, RETRO_DEVICE_ID_JOYPAD_A}, "Shoot (right)"},
};

void describe_input() {
    static std::vector<retro_input_descriptor> d;
    d.clear();
    for (const PadRow& row : kPad)
        for (unsigned id : row.ids)
            if (d.empty() || d.back().id != id) d.push_back({0, RETRO_DEVICE_JOYPAD, 0, id, row.name});
    d.push_back({0, 0, 0, 0, nullptr});
    g_env(RETRO_ENVIRONMENT_SET_INPUT_DESCRIPTORS, d.data());
}

retro_game_geometry geometry() {
    retro_game_geometry g{};
    g.base_width = static_cast<unsigned>(g_machine->width());
    g.base_height = static_cast<unsigned>(g_machine->height());
    g.max_width = static_cast<unsigned>(g_machine->max_width());
    g.max_height = static_cast<unsigned>(g_machine->max_height());
    g.aspect_ratio = static_cast<float>(g_machine->width()) / static_cast<float>(g_machine->height());
    return g;
}

void take_changed_options() {
    bool changed = false;
    if (!g_env(RETRO_ENVIRONMENT_GET_VARIABLE_UPDATE, &changed) || !changed) return;
    const Options o = read_options(g_env);
    const bool rate = o.rate != g_options.rate;
    g_options = o;
    g_machine->apply(o);
    if (rate) {
        retro_system_av_info info{};
        retro_get_system_av_info(&info);
        g_env(RETRO_ENVIRONMENT_SET_SYSTEM_AV_INFO, &info);
    } else {
        retro_game_geometry g = geometry();
        g_env(RETRO_ENVIRONMENT_SET_GEOMETRY, &g);
    }
}

std::string system_folder() {
    const char* dir = nullptr;
    if (g_env(RETRO_ENVIRONMENT_GET_SYSTEM_DIRECTORY, &dir) && dir) return dir;
    return {};
}

}  // namespace

extern "C" {

RETRO_API void retro_set_environment(retro_environment_t cb) {
    g_env = cb;
    bool no_game = true;
    cb(RETRO_ENVIRONMENT_SET_SUPPORT_NO_GAME, &no_game);
    declare_options(cb);
    retro_log_callback logging{};
    if (cb(RETRO_ENVIRONMENT_GET_LOG_INTERFACE, &logging)) g_log = logging.log;
}

RETRO_API void retro_set_video_refresh(retro_video_refresh_t cb) { g_video = cb; }
RETRO_API void retro_set_audio_sample(retro_audio_sample_t) {}
RETRO_API void retro_set_audio_sample_batch(retro_audio_sample_batch_t cb) { g_audio_batch = cb; }
RETRO_API void retro_set_input_poll(retro_input_poll_t cb) { g_poll = cb; }
RETRO_API void retro_set_input_state(retro_input_state_t cb) { g_input = cb; }

RETRO_API void retro_init(void) {
    const auto& assets = default_assets();
    files::mount_archive(kBuiltInRoot, assets.data(), assets.size());
}

RETRO_API void retro_deinit(void) {
    g_machine.reset();
    files::unmount_archives();
}

RETRO_API unsigned retro_api_version(void) { return RETRO_API_VERSION; }

RETRO_API void retro_get_system_info(struct retro_system_info* info) {
    std::memset(info, 0, sizeof *info);
    info->library_name = "Ignivar";
    info->library_version = kProgramVersion;
    info->valid_extensions = "";
    info->need_fullpath = false;
    info->block_extract = false;
}

RETRO_API void retro_get_system_av_info(struct retro_system_av_info* info) {
    std::memset(info, 0, sizeof *info);
    if (g_machine) info->geometry = geometry();
    info->timing.fps = Machine::kFps;
    info->timing.sample_rate = g_machine ? g_machine->rate() : g_options.rate;
}

RETRO_API void retro_set_controller_port_device(unsigned, unsigned) {}

RETRO_API void retro_reset(void) {
    if (g_machine) g_machine->reset();
}

RETRO_API void retro_run(void) {
    take_changed_options();
    g_poll();
    Machine::Held held{};
    for (int i = 0; i < 7; ++i)
        for (unsigned id : kPad[i].ids) held[i] = held[i] || g_input(0, RETRO_DEVICE_JOYPAD, 0, id) != 0;
    g_machine->run_frame(held);
    g_video(g_machine->picture(), static_cast<unsigned>(g_machine->width()), static_cast<unsigned>(g_machine->height()),
            g_machine->pitch());
    const std::vector<std::int16_t>& audio = g_machine->audio();
    if (g_audio_batch) g_audio_batch(audio.data(), audio.size() / 2);
}

RETRO_API size_t retro_serialize_size(void) { return Machine::state_bytes(); }

RETRO_API bool retro_serialize(void* data, size_t size) {
    if (!g_machine || size < Machine::state_bytes()) return false;
    const std::vector<std::uint8_t> state = g_machine->save();
    std::memcpy(data, state.data(), state.size());
    return true;
}

RETRO_API bool retro_unserialize(const void* data, size_t size) {
    if (!g_machine) return false;
    // A state is exactly its size; what a front end pads it with is not read.
    return g_machine->load(static_cast<const std::uint8_t*>(data), std::min(size, Machine::state_bytes()));
}

RETRO_API void retro_cheat_reset(void) {}
RETRO_API void retro_cheat_set(unsigned, bool, const char*) {}

RETRO_API bool retro_load_game(const struct retro_game_info*) {
    retro_pixel_format format = RETRO_PIXEL_FORMAT_XRGB8888;
    if (!g_env(RETRO_ENVIRONMENT_SET_PIXEL_FORMAT, &format)) {
        log_line("the front end cannot show XRGB8888 pictures");
        return false;
    }
    describe_input();
    g_options = read_options(g_env);
    g_machine = std::make_unique<Machine>(g_options, system_folder(), log_line);
    if (!g_machine->ready()) {
        g_machine.reset();
        return false;
    }
    return true;
}

RETRO_API bool retro_load_game_special(unsigned, const struct retro_game_info*, size_t) { return false; }

RETRO_API void retro_unload_game(void) { g_machine.reset(); }

RETRO_API unsigned retro_get_region(void) { return RETRO_REGION_NTSC; }

RETRO_API void* retro_get_memory_data(unsigned id) {
    return id == RETRO_MEMORY_SAVE_RAM && g_machine ? g_machine->save_memory() : nullptr;
}

RETRO_API size_t retro_get_memory_size(unsigned id) {
    return id == RETRO_MEMORY_SAVE_RAM && g_machine ? SaveMemory::kSize : 0;
}

}  // extern "C"
