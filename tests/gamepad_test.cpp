// The real gamepad code driven by SDL's virtual joystick: mapped buttons,
// the stick's dead zone and hysteresis, pads coming and going mid-game,
// rumble, and the mapping file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include <SDL.h>

#include <utility>
#include <vector>

#include "gamepad/gamepad.h"
#include "temp_dir.h"
#include "settings/memory_store.h"
#include "sim/coin.h"
#include "sim/unit.h"

namespace ignivar::gamepad {
namespace {

using input::Button;
using Event = std::pair<Button, bool>;

// A virtual pad with every button and axis of SDL's game controller.
struct VirtualPad {
    VirtualPad() {
        SDL_VirtualJoystickDesc d{};
        d.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        d.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        d.naxes = SDL_CONTROLLER_AXIS_MAX;
        d.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        d.name = "Ignivar test pad";
        d.userdata = this;
        d.Rumble = [](void* self, Uint16 low, Uint16 high) {
            static_cast<VirtualPad*>(self)->rumbles.push_back(std::max(low, high));
            return 0;
        };
        index = SDL_JoystickAttachVirtualEx(&d);
        joystick = SDL_JoystickOpen(index);
    }
    ~VirtualPad() { detach(); }
    void detach() {
        if (!joystick) return;
        const int id = SDL_JoystickInstanceID(joystick);
        SDL_JoystickClose(joystick);
        joystick = nullptr;
        for (int i = 0; i < SDL_NumJoysticks(); ++i)
            if (SDL_JoystickGetDeviceInstanceID(i) == id) SDL_JoystickDetachVirtual(i);
    }
    void button(SDL_GameControllerButton b, bool down) { SDL_JoystickSetVirtualButton(joystick, b, down); }
    void axis(SDL_GameControllerAxis a, int v) { SDL_JoystickSetVirtualAxis(joystick, a, static_cast<Sint16>(v)); }

    int index = -1;
    SDL_Joystick* joystick = nullptr;
    std::vector<Uint16> rumbles;
};

struct Pads {
    explicit Pads(Mapping m = default_mapping())
        : pads(std::move(m), [this](Button b, bool down) { events.emplace_back(b, down); }) {
        EXPECT_TRUE(pads.start());
    }
    // The events the next poll routes.
    std::vector<Event> poll() {
        events.clear();
        pads.poll();
        return events;
    }
    std::vector<Event> events;
    Gamepads pads;
};

TEST(Gamepad, EveryMappedButtonPressesAndReleasesItsUnitButton) {
    Pads p;
    VirtualPad pad;
    p.poll();
    ASSERT_EQ(p.pads.connected(), 1);
    struct Case {
        SDL_GameControllerButton pad_button;
        Button unit_button;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Button::Left},     {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Button::Right},
        {SDL_CONTROLLER_BUTTON_X, Button::ShootLeft},        {SDL_CONTROLLER_BUTTON_A, Button::ShootLeft},
        {SDL_CONTROLLER_BUTTON_Y, Button::ShootRight},       {SDL_CONTROLLER_BUTTON_B, Button::ShootRight},
        {SDL_CONTROLLER_BUTTON_START, Button::GameA},        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, Button::GameB},
        {SDL_CONTROLLER_BUTTON_BACK, Button::Time},
    };
    for (const Case& c : cases) {
        pad.button(c.pad_button, true);
        EXPECT_EQ(p.poll(), (std::vector<Event>{{c.unit_button, true}})) << c.pad_button;
        pad.button(c.pad_button, false);
        EXPECT_EQ(p.poll(), (std::vector<Event>{{c.unit_button, false}})) << c.pad_button;
    }
    // Unmapped inputs work nothing.
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_UP, true);
    pad.button(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true);
    EXPECT_TRUE(p.poll().empty());
}

TEST(Gamepad, TheStickHasADeadZoneAndHysteresis) {
    Pads p;
    VirtualPad pad;
    p.poll();
    struct Step {
        int x;
        std::vector<Event> routed;
    };
    const Step steps[] = {
        {3000, {}},
        {16000, {}},  // not yet half way
        {16500, {{Button::Right, true}}},
        {12000, {}},  // between the two marks: still held
        {9000, {}},
        {16500, {}},  // back up: no second press
        {8000, {{Button::Right, false}}},
        {-20000, {{Button::Left, true}}},
        {-9000, {}},
        {0, {{Button::Left, false}}},
    };
    for (const Step& s : steps) {
        pad.axis(SDL_CONTROLLER_AXIS_LEFTX, s.x);
        EXPECT_EQ(p.poll(), s.routed) << "x=" << s.x;
    }
}

TEST(Gamepad, PadsComeAndGoMidGame) {
    Pads p;
    p.poll();
    EXPECT_EQ(p.pads.connected(), 0);
    auto pad = std::make_unique<VirtualPad>();
    p.poll();
    EXPECT_EQ(p.pads.connected(), 1);
    pad->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    pad->axis(SDL_CONTROLLER_AXIS_LEFTX, -30000);
    auto held = p.poll();
    std::sort(held.begin(), held.end());
    EXPECT_EQ(held, (std::vector<Event>{{Button::Left, true}, {Button::Right, true}}));
    // Pulled out with both held: both let go.
    pad->detach();
    auto left = p.poll();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<Event>{{Button::Left, false}, {Button::Right, false}}));
    EXPECT_EQ(p.pads.connected(), 0);
    VirtualPad second;
    p.poll();
    EXPECT_EQ(p.pads.connected(), 1);
}

TEST(Gamepad, RumbleOnPadsThatCanUnlessSwitchedOff) {
    {
        Pads p;
        VirtualPad pad;
        p.poll();
        p.pads.rumble(150, 0.5);
        ASSERT_EQ(pad.rumbles.size(), 1u);
        EXPECT_NEAR(pad.rumbles[0], 0x7FFF, 1);
    }
    Report problems;
    Pads p(parse_mapping("rumble = no\n", problems));
    VirtualPad pad;
    p.poll();
    p.pads.rumble(150, 0.5);
    EXPECT_TRUE(pad.rumbles.empty());
    EXPECT_TRUE(problems.empty());
}

class NoClock : public LocalClock {
public:
    LocalTime now() override { return {}; }
};

// A key held and a pad button pressed go through the same routing, so the
// shared latch of time, left, right and shoot holds across them.
TEST(Gamepad, TheSharedLatchHoldsAcrossKeysAndPads) {
    MemoryStore store;
    SilentSink sound;
    NoClock clock;
    RandomCoin coin(3);
    Unit unit(store, sound, clock, coin);
    input::Controls controls(unit);
    controls.create(store);
    Gamepads pads(default_mapping(), [&](Button b, bool down) {
        if (down) controls.press(b);
        else controls.release(b);
    });
    ASSERT_TRUE(pads.start());
    VirtualPad pad;
    pads.poll();
    unit.power_on();
    controls.press(Button::Time), controls.release(Button::Time);
    controls.press(Button::GameA), controls.release(Button::GameA);
    unit.advance(7000);
    unit.timers().set_enabled(TimerId::Game, false);  // no flames
    ASSERT_TRUE(unit.state().play);
    ASSERT_EQ(unit.state().hero, 1);
    controls.FormKeyDown(input::vk::kRight);  // held
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pads.poll();
    EXPECT_EQ(unit.state().hero, 2);  // the right key moved; the pad's left did not
    EXPECT_TRUE(unit.display().Vid_Is_Lit(Seg::BtnLeftDown));
    controls.FormKeyUp(input::vk::kRight);
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, false);
    pads.poll();
    pad.button(SDL_CONTROLLER_BUTTON_DPAD_LEFT, true);
    pads.poll();
    EXPECT_EQ(unit.state().hero, 1);  // a fresh press after both let go
}

TEST(Gamepad, MappingFile) {
    struct Case {
        const char* name;
        const char* text;
        bool enabled;
        std::size_t inputs;
        std::size_t problems;
    };
    const Case cases[] = {
        {"empty: the defaults", "", true, 11, 0},
        {"the default file", nullptr, true, 11, 0},
        {"switched off", "enabled = no\n", false, 11, 0},
        {"own buttons replace all", "a = game_a\nlefty- = time\n", true, 2, 0},
        {"comments after values", "enabled = no   # off for now\nb = time ; mine\n", false, 1, 0},
        {"mistakes are listed and skipped", "enabled = maybe\nz = left\na = jump\nnonsense\nb = shoot_left\n", true, 1, 4},
    };
    for (const Case& c : cases) {
        Report problems;
        const Mapping m = parse_mapping(c.text ? c.text : default_mapping_text(), problems);
        EXPECT_EQ(m.enabled, c.enabled) << c.name;
        EXPECT_EQ(m.inputs.size(), c.inputs) << c.name;
        EXPECT_EQ(problems.count(), c.problems) << c.name;
    }
    Report problems;
    EXPECT_EQ(parse_mapping(default_mapping_text(), problems).inputs, default_mapping().inputs);
}

// A mapping file made to swamp the player: its problems come as a handful
// of short lines and a count, and whatever stands in its place is left as it is.
TEST(Gamepad, HostileMappingFiles) {
    namespace fs = std::filesystem;
    test::TempDir dir;
    std::string many;
    for (int i = 0; i < 32000; ++i) many += "x\n";  // 64,000 bytes of mistakes
    const std::string long_line = "z" + std::string(60000, 'y') + " = left\n";
    struct Case {
        const char* name;
        std::string text;
        std::size_t problems;
    };
    const Case cases[] = {{"32,000 bad lines", many, 32000}, {"one enormous line", long_line, 1}};
    for (const Case& c : cases) {
        const std::string file = dir.write(std::string(c.name) + ".txt", c.text);
        Report problems;
        const Mapping m = load_mapping_file(file, problems);
        EXPECT_EQ(m.inputs, default_mapping().inputs) << c.name;
        EXPECT_EQ(problems.count(), c.problems) << c.name;
        const std::string shown = problems.summary();
        EXPECT_LE(std::count(shown.begin(), shown.end(), '\n'), 8) << c.name;
        EXPECT_LT(shown.size(), 2000u) << c.name;
    }
    // A link that leads nowhere is not written through; nothing at all gets the defaults.
    fs::create_symlink(dir.path / "elsewhere" / "target.txt", dir.path / "dangling.txt");
    Report problems;
    load_mapping_file(dir.file("dangling.txt"), problems);
    EXPECT_FALSE(fs::exists(dir.path / "elsewhere"));
    ASSERT_EQ(problems.count(), 1u);
    EXPECT_NE(problems.problems()[0].in_english().find("a link that leads nowhere"), std::string::npos) << problems.summary();
    Report none;
    load_mapping_file(dir.file("fresh/Gamepad.txt"), none);
    EXPECT_TRUE(none.empty());
    Report again;
    EXPECT_EQ(load_mapping_file(dir.file("fresh/Gamepad.txt"), again).inputs, default_mapping().inputs);
    EXPECT_TRUE(again.empty());
}

}  // namespace
}  // namespace ignivar::gamepad
