#include "windows/manual_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <utility>

#include "ui/kit.h"
#include "windows/picture_label.h"
#include "ui/language.h"

namespace ignivar::windows {
namespace {

QImage to_image(const skin::Picture& p) {
    return QImage(p.rgba.data(), p.width, p.height, p.width * 4, QImage::Format_RGBA8888).copy();
}

}  // namespace

TManualForm::TManualForm(const std::string& config_path, const std::string& program_dir,
                         const std::function<void(const Error&)>& report, const std::string& own_dir,
                         QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), program_dir_(program_dir) {
    setObjectName("TManualForm");
    setWindowTitle(ui::tr_text("Manual", "Manual"));
    // English is the manual folder's own pages.
    const std::string language = ui::spoken_language();
    manual_ = skin::find_manual(config_path, program_dir, own_dir, language == "en" ? std::string() : language);
    report_ = report;
    const int w = std::clamp(manual_.width, 1, skin::kMaxPictureSide);
    const int h = std::clamp(manual_.height, 1, skin::kMaxPictureSide);
    setFixedSize(w, h);

    const int right = w - kButtonMargin - kButtonWidth, bottom = h - kButtonMargin - kButtonHeight;
    left_down_ = button("btn_left_down", "manual_left_down.png", {kButtonMargin, bottom, kButtonWidth, kButtonHeight});
    left_up_ = button("btn_left_up", "manual_left_up.png", {kButtonMargin, bottom, kButtonWidth, kButtonHeight});
    right_down_ = button("btn_right_down", "manual_right_down.png", {right, bottom, kButtonWidth, kButtonHeight});
    right_up_ = button("btn_right_up", "manual_right_up.png", {right, bottom, kButtonWidth, kButtonHeight});
    close_down_ = button("btn_close_down", "manual_close_down.png", {right, kButtonMargin, kButtonWidth, kButtonHeight});
    close_up_ = button("btn_close_up", "manual_close_up.png", {right, kButtonMargin, kButtonWidth, kButtonHeight});
    // Only the released looks react; a release completes the action wherever the pointer is.
    connect(left_up_, &ClickLabel::pressed, this, [this] { hold(Held::Left); });
    connect(right_up_, &ClickLabel::pressed, this, [this] { hold(Held::Right); });
    connect(close_up_, &ClickLabel::pressed, this, [this] { hold(Held::Close); });
    for (ClickLabel* b : {left_up_, right_up_, close_up_})
        connect(b, &ClickLabel::released, this, [this] {
            if (held_ != Held::None) let_go();
        });

    ui::centre(*this);
}

void TManualForm::load_pages() {
    if (pages_loaded_) return;
    pages_loaded_ = true;
    const Status loaded = skin::load_manual_pages(manual_);
    // Each page is kept once, in the form the window draws.
    for (int n = 0; n < skin::kManualPages; ++n) {
        if (const auto& pic = manual_.pages[n].picture; pic && !pic->empty()) pages_[n] = to_image(*pic);
        manual_.pages[n].picture.reset();
    }
    if (!loaded && report_) report_(loaded.error());
}

ClickLabel* TManualForm::button(const char* name, const char* file, QRect place) {
    auto* b = new ClickLabel(this);
    b->setObjectName(name);
    b->setGeometry(place);
    b->setPixmap(ui::program_picture(program_dir_, file));
    // The pressed look under each button is only a picture.
    const std::string n = name;
    if (n.ends_with("_up"))
        b->setAccessibleName(n.starts_with("btn_left")    ? ui::tr_text("Manual", "Previous page")
                             : n.starts_with("btn_right") ? ui::tr_text("Manual", "Next page")
                                                          : ui::tr_text("Manual", "Close"));
    return b;
}

void TManualForm::Vid_Show_Page() {
    im_page_top_ = pages_[page_ - 1];
    if (page_ == 1) {
        left_down_->hide();
        left_up_->hide();
    } else if (page_ == skin::kManualPages) {
        right_down_->hide();
        right_up_->hide();
    } else {
        for (QWidget* b : {left_down_, right_down_}) b->show();
        for (QWidget* b : {left_up_, right_up_}) {
            b->show();
            b->raise();
        }
    }
    update();
}

void TManualForm::hold(Held button) {
    // The pressed look hides the label that took the press, and with it
    // the pointer's grab: the window takes the grab, so that the release
    // comes here wherever the pointer is then.
    held_ = button;
    grabMouse();
    if (button == Held::Left) Inp_left_down();
    else if (button == Held::Right) Inp_right_down();
    else Inp_esc_down();
}

void TManualForm::let_go() {
    const Held button = std::exchange(held_, Held::None);
    releaseMouse();
    if (button == Held::Left) Inp_left_up();
    else if (button == Held::Right) Inp_right_up();
    else if (button == Held::Close) Inp_esc_up();
}

void TManualForm::Inp_left_down() { left_up_->hide(); }

void TManualForm::Inp_left_up() {
    if (page_ > 1) {
        --page_;
        Vid_Show_Page();
    }
}

void TManualForm::Inp_right_down() { right_up_->hide(); }

void TManualForm::Inp_right_up() {
    if (page_ < skin::kManualPages) {
        ++page_;
        Vid_Show_Page();
    }
}

void TManualForm::Inp_esc_down() { close_up_->hide(); }

void TManualForm::Inp_esc_up() {
    close_up_->show();
    hide();
}

void TManualForm::showEvent(QShowEvent*) {  // FormShow
    load_pages();
    Vid_Show_Page();
}

void TManualForm::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!im_page_top_.isNull()) p.drawImage(QPoint(0, 0), im_page_top_);  // unscaled, from the top left
}

void TManualForm::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
        case Qt::Key_Escape: Inp_esc_down(); break;
        case Qt::Key_Left:
            if (page_ > 1) Inp_left_down();
            break;
        case Qt::Key_Right:
            if (page_ < skin::kManualPages) Inp_right_down();
            break;
        default: QWidget::keyPressEvent(e);
    }
}

void TManualForm::keyReleaseEvent(QKeyEvent* e) {
    if (e->isAutoRepeat()) return;  // a held key is released once
    switch (e->key()) {
        case Qt::Key_Escape: Inp_esc_up(); break;
        case Qt::Key_Left:
            if (page_ > 1) Inp_left_up();
            break;
        case Qt::Key_Right:
            if (page_ < skin::kManualPages) Inp_right_up();
            break;
        default: QWidget::keyReleaseEvent(e);
    }
}

// sh_page_top: the page area, for dragging.
void TManualForm::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) drag_anchor_ = e->position().toPoint();
}

void TManualForm::mouseMoveEvent(QMouseEvent* e) {
    if (!drag_anchor_ || !(e->buttons() & Qt::LeftButton)) return;
    const QPoint p = e->position().toPoint();
    move(x() + p.x() - drag_anchor_->x(), y() + p.y() - drag_anchor_->y());
}

void TManualForm::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    drag_anchor_.reset();
    if (held_ != Held::None) let_go();
}

}  // namespace ignivar::windows
