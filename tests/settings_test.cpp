#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "driver/driver.h"
#include "input/controls.h"
#include "settings/memory_store.h"
#include "settings/qt_store.h"
#include "temp_dir.h"

namespace fs = std::filesystem;

namespace ignivar {
namespace {

using test::TempDir;

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Both stores must read and write the same text forms.
class StoreForms : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        if (GetParam()) store = std::make_unique<QtStore>((dir.path / "forms.ini").string());
        else store = std::make_unique<MemoryStore>();
    }
    TempDir dir;
    std::unique_ptr<SettingsStore> store;
};

TEST_P(StoreForms, StrictDecimalReading) {
    struct Case { const char* text; int number; bool flag; };
    const Case cases[] = {
        {"12", 12, true},    {"-1", -1, true},     {"0", 0, false},    {"2", 2, true},
        {"abc", 7, true},    {"", 7, true},        {"+5", 7, true},    {" 5", 7, true},
        {"5 ", 7, true},     {"0x10", 7, true},    {"$10", 7, true},   {"2147483648", 7, true},
        {"-2147483648", -2147483647 - 1, true},    {"1,2", 7, true},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(store->write_text("Value", c.text));
        EXPECT_EQ(store->read_number("Value", 7), c.number) << '"' << c.text << '"';
        EXPECT_EQ(store->read_flag("Value", true), c.flag) << '"' << c.text << '"';
    }
    EXPECT_EQ(store->read_number("Absent", -1), -1);
    EXPECT_TRUE(store->read_flag("Absent", true));
    EXPECT_FALSE(store->read_flag("Absent", false));
}

TEST_P(StoreForms, WrittenTextForms) {
    store->write_number("HiScore1", 1230);
    store->write_number("SoundMode", -1);
    store->write_flag("SplashScreen", true);
    store->write_flag("FullscreenMode", false);
    EXPECT_EQ(store->all_values(), (std::vector<std::pair<std::string, std::string>>{
                                       {"FullscreenMode", "0"}, {"HiScore1", "1230"},
                                       {"SoundMode", "-1"}, {"SplashScreen", "1"}}));
    // Names compare without regard to case, as in the platform's store.
    store->write_number("hiscore1", 40);
    EXPECT_EQ(store->read_number("HISCORE1", 0), 40);
    EXPECT_EQ(store->all_values().size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(Stores, StoreForms, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "QSettings" : "Memory"; });

TEST(QtStoreFile, UserStoreLivesUnderXdgConfigHome) {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(xdg, nullptr);
    EXPECT_EQ(default_store_file(), std::string(xdg) + "/Zandrel/Brasquel50.ini");
}

TEST(QtStoreFile, EveryWriteReachesTheFileAtOnce) {
    TempDir dir;
    const auto file = dir.path / "Zandrel" / "Brasquel50.ini";
    QtStore store(file.string());
    EXPECT_TRUE(store.open_problem().empty());
    ASSERT_TRUE(store.write_number("HiScore2", 560));
    // Another reader (a later run) sees it without any save step.
    QtStore later(file.string());
    EXPECT_EQ(later.read_number("HiScore2", 0), 560);
    EXPECT_NE(slurp(file).find("HiScore2=560"), std::string::npos);
}

TEST(QtStoreFile, FailedWriteIsReportedNotHidden) {
    TempDir dir;
    // A plain file where the store's folder should be: no write can succeed,
    // whoever runs the test.
    std::ofstream(dir.path / "Zandrel") << "in the way";
    QtStore store((dir.path / "Zandrel" / "Brasquel50.ini").string());
    std::vector<std::string> told;
    store.set_failure_handler([&](const std::string& m) { told.push_back(m); });
    EXPECT_FALSE(store.write_number("HiScore1", 10));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_NE(told[0].find("cannot be written"), std::string::npos) << told[0];
    EXPECT_EQ(store.read_number("HiScore1", 3), 10);  // the run goes on with the value it has
}

TEST(QtStoreFile, UnreadableFileGivesDefaultsAndIsKept) {
    TempDir dir;
    const auto file = dir.path / "Brasquel50.ini";
    const std::string broken = "HiScore1=70\n[General\nKey1=abc\n\xff\xfe\x01 = = \n";
    std::ofstream(file, std::ios::binary) << broken;
    QtStore store(file.string());
    EXPECT_FALSE(store.open_problem().empty());
    EXPECT_EQ(store.read_number("Key1", 2), 2);
    EXPECT_EQ(slurp(file), broken);  // reading changes nothing
    ASSERT_TRUE(store.write_number("Key1", 2));
    EXPECT_EQ(slurp(store.backup_name()), broken);
    EXPECT_EQ(QtStore(file.string()).read_number("Key1", 0), 2);
}

// Records the store calls that the unit's creation makes, in order.
class RecordingStore : public MemoryStore {
public:
    std::optional<std::string> read_text(std::string_view name) override {
        log += "read " + std::string(name) + "\n";
        return MemoryStore::read_text(name);
    }
    std::vector<std::string> log_lines() const {
        std::vector<std::string> out;
        std::istringstream in(log);
        for (std::string l; std::getline(in, l);) out.push_back(l);
        return out;
    }
    std::string log;

protected:
    std::string store_text(std::string_view name, std::string_view text) override {
        log += "write " + std::string(name) + "=" + std::string(text) + "\n";
        return MemoryStore::store_text(name, text);
    }
};

TEST(Creation, ReadsAndWritesInOrder) {
    RecordingStore store;
    store.write_text("Key3", "44");
    store.write_text("Key6", "99");  // out of range: kept as stored
    store.log.clear();
    std::ostringstream out, err;
    Driver driver(store, out, err, 1);
    driver.finish();
    EXPECT_EQ(store.log_lines(), (std::vector<std::string>{
                                     "read FullscreenMode", "read Key1", "read Key2", "read Key3", "read Key4",
                                     "read Key5", "read Key6", "read Key7", "write Key1=2", "write Key2=3",
                                     "write Key3=44", "write Key4=39", "write Key5=40", "write Key6=99",
                                     "write Key7=41", "read HiScore1", "read HiScore2"}));
}

TEST(Creation, HighScoreSurvivesIntoTheNextRun) {
    TempDir dir;
    const std::string file = (dir.path / "store.ini").string();
    {
        QtStore store(file);
        std::ostringstream out, err;
        Driver driver(store, out, err, 1);
        // A game B in which one flame is put out, then three misses.
        driver.run_line("start");
        driver.run_line("press time");
        driver.run_line("release time");
        driver.run_line("press game_b");
        driver.run_line("release game_b");
        driver.run_line("wait 6401");  // first tick: a flame in lane 1 at position 5
        driver.run_line("press shoot_left");
        driver.run_line("wait 400");
        driver.run_line("release shoot_left");
        driver.run_line("wait 60000");
        driver.run_line("state");
        EXPECT_NE(out.str().find(" hiscore_b=10 "), std::string::npos) << out.str();
        EXPECT_TRUE(err.str().empty()) << err.str();
    }
    QtStore store(file);
    std::ostringstream out, err;
    Driver driver(store, out, err, 1);
    driver.run_line("state");
    EXPECT_NE(out.str().find("hiscore_a=0 hiscore_b=10 "), std::string::npos) << out.str();
    driver.run_line("reset-hiscores");
    EXPECT_EQ(QtStore(file).read_text("HiScore2"), "0");
    EXPECT_EQ(QtStore(file).read_text("HiScore1"), "0");
}

}  // namespace
}  // namespace ignivar
