// Pause, rewind, quick save and load, and a game kept over a closed program.
#include "app/game_keeper.h"

#include <QFileInfo>
#include <filesystem>

#include "app/actions.h"
#include "files/write.h"
#include "host/state_file.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {

GameKeeper::GameKeeper(host::Host& host, QWidget& window) : QObject(&window), host_(host), window_(window) {
    rewind_timer_.setInterval(kRewindStepMs);
    connect(&rewind_timer_, &QTimer::timeout, this, [this] { rewind_step(); });
    note_timer_.setSingleShot(true);
    connect(&note_timer_, &QTimer::timeout, this, [this] {
        note_.clear();
        emit banner_changed();
    });
    host_.on_wake([this](std::optional<Millis>) { rewind_.note(host_); });
    // What saves killed half way left behind.
    files::remove_stale_temporaries_of(host::state_folder(), ".state");
}

void GameKeeper::toggle_pause() {
    if (rewinding()) return;
    if (!host_.paused() && !host_.game_on()) {
        note(ui::tr_text("Unit", "No game to pause: a watch shows the time"));
        return;
    }
    set_paused(!host_.paused());
}

void GameKeeper::set_paused(bool paused) {
    if (paused && !host_.paused()) emit letting_go();
    host_.set_paused(paused);
    if (!paused) host_.let_go_of_shown_buttons();
    emit banner_changed();
}

void GameKeeper::focus_lost() {
    if (host_.store().read_flag(Setting::PauseOnFocusLoss, false) && host_.game_on() && !host_.paused() && !rewinding()) set_paused(true);
}

void GameKeeper::quick_save() {
    const char game = host::slot_game(host_.unit());
    if (!game) {
        note(ui::tr_text("Unit", "No game to save"));
        return;
    }
    if (Status s = host::write_state_file(host::quick_slot(game), host_.save_state()); !s) {
        ui::tell(&window_, ui::Tone::Warning, ui::in_language(s.error()));
        return;
    }
    last_slot_ = game;
    note(ui::tr_text("Unit", "Game %1 saved").arg(QChar(game).toUpper()));
}

void GameKeeper::quick_load() {
    char game = host::slot_game(host_.unit());
    if (!game) {
        // Between games: the slot saved last.
        game = last_slot_;
        if (!game) {
            const QFileInfo a(QString::fromStdString(host::quick_slot('a')));
            const QFileInfo b(QString::fromStdString(host::quick_slot('b')));
            if (a.exists() || b.exists()) game = !b.exists() || (a.exists() && a.lastModified() >= b.lastModified()) ? 'a' : 'b';
        }
    }
    const std::string slot = game ? host::quick_slot(game) : std::string();
    if (slot.empty() || !QFileInfo::exists(QString::fromStdString(slot))) {
        note(ui::tr_text("Unit", "No game saved yet"));
        return;
    }
    auto bytes = host::read_state_file(slot);
    if (Status loaded = bytes ? host_.load_state(*bytes) : Status(bytes.error()); !loaded) {
        ui::tell(&window_, ui::Tone::Warning, ui::in_language(loaded.error()));
        return;
    }
    rewind_.clear();
    emit moment_replaced();
    if (!host_.paused()) host_.let_go_of_shown_buttons();
    last_slot_ = game;
    note(ui::tr_text("Unit", "Game %1 loaded").arg(QChar(game).toUpper()));
}

bool GameKeeper::rewind_step() {
    if (!rewinding()) return false;
    if (rewind_.step_back(host_)) return true;
    // As far back as the history goes: the game plays on from there, and
    // the player is told why, whether or not the key is still held.
    stop_rewind();
    note(ui::tr_text("Unit", "Rewound as far as it goes"));
    return false;
}

void GameKeeper::start_rewind() {
    if (rewinding() || !host_.game_on()) return;
    paused_before_rewind_ = host_.paused();
    emit letting_go();
    host_.set_paused(true);
    rewind_timer_.start();
    emit banner_changed();
}

void GameKeeper::stop_rewind() {
    if (!rewinding()) return;
    rewind_timer_.stop();
    emit went_back();
    set_paused(paused_before_rewind_);  // plays on from the moment reached
}

void GameKeeper::resume_kept_game() {
    if (!host_.store().read_flag(Setting::ResumeGame, false)) return;
    const std::string file = host::resume_file();
    if (!QFileInfo::exists(QString::fromStdString(file))) return;
    auto bytes = host::read_state_file(file);
    if (Status loaded = bytes ? host_.load_state(*bytes, true) : Status(bytes.error()); !loaded) {
        resume_refused_ = true;
        ui::tell_soon(&window_, ui::Tone::Warning,
                      ui::tr_text("Messages", "The game kept from the last run cannot be resumed:\n%1\nThe file is left as it is.")
                          .arg(ui::in_language(loaded.error())));
        return;
    }
    std::error_code ec;
    std::filesystem::remove(file, ec);  // taken back: the next end keeps the game anew
    emit moment_replaced();
    set_paused(true);
}

void GameKeeper::keep_game_for_next_start() {
    if (!host_.store().read_flag(Setting::ResumeGame, false)) return;
    if (resume_refused_) {
        std::fprintf(stderr, "ignivar: the game is not kept: %s is in the way and is left as it is\n",
                     host::resume_file().c_str());
        return;
    }
    const std::string file = host::resume_file();
    if (rewinding()) stop_rewind();
    host_.sync();
    if (!host_.game_on()) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) std::filesystem::remove(file, ec);
        return;
    }
    if (Status s = host::write_state_file(file, host_.save_state()); !s)
        std::fprintf(stderr, "ignivar: %s\n", s.message().c_str());
}

void GameKeeper::note(const QString& text, int ms) {
    note_ = text;
    note_timer_.start(ms);
    emit banner_changed();
}

QString GameKeeper::banner() const {
    if (rewinding()) return ui::tr_text("Unit", "REWIND");
    if (!note_.isEmpty()) return note_;
    if (host_.paused()) return ui::tr_text("Unit", "PAUSED \u00b7 %1 plays on").arg(key_text(action("pm_pause").keys[0]));
    return {};
}

}  // namespace ignivar::app
