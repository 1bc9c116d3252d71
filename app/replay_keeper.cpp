// Replays kept, watched in the unit, and screenshots.
#include "app/replay_keeper.h"

#include <QBuffer>
#include <QDateTime>
#include <cstdio>

#include "files/write.h"
#include "files/xdg.h"
#include "ui/language.h"

namespace ignivar::app {

ReplayKeeper::ReplayKeeper(host::Host& host, QObject* parent) : QObject(parent), host_(host), recorder_(host) {
    recorder_.on_finished([this](const host::Replay& r) {
        auto kept = host::keep_replay(r, folder_);
        if (!kept) {
            std::fprintf(stderr, "ignivar: %s\n", kept.message().c_str());
            return;
        }
        last_kept_ = *kept;
        emit finished_game(QString::fromStdString(*kept));
    });
    timer_.setInterval(16);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const qint64 now = clock_.elapsed();
        advance(now - std::exchange(last_ms_, now));
    });
}

Status ReplayKeeper::watch(const std::string& file) {
    auto replay = host::read_replay_file(file);
    if (!replay) return replay.error();
    auto run = host::ReplayRun::start(*replay, host_.sound());
    if (!run) return failure_at(file, run.error().words());
    stop();
    watched_ = std::move(replay).value();
    run_ = std::move(run).value();
    // A game of the player's own waits, paused, while the replay plays;
    // the player's buttons do nothing to either.
    live_was_paused_ = host_.paused();
    host_.sound().stop_all();
    if (host_.game_on()) host_.set_paused(true);
    host_.hold_inputs(true);
    paused_ = false;
    speed_ = 1;
    shown_changes_ = ~0ull;
    clock_.start();
    last_ms_ = 0;
    timer_.start();
    emit started();
    emit changed();
    return {};
}

void ReplayKeeper::stop() {
    if (!run_) return;
    timer_.stop();
    run_.reset();
    host_.sound().stop_all();
    host_.hold_inputs(false);
    if (host_.game_on()) host_.set_paused(live_was_paused_);
    host_.mark_unshown();
    emit changed();
}

void ReplayKeeper::advance(Millis ms) {
    if (!run_ || paused_ || ms <= 0) return;
    run_->advance(ms * speed_);
    if (run_->over() && run_->elapsed() >= run_->final_length() + 3000) {
        stop();  // the end of the game, seen a moment longer
        return;
    }
    if (run_->host().unit().display().changes() != shown_changes_) {
        shown_changes_ = run_->host().unit().display().changes();
        emit face_changed();
    }
}

void ReplayKeeper::toggle_pause() {
    if (!run_) return;
    paused_ = !paused_;
    if (paused_) host_.sound().stop_all();
    emit changed();
}

void ReplayKeeper::set_speed(int speed) {
    speed_ = speed <= 1 ? 1 : (speed <= 2 ? 2 : 4);
    emit changed();
}

void ReplayKeeper::step() {
    if (!run_) return;
    paused_ = true;
    // Up to the next change of the face, however long the game waits for
    // it (the count-down, the 30 s of game over), or to the replay's end.
    const std::uint64_t before = run_->host().unit().display().changes();
    const Millis end = run_->final_length() + 3000;
    while (run_->host().unit().display().changes() == before && !(run_->over() && run_->elapsed() >= end))
        run_->advance(1);
    emit changed();
}

const Unit& ReplayKeeper::shown_unit() const { return run_ ? run_->host().unit() : host_.unit(); }

const host::Host& ReplayKeeper::shown_host() const { return run_ ? run_->host() : host_; }

QString ReplayKeeper::banner() const {
    if (!run_) return {};
    const QString state = paused_ ? ui::tr_text("Unit", "paused") : QString("%1x").arg(speed_);
    return ui::tr_text("Unit", "REPLAY %1 \u00b7 game %2 \u00b7 %3 points")
        .arg(state, QChar(watched_.game))
        .arg(watched_.score);
}

Result<std::string> ReplayKeeper::save_screenshot(const QImage& picture) {
    const std::string folder = files::pictures_dir() + "/Ignivar";
    const std::string stem =
        folder + "/ignivar-" + QDateTime::currentDateTime().toString("yyyy-MM-dd-hhmmss").toStdString();
    std::string path = stem + ".png";
    for (int n = 2; QFileInfo::exists(QString::fromStdString(path)); ++n) path = stem + "-" + std::to_string(n) + ".png";
    if (Status made = files::make_folder(folder); !made) return made.error();
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG")) return failure(said("Messages", "the picture could not be made"));
    if (Status s = files::write_atomically(path, std::vector<std::uint8_t>(png.begin(), png.end())); !s)
        return s.error();
    return path;
}

}  // namespace ignivar::app
