#include "gamepad/gamepad.h"
#include "gamepad/default_mapping.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <sstream>

#include "files/read.h"
#include "files/write.h"
#include "sdl/library.h"

namespace ignivar::gamepad {
namespace {

std::string trim(std::string_view s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos) return {};
    const auto e = s.find_last_not_of(" \t\r");
    return std::string(s.substr(b, e - b + 1));
}

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// SDL, opened at the first need; pads are opened only once it is there.
const sdl::Functions* lib() { return sdl::functions(); }

// "a", "dpleft", "leftx-", "lefttrigger" (an axis that only goes one way):
// SDL's own names. Without SDL no name is known, and no pad is read.
std::optional<PadInput> pad_input(const std::string& name) {
    if (!lib()) return std::nullopt;
    const SDL_GameControllerButton b = lib()->SDL_GameControllerGetButtonFromString(name.c_str());
    if (b != SDL_CONTROLLER_BUTTON_INVALID) return PadInput{PadInput::Kind::Button, b};
    if (!name.empty() && (name.back() == '-' || name.back() == '+')) {
        const std::string axis = name.substr(0, name.size() - 1);
        const SDL_GameControllerAxis a = lib()->SDL_GameControllerGetAxisFromString(axis.c_str());
        if (a != SDL_CONTROLLER_AXIS_INVALID)
            return PadInput{name.back() == '-' ? PadInput::Kind::AxisMinus : PadInput::Kind::AxisPlus, a};
    }
    const SDL_GameControllerAxis a = lib()->SDL_GameControllerGetAxisFromString(name.c_str());
    if (a == SDL_CONTROLLER_AXIS_TRIGGERLEFT || a == SDL_CONTROLLER_AXIS_TRIGGERRIGHT)
        return PadInput{PadInput::Kind::AxisPlus, a};
    return std::nullopt;
}

// A player's text in a message: quoted, and never longer than a line.
std::string quoted(const std::string& text) {
    constexpr std::size_t kLongest = 40;
    return "\"" + (text.size() <= kLongest ? text : text.substr(0, kLongest) + "...") + "\"";
}

std::optional<bool> yes_no(const std::string& v) {
    if (v == "yes" || v == "on" || v == "true" || v == "1") return true;
    if (v == "no" || v == "off" || v == "false" || v == "0") return false;
    return std::nullopt;
}


}  // namespace

Mapping default_mapping() {
    Mapping m;
    for (const DefaultRow& r : kDefaultMapping) m.inputs[*pad_input(r.input)] = r.button;
    return m;
}

std::string default_mapping_text() {
    std::ostringstream out;
    out << "# Ignivar's gamepad mapping. Lines \"input = button\": the pad's input\n"
           "# (SDL's names: a b x y back start leftshoulder rightshoulder dpup dpdown\n"
           "# dpleft dpright leftstick rightstick, an axis direction such as leftx-\n"
           "# leftx+ lefty- righty+, or lefttrigger righttrigger) and the unit's button\n"
           "# (game_a game_b time left right shoot_left shoot_right). Once one such line\n"
           "# is given, it and the others given replace every default.\n"
           "enabled = yes\n"
           "rumble = yes\n";
    for (const DefaultRow& r : kDefaultMapping) out << r.input << " = " << input::button_id(r.button) << '\n';
    return out.str();
}

Mapping parse_mapping(std::string_view text, Report& problems) {
    Mapping m = default_mapping();
    bool replaced = false;
    std::istringstream in{std::string(text)};
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        // A comment runs from '#' or ';' to the end of the line.
        line = trim(std::string_view(line).substr(0, line.find_first_of("#;")));
        if (line.empty()) continue;
        const auto eq = line.find('=');
        const std::string at = std::to_string(number);
        if (eq == std::string::npos) {
            problems.add(said("Gamepad", "line %1: no '=' in %2").with(at).with(quoted(line)));
            continue;
        }
        const std::string key = lower(trim(std::string_view(line).substr(0, eq)));
        const std::string value = lower(trim(std::string_view(line).substr(eq + 1)));
        if (key == "enabled" || key == "rumble") {
            const auto v = yes_no(value);
            if (!v) problems.add(said("Gamepad", "line %1: %2 takes yes or no, not %3").with(at).with(key).with(quoted(value)));
            else (key == "enabled" ? m.enabled : m.rumble) = *v;
            continue;
        }
        const auto pad = pad_input(key);
        const auto button = input::button_from_id(value);
        if (!pad) {
            problems.add(said("Gamepad", "line %1: %2 is no gamepad input").with(at).with(quoted(key)));
            continue;
        }
        if (!button || *button == input::Button::Set) {
            problems.add(said("Gamepad", "line %1: %2 is no button of the unit").with(at).with(quoted(value)));
            continue;
        }
        if (!replaced) {
            m.inputs.clear();
            replaced = true;
        }
        m.inputs[*pad] = *button;
    }
    return m;
}

Mapping load_mapping_file(const std::string& file, Report& problems) {
    if (file.empty()) return default_mapping();
    auto bytes = files::read_regular_file(file, kMaxMappingFile);
    if (bytes) {
        Report found;
        Mapping m = parse_mapping(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()), found);
        problems.merge(found, said("Gamepad", "%1, %2").with(file));
        return m;
    }
    struct stat st {};
    if (::lstat(file.c_str(), &st) == 0) {
        // Something is there (a folder, a pipe, a link that leads nowhere):
        // said, and left as it is.
        Text kind = files::describe_non_regular(file);
        problems.add(kind.english.empty()
                         ? bytes.error().words()
                         : said("Gamepad", "%1 is %2, so the default mapping is used").with(file).with(std::move(kind)));
    } else if (errno == ENOENT) {
        // Made once, so that the player finds what to change.
        (void)files::write_atomically(file, default_mapping_text());
    }
    return default_mapping();
}

struct Gamepads::Pad {
    SDL_GameController* controller = nullptr;
    int instance = -1;
    std::map<PadInput, bool> down;  // inputs held now
};

std::string unreadable_reason() { return lib() ? std::string() : sdl::problem(); }

Gamepads::Gamepads(Mapping mapping, Route route) : mapping_(std::move(mapping)), route_(std::move(route)) {}

Gamepads::~Gamepads() {
    for (Pad* p : pads_) {
        lib()->SDL_GameControllerClose(p->controller);
        delete p;
    }
    pads_.clear();
    if (started_) lib()->SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

Status Gamepads::start() {
    if (!mapping_.enabled) return failure("switched off in the mapping file");
    if (!lib()) return failure(sdl::problem());
    // The program has no SDL window: pads count whichever window has the keyboard.
    lib()->SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (lib()->SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) return failure(lib()->SDL_GetError());
    started_ = true;
    // Pads already plugged in arrive as "added" events at the first poll.
    return {};
}

void Gamepads::open(int device_index) {
    if (!lib()->SDL_IsGameController(device_index)) return;  // no mapping for it: not a pad SDL knows
    SDL_GameController* c = lib()->SDL_GameControllerOpen(device_index);
    if (!c) return;
    const int id = lib()->SDL_JoystickInstanceID(lib()->SDL_GameControllerGetJoystick(c));
    if (std::any_of(pads_.begin(), pads_.end(), [id](const Pad* p) { return p->instance == id; })) {
        lib()->SDL_GameControllerClose(c);  // already open
        return;
    }
    pads_.push_back(new Pad{c, id, {}});
}

void Gamepads::close(int instance_id) {
    const auto it = std::find_if(pads_.begin(), pads_.end(), [&](const Pad* p) { return p->instance == instance_id; });
    if (it == pads_.end()) return;
    Pad* pad = *it;
    // A pad pulled out lets go of everything it held.
    for (auto& [in, down] : pad->down)
        if (down) input_changed(*pad, in, false);
    lib()->SDL_GameControllerClose(pad->controller);
    pads_.erase(it);
    delete pad;
}

void Gamepads::input_changed(Pad& pad, PadInput in, bool down) {
    bool& was = pad.down[in];
    if (was == down) return;
    was = down;
    const auto it = mapping_.inputs.find(in);
    if (it != mapping_.inputs.end() && route_) route_(it->second, down);
}

void Gamepads::poll() {
    if (!started_) return;
    lib()->SDL_PumpEvents();
    SDL_Event e;
    while (lib()->SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
        switch (e.type) {
            case SDL_CONTROLLERDEVICEADDED: open(e.cdevice.which); break;
            case SDL_CONTROLLERDEVICEREMOVED: close(e.cdevice.which); break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                for (Pad* p : pads_)
                    if (p->instance == e.cbutton.which)
                        input_changed(*p, {PadInput::Kind::Button, e.cbutton.button},
                                      e.type == SDL_CONTROLLERBUTTONDOWN);
                break;
            case SDL_CONTROLLERAXISMOTION:
                for (Pad* p : pads_) {
                    if (p->instance != e.caxis.which) continue;
                    // Each direction of an axis is an input of its own, with
                    // hysteresis: it goes down past half way and up again
                    // only below a quarter.
                    const int v = e.caxis.value;
                    for (const auto kind : {PadInput::Kind::AxisMinus, PadInput::Kind::AxisPlus}) {
                        const PadInput in{kind, e.caxis.axis};
                        const int along = kind == PadInput::Kind::AxisMinus ? -v : v;
                        const bool was = p->down[in];
                        if (!was && along >= kStickPress) input_changed(*p, in, true);
                        else if (was && along < kStickRelease) input_changed(*p, in, false);
                    }
                }
                break;
            default: break;
        }
    }
}

void Gamepads::rumble(int ms, double strength) {
    if (!mapping_.rumble) return;
    const auto level = static_cast<Uint16>(std::clamp(strength, 0.0, 1.0) * 0xFFFF);
    for (Pad* p : pads_) lib()->SDL_GameControllerRumble(p->controller, level, level, static_cast<Uint32>(ms));
}

}  // namespace ignivar::gamepad
