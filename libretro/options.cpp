#include "libretro/options.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "skin/lcd_look.h"

namespace ignivar::libretro {
namespace {

struct Choice {
    const char* value;
    const char* label;
};
struct Option {
    const char* key;
    const char* desc;
    const char* info;
    std::vector<Choice> choices;  // the first is the default
};

const std::vector<Option>& table() {
    static const std::vector<Option> options = {
        {"ignivar_view", "View", "The whole unit, or its LCD alone filling the picture.",
         {{"unit", "Whole unit"}, {"lcd", "LCD only"}}},
        {"ignivar_size", "Size", "The unit drawn at one to four times its size, from pictures drawn for that size.",
         {{"1x", nullptr}, {"2x", nullptr}, {"3x", nullptr}, {"4x", nullptr}}},
        {"ignivar_background", "Background", "What shows around the unit's case: the skin's backdrop or its colour.",
         {{"backdrop", "Backdrop"}, {"colour", "Plain colour"}}},
        {"ignivar_sound", "Sound", "The unit's five sound effects.", {{"enabled", "On"}, {"disabled", "Off"}}},
        {"ignivar_panned_sounds", "Sounds follow the flames",
         "A flame's, a miss's and the water's sound panned to its lane: left, middle or right.",
         {{"disabled", "Off"}, {"enabled", "On"}}},
        {"ignivar_clock", "Clock", "The time the watch shows.",
         {{"local", "Local time (as the desktop program)"}, {"utc", "UTC"}}},
        {"ignivar_lcd_look", "LCD look",
         "Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow "
         "on the glass's back.",
         {{"exact", "Exact"}, {"real", "Real"}}},
        {"ignivar_lcd_unlit", "Unlit segments", "How strongly segments show while unlit.",
         {{"face", "As the face shows them"}, {"0", "Hidden"}, {"10", "Faint"}, {"25", "Visible"}, {"50", "Clear"}}},
        {"ignivar_audio_rate", "Audio rate", "Frames of sound a second (the front end may need a restart).",
         {{"44100", "44.1 kHz"}, {"48000", "48 kHz"}}},
    };
    return options;
}

template <typename Value>
void fill_values(Value* values, const Option& o) {
    for (std::size_t i = 0; i < o.choices.size(); ++i) values[i] = {o.choices[i].value, o.choices[i].label};
    values[o.choices.size()] = {nullptr, nullptr};
}

bool declare_v2(retro_environment_t env) {
    static std::vector<retro_core_option_v2_definition> defs;
    static retro_core_option_v2_category categories[] = {{nullptr, nullptr, nullptr}};
    defs.clear();
    for (const Option& o : table()) {
        retro_core_option_v2_definition d{};
        d.key = o.key;
        d.desc = o.desc;
        d.info = o.info;
        fill_values(d.values, o);
        d.default_value = o.choices.front().value;
        defs.push_back(d);
    }
    defs.push_back({});
    static retro_core_options_v2 options;
    options = {categories, defs.data()};
    return env(RETRO_ENVIRONMENT_SET_CORE_OPTIONS_V2, &options);
}

bool declare_v1(retro_environment_t env) {
    static std::vector<retro_core_option_definition> defs;
    defs.clear();
    for (const Option& o : table()) {
        retro_core_option_definition d{};
        d.key = o.key;
        d.desc = o.desc;
        d.info = o.info;
        fill_values(d.values, o);
        d.default_value = o.choices.front().value;
        defs.push_back(d);
    }
    defs.push_back({});
    return env(RETRO_ENVIRONMENT_SET_CORE_OPTIONS, defs.data());
}

void declare_v0(retro_environment_t env) {
    // "Description; first|second|..."
    static std::vector<std::string> texts;
    static std::vector<retro_variable> vars;
    texts.clear();
    vars.clear();
    for (const Option& o : table()) {
        std::string t = std::string(o.desc) + "; ";
        for (std::size_t i = 0; i < o.choices.size(); ++i) {
            if (i) t += '|';
            t += o.choices[i].value;
        }
        texts.push_back(t);
    }
    for (std::size_t i = 0; i < table().size(); ++i) vars.push_back({table()[i].key, texts[i].c_str()});
    vars.push_back({nullptr, nullptr});
    env(RETRO_ENVIRONMENT_SET_VARIABLES, vars.data());
}

std::string value_of(retro_environment_t env, const char* key) {
    retro_variable v{key, nullptr};
    if (env(RETRO_ENVIRONMENT_GET_VARIABLE, &v) && v.value) return v.value;
    for (const Option& o : table())
        if (std::strcmp(o.key, key) == 0) return o.choices.front().value;
    return {};
}

}  // namespace

void declare_options(retro_environment_t env) {
    unsigned version = 0;
    if (!env(RETRO_ENVIRONMENT_GET_CORE_OPTIONS_VERSION, &version)) version = 0;
    if (version >= 2 && declare_v2(env)) return;
    if (version >= 1 && declare_v1(env)) return;
    declare_v0(env);
}

Options read_options(retro_environment_t env) {
    Options o;
    o.lcd_only = value_of(env, "ignivar_view") == "lcd";
    const std::string size = value_of(env, "ignivar_size");
    o.size = size.size() == 2 && size[0] >= '1' && size[0] <= '4' ? size[0] - '0' : 1;
    o.backdrop = value_of(env, "ignivar_background") != "colour";
    o.sound = value_of(env, "ignivar_sound") != "disabled";
    o.panned = value_of(env, "ignivar_panned_sounds") == "enabled";
    o.utc = value_of(env, "ignivar_clock") == "utc";
    o.rate = value_of(env, "ignivar_audio_rate") == "48000" ? 48000 : 44100;
    o.real = value_of(env, "ignivar_lcd_look") == "real";
    const std::string unlit = value_of(env, "ignivar_lcd_unlit");
    for (const skin::UnlitChoice& c : skin::kUnlitChoices)
        if (c.strength >= 0 && unlit == std::to_string(c.strength)) o.unlit = c.strength;
    return o;
}

}  // namespace ignivar::libretro
