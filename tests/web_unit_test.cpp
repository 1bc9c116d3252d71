// The page's unit, run natively: what the page hands it and reads back.
#include <gtest/gtest.h>

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
    EXPECT_TRUE(unit.set_scale(1));
    EXPECT_EQ(unit.width(), unit.skin_width());
    web::WebUnit missing(dir.file("nowhere"), 1, 44100, "", dir.file("replays"));
    EXPECT_FALSE(missing.ready());
    EXPECT_NE(missing.error().find("Config.ini"), std::string::npos) << missing.error();
}

}  // namespace
}  // namespace ignivar::test
