// Every game the program plays, kept as a replay when it ends; replays
// watched in the unit itself (1x, 2x, 4x, paused or step by step, with a
// sign that it is a replay); and screenshots of what the window shows.
#pragma once

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>

#include "host/replay.h"
#include "host/replay_store.h"

namespace ignivar::app {

class ReplayKeeper : public QObject {
    Q_OBJECT
public:
    // A watched replay plays its samples where the host plays its own.
    explicit ReplayKeeper(host::Host& host, QObject* parent = nullptr);

    // Where replays are kept (tests give their own).
    void set_folder(std::string folder) { folder_ = std::move(folder); }
    const std::string& folder() const { return folder_; }
    // The file the last finished game was kept in.
    const std::string& last_kept() const { return last_kept_; }
    host::Recorder& recorder() { return recorder_; }

    // Watching.
    Status watch(const std::string& file);
    void stop();
    bool watching() const { return run_ != nullptr; }
    void toggle_pause();
    bool paused() const { return paused_; }
    void set_speed(int speed);  // 1, 2 or 4
    int speed() const { return speed_; }
    // Runs on to the next change of the face (and pauses).
    void step();
    // Lets `ms` of the world pass: the replay runs on at its speed unless
    // paused, and ends a moment after its game over.
    void advance(Millis ms);
    // The unit the window shows: the replay's while one plays.
    const Unit& shown_unit() const;
    // The host of the unit shown: the replay's while one plays, else the player's.
    const host::Host& shown_host() const;
    QString banner() const;

    // Saves `picture` under the pictures folder in Ignivar/; the path, or why not.
    static Result<std::string> save_screenshot(const QImage& picture);

signals:
    void changed();          // the shown face or the banner changed
    void face_changed();     // only the shown face changed, as the replay plays on
    void started();          // a replay began to play
    void finished_game(const QString& file);  // a game was kept as a replay

private:
    host::Host& host_;
    host::Recorder recorder_;
    std::string folder_ = host::replay_folder();
    std::string last_kept_;
    host::Replay watched_;
    std::unique_ptr<host::ReplayRun> run_;
    std::uint64_t shown_changes_ = 0;
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 last_ms_ = 0;
    int speed_ = 1;
    bool paused_ = false;
    bool live_was_paused_ = false;
};

}  // namespace ignivar::app
