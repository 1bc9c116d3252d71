// Games kept as replays by the program, watched in the unit, listed in
// their window and exported from it; screenshots.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImageReader>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTranslator>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/replays_window.h"
#include "desk.h"
#include "host/replay_store.h"
#include "temp_dir.h"

namespace ignivar::app {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

struct Heard {
    Sample sample;
    Millis at;  // after the game began
    bool operator==(const Heard&) const = default;
};

std::vector<std::string> lit_segments(const Display& d) {
    std::vector<std::string> out;
    for (int i = 0; i < kSegmentCount; ++i)
        if (d.Vid_Is_Lit(static_cast<Seg>(i))) out.emplace_back(segment_name(static_cast<Seg>(i)));
    return out;
}

// A game B played through the window's keys, to its end.
struct PlayedGame {
    explicit PlayedGame(const test::TempDir& dir) {
        desk.w->power_on();
        desk.host.unit().set_sound_output(true);
        desk.w->replays().set_folder(dir.file("replays"));
        desk.host.on_event([this](const UnitEvent& e) {
            if (e.kind == EventKind::GameStarted) begin = e.at;
            if (e.kind == EventKind::SoundPlayed) heard.push_back({e.sample, e.at - begin});
            if (e.kind == EventKind::GameOver) score = e.score;
        });
        QWidget* w = desk.w.get();
        QTest::keyClick(w, Qt::Key_3);
        QTest::keyClick(w, Qt::Key_2);
        const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Control, Qt::Key_Left, Qt::Key_Alt, Qt::Key_Right};
        for (int i = 0; i < 2000 && desk.host.unit().state().mode != kGameOver; ++i) {
            desk.host.unit().advance(131 + i % 7 * 11);
            QTest::keyPress(w, keys[i % 5]);
            desk.host.unit().advance(30);
            QTest::keyRelease(w, keys[i % 5]);
        }
        desk.host.unit().advance(2000);  // past game over, nothing pressed
        end = desk.host.unit().timers().now();
    }
    test::Desk desk{false};
    Millis begin = 0, end = 0;
    std::vector<Heard> heard;
    int score = -1;
};

TEST(ReplaysInTheProgram, AGameAndItsReplayReachTheSameEnd) {
    test::TempDir dir;
    PlayedGame game(dir);
    ASSERT_EQ(game.desk.host.unit().state().mode, kGameOver);
    const std::string file = game.desk.w->replays().last_kept();
    ASSERT_FALSE(file.empty());
    auto replay = host::read_replay_file(file);
    ASSERT_TRUE(replay.ok()) << replay.message();
    EXPECT_EQ(replay->score, game.score);
    EXPECT_GT(game.score, 0);
    EXPECT_GT(game.heard.size(), 20u);
    EXPECT_TRUE(host::verify(*replay).ok());

    SilentSink silent;
    auto run = host::ReplayRun::start(*replay, silent);
    ASSERT_TRUE(run.ok());
    std::vector<Heard> heard;
    const Millis begin = (*run)->host().unit().timers().now();
    (*run)->host().on_event([&](const UnitEvent& e) {
        if (e.kind == EventKind::SoundPlayed) heard.push_back({e.sample, e.at - begin});
    });
    (*run)->advance(game.end - game.begin);
    EXPECT_EQ(heard, game.heard);
    EXPECT_EQ(lit_segments((*run)->host().unit().display()), lit_segments(game.desk.host.unit().display()));
    EXPECT_EQ((*run)->host().unit().state().score, game.desk.host.unit().state().score);
}

TEST(ReplaysInTheProgram, WatchedInTheUnitTheKeysOnlyStopPauseAndSpeedIt) {
    test::TempDir dir;
    PlayedGame game(dir);
    test::Desk& desk = game.desk;
    ReplayKeeper& replays = desk.w->replays();
    desk.host.unit().advance(60000);
    QTest::keyClick(desk.w.get(), Qt::Key_3);  // the watch again, running on
    const int mode = desk.host.unit().state().mode;
    const std::vector<std::string> live = lit_segments(desk.host.unit().display());
    ASSERT_TRUE(replays.watch(replays.last_kept()).ok());
    EXPECT_TRUE(desk.w->render_frame() != QImage());
    QWidget* w = desk.w.get();
    for (Qt::Key key : {Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_Left, Qt::Key_F5, Qt::Key_F9}) QTest::keyClick(w, key);
    EXPECT_EQ(desk.host.unit().state().mode, mode);  // the player's unit heard nothing
    EXPECT_EQ(lit_segments(desk.host.unit().display()), live);
    EXPECT_TRUE(replays.banner().startsWith("REPLAY 1x"));
    const auto shown = [&] { return lit_segments(replays.shown_unit().display()); };
    replays.advance(1000);
    QTest::keyClick(w, Qt::Key_F6);  // pause
    const std::vector<std::string> paused = shown();
    replays.advance(5000);
    EXPECT_EQ(shown(), paused);
    EXPECT_TRUE(replays.banner().startsWith("REPLAY paused"));
    QTest::keyClick(w, Qt::Key_Period);  // a step on: the face changes
    EXPECT_NE(shown(), paused);
    QTest::keyClick(w, Qt::Key_F6);
    QTest::keyClick(w, Qt::Key_BracketRight);
    QTest::keyClick(w, Qt::Key_BracketRight);
    EXPECT_EQ(replays.speed(), 4);
    // At its end the replay stops by itself, a moment after game over.
    replays.advance((game.end - game.begin) / 4 + 1000);
    EXPECT_FALSE(replays.watching());
    EXPECT_EQ(shown(), live);
    // Each step shows the next change, however long the game waits for it
    // (the count-down's first 4.9 s).
    ASSERT_TRUE(replays.watch(replays.last_kept()).ok());
    QTest::keyClick(w, Qt::Key_F6);
    for (int i = 0; i < 7; ++i) {
        const std::vector<std::string> before = shown();
        QTest::keyClick(w, Qt::Key_Period);
        EXPECT_NE(shown(), before) << "step " << i;
    }
    // Backspace stops it, and the player's keys reach the unit again.
    QTest::keyClick(w, Qt::Key_Backspace);
    EXPECT_FALSE(replays.watching());
    QTest::keyClick(w, Qt::Key_1);
    EXPECT_EQ(desk.host.unit().state().mode, kGameA);
}

TEST(ReplaysInTheProgram, TheWindowListsProvesAndPlaysThemAfterARestartWithAnotherSkin) {
    test::TempDir dir;
    std::string file;
    int score = 0;
    {
        PlayedGame game(dir);
        file = game.desk.w->replays().last_kept();
        score = game.score;
    }
    // The program started anew, with a skin of the player's own.
    std::ifstream shipped(kDir + "/Config.ini");
    std::stringstream text;
    text << shipped.rdbuf();
    std::string config = text.str();
    config.replace(config.find("Filename=background.png"), 23, "Filename=screen_top.png");
    const std::string own = dir.write("own/Config.ini", config);
    test::Desk desk(DataPaths{kDir, own, {}, false, false}, false);
    desk.w->power_on();
    desk.w->replays().set_folder(dir.file("replays"));
    ReplaysWindow window(desk.w->replays(), [&] { return std::pair(own, kDir); }, {}, clips::export_clip);
    window.present();
    ASSERT_EQ(window.list(1)->topLevelItemCount(), 1);  // game B's table
    EXPECT_EQ(window.list(0)->topLevelItemCount(), 0);
    ASSERT_EQ(window.list(2)->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = window.list(1)->topLevelItem(0);
    EXPECT_EQ(row->text(1), QString::number(score));
    EXPECT_EQ(row->text(4), "proved by its replay");
    window.tabs()->setCurrentIndex(1);
    window.play_chosen();
    EXPECT_TRUE(desk.w->replays().watching());
    desk.w->replays().advance(10 * 60 * 1000);
    EXPECT_FALSE(desk.w->replays().watching());

    // A clip exported from it, and one cancelled: nothing is left of that.
    auto replay = host::read_replay_file(file);
    ASSERT_TRUE(replay.ok());
    clips::ExportRequest request;
    request.format = clips::Format::Gif;
    request.fps = 5;
    request.lcd_only = true;
    request.config = own;
    request.data_dir = kDir;
    request.out = dir.file("clip.gif");
    ASSERT_TRUE(window.export_with_progress(*replay, request).ok());
    EXPECT_GT(QImageReader(QString::fromStdString(request.out)).imageCount(), 10);
    request.out = dir.file("cancelled.gif");
    QTimer::singleShot(0, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = qobject_cast<QProgressDialog*>(w)) p->cancel();
    });
    EXPECT_FALSE(window.export_with_progress(*replay, request).ok());
    EXPECT_TRUE(window.cancelled());
    EXPECT_FALSE(std::filesystem::exists(request.out));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 3);  // replays, own, clip.gif
}

// A pseudo-language for the layout: every letter of the program's texts
// accented and each text 40 % longer, Qt's own left as they are.
class Pseudo : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (QByteArray(context).startsWith('Q')) return {};
        const QString english = QString::fromUtf8(source);
        QString out;
        for (const QChar c : english) {
            const int i = QString("aeiouAEIOU").indexOf(c);
            out += i < 0 ? c : QString::fromUtf8("\u00e4\u00e9\u00ee\u00f5\u00fc\u00c4\u00c9\u00ce\u00d5\u00dc")[i];
        }
        return out + QString(english.size() * 2 / 5, QChar(0x0162));
    }
};

// Every widget with words shows them whole, as wide as it asks to be; how
// many were looked at.
int expect_whole(const QWidget& window) {
    int seen = 0;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || !(qobject_cast<const QLabel*>(w) || qobject_cast<const QPushButton*>(w) ||
                                 qobject_cast<const QComboBox*>(w)))
            continue;
        EXPECT_GE(w->width(), w->sizeHint().width()) << window.windowTitle().toStdString() << ": " << w->objectName().toStdString();
        ++seen;
    }
    return seen;
}

TEST(ReplaysInTheProgram, ThePseudoLanguageFitsTheWindowsThatSizeThemselves) {
    Pseudo pseudo;
    QCoreApplication::installTranslator(&pseudo);
    test::Desk desk(DataPaths{kDir, kDir + "/Config.ini", {}, false, false}, false);
    desk.w->power_on();
    test::TempDir dir;
    desk.w->replays().set_folder(dir.file("replays"));
    ReplaysWindow window(desk.w->replays(), [&] { return std::pair(kDir + "/Config.ini", kDir); }, {}, clips::export_clip);
    window.present();
    EXPECT_TRUE(window.windowTitle().endsWith(QChar(0x0162)));
    EXPECT_GE(expect_whole(window), 5);
    const QTabBar* tabs = window.tabs()->tabBar();
    EXPECT_GE(tabs->width(), tabs->sizeHint().width()) << "no tab cut short";
    ExportDialog dialog;
    dialog.show();
    QApplication::processEvents();
    EXPECT_GE(expect_whole(dialog), 11);  // five labels, four lists, two buttons
    QCoreApplication::removeTranslator(&pseudo);
}

TEST(ReplaysInTheProgram, AScreenshotIsWhatTheWindowShows) {
    test::TempDir dir;
    qputenv("XDG_PICTURES_DIR", QByteArray::fromStdString(dir.file("Pictures")));
    test::Desk desk(false);
    desk.w->power_on();
    desk.w->show();
    QTest::keyClick(desk.w.get(), Qt::Key_F8);
    const std::string folder = dir.file("Pictures/Ignivar");
    std::vector<std::filesystem::path> saved;
    for (const auto& e : std::filesystem::directory_iterator(folder)) saved.push_back(e.path());
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].extension(), ".png");
    const QImage shot(QString::fromStdString(saved[0].string()));
    EXPECT_EQ(shot.size(), desk.w->size() * desk.w->devicePixelRatio());
    EXPECT_TRUE(desk.w->keeper().banner().startsWith("Saved "));
    qunsetenv("XDG_PICTURES_DIR");
}

}  // namespace
}  // namespace ignivar::app
