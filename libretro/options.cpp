#include "libretro/options.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "base/text.h"
#include "core_texts.h"
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
        {"ignivar_view", IGNIVAR_TEXT("Core", "View"), IGNIVAR_TEXT("Core", "The whole unit, or its LCD alone filling the picture."),
         {{"unit", IGNIVAR_TEXT("Core", "Whole unit")}, {"lcd", IGNIVAR_TEXT("Core", "LCD only")}}},
        {"ignivar_size", IGNIVAR_TEXT("Core", "Size"), IGNIVAR_TEXT("Core", "The unit drawn at one to four times its size, from pictures drawn for that size."),
         {{"1x", nullptr}, {"2x", nullptr}, {"3x", nullptr}, {"4x", nullptr}}},
        {"ignivar_background", IGNIVAR_TEXT("Core", "Background"), IGNIVAR_TEXT("Core", "What shows around the unit's case: the skin's backdrop or its colour."),
         {{"backdrop", IGNIVAR_TEXT("Core", "Backdrop")}, {"colour", IGNIVAR_TEXT("Core", "Plain colour")}}},
        {"ignivar_sound", IGNIVAR_TEXT("Core", "Sound"), IGNIVAR_TEXT("Core", "The unit's five sound effects."), {{"enabled", IGNIVAR_TEXT("Core", "On")}, {"disabled", IGNIVAR_TEXT("Core", "Off")}}},
        {"ignivar_panned_sounds", IGNIVAR_TEXT("Core", "Sounds follow the flames"),
         IGNIVAR_TEXT("Core", "A flame's, a miss's and the water's sound panned to its lane: left, middle or right."),
         {{"disabled", IGNIVAR_TEXT("Core", "Off")}, {"enabled", IGNIVAR_TEXT("Core", "On")}}},
        {"ignivar_clock", IGNIVAR_TEXT("Core", "Clock"), IGNIVAR_TEXT("Core", "The time the watch shows."),
         {{"local", IGNIVAR_TEXT("Core", "Local time (as the desktop program)")}, {"utc", IGNIVAR_TEXT("Core", "UTC")}}},
        {"ignivar_lcd_look", IGNIVAR_TEXT("Core", "LCD look"),
         IGNIVAR_TEXT("Core", "Exact: segments switch at once. Real: they darken and clear as liquid crystal does and cast a shadow on the glass's back."),
         {{"exact", IGNIVAR_TEXT("Core", "Exact")}, {"real", IGNIVAR_TEXT("Core", "Real")}}},
        {"ignivar_lcd_unlit", IGNIVAR_TEXT("Core", "Unlit segments"), IGNIVAR_TEXT("Core", "How strongly segments show while unlit."),
         {{"face", IGNIVAR_TEXT("Core", "As the face shows them")}, {"0", IGNIVAR_TEXT("Core", "Hidden")}, {"10", IGNIVAR_TEXT("Core", "Faint")}, {"25", IGNIVAR_TEXT("Core", "Visible")}, {"50", IGNIVAR_TEXT("Core", "Clear")}}},
        {"ignivar_audio_rate", IGNIVAR_TEXT("Core", "Audio rate"), IGNIVAR_TEXT("Core", "Frames of sound a second (the front end may need a restart)."),
         {{"44100", IGNIVAR_TEXT("Core", "44.1 kHz")}, {"48000", IGNIVAR_TEXT("Core", "48 kHz")}}},
    };
    return options;
}

// The front end's language, as the translation files name it ("" for English).
const char* g_language = "";

const char* language_code(unsigned retro_language) {
    switch (retro_language) {
        case RETRO_LANGUAGE_GERMAN: return "de";
        case RETRO_LANGUAGE_FRENCH: return "fr";
        case RETRO_LANGUAGE_SPANISH: return "es";
        case RETRO_LANGUAGE_JAPANESE: return "ja";
        default: return "";
    }
}

}  // namespace

const char* in_language(const char* english, const char* language) {
    if (!english) return nullptr;
    for (const CoreText* t = kCoreTexts; t->language; ++t)
        if (std::strcmp(t->language, language) == 0 && std::strcmp(t->english, english) == 0) return t->translated;
    return english;
}

namespace {

const char* said(const char* english) { return in_language(english, g_language); }

template <typename Value>
void fill_values(Value* values, const Option& o) {
    for (std::size_t i = 0; i < o.choices.size(); ++i) values[i] = {o.choices[i].value, said(o.choices[i].label)};
    values[o.choices.size()] = {nullptr, nullptr};
}

bool declare_v2(retro_environment_t env) {
    static std::vector<retro_core_option_v2_definition> defs;
    static retro_core_option_v2_category categories[] = {{nullptr, nullptr, nullptr}};
    defs.clear();
    for (const Option& o : table()) {
        retro_core_option_v2_definition d{};
        d.key = o.key;
        d.desc = said(o.desc);
        d.info = said(o.info);
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
        d.desc = said(o.desc);
        d.info = said(o.info);
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
        std::string t = std::string(said(o.desc)) + "; ";
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
    unsigned language = RETRO_LANGUAGE_ENGLISH;
    g_language = env(RETRO_ENVIRONMENT_GET_LANGUAGE, &language) ? language_code(language) : "";
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
