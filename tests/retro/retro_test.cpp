// The libretro core as a front end sees it, loaded from its file: frames,
// sound, input, options, states and save memory. Runs on Linux and, cross
// built, under Wine against the Windows DLL.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "frontend.h"
#include "host/host.h"
#include "settings/memory_store.h"
#include "sim/pictures.h"
#include "sim/state.h"
#include "skin/frame.h"
#include "skin/skin.h"

namespace ignivar::retro {
namespace {

std::string setting(const char* variable, const char* fallback) {
    const char* v = std::getenv(variable);
    return v && *v ? v : fallback;
}
const std::string kCore = setting("IGNIVAR_CORE", IGNIVAR_CORE_FILE);
const std::string kAssets = setting("IGNIVAR_ASSET_DIR", IGNIVAR_ASSET_DIR);

constexpr Pad kStart = pad(RETRO_DEVICE_ID_JOYPAD_START), kL = pad(RETRO_DEVICE_ID_JOYPAD_L),
              kLeft = pad(RETRO_DEVICE_ID_JOYPAD_LEFT), kRight = pad(RETRO_DEVICE_ID_JOYPAD_RIGHT),
              kY = pad(RETRO_DEVICE_ID_JOYPAD_Y), kA = pad(RETRO_DEVICE_ID_JOYPAD_A);

// The moment in a state (the core's is followed by its LCD's history), decoded.
UnitState state_of(const std::vector<std::uint8_t>& bytes) {
    auto s = decode_state(bytes.data(), std::min(bytes.size(), state_size()));
    EXPECT_TRUE(s.ok()) << (s ? "" : s.message());
    return s ? *s : UnitState{};
}

// What `ignivar-sim show` prints for a moment.
std::string show(const UnitState& s) {
    std::vector<std::string> lit;
    for (int i = 0; i < kSegmentCount; ++i)
        if (s.lit[i]) lit.emplace_back(segment_name(static_cast<Seg>(i)));
    std::sort(lit.begin(), lit.end());
    std::string out = "mode " + std::to_string(s.game.mode) + "\nlit";
    for (const auto& n : lit) out += " " + n;
    out += "\ndigits";
    for (const DigitCell& c : s.cells) {
        if (!c.visible) out += " -";
        else if (c.glyph.kind == Glyph::Kind::None) out += " .";
        else out += std::string(" ") + (c.glyph.kind == Glyph::Kind::Small ? "s" : "") + std::to_string(c.glyph.digit);
    }
    return out + "\n";
}

// The pad a scripted player holds at frame `n`: the time button, game A,
// then moves and shots in a fixed rhythm for fifty seconds, then nothing
// (so that the game ends).
Pad player(int n) {
    if (n >= 5 && n < 9) return kL;
    if (n >= 20 && n < 26) return kStart;
    constexpr Pad kRhythm[] = {kRight, kY, kRight, kA, kLeft, kY, kLeft, kA};
    if (n > 40 && n < 3000 && n % 15 < 4) return kRhythm[(n / 15) % 8];
    return 0;
}

// The same unit on a host of its own, its clock set frame by frame as the
// core's is, its buttons going down and up as the core's do.
struct Reference {
    Reference() : host(store, sound, time, 5) {
        host.create();
        host.unit().set_sound_output(true);
        host.handle([&] { host.unit().power_on(); });
    }
    void frame(int n, Pad held) {
        constexpr Pad kButtons[7][2] = {{kStart, kStart}, {pad(RETRO_DEVICE_ID_JOYPAD_SELECT), pad(RETRO_DEVICE_ID_JOYPAD_SELECT)},
                                        {kL, pad(RETRO_DEVICE_ID_JOYPAD_R)}, {kLeft, kLeft}, {kRight, kRight},
                                        {kY, pad(RETRO_DEVICE_ID_JOYPAD_B)}, {pad(RETRO_DEVICE_ID_JOYPAD_X), kA}};
        constexpr Seg kShown[7] = {Seg::BtnGameADown, Seg::BtnGameBDown, Seg::BtnTimeDown, Seg::BtnLeftDown,
                                   Seg::BtnRightDown, Seg::BtnShootLeftDown, Seg::BtnShootRightDown};
        for (int i = 0; i < 7; ++i) {
            const bool down = (held & (kButtons[i][0] | kButtons[i][1])) != 0;
            if (down != host.unit().display().Vid_Is_Lit(kShown[i])) {
                const auto b = static_cast<input::Button>(i);
                down ? host.press(b) : host.release(b);
                script += std::string(down ? "press " : "release ") + std::string(input::button_id(b)) + "\n";
            }
        }
        const Millis next = static_cast<Millis>((n + 1) * 1000LL / 60);
        script += "wait " + std::to_string(next - time.now()) + "\n";
        time.set(next);
        host.sync();
    }
    MemoryStore store;
    SilentSink sound;
    host::ManualTime time;
    host::Host host;
    std::string script = "seed 5\nsound on\nstart\n";
};

struct Core : ::testing::Test {
    void SetUp() override {
        f = std::make_unique<Frontend>(kCore);
        ASSERT_TRUE(f->loaded()) << kCore;
        ASSERT_TRUE(f->start());
    }
    std::unique_ptr<Frontend> f;
};

TEST_F(Core, DeclaresWhatAFrontEndNeeds) {
    EXPECT_TRUE(f->no_game);
    EXPECT_TRUE(f->options_declared);
    EXPECT_EQ(f->pixel_format, static_cast<unsigned>(RETRO_PIXEL_FORMAT_XRGB8888));
    EXPECT_STREQ(f->info().library_name, "Ignivar");
    EXPECT_EQ(f->av_info().timing.fps, 60.0);
    EXPECT_EQ(f->state_size(), state_size() + sizeof skin::LcdHistory::kMagic + skin::LcdHistory::kBytes);
    EXPECT_TRUE(f->log.empty()) << f->log.front();
}

TEST_F(Core, TheFirstFrameIsTheHeadlessComposersPicture) {
    f->run();
    skin::LoadRequest req;
    req.config_path = kAssets + "/Config.ini";
    req.program_dir = kAssets;
    req.fullscreen = true;
    req.screen_width = 540;
    req.screen_height = 360;
    req.search_current_dir = false;
    skin::Skin s;
    ASSERT_TRUE(skin::load_skin(req, s).ok());
    s.logo.shown = false;
    s.menu_shown = false;
    Display d;
    const UnitState now = state_of(f->save());
    d.restore(now.lit, now.cells);
    const skin::Picture want = skin::render_frame(s, d, {});
    ASSERT_EQ(f->width, static_cast<unsigned>(want.width));
    ASSERT_EQ(f->height, static_cast<unsigned>(want.height));
    int worst = 0, wx = 0, wy = 0;
    for (int y = 0; y < want.height; ++y)
        for (int x = 0; x < want.width; ++x) {
            const std::uint32_t got = f->frame[static_cast<std::size_t>(y) * f->width + static_cast<std::size_t>(x)];
            const std::uint8_t* w = want.pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                const int d = std::abs(static_cast<int>((got >> (16 - 8 * c)) & 0xFF) - w[c]);
                if (d > worst) worst = d, wx = x, wy = y;
            }
        }
    EXPECT_LE(worst, 2) << "at " << wx << "," << wy;
}

TEST_F(Core, SixtyRunsAreExactlyOneSecondAndEveryRunItsAudio) {
    for (int i = 0; i < 60; ++i) {
        f->run();
        ASSERT_EQ(f->audio.size(), 735u * 2) << "frame " << i;
        ASSERT_EQ(f->audio_calls, 1u);
    }
    const UnitState s = state_of(f->save());
    EXPECT_EQ(s.now, 1000);
    EXPECT_EQ(s.fraction_num, 0u);
    f->set_option("ignivar_audio_rate", "48000");
    for (int i = 0; i < 7; ++i) {
        f->run();
        EXPECT_EQ(f->audio.size(), 800u * 2);
    }
    EXPECT_EQ(f->av_info().timing.sample_rate, 48000.0);
}

TEST_F(Core, AGamePlayedWithThePadIsTheGameOfTheHost) {
    Reference ref;
    ASSERT_TRUE(f->load(ref.host.save_state()));
    // Frame by frame until the game is over (the watch's digits would tell
    // the clock of each, not the game).
    UnitState end;
    for (int n = 0; n < 60 * 200 && end.game.mode != kGameOver; ++n) {
        f->run(player(n));
        ref.frame(n, player(n));
        end = state_of(f->save());
        const bool watch = end.game.mode >= kTime1 && end.game.mode <= kChrono;
        if (!watch) {
            ASSERT_EQ(show(end), show(state_of(ref.host.save_state()))) << "frame " << n;
        }
    }
    ASSERT_EQ(end.game.mode, kGameOver);
    EXPECT_GT(end.game.hiscore_a, 0) << "the player scored, and the game is over";
    // The same inputs as a script of the headless driver, where there is one.
    if (const char* sim = std::getenv("IGNIVAR_SIM"); sim && *sim) {
        const std::string script_file = "retro_game.sim", out_file = "retro_game.out";
        std::ofstream(script_file) << ref.script << "show\n";
        ASSERT_EQ(std::system((std::string(sim) + " " + script_file + " > " + out_file).c_str()), 0);
        std::ifstream in(out_file);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), show(end));
    }
    // The high score is in the front end's save memory.
    ASSERT_EQ(f->save_memory_size(), 32u);
    const std::uint8_t* m = f->save_memory();
    EXPECT_EQ(std::memcmp(m, "IGNVHI01", 8), 0);
    std::int32_t kept = 0;
    std::memcpy(&kept, m + 8, 4);
    EXPECT_EQ(kept, end.game.hiscore_a);
}

TEST_F(Core, StatesAtRandomFramesRunOnIdentically) {
    struct Run {
        std::vector<std::vector<std::uint32_t>> frames;
        std::vector<std::int16_t> audio;
    };
    const auto play = [&](int from, int count) {
        Run r;
        for (int n = from; n < from + count; ++n) {
            f->run(player(n));
            r.frames.push_back(f->frame);
            r.audio.insert(r.audio.end(), f->audio.begin(), f->audio.end());
        }
        return r;
    };
    play(0, 40);
    bool heard = false;
    for (int cut : {47, 151, 400, 733, 1009}) {
        play(40, cut - 40);
        const auto state = f->save();
        const Run first = play(cut, 240);
        ASSERT_TRUE(f->load(state));
        const Run again = play(cut, 240);
        EXPECT_EQ(first.frames == again.frames, true) << "frames after " << cut;
        EXPECT_EQ(first.audio, again.audio) << "sound after " << cut;
        heard = heard || std::any_of(first.audio.begin(), first.audio.end(), [](std::int16_t v) { return v != 0; });
        ASSERT_TRUE(f->load(state));
        // Run-ahead: two frames with other input, then back: no trace.
        f->run(kRight);
        f->run(kY);
        ASSERT_TRUE(f->load(state));
        const Run after_detour = play(cut, 240);
        EXPECT_EQ(after_detour.frames == first.frames, true) << "run-ahead at " << cut;
        EXPECT_EQ(after_detour.audio, first.audio) << "run-ahead at " << cut;
        f->reset();
        play(0, 40);
    }
    EXPECT_TRUE(heard) << "the game's sound was among what was compared";
}

// The options speak the front end's language where the translation files
// have it, their keys and values the same in every language.
TEST(CoreLanguage, TheOptionsSpeakTheFrontEndsLanguage) {
    std::map<std::string, std::vector<std::string>> english;
    {
        Frontend f(kCore);
        ASSERT_TRUE(f.loaded());
        english = f.option_texts;
    }
    EXPECT_EQ(english.at("ignivar_sound"), (std::vector<std::string>{"Sound", "On", "Off"}));
    Frontend german(kCore, {}, RETRO_LANGUAGE_GERMAN);
    EXPECT_EQ(german.option_texts.at("ignivar_sound"), (std::vector<std::string>{"Ton", "An", "Aus"}));
    EXPECT_EQ(german.option_texts.at("ignivar_audio_rate").at(1), "44,1 kHz");
    EXPECT_EQ(german.option("ignivar_lcd_look"), "exact");
    ASSERT_EQ(german.option_texts.size(), english.size());
    for (const auto& [key, texts] : english) EXPECT_NE(german.option_texts.at(key).at(0), texts.at(0)) << key;
    Frontend italian(kCore, {}, RETRO_LANGUAGE_ITALIAN);  // none of ours: English
    EXPECT_EQ(italian.option_texts, english);
}

// Sounds follow the flames once chosen: off, both sides are alike; on,
// some sounds lean left and some right, and a moment loaded while a
// panned sample sounds goes on panned.
TEST_F(Core, SoundsFollowTheFlamesOnceChosen) {
    const auto play = [&](int from, int count) {
        std::vector<std::int16_t> audio;
        for (int n = from; n < from + count; ++n) {
            f->run(player(n));
            audio.insert(audio.end(), f->audio.begin(), f->audio.end());
        }
        return audio;
    };
    const auto leaning = [](const std::vector<std::int16_t>& a) {
        std::pair<int, int> frames;  // louder on the left, on the right
        for (std::size_t i = 0; i + 1 < a.size(); i += 2) {
            frames.first += std::abs(a[i]) > std::abs(a[i + 1]);
            frames.second += std::abs(a[i + 1]) > std::abs(a[i]);
        }
        return frames;
    };
    const auto centred = play(0, 700);
    EXPECT_TRUE(std::any_of(centred.begin(), centred.end(), [](std::int16_t v) { return v != 0; }));
    EXPECT_EQ(leaning(centred), std::pair(0, 0));
    f->set_option("ignivar_panned_sounds", "enabled");
    const auto [left, right] = leaning(play(700, 700));
    EXPECT_GT(left, 1000);
    EXPECT_GT(right, 1000);
    int n = 1400;
    std::vector<std::uint8_t> state;
    const auto to_one_side = [](const SoundInFlight& v) { return v.lane == 1 || v.lane == 3; };
    for (; n < 2400; ++n) {
        f->run(player(n));
        state = f->save();
        const UnitState s = state_of(state);
        if (std::any_of(s.sounds.begin(), s.sounds.end(), to_one_side)) break;
    }
    ASSERT_LT(n, 2400) << "a flame's sound in flight to one side";
    const auto first = play(n + 1, 30);
    ASSERT_TRUE(f->load(state));
    EXPECT_EQ(play(n + 1, 30), first);
}

// The real look fades on the unit's time: the same game gives the same
// frames, whether the front end loads a moment before every frame (as
// run-ahead does) or not, and they are not the exact look's.
TEST_F(Core, TheRealLookIsTheSameFrameForFrameWithRunAhead) {
    const auto play = [&](bool reload) {
        std::vector<std::vector<std::uint32_t>> frames;
        f->reset();
        for (int n = 0; n < 400; ++n) {
            if (reload) {
                EXPECT_TRUE(f->load(f->save())) << n;
            }
            f->run(player(n));
            if (n >= 40) frames.push_back(f->frame);
        }
        return frames;
    };
    const auto exact = play(false);
    f->set_option("ignivar_lcd_look", "real");
    const auto real = play(false);
    EXPECT_EQ(play(true) == real, true);
    ASSERT_EQ(real.size(), exact.size());
    int differing = 0;
    for (std::size_t i = 0; i < real.size(); ++i) differing += real[i] != exact[i];
    EXPECT_GT(differing, 300);  // the shadows, and the fades
}

// A saved moment whose clock is far on (centuries of virtual time, within
// what the format allows) plays, pictures and sound, as the same moment
// near the start does: no sum of the clock and the sample rate runs over.
TEST_F(Core, AMomentFarOnPlaysAsTheSameMomentNearTheStart) {
    int at = 0;
    std::vector<std::uint8_t> near;
    for (; at < 3000 && (near.empty() || state_of(near).sounds.empty()); ++at) {
        f->run(player(at));
        near = f->save();
    }
    UnitState s = state_of(near);
    ASSERT_FALSE(s.sounds.empty()) << "a sample sounding as it was saved";
    constexpr Millis kOn = 10'000'000'000'000;
    s.now += kOn;
    for (auto& t : s.timers)
        if (t.enabled) t.due += kOn;
    for (auto& sound : s.sounds) sound.started += kOn;
    const auto far = encode_state(s);
    const auto play = [&](const std::vector<std::uint8_t>& state) {
        EXPECT_TRUE(f->load(state));
        std::vector<std::int16_t> audio;
        std::vector<std::vector<std::uint32_t>> frames;
        for (int n = 0; n < 180; ++n) {
            f->run(player(at + n));
            frames.push_back(f->frame);
            audio.insert(audio.end(), f->audio.begin(), f->audio.end());
        }
        return std::pair(frames, audio);
    };
    const auto [near_frames, near_audio] = play(near);
    const auto [far_frames, far_audio] = play(far);
    EXPECT_TRUE(near_frames == far_frames);
    EXPECT_EQ(near_audio, far_audio);
    EXPECT_TRUE(std::any_of(near_audio.begin(), near_audio.end(), [](std::int16_t v) { return v != 0; }));
}

TEST_F(Core, TheLcdViewFillsThePictureWithinTheDeclaredMaximum) {
    f->run();
    const std::vector<std::uint32_t> whole = f->frame;
    const unsigned whole_w = f->width, whole_h = f->height;
    f->set_option("ignivar_view", "lcd");
    f->run();
    EXPECT_LT(f->width, whole_w);
    EXPECT_LT(f->height, whole_h);
    EXPECT_EQ(f->geometry.base_width, f->width);
    EXPECT_EQ(f->geometry.base_height, f->height);
    EXPECT_LE(f->width, f->geometry.max_width);
    EXPECT_NEAR(f->geometry.aspect_ratio, static_cast<float>(f->width) / static_cast<float>(f->height), 1e-4);
    // The LCD is a part of the whole unit's picture.
    bool found = false;
    for (unsigned oy = 0; !found && oy + f->height <= whole_h; ++oy)
        for (unsigned ox = 0; !found && ox + f->width <= whole_w; ++ox) {
            bool same = true;
            for (unsigned y = 0; same && y < f->height; ++y)
                same = std::memcmp(&f->frame[y * f->width], &whole[(oy + y) * whole_w + ox], f->width * 4) == 0;
            found = same;
        }
    EXPECT_TRUE(found);
    const unsigned lcd_w = f->width;
    f->set_option("ignivar_size", "2x");
    f->run();
    EXPECT_EQ(f->width, lcd_w * 2);
    EXPECT_EQ(f->geometry.base_width, f->width);
    EXPECT_LE(f->width, f->geometry.max_width);
}

TEST_F(Core, StatesOfTheDesktopProgramAndTheCoreAreOne) {
    Reference ref;
    const auto desktop = ref.host.save_state();
    ASSERT_TRUE(f->load(desktop));
    const std::vector<std::uint8_t> loaded = f->save();
    EXPECT_EQ(std::vector<std::uint8_t>(loaded.begin(), loaded.begin() + static_cast<std::ptrdiff_t>(desktop.size())), desktop);
    for (int n = 0; n < 300; ++n) f->run(player(n));
    const auto core = f->save();
    Reference other;
    ASSERT_TRUE(other.host.load_state(core).ok());
    EXPECT_EQ(show(state_of(other.host.save_state())), show(state_of(core)));
    // What is not a state changes nothing.
    std::vector<std::uint8_t> broken = core;
    broken[100] ^= 0x40;
    EXPECT_FALSE(f->load(broken));
    EXPECT_EQ(f->save(), core);
}

TEST_F(Core, HighScoresFromSaveMemoryShowInTheReadyPicture) {
    std::uint8_t* m = f->save_memory();
    std::memset(m, 0, 32);
    std::memcpy(m, "IGNVHI01", 8);
    const std::int32_t a = 1230, b = 560;
    std::memcpy(m + 8, &a, 4);
    std::memcpy(m + 12, &b, 4);
    const std::uint32_t crc = crc32(m, 16);
    std::memcpy(m + 16, &crc, 4);
    for (int n = 0; n < 30; ++n) f->run(n >= 5 && n < 9 ? kL : (n >= 20 ? kStart : 0));  // time, then game A held
    const UnitState s = state_of(f->save());
    EXPECT_EQ(s.game.mode, kGameAReady);
    EXPECT_EQ(s.game.hiscore_a, 1230);
    EXPECT_EQ(s.cells[0].glyph, Glyph::large(1));
    EXPECT_EQ(s.cells[3].glyph, Glyph::large(0));
}

}  // namespace
}  // namespace ignivar::retro
