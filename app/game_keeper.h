// Keeping a game, beside the unit's own behaviour: pause (by key, menu or,
// as an option, when the window loses the keyboard), rewind while a key is
// held, a quick-save slot per game, and a game kept over a closed program.
// The action table's keys and menu items reach it; the window shows the
// banner this gives it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "host/host.h"
#include "host/rewind.h"

namespace ignivar::app {

class GameKeeper : public QObject {
    Q_OBJECT
public:
    static constexpr int kRewindStepMs = 33;  // a tenth of a second of play every 33 ms: three times as fast

    GameKeeper(host::Host& host, QWidget& window);

    void toggle_pause();
    void quick_save();
    void quick_load();
    void start_rewind();
    void stop_rewind();
    // One step back of a rewind (what its timer does); false once it has
    // ended, the history having run out.
    bool rewind_step();
    bool rewinding() const { return rewind_timer_.isActive(); }
    // The window lost the keyboard.
    void focus_lost();

    // At the end of the splash window's Play action: a game kept from the
    // last run comes back, paused.
    void resume_kept_game();
    // As the program ends by any means: keep a running game for the next
    // start (when the player asked for it), or forget an old one.
    void keep_game_for_next_start();

    // What the window shows over the unit's case (paused, rewinding, a
    // game saved), or nothing.
    QString banner() const;
    // Shows a short note in the banner for a moment (`ms`).
    void note(const QString& text, int ms = 1500);
    bool noting() const { return !note_.isEmpty(); }

    const host::Rewind& rewind() const { return rewind_; }

signals:
    void banner_changed();
    // Keys and buttons held now must be let go: the game pauses or rewinds.
    void letting_go();
    // The game went back to an earlier moment of its own (a rewind ended).
    void went_back();
    // The unit was put at a moment of another game (quick load, resume).
    void moment_replaced();

private:
    void set_paused(bool paused);

    host::Host& host_;
    QWidget& window_;
    host::Rewind rewind_;
    QTimer rewind_timer_;
    bool paused_before_rewind_ = false;
    // The kept game's file could not be taken (a newer program's, say): it
    // is left as it is, not deleted nor written over at the end.
    bool resume_refused_ = false;
    QString note_;
    QTimer note_timer_;
    char last_slot_ = 0;
};

}  // namespace ignivar::app
