#include "host/look_setting.h"

namespace ignivar::host {

skin::LcdLook read_look(SettingsStore& store) {
    skin::LcdLook look;
    look.real = store.read_text(setting_name(Setting::LcdLook)).value_or("") == "Real";
    const int unlit = store.read_number(Setting::LcdUnlit, skin::kUnlitAsFace);
    if (skin::is_unlit_choice(unlit)) look.unlit = unlit;
    look.contrast = store.read_flag(Setting::LcdContrast, false);
    return look;
}

void keep_look(SettingsStore& store, const skin::LcdLook& look) {
    // Only what changed: each write is one of the player's file.
    const skin::LcdLook kept = read_look(store);
    if (look.real != kept.real) (void)store.write_text(setting_name(Setting::LcdLook), look.real ? "Real" : "Exact");
    if (look.unlit != kept.unlit) (void)store.write_number(Setting::LcdUnlit, look.unlit);
    if (look.contrast != kept.contrast) (void)store.write_flag(Setting::LcdContrast, look.contrast);
}

}  // namespace ignivar::host
