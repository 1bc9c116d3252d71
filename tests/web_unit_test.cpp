// The page's unit, run natively: what the page hands it and reads back.
#include <gtest/gtest.h>

#include <filesystem>

#include "temp_dir.h"
#include "web/web_unit.h"

namespace ignivar::test {
namespace {

TEST(PageStore, KeepsItsValuesAsLinesAndRefusesForgedOnes) {
    web::PageStore store;
    store.take_in("HiScore1=120\nbroken line\n=no name\nKey1=2\r\n");
    EXPECT_FALSE(store.changed());
    EXPECT_EQ(store.read_number(Setting::HiScore1, 0), 120);
    store.write_text("Note", "one\nHiScore2=9999");  // a value that would forge a setting
    store.write_number(Setting::HiScore2, 40);
    EXPECT_TRUE(store.changed());
    web::PageStore again;
    again.take_in(store.text());
    EXPECT_EQ(again.read_number(Setting::HiScore2, 0), 40);
    EXPECT_FALSE(again.read_text("Note"));
    EXPECT_EQ(again.read_number(Setting::HiScore1, 0), 120);
}

TEST(WebUnit, PlaysKeepsAndRefusesAsThePageUsesIt) {
    TempDir dir;
    web::WebUnit unit(IGNIVAR_ASSET_DIR, 2, 44100, "", dir.file("replays"));
    ASSERT_TRUE(unit.ready()) << unit.error();
    EXPECT_EQ(unit.width(), unit.skin_width() * 2);
    EXPECT_FALSE(unit.advance(10).empty());  // the first frame is drawn whole
    EXPECT_TRUE(unit.advance(20).empty());   // then only what changes
    for (const std::uint16_t key : {0x33, 0x31}) {  // '3' leaves the power-on picture, '1' starts game A
        unit.key(key, true);
        unit.key(key, false);
    }
    unit.advance(500);
    EXPECT_EQ(unit.words().rfind("Game A", 0), 0u) << unit.words();
    EXPECT_EQ(unit.take_said(), "Game A started");
    bool loud = false;
    for (const std::int16_t s : unit.audio()) loud = loud || s != 0;
    EXPECT_TRUE(loud) << "the start's sound is mixed";

    const std::vector<std::uint8_t> moment = unit.save();
    const std::uint8_t junk[] = {'n', 'o', 't', '\n'};
    EXPECT_FALSE(unit.load(junk, sizeof junk));
    EXPECT_EQ(unit.words().rfind("Game A", 0), 0u) << "a refused file changes nothing";

    // Left alone, the game ends and is kept as a replay that proves its score
    // (the page's clock moves on a frame at a time: one long step is a stall).
    for (Millis t = 500; t <= 60000; t += 50) unit.advance(t);
    EXPECT_TRUE(unit.take_kept());
    EXPECT_TRUE(unit.take_missed());
    EXPECT_EQ(unit.table('A').rfind("0\t", 0), 0u) << unit.table('A');
    EXPECT_TRUE(unit.load(moment.data(), moment.size(), true));
    EXPECT_TRUE(unit.paused());
    EXPECT_FALSE(unit.due_in()) << "a paused game needs no wake-up";
}

TEST(WebUnit, FindsTheCasesButtonsAndShowsOnlyShippedScales) {
    TempDir dir;
    web::WebUnit unit(IGNIVAR_ASSET_DIR, 3, 48000, "", dir.file("replays"));
    ASSERT_TRUE(unit.ready()) << unit.error();
    EXPECT_EQ(unit.scale(), 4);
    EXPECT_FALSE(unit.button_at(0, 0));
    // A thumb just above the GAME A button still presses it; without reach, nothing.
    int top_x = -1, top_y = -1;
    for (int y = 0; y < unit.height() && top_y < 0; y += 2)
        for (int x = 0; x < unit.width() && top_y < 0; x += 2)
            if (unit.button_at(x, y) == input::Button::GameA) top_x = x, top_y = y;
    ASSERT_GE(top_y, 12);
    EXPECT_FALSE(unit.button_at(top_x, top_y - 10));
    EXPECT_EQ(unit.button_at(top_x, top_y - 10, 12), input::Button::GameA);
    EXPECT_TRUE(unit.set_scale(1));
    EXPECT_EQ(unit.width(), unit.skin_width());
    EXPECT_EQ(unit.warnings(), "") << "every sound read";
    web::WebUnit missing(dir.file("nowhere"), 1, 44100, "", dir.file("replays"));
    EXPECT_FALSE(missing.ready());
    EXPECT_NE(missing.error().find("Config.ini"), std::string::npos) << missing.error();
}

TEST(WebUnit, ASoundThatCannotBeReadIsSaidAndTheUnitPlaysOn) {
    TempDir dir;
    namespace fs = std::filesystem;
    const fs::path assets = IGNIVAR_ASSET_DIR;
    fs::create_directory_symlink(assets / "Graphics", dir.path / "Graphics");
    fs::create_symlink(assets / "Config.ini", dir.path / "Config.ini");
    dir.write("Sound/Start.wav", "RIFF, but no sound");
    for (const std::string wav : {"Enemy.wav", "Gameover.wav", "Miss.wav", "Shot.wav"})
        fs::create_symlink(assets / "Sound" / wav, dir.path / "Sound" / wav);
    web::WebUnit unit(dir.path.string(), 1, 44100, "", dir.file("replays"));
    ASSERT_TRUE(unit.ready()) << unit.error();
    EXPECT_NE(unit.warnings().find("Start.wav"), std::string::npos) << unit.warnings();
    EXPECT_NE(unit.warnings().find("plays without"), std::string::npos) << unit.warnings();
}

TEST(WebUnit, PadsRewindAndVolumeWorkAsOnTheDesktop) {
    TempDir dir;
    web::WebUnit unit(IGNIVAR_ASSET_DIR, 1, 44100, "", dir.file("replays"));
    ASSERT_TRUE(unit.ready()) << unit.error();
    EXPECT_FALSE(unit.start_rewind()) << "no game to run back";
    unit.key(0x33, true);
    unit.key(0x33, false);
    unit.pad(1u << 9, 0, 0);  // Start: game A
    unit.pad(0, 0, 0);
    unit.advance(100);
    ASSERT_EQ(unit.words().rfind("Game A", 0), 0u) << unit.words();
    // The stick: pressed past half way, held until back under a quarter.
    const auto right_held = [&] { return unit.host().unit().display().Vid_Is_Lit(Seg::BtnRightDown); };
    for (const auto& [x, held] : {std::pair{0.4, false}, {0.6, true}, {0.3, true}, {0.2, false}}) {
        unit.pad(0, x, 0);
        EXPECT_EQ(right_held(), held) << "stick at " << x;
    }
    for (Millis t = 100; t <= 3000; t += 50) unit.advance(t);
    const Millis before = unit.host().unit().timers().now();
    ASSERT_TRUE(unit.start_rewind());
    for (int i = 0; i < 10; ++i) EXPECT_TRUE(unit.rewind_step());
    unit.stop_rewind();
    // The first step lands on the latest moment kept, each further one a tenth of a second back.
    const Millis now = unit.host().unit().timers().now();
    EXPECT_LE(now, before - 9 * host::Rewind::kSpacing);
    EXPECT_GT(now, before - 11 * host::Rewind::kSpacing);
    EXPECT_FALSE(unit.paused());

    unit.set_volume(60);
    unit.set_muted(true);
    EXPECT_EQ(unit.volume(), 50);
    web::PageStore kept;
    kept.take_in(unit.store().text());
    EXPECT_EQ(kept.read_number(Setting::Volume, 0), 50);
    EXPECT_TRUE(kept.read_flag(Setting::Mute, false));
}

TEST(WebUnit, TheRealLookFadesOnThePageClockAndIsKept) {
    TempDir dir;
    web::WebUnit unit(IGNIVAR_ASSET_DIR, 1, 44100, "LcdLook=Real\n", dir.file("replays"));
    ASSERT_TRUE(unit.ready()) << unit.error();
    ASSERT_TRUE(unit.look().real);
    unit.advance(1000);
    // Frames drawn in the 400 ms after the time button, a page frame apart.
    const auto frames_of_a_change = [&](Millis from) {
        unit.key(0x33, true);
        unit.key(0x33, false);
        int drawn = 0;
        for (Millis t = from; t < from + 400; t += 16) drawn += !unit.advance(t).empty();
        return drawn;
    };
    const int real = frames_of_a_change(1000);
    EXPECT_GE(real, 4) << "the old face clears over several frames";
    EXPECT_LE(real, 16) << "and is settled well within a quarter of a second";
    EXPECT_FALSE(unit.advance(1600).size()) << "nothing fades: nothing drawn";

    unit.set_look({false, 25});  // unlit segments at a strength load the glass
    ASSERT_TRUE(unit.ready());
    EXPECT_FALSE(unit.advance(1700).empty());
    EXPECT_EQ(frames_of_a_change(2000), 1) << "the exact look draws a change once";
    web::PageStore kept;
    kept.take_in(unit.store().text());
    EXPECT_EQ(kept.read_text("LcdLook"), "Exact");
    EXPECT_EQ(kept.read_number(Setting::LcdUnlit, 0), 25);
}

}  // namespace
}  // namespace ignivar::test
