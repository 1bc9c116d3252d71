// Recording the games a host plays, and running a replay again.
#include <ctime>

#include "host/replay.h"

namespace ignivar::host {
namespace {

std::string utc_now() {
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    gmtime_r(&t, &tm);
    char buf[32];
    std::strftime(buf, sizeof buf, "%Y-%m-%dT%H:%M:%SZ", &tm);
    return buf;
}

}  // namespace

Recorder::Recorder(Host& host) : now_text(utc_now), host_(host) {
    host_.on_event([this](const UnitEvent& e) { event(e); });
    host_.on_input([this](input::Button b, bool pressed, Millis at) {
        const int mode = host_.unit().state().mode;
        const bool game_begins = !pressed && ((b == input::Button::GameA && mode == kGameAReady) ||
                                              (b == input::Button::GameB && mode == kGameBReady));
        if (game_begins && enabled_) {
            // Before the release reaches the unit: the moment the game starts from.
            replay_ = Replay{};
            replay_->game = b == input::Button::GameA ? 'A' : 'B';
            replay_->date = now_text ? now_text() : std::string();
            replay_->start = host_.save_state();
            started_ = at;
        }
        if (replay_) replay_->steps.push_back({pressed ? Replay::Step::Kind::Press : Replay::Step::Kind::Release, at - started_, b, 0});
    });
    host_.on_slip([this](Millis from, Millis to) {
        if (replay_) replay_->steps.push_back({Replay::Step::Kind::Slip, from - started_, input::Button::GameA, to - started_});
    });
}

void Recorder::event(const UnitEvent& e) {
    if (!replay_ || e.kind != EventKind::GameOver) return;
    replay_->ended = true;
    replay_->score = e.score;
    replay_->length = e.at - started_;
    Replay done = std::move(*replay_);
    replay_.reset();
    if (finished_) finished_(done);
}

void Recorder::continue_from_here() {
    replay_.reset();
    const int mode = host_.unit().state().mode;
    // A ready moment is recorded as ever, from its game button's release.
    if (!enabled_ || (mode != kGameA && mode != kGameB)) return;
    replay_ = Replay{};
    replay_->game = mode == kGameA ? 'A' : 'B';
    replay_->date = now_text ? now_text() : std::string();
    replay_->start = host_.save_state();
    replay_->continued = true;
    started_ = host_.unit().timers().now();
}

void Recorder::went_back() {
    if (!replay_) return;
    const Millis now = host_.unit().timers().now();
    const int mode = host_.unit().state().mode;
    if (now < started_ || (mode != kGameA && mode != kGameB)) {
        replay_.reset();  // back before this game began, or out of it: nothing to keep
        return;
    }
    std::erase_if(replay_->steps, [&](const Replay::Step& s) { return s.at > now - started_; });
    replay_->rewound = true;
}

ReplayRun::ReplayRun(const Replay& replay, SoundSink& sound) : replay_(replay) {
    host_ = std::make_unique<Host>(store_, sound, time_, 0);
    host_->create();
    host_->on_event([this](const UnitEvent& e) {
        if (e.kind != EventKind::GameOver || over_) return;
        over_ = true;
        score_ = e.score;
        length_ = e.at - begin_;
    });
}

Result<std::unique_ptr<ReplayRun>> ReplayRun::start(const Replay& replay, SoundSink& sound) {
    if (Status s = check_start(replay); !s) return s.error();
    std::unique_ptr<ReplayRun> run(new ReplayRun(replay, sound));
    if (Status s = run->host_->load_state(replay.start); !s) return s.error();
    run->begin_ = run->host_->unit().timers().now();
    return run;
}

void ReplayRun::advance(Millis ms) {
    const Millis target = host_->unit().timers().now() + ms;
    while (next_ < replay_.steps.size() && begin_ + replay_.steps[next_].at <= target) {
        const Replay::Step& s = replay_.steps[next_++];
        if (s.kind == Replay::Step::Kind::Slip) {
            host_->slip(begin_ + s.at, begin_ + s.to);
            continue;
        }
        time_.set(std::max(time_.now(), begin_ + s.at));
        host_->sync();
        if (s.kind == Replay::Step::Kind::Press) host_->press(s.button);
        else host_->release(s.button);
    }
    time_.set(std::max(time_.now(), target));
    host_->sync();
}

void ReplayRun::to_the_end() {
    // Past the recorded length a game may not go on for ever: a minute more.
    const Millis limit = std::max<Millis>(replay_.length, replay_.steps.empty() ? 0 : replay_.steps.back().at) + 60'000;
    while (!over_ && elapsed() < limit) advance(1000);
}

Status verify(const Replay& replay) {
    if (!replay.ended) return failure(said("Replay", "the recorded game did not end"));
    SilentSink silent;
    auto run = ReplayRun::start(replay, silent);
    if (!run) return run.error();
    (*run)->to_the_end();
    if (!(*run)->over()) return failure(said("Replay", "the replay's game does not end"));
    if ((*run)->final_score() != replay.score)
        return failure(said("Replay", "the replay ends with %1 points, not the %2 it records")
                           .with(std::to_string((*run)->final_score()))
                           .with(std::to_string(replay.score)));
    if ((*run)->final_length() != replay.length)
        return failure(said("Replay", "the replay's game lasts %1 ms, not the %2 it records")
                           .with(std::to_string((*run)->final_length()))
                           .with(std::to_string(replay.length)));
    return {};
}

}  // namespace ignivar::host
