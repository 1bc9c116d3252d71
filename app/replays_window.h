// "Replays and high scores": the ten best games of each game, every one
// proved by its replay, and the recent games; a replay played in the unit
// or exported as a clip (with a progress bar and a way to cancel).
#pragma once

#include <QDialog>
#include <QWidget>
#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "clips/exporter.h"
#include "host/replay_store.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTreeWidget;

namespace ignivar::app {

class ReplayKeeper;

// The clip's format, zoom, frame rate and view.
class ExportDialog : public QDialog {
    Q_OBJECT
public:
    explicit ExportDialog(QWidget* parent = nullptr);
    // The request as chosen (without the skin and the file).
    clips::ExportRequest request() const;

private:
    QComboBox* format_;
    QSpinBox* zoom_;
    QComboBox* fps_;
    QComboBox* view_;
    QComboBox* look_;
};

class ReplaysWindow : public QWidget {
    Q_OBJECT
public:
    // `skin` gives the Config.ini in use and the folder of the program's
    // files, for clips that look as the unit does; `play`: a replay began
    // to play in the unit (which comes forward).
    // `exporter` makes the clips (in the program, through the exporter's
    // module, loaded at the first clip).
    using SkinInUse = std::function<std::pair<std::string, std::string>()>;
    using Exporter = std::function<Status(const host::Replay&, const clips::ExportRequest&,
                                          const std::function<bool(double)>&)>;
    ReplaysWindow(ReplayKeeper& keeper, SkinInUse skin, std::function<void()> play, Exporter exporter,
                  QWidget* parent = nullptr);
    ~ReplaysWindow() override;

    // Reads the folder anew and shows the window, in front.
    void present();
    void refresh();

    // The lists: game A's table, game B's, the recent games.
    QTreeWidget* list(int index) const { return lists_[index]; }
    QTabWidget* tabs() const { return tabs_; }
    // The replay chosen in the list shown, if any.
    const host::KeptReplay* chosen() const;
    void play_chosen();
    void export_chosen();
    // Writes the clip of `replay` to `request.out` with a progress dialog;
    // what went wrong, or nothing.
    Status export_with_progress(const host::Replay& replay, const clips::ExportRequest& request);
    // The last export was cancelled by the player.
    bool cancelled() const { return cancelled_; }

private:
    void fill(QTreeWidget* list, const std::vector<host::KeptReplay>& rows, bool ranked);
    void update_buttons();

    ReplayKeeper& keeper_;
    SkinInUse skin_;
    std::function<void()> play_;
    Exporter exporter_;
    std::vector<host::KeptReplay> all_;
    QTabWidget* tabs_ = nullptr;
    QTreeWidget* lists_[3] = {};
    QLabel* folder_label_ = nullptr;
    QPushButton* play_button_ = nullptr;
    QPushButton* export_button_ = nullptr;
    bool cancelled_ = false;
    bool shown_before_ = false;
};

}  // namespace ignivar::app
