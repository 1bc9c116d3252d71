#include "input/keys_form.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "ui/key_preview.h"
#include "ui/kit.h"

namespace ignivar::input {
namespace {

using ui::pixel_font;

void colour(QWidget* w, QPalette::ColorRole role, const QColor& c) { ui::set_colour(w, role, c); }

// The two headings, then a list and its label per binding (left, top,
// width, height; lists are 120 wide).
struct Heading {
    const char* name;
    const char* text;
    QRect place;
    Qt::Alignment align;
};
const Heading kHeadings[] = {
    {"la_main", QT_TRANSLATE_NOOP("KeySettings", "Main operations"), {8, 8, 104, 13}, Qt::AlignLeft},
    {"la_controls", QT_TRANSLATE_NOOP("KeySettings", "Game controls"), {336, 8, 104, 13}, Qt::AlignRight},
};

struct BindingRow {
    const char* label;
    QPoint list;
    QRect label_place;
    Qt::Alignment align;
};
// The lists are as wide as their longest item ("<RIGHT ARROW>") needs.
const BindingRow kRows[kBindingCount] = {
    {QT_TRANSLATE_NOOP("KeySettings", "Game A"), {8, 29}, {146, 33, 66, 14}, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("KeySettings", "Game B"), {8, 61}, {146, 65, 66, 14}, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("KeySettings", "Time"), {8, 93}, {146, 97, 66, 14}, Qt::AlignLeft},
    {QT_TRANSLATE_NOOP("KeySettings", "Left"), {308, 29}, {204, 33, 96, 14}, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("KeySettings", "Right"), {308, 61}, {204, 65, 96, 14}, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("KeySettings", "Shoot (left)"), {308, 93}, {204, 97, 96, 14}, Qt::AlignRight},
    {QT_TRANSLATE_NOOP("KeySettings", "Shoot (right)"), {308, 125}, {204, 129, 96, 14}, Qt::AlignRight},
};
constexpr int kListWidth = 132;
const QRect kAccept(183, 162, 82, 25);

// A text of the dialog in the language spoken.
QString text(const char* english) { return QCoreApplication::translate("KeySettings", english); }

}  // namespace

TKeysForm::TKeysForm(Controls& controls, SettingsStore& store, std::function<void(bool)> enable_main, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint),
      controls_(controls),
      store_(store),
      enable_main_(std::move(enable_main)) {
    setObjectName("TKeysForm");
    setWindowTitle(text(QT_TRANSLATE_NOOP("KeySettings", "Key settings")));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    colour(this, QPalette::Window, ui::kDeepBlue);
    setFont(pixel_font("MS Sans Serif", 11));
    for (const Heading& h : kHeadings) {
        auto* l = new QLabel(text(h.text), this);
        l->setObjectName(h.name);
        l->setGeometry(h.place);
        l->setAlignment(h.align | Qt::AlignVCenter);
        l->setFont(pixel_font("MS Sans Serif", 11, true, true));
        colour(l, QPalette::WindowText, Qt::white);
    }
    for (int n = 1; n <= kBindingCount; ++n) make_row(n);
    for (int n = 1; n < kBindingCount; ++n) setTabOrder(lists_[n - 1], lists_[n]);
    make_accept();
    setTabOrder(lists_[kBindingCount - 1], accept_);
    connect(accept_, &QPushButton::clicked, this, [this] { btn_acceptClick(); });
    for (QComboBox* cb : lists_) connect(cb, &QComboBox::currentIndexChanged, this, [this] { cbChange(); });
    cbChange();
    new ui::KeyPreview(this, [this](QKeyEvent* e) { return e->type() == QEvent::KeyPress && FormKeyDown(e); });
}

void TKeysForm::make_row(int n) {
    const BindingRow& row = kRows[n - 1];
    auto* cb = new QComboBox(this);
    cb->setObjectName(QString("cb_%1").arg(n));
    cb->setFont(pixel_font("Arial", 12));
    cb->setGeometry(row.list.x(), row.list.y(), kListWidth, cb->sizeHint().height());
    // A list of a dozen rows that scrolls, not a column of all 44 keys.
    cb->setStyleSheet("QComboBox { combobox-popup: 0; }");
    cb->setMaxVisibleItems(12);
    // The same 44 items in every list: item i is key table entry i + 1.
    for (const KeyEntry& k : kKeyTable)
        cb->addItem(k.item.size() > 1 ? text(k.item.data()) : QString::fromUtf8(k.item.data(), int(k.item.size())));
    const int index = controls_.bindings().key_index(n);
    cb->setCurrentIndex(index >= 1 && index <= kKeyCount ? index - 1 : -1);
    lists_[n - 1] = cb;
    auto* l = new QLabel(text(row.label), this);
    l->setObjectName(QString("la_%1").arg(n));
    l->setGeometry(row.label_place);
    l->setAlignment(row.align | Qt::AlignVCenter);
    l->setFont(pixel_font("Arial", 12, true));
    l->setBuddy(cb);  // a screen reader says the button with its key
    cb->setAccessibleName(text(row.label));
    labels_[n - 1] = l;
}

void TKeysForm::make_accept() {
    accept_ = new QPushButton(text(QT_TRANSLATE_NOOP("KeySettings", "- ACCEPT -")), this);
    accept_->setObjectName("btn_accept");
    accept_->setGeometry(kAccept);
    accept_->setFont(pixel_font("MS Sans Serif", 11, true));
    accept_->setCursor(Qt::PointingHandCursor);
    // The light 3-D colour of the text needs a darker face than the
    // desktop's own to stay legible.
    colour(accept_, QPalette::ButtonText, QColor(227, 227, 227));
    colour(accept_, QPalette::Button, QColor(24, 82, 148));
    // Disabled (a key used twice): plainly so, greyed on a dull face.
    QPalette pal = accept_->palette();
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 130, 145));
    pal.setColor(QPalette::Disabled, QPalette::Button, QColor(52, 62, 78));
    accept_->setPalette(pal);
}

void TKeysForm::set_program_keys(std::function<QString(std::uint16_t code)> program_key) {
    program_key_ = std::move(program_key);
    cbChange();
}

bool TKeysForm::CheckKeys() {
    for (QLabel* l : labels_) {
        colour(l, QPalette::WindowText, Qt::white);
        l->setToolTip({});
    }
    bool duplicate = false;
    // A key the program keeps for itself can bind no button.
    for (int j = 0; j < kBindingCount && program_key_; ++j) {
        const KeyEntry* key = key_entry(lists_[j]->currentIndex() + 1);
        if (const QString what = key ? program_key_(key->code) : QString(); !what.isEmpty()) {
            colour(labels_[j], QPalette::WindowText, ui::kWarningRed);
            labels_[j]->setToolTip(ui::plain_tip(what));
            duplicate = true;
        }
    }
    for (int j = 0; j < kBindingCount; ++j)
        for (int k = 0; k < kBindingCount; ++k)
            if (j != k && lists_[j]->currentText() == lists_[k]->currentText()) {
                colour(labels_[j], QPalette::WindowText, ui::kWarningRed);
                colour(labels_[k], QPalette::WindowText, ui::kWarningRed);
                duplicate = true;
            }
    return duplicate;
}

void TKeysForm::cbChange() { accept_->setEnabled(!CheckKeys()); }

void TKeysForm::open() {
    ui::centre(*this);
    if (enable_main_) enable_main_(false);
    show();
    raise();
    activateWindow();
    lists_[0]->setFocus(Qt::ActiveWindowFocusReason);
}

void TKeysForm::btn_acceptClick() {
    std::array<int, kBindingCount> indices{};
    for (int n = 1; n <= kBindingCount; ++n) indices[n - 1] = lists_[n - 1]->currentIndex() + 1;
    controls_.apply_bindings(store_, indices);  // stores all seven, derives the codes, rebuilds the hints
    close_dialog();
}

void TKeysForm::close_dialog() {
    if (enable_main_) enable_main_(true);
    hide();
}

bool TKeysForm::FormKeyDown(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (accept_->isEnabled()) btn_acceptClick();
            return true;
        case Qt::Key_Escape:
            close_dialog();  // nothing stored, no binding changes
            return true;
        default:
            return false;
    }
}

void TKeysForm::keyPressEvent(QKeyEvent* e) {
    if (!FormKeyDown(e)) QWidget::keyPressEvent(e);
}

bool TKeysForm::event(QEvent* e) {
    // FormActivate: the focus goes to the first list.
    if (e->type() == QEvent::WindowActivate) lists_[0]->setFocus(Qt::ActiveWindowFocusReason);
    // The dialog has no close box; a close from the desktop counts as Escape.
    if (e->type() == QEvent::Close) {
        if (enable_main_) enable_main_(true);
    }
    return QWidget::event(e);
}

}  // namespace ignivar::input
