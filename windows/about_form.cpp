#include "windows/about_form.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "product.h"
#include "ui/key_preview.h"
#include "ui/kit.h"
#include "windows/picture_label.h"
#include "ui/language.h"

namespace ignivar::windows {
namespace {

using ui::pixel_font;
using ui::set_text_colour;
const QColor& kLink = ui::kLinkYellow;

// Captions at x 132, values at x 212, a row every 24 pixels.
struct Detail {
    const char* name;  // la_<name>_1 and la_<name>_2
    const char* caption;
    const char* value;
    bool italic;
};
const Detail kDetails[] = {
    {"name", QT_TRANSLATE_NOOP("About", "Name:"), kAuthorName, false},
    {"birthplace", QT_TRANSLATE_NOOP("About", "Birthplace:"), QT_TRANSLATE_NOOP("About", "a Debian build machine"), false},
    {"birthdate", QT_TRANSLATE_NOOP("About", "Birth date:"), QT_TRANSLATE_NOOP("About", "8 December 2026"), false},
    {"job", QT_TRANSLATE_NOOP("About", "Occupation:"), QT_TRANSLATE_NOOP("About", "simulator makers"), false},
    {"hobby", QT_TRANSLATE_NOOP("About", "Hobby:"), QT_TRANSLATE_NOOP("About", "putting out LCD fires"), true},
};
constexpr int kCaptionX = 132, kValueX = 212, kFirstRow = 8, kRowStep = 24;
const QRect kPortrait(8, 8, 116, 160);

// A text of the window in the language spoken.
QString text(const char* english) { return ui::tr_text("About", english); }

}  // namespace

TAboutForm::TAboutForm(const std::string& program_dir, std::function<void(const QString&)> open_url, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      open_url_(std::move(open_url)) {
    setObjectName("TAboutForm");
    setWindowTitle(text(QT_TRANSLATE_NOOP("About", "About the author...")));
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, ui::kNavy);
    setPalette(pal);

    auto* portrait = new QLabel(this);
    portrait->setObjectName("im_picture");
    portrait->setGeometry(kPortrait);
    portrait->setPixmap(ui::program_picture(program_dir, "about_portrait.png"));

    int y = kFirstRow;
    const auto add = [this](const QString& name, const QString& text, QPoint at, const QFont& f, const QColor& c) {
        auto* l = new ClickLabel(text, this);
        l->setObjectName(name);
        l->move(at);
        l->setFont(f);
        l->adjustSize();
        set_text_colour(l, c);
        return l;
    };
    for (const Detail& d : kDetails) {
        add(QString("la_%1_1").arg(d.name), text(d.caption), {kCaptionX, y}, pixel_font("Arial", 11), Qt::white);
        add(QString("la_%1_2").arg(d.name), d.value == kAuthorName ? QString(d.value) : text(d.value), {kValueX, y}, pixel_font("Arial", 11, true, false, d.italic),
            Qt::white);
        y += kRowStep;
    }
    add("la_website_1", text(QT_TRANSLATE_NOOP("About", "Website:")), {kCaptionX, y}, pixel_font("Arial", 11), Qt::white);
    auto* web = add("la_website_2", kWebsite, {kValueX, y}, pixel_font("Arial", 12, true, true), kLink);
    y += kRowStep;
    add("la_email_1", text(QT_TRANSLATE_NOOP("About", "Email:")), {kCaptionX, y}, pixel_font("Arial", 11), Qt::white);
    auto* mail = add("la_email_2", kEmail, {kValueX, y}, pixel_font("Arial", 12, true, true), kLink);
    for (ClickLabel* link : {web, mail}) {
        link->resize(168, 15);
        link->setCursor(Qt::PointingHandCursor);
    }
    connect(web, &ClickLabel::clicked, this, [this] { la_website_2Click(); });
    connect(mail, &ClickLabel::clicked, this, [this] { la_email_2Click(); });
    new ui::KeyPreview(this, [this](QKeyEvent* e) {
        if (e->type() != QEvent::KeyPress || e->key() != Qt::Key_Escape) return false;
        hide();
        return true;
    });

    // FormCreate: centred on the screen.
    ui::centre(*this);
}

void TAboutForm::present() {
    show();
    raise();
    activateWindow();
}

void TAboutForm::la_website_2Click() {
    if (open_url_) open_url_(kWebsite);
    hide();
}

void TAboutForm::la_email_2Click() {
    if (open_url_) open_url_(QString("mailto:") + kEmail);
    hide();
}

void TAboutForm::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) hide();
    else QWidget::keyPressEvent(e);
}

}  // namespace ignivar::windows
