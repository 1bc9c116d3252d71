// The replays window and the clip export dialog.
#include "app/replays_window.h"

#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <thread>

#include "app/replay_keeper.h"
#include "files/xdg.h"
#include "ui/kit.h"
#include "ui/language.h"

namespace ignivar::app {
namespace {

enum Column { Rank, Score, Played, Length, Proof, kColumns };

QString played_text(const std::string& date) {
    const QDateTime t = QDateTime::fromString(QString::fromStdString(date), Qt::ISODate);
    // In the language's own short form.
    return t.isValid() ? QLocale().toString(t.toLocalTime(), QLocale::ShortFormat) : ui::tr_text("Replays", "unknown");
}

QString length_text(Millis ms) {
    const long long s = ms / 1000;
    return QString("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QChar('0'));
}

QString proof_text(const host::KeptReplay& r) {
    if (!r.readable) return ui::tr_text("Replays", "not a replay: %1").arg(ui::in_language(r.problem));
    if (!r.ended) return ui::tr_text("Replays", "unfinished");
    if (!r.verified) return ui::tr_text("Replays", "not proved: %1").arg(ui::in_language(r.problem));
    if (r.continued) return ui::tr_text("Replays", "continued from a saved game: it proves no score");
    return r.rewound ? ui::tr_text("Replays", "proved by its replay (rewound while played)") : ui::tr_text("Replays", "proved by its replay");
}

const char* const kFormats[] = {QT_TRANSLATE_NOOP("Replays", "MP4 (H.264, with sound)"),
                                QT_TRANSLATE_NOOP("Replays", "WebM (VP9, with sound)"), QT_TRANSLATE_NOOP("Replays", "GIF"),
                                QT_TRANSLATE_NOOP("Replays", "Animated WebP")};
constexpr clips::Format kFormatValues[] = {clips::Format::Mp4, clips::Format::Webm, clips::Format::Gif,
                                           clips::Format::Webp};

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(ui::tr_text("Replays", "Export a clip"));
    auto* form = new QFormLayout;
    format_ = new QComboBox;
    for (const char* f : kFormats) format_->addItem(ui::tr_text("Replays", f));
    zoom_ = new QSpinBox;
    zoom_->setRange(1, 4);
    zoom_->setSuffix("x");
    zoom_->setValue(2);
    fps_ = new QComboBox;
    for (int f : {60, 30, 25, 15}) fps_->addItem(ui::tr_text("Replays", "%1 frames a second").arg(f), f);
    view_ = new QComboBox;
    view_->addItem(ui::tr_text("Replays", "The whole unit"));
    view_->addItem(ui::tr_text("Replays", "The LCD alone"));
    look_ = new QComboBox;
    look_->addItem(ui::tr_text("Replays", "Exact"));
    look_->addItem(ui::tr_text("Replays", "Real: segments fade and cast shadows"));
    form->addRow(ui::tr_text("Replays", "Format:"), format_);
    form->addRow(ui::tr_text("Replays", "Zoom:"), zoom_);
    form->addRow(ui::tr_text("Replays", "Frame rate:"), fps_);
    form->addRow(ui::tr_text("Replays", "Show:"), view_);
    form->addRow(ui::tr_text("Replays", "Look:"), look_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(ui::tr_text("Replays", "Export..."));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

clips::ExportRequest ExportDialog::request() const {
    clips::ExportRequest r;
    r.format = kFormatValues[std::clamp(format_->currentIndex(), 0, 3)];
    r.zoom = zoom_->value();
    r.fps = fps_->currentData().toInt();
    r.lcd_only = view_->currentIndex() == 1;
    r.look.real = look_->currentIndex() == 1;
    return r;
}

ReplaysWindow::ReplaysWindow(ReplayKeeper& keeper, SkinInUse skin, std::function<void()> play, Exporter exporter,
                             QWidget* parent)
    : QWidget(parent, Qt::Dialog),
      keeper_(keeper),
      skin_(std::move(skin)),
      play_(std::move(play)),
      exporter_(std::move(exporter)) {
    setWindowTitle(ui::tr_text("Replays", "Replays and high scores"));
    tabs_ = new QTabWidget;
    const QString titles[] = {ui::tr_text("Replays", "Game A"), ui::tr_text("Replays", "Game B"), ui::tr_text("Replays", "Recent games")};
    for (int i = 0; i < 3; ++i) {
        auto* list = new QTreeWidget;
        list->setColumnCount(kColumns);
        list->setHeaderLabels({i < 2 ? QString("#") : ui::tr_text("Replays", "Game"), ui::tr_text("Replays", "Score"), ui::tr_text("Replays", "Played"), ui::tr_text("Replays", "Length"), ui::tr_text("Replays", "Replay")});
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setAlternatingRowColors(true);
        list->header()->setStretchLastSection(true);
        connect(list, &QTreeWidget::itemDoubleClicked, this, [this] { play_chosen(); });
        connect(list, &QTreeWidget::currentItemChanged, this, [this] { update_buttons(); });
        lists_[i] = list;
        tabs_->addTab(list, titles[i]);
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { update_buttons(); });
    folder_label_ = new QLabel;
    folder_label_->setTextFormat(Qt::PlainText);
    folder_label_->setWordWrap(true);
    play_button_ = new QPushButton(ui::tr_text("Replays", "Play"));
    export_button_ = new QPushButton(ui::tr_text("Replays", "Export a clip..."));
    auto* open_folder = new QPushButton(ui::tr_text("Replays", "Open the folder"));
    auto* close = new QPushButton(ui::tr_text("Replays", "Close"));
    connect(play_button_, &QPushButton::clicked, this, [this] { play_chosen(); });
    connect(export_button_, &QPushButton::clicked, this, [this] { export_chosen(); });
    connect(open_folder, &QPushButton::clicked, this, [this] {
        QDir().mkpath(QString::fromStdString(keeper_.folder()));
        QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(keeper_.folder())));
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes it, as it closes a dialog, and the keys go back to the unit.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] {
        this->close();
        if (QWidget* unit = parentWidget()) unit->activateWindow();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(play_button_);
    buttons->addWidget(export_button_);
    buttons->addStretch();
    buttons->addWidget(open_folder);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(folder_label_);
    layout->addLayout(buttons);
    resize(620, 420);
    connect(&keeper_, &ReplayKeeper::finished_game, this, [this] {
        if (isVisible()) refresh();
    });
}

ReplaysWindow::~ReplaysWindow() = default;

void ReplaysWindow::present() {
    refresh();
    if (!shown_before_) {
        // First shown: over the unit, on the list that has games in it.
        shown_before_ = true;
        for (int i = 0; i < 3; ++i)
            if (lists_[i]->topLevelItemCount() > 0) {
                tabs_->setCurrentIndex(i);
                break;
            }
        ui::centre(*this);
    }
    show();
    raise();
    activateWindow();
}

void ReplaysWindow::refresh() {
    all_ = host::list_replays(keeper_.folder());
    fill(lists_[0], host::high_scores(all_, 'A'), true);
    fill(lists_[1], host::high_scores(all_, 'B'), true);
    std::vector<host::KeptReplay> recent(all_.begin(), all_.begin() + std::min(all_.size(), host::kRecentReplays));
    fill(lists_[2], recent, false);
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(keeper_.folder()));
    folder_label_->setText(
        all_.empty() ? ui::tr_text("Replays", "No games yet: every game played is kept here as a replay when it ends, in\n%1").arg(folder)
                     : ui::tr_text("Replays", "Kept in %1").arg(folder));
    update_buttons();
}

void ReplaysWindow::fill(QTreeWidget* list, const std::vector<host::KeptReplay>& rows, bool ranked) {
    list->clear();
    int rank = 0;
    for (const host::KeptReplay& r : rows) {
        auto* item = new QTreeWidgetItem(list);
        item->setText(Rank, ranked ? QString::number(++rank) : QString(QChar(r.readable ? r.game : '?')));
        item->setText(Score, r.readable ? QString::number(r.score) : QString());
        item->setText(Played, r.readable ? played_text(r.date) : QString());
        item->setText(Length, r.readable ? length_text(r.length) : QString());
        item->setText(Proof, proof_text(r));
        item->setData(Rank, Qt::UserRole, QString::fromStdString(r.file));
        item->setToolTip(Proof, ui::plain_tip(QString::fromStdString(r.file)));
        item->setTextAlignment(Score, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 0; c < kColumns - 1; ++c) list->resizeColumnToContents(c);
    if (list->topLevelItemCount() > 0) list->setCurrentItem(list->topLevelItem(0));
}

const host::KeptReplay* ReplaysWindow::chosen() const {
    const QTreeWidgetItem* item = lists_[std::clamp(tabs_->currentIndex(), 0, 2)]->currentItem();
    if (!item) return nullptr;
    const std::string file = item->data(Rank, Qt::UserRole).toString().toStdString();
    for (const host::KeptReplay& r : all_)
        if (r.file == file) return &r;
    return nullptr;
}

void ReplaysWindow::update_buttons() {
    const host::KeptReplay* r = chosen();
    play_button_->setEnabled(r && r->readable);
    export_button_->setEnabled(r && r->readable);
}

void ReplaysWindow::play_chosen() {
    const host::KeptReplay* r = chosen();
    if (!r || !r->readable) return;
    if (Status s = keeper_.watch(r->file); !s) {
        ui::tell(this, ui::Tone::Warning, ui::tr_text("Messages", "The replay cannot be played:\n%1").arg(ui::in_language(s.error())));
        return;
    }
    close();  // the unit shows it
    if (play_) play_();
}

void ReplaysWindow::export_chosen() {
    const host::KeptReplay* r = chosen();
    if (!r || !r->readable) return;
    ExportDialog dialog(this);
    if (dialog.exec() != QDialog::Accepted) return;
    clips::ExportRequest request = dialog.request();
    const QString extension = clips::format_name(request.format);
    const QString folder = QString::fromStdString(files::pictures_dir() + "/Ignivar");
    QDir().mkpath(folder);
    const QString suggested = QString("%1/ignivar-game-%2-%3.%4").arg(folder, QChar(r->game)).arg(r->score).arg(extension);
    const QString out = QFileDialog::getSaveFileName(this, ui::tr_text("Replays", "Export a clip"), suggested,
                                                     ui::tr_text("Replays", "%1 clips (*.%2)").arg(extension.toUpper(), extension));
    if (out.isEmpty()) return;
    auto replay = host::read_replay_file(r->file);
    std::tie(request.config, request.data_dir) = skin_();
    request.out = out.toStdString();
    request.replay_file = r->file;
    const Status s = replay ? export_with_progress(*replay, request) : Status(replay.error());
    if (cancelled_) return;  // nothing was written, as the player asked
    if (!s) ui::tell(this, ui::Tone::Warning, ui::tr_text("Messages", "The clip could not be exported:\n%1").arg(ui::in_language(s.error())));
    else ui::tell(this, ui::Tone::Information, ui::tr_text("Messages", "The clip is saved as\n%1").arg(QDir::toNativeSeparators(out)));
}

Status ReplaysWindow::export_with_progress(const host::Replay& replay, const clips::ExportRequest& request) {
    QProgressDialog progress(ui::tr_text("Replays", "Exporting the clip..."), ui::tr_text("Replays", "Cancel"), 0, 1000, this);
    progress.setWindowTitle(ui::tr_text("Replays", "Export a clip"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setValue(0);
    std::atomic<int> done_per_mille{0};
    std::atomic<bool> cancel{false}, finished{false};
    Status result;
    // The clip is made on a thread of its own: the windows stay alive and
    // the player can cancel.
    std::thread worker([&] {
        result = exporter_(replay, request, [&](double f) {
            done_per_mille = static_cast<int>(f * 1000);
            return !cancel.load();
        });
        finished = true;
    });
    QEventLoop loop;
    QTimer poll;
    connect(&poll, &QTimer::timeout, &loop, [&] {
        if (progress.wasCanceled()) cancel = true;
        if (finished) loop.quit();
        else progress.setValue(std::min(999, done_per_mille.load()));
    });
    poll.start(30);
    loop.exec();
    worker.join();
    progress.close();
    cancelled_ = cancel && !result;
    return cancelled_ ? failure(said("Clips", "it was cancelled")) : result;
}

}  // namespace ignivar::app
