#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "driver/driver.h"
#include "input/controls.h"
#include "settings/memory_store.h"
#include "settings/qt_store.h"

#include <QLockFile>
#include <chrono>
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
    // Several values together reach it too, and a failed batch is kept for the run.
    ASSERT_TRUE(store.write_texts({{"Key1", "5"}, {"Key2", "6"}}));
    EXPECT_EQ(QtStore(file.string()).read_number("Key2", 0), 6);
    std::filesystem::remove(file);
    std::filesystem::create_directory(file.string() + ".lock");
    EXPECT_FALSE(store.write_texts({{"Key1", "7"}, {"Key2", "8"}}));
    EXPECT_EQ(store.read_number("Key1", 0), 7);
    EXPECT_EQ(store.read_number("Key2", 0), 8);
}

TEST(QtStoreFile, WhatTheFileHoldsAlreadyIsNotWrittenAgain) {
    TempDir dir;
    const auto file = dir.path / "Brasquel50.ini";
    QtStore store(file.string());
    ASSERT_TRUE(store.write_texts({{"Key1", "5"}, {"SoundMode", "0"}}));
    // A comment, which a write of the store does not keep: it tells whether the file was written anew.
    const auto mark = [&] { std::ofstream(file, std::ios::app) << "; untouched\n"; };
    const auto untouched = [&] { return slurp(file).find("; untouched") != std::string::npos; };
    mark();
    EXPECT_TRUE(store.write_number("key1", 5));
    EXPECT_TRUE(store.write_texts({{"Key1", "5"}, {"SoundMode", "0"}}));
    EXPECT_TRUE(untouched());
    // What another program wrote since counts: the value asked for is written over it.
    std::ofstream(file) << "[General]\nKey1=99\nSoundMode=0\n; untouched\n";
    EXPECT_TRUE(store.write_number("Key1", 5));
    EXPECT_FALSE(untouched());
    EXPECT_EQ(QtStore(file.string()).read_number("Key1", 0), 5);
}

TEST(QtStoreFile, FailedWriteIsReportedNotHidden) {
    TempDir dir;
    // A plain file where the store's folder should be: no write can succeed,
    // whoever runs the test.
    std::ofstream(dir.path / "Zandrel") << "in the way";
    QtStore store((dir.path / "Zandrel" / "Brasquel50.ini").string());
    std::vector<std::string> told;
    store.set_failure_handler([&](const Error& e) { told.push_back(e.message); });
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
    // The first write makes the copy and the file anew, even of a value it holds.
    ASSERT_TRUE(store.write_number("HiScore1", 70));
    EXPECT_EQ(slurp(store.backup_name()), broken);
    EXPECT_TRUE(QtStore(file.string()).open_problem().empty());
    ASSERT_TRUE(store.write_number("Key1", 2));
    EXPECT_EQ(QtStore(file.string()).read_number("Key1", 0), 2);
}

// Files a player's settings may have become: what the store makes of each.
// Nothing is lost: a file that was not understood is copied aside before
// it is first written; a file that is no regular file is never written.
TEST(QtStoreFile, HostileSettingsFiles) {
    namespace fs = std::filesystem;
    enum class Then { Written, CopiedAside, MovedAside, Refused, KeptForTheRun };
    struct Case {
        const char* name;
        std::function<void(const fs::path& file, const fs::path& elsewhere)> make;
        Then then;
        const char* told = "";  // what the message says, in part
    };
    const std::string utf16("\xff\xfe" "H\0i\0S\0c\0o\0r\0e\0" "1\0=\0" "1\0" "2\0" "3\0" "0\0\n\0", 30);
    const Case cases[] = {
        {"binary garbage", [](auto& f, auto&) { std::ofstream(f, std::ios::binary) << std::string("\x01\x00\x9f HiScore1=40\n", 16); },
         Then::CopiedAside},
        {"UTF-16", [&](auto& f, auto&) { std::ofstream(f, std::ios::binary) << utf16; }, Then::CopiedAside},
        {"a line without =", [](auto& f, auto&) { std::ofstream(f) << "[General]\nHiScore1=40\nthis is no setting\n"; },
         Then::CopiedAside},
        {"far too large", [](auto& f, auto&) { std::ofstream(f) << "[General]\nHiScore1=40\n" << std::string(200000, ';'); },
         Then::MovedAside},
        {"a link to a file elsewhere", [](auto& f, auto& e) {
             std::ofstream(e / "real.ini") << "[General]\nHiScore1=40\n";
             fs::create_symlink(e / "real.ini", f);
         }, Then::Written},
        {"a dangling link", [](auto& f, auto& e) { fs::create_symlink(e / "absent.ini", f); }, Then::Refused},
        {"a FIFO", [](auto& f, auto&) { ASSERT_EQ(mkfifo(f.c_str(), 0600), 0); }, Then::Refused},
        {"a folder", [](auto& f, auto&) { fs::create_directory(f); }, Then::Refused, "a folder"},
        {"a link to a FIFO", [](auto& f, auto& e) {
             ASSERT_EQ(mkfifo((e / "pipe").c_str(), 0600), 0);
             fs::create_symlink(e / "pipe", f);
         }, Then::Refused, "a link to a named pipe"},
        {"a folder as its lock", [](auto& f, auto&) {
             std::ofstream(f) << "[General]\nHiScore1=40\n";
             fs::create_directory(f.string() + ".lock");
         }, Then::KeptForTheRun, ".lock is a folder"},
        {"a FIFO as its lock", [](auto& f, auto&) {
             std::ofstream(f) << "[General]\nHiScore1=40\n";
             ASSERT_EQ(mkfifo((f.string() + ".lock").c_str(), 0600), 0);
         }, Then::KeptForTheRun, ".lock is a named pipe"},
        {"an empty lock left by a killed run", [](auto& f, auto&) {
             std::ofstream(f) << "[General]\nHiScore1=40\n";
             std::ofstream(f.string() + ".lock");
         }, Then::Written},
        {"a lock of a process that is gone", [](auto& f, auto&) {
             std::ofstream(f) << "[General]\nHiScore1=40\n";
             char host[256] = {};
             gethostname(host, sizeof host);
             std::ofstream(f.string() + ".lock") << "999999999\nignivar\n" << host << "\n";
         }, Then::Written},
    };
    for (const Case& c : cases) {
        TempDir dir, elsewhere;
        const fs::path file = dir.path / "Brasquel50.ini";
        c.make(file, elsewhere.path);
        const auto before = fs::symlink_status(file).type();
        const std::string bytes = fs::is_regular_file(file) ? slurp(file) : "";
        QtStore store(file.string());
        std::vector<std::string> told;
        store.set_failure_handler([&](const Error& e) { told.push_back(e.message); });
        const bool wrote = store.write_number("Key1", 2).ok();
        EXPECT_EQ(store.read_number("Key1", 0), 2) << c.name;  // the run goes on with it
        switch (c.then) {
            case Then::Written:
                EXPECT_TRUE(wrote) << c.name;
                EXPECT_TRUE(store.open_problem().empty()) << c.name << ": " << store.open_problem();
                EXPECT_EQ(fs::symlink_status(file).type(), before) << c.name;  // a link stays a link
                EXPECT_EQ(QtStore(file.string()).read_number("HiScore1", 0), 40) << c.name;
                EXPECT_FALSE(fs::exists(file.string() + ".lock")) << c.name;
                break;
            case Then::CopiedAside:
                EXPECT_TRUE(wrote) << c.name;
                EXPECT_FALSE(store.open_problem().empty()) << c.name;
                EXPECT_EQ(slurp(store.backup_name()), bytes) << c.name;
                break;
            case Then::MovedAside:
                EXPECT_TRUE(wrote) << c.name;
                EXPECT_FALSE(store.open_problem().empty()) << c.name;
                EXPECT_EQ(slurp(store.backup_name()), bytes) << c.name;
                EXPECT_EQ(QtStore(file.string()).read_number("Key1", 0), 2) << c.name;
                break;
            case Then::Refused:
                EXPECT_FALSE(wrote) << c.name;
                EXPECT_TRUE(store.refused()) << c.name;
                EXPECT_EQ(told.size(), 1u) << c.name;
                EXPECT_EQ(fs::symlink_status(file).type(), before) << c.name;  // untouched
                break;
            case Then::KeptForTheRun:
                EXPECT_FALSE(wrote) << c.name;
                EXPECT_FALSE(store.refused()) << c.name;
                EXPECT_EQ(told.size(), 1u) << c.name;
                EXPECT_EQ(slurp(file), bytes) << c.name;  // untouched, and read as it was
                EXPECT_EQ(store.read_number("HiScore1", 0), 40) << c.name;
                break;
        }
        if (*c.told) {
            ASSERT_FALSE(told.empty()) << c.name;
            EXPECT_NE(told[0].find(c.told), std::string::npos) << c.name << ": " << told[0];
        }
        // Nothing else appeared beside it, and nothing elsewhere but the link's target.
        for (const auto& entry : fs::directory_iterator(dir.path)) {
            const std::string n = entry.path().filename().string();
            EXPECT_TRUE(n == "Brasquel50.ini" || n == "Brasquel50.ini.unreadable" ||
                        (n == "Brasquel50.ini.lock" && c.then == Then::KeptForTheRun))
                << c.name << ": " << n;
        }
    }
}

TEST(QtStoreFile, ALockHeldByAnotherProgramIsWaitedForASecondAtMost) {
    TempDir dir;
    const auto file = dir.path / "Brasquel50.ini";
    std::ofstream(file) << "[General]\nHiScore1=40\n";
    QLockFile other(QString::fromStdString(file.string() + ".lock"));
    ASSERT_TRUE(other.tryLock(0));  // as another running copy of the program holds it
    QtStore store(file.string());
    std::vector<std::string> told;
    store.set_failure_handler([&](const Error& e) { told.push_back(e.message); });
    EXPECT_FALSE(store.write_number("Key1", 5));
    EXPECT_FALSE(store.write_number("Key2", 6));
    ASSERT_EQ(told.size(), 2u);
    EXPECT_NE(told[0].find("is locked by another program"), std::string::npos) << told[0];
    EXPECT_EQ(store.read_number("Key1", 0), 5);
    EXPECT_EQ(store.read_number("Key2", 0), 6);
    EXPECT_EQ(store.read_number("HiScore1", 0), 40);
}

TEST(QtStoreFile, EveryUnreadableFileIsKeptAndLeftoversAreCleared) {
    namespace fs = std::filesystem;
    TempDir dir;
    const auto file = dir.path / "Brasquel50.ini";
    // Two runs, each finding a file it cannot read: both copies stay.
    for (const char* broken : {"first \x01\n", "second \x02\n"}) {
        std::ofstream(file, std::ios::binary) << broken;
        QtStore store(file.string());
        ASSERT_TRUE(store.write_number("Key1", 2));
    }
    EXPECT_EQ(slurp(dir.path / "Brasquel50.ini.unreadable"), "first \x01\n");
    EXPECT_EQ(slurp(dir.path / "Brasquel50.ini.unreadable-2"), "second \x02\n");
    // A killed writer's leftover goes at the next start; one being written now stays.
    std::ofstream(dir.path / "Brasquel50.ini.Ab12Cd") << "old";
    std::ofstream(dir.path / "Brasquel50.ini.Zz99yy") << "new";
    std::ofstream(dir.path / "Brasquel50.ini.keep") << "not a leftover";
    fs::last_write_time(dir.path / "Brasquel50.ini.Ab12Cd", fs::file_time_type::clock::now() - std::chrono::minutes(5));
    QtStore store(file.string());
    EXPECT_FALSE(fs::exists(dir.path / "Brasquel50.ini.Ab12Cd"));
    EXPECT_TRUE(fs::exists(dir.path / "Brasquel50.ini.Zz99yy"));
    EXPECT_TRUE(fs::exists(dir.path / "Brasquel50.ini.keep"));
}

TEST(QtStoreFile, AFolderNameThatIsNotUtf8IsNotSwappedForAnother) {
    TempDir dir;
    const std::string odd = (dir.path / "caf\xe9").string();
    std::filesystem::create_directories(odd);
    QtStore store(odd + "/Brasquel50.ini");
    EXPECT_TRUE(store.refused());
    EXPECT_NE(store.open_problem().find("not valid UTF-8"), std::string::npos) << store.open_problem();
    EXPECT_FALSE(store.write_number("Key1", 2));
    EXPECT_EQ(store.read_number("Key1", 0), 2);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path / "caf\xe9"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);  // nothing made elsewhere
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
    Status store_text(std::string_view name, std::string_view text) override {
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
