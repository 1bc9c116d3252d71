// The start window's controls, their places and texts.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QUrl>

#include "product.h"
#include "sound/sound_output.h"
#include "ui/key_preview.h"
#include "ui/kit.h"
#include "windows/desktop.h"
#include "windows/picture_label.h"
#include "windows/splash_form.h"
#include "windows/splash_parts.h"

namespace ignivar::windows {

using ui::pixel_font;

namespace splash {

QString text(std::string_view english) {
    return QCoreApplication::translate("Splash", std::string(english).c_str());
}

QFont font_of(Look look) {
    return pixel_font("Arial", 12, look != Look::Plain, look == Look::Link);
}

}  // namespace splash

namespace {

using splash::font_of;
using splash::Look;
using splash::text;
using ui::kBlue;
using ui::set_text_colour;

struct Text {
    const char* name;
    QRect place;
    Look look;
    bool centred;
};
// The labels, as left, top, width, height.
const Text kTexts[] = {
    {"la_game_title", {0, 12, 460, 15}, Look::Title, true},
    {"la_version", {0, 28, 460, 15}, Look::Title, true},
    {"la_release_date", {0, 236, 460, 15}, Look::Plain, true},
    {"la_website_1", {118, 259, 56, 15}, Look::Plain, false},
    {"la_website_2", {174, 259, 168, 15}, Look::Link, false},
    {"la_email_1", {118, 282, 56, 15}, Look::Plain, false},
    {"la_email_2", {174, 282, 168, 15}, Look::Link, false},
    {"la_sound_select", {98, 308, 116, 21}, Look::Plain, false},  // as tall as the list, its text level with the list's
};

// The release line: a packager's own as it stands, the program's own in
// the language spoken, its date in the language's form.
QString release_line() {
    const QDate date = QDate::fromString(kReleaseDate, Qt::ISODate);
    const QString english = QString("Made by %1, released on %2")
                                .arg(kAuthorName, QLocale(QLocale::English).toString(date, "d MMMM yyyy"));
    if (english != kReleaseLine) return kReleaseLine;
    return text(QT_TRANSLATE_NOOP("Splash", "Made by %1, released on %2"))
        .arg(kAuthorName, QLocale().toString(date, text(QT_TRANSLATE_NOOP("Splash", "d MMMM yyyy"))));
}

QString text_of(const char* name) {
    const std::string n = name;
    if (n == "la_game_title") return kApplicationTitle;
    if (n == "la_version") return kVersionLine;
    if (n == "la_release_date") return release_line();
    if (n == "la_website_1") return text(QT_TRANSLATE_NOOP("Splash", "website:"));
    if (n == "la_website_2") return kWebsite;
    if (n == "la_email_1") return text(QT_TRANSLATE_NOOP("Splash", "email:"));
    if (n == "la_email_2") return kEmail;
    return text(QT_TRANSLATE_NOOP("Splash", "Select sound driver:"));
}

const QRect kBoxPicture(0, 56, 460, 160);
const QRect kPlay(116, 340, 107, 30);
const QRect kPaypal(237, 340, 107, 30);
const QRect kDriverList(217, 308, 144, 21);
const QRect kCheckBox(12, 391, 444, 17);
// What the chosen output is here, or why Play waits: on the navy band,
// right of the check box's text.
const QRect kSoundHint(240, 383, 212, 34);

}  // namespace

void TSplashForm::build() {
    build_choices();
    cb_sound_->setCurrentIndex(stored_mode_);
    chb_splashscreen_->setChecked(stored_checked_);
    build_texts();
    // A screen reader says the label with the list.
    findChild<QLabel*>("la_sound_select")->setBuddy(cb_sound_);
    build_buttons();
    // The window sees the keys before its controls.
    new ui::KeyPreview(this, [this](QKeyEvent* e) { return e->type() == QEvent::KeyPress && FormKeyDown(e); });
    cb_soundChange();
    connect(cb_sound_, &QComboBox::currentIndexChanged, this, [this] { cb_soundChange(); });
}

void TSplashForm::build_texts() {
    for (const Text& t : kTexts) {
        auto* label = new ClickLabel(text_of(t.name), this);
        label->setObjectName(t.name);
        label->setGeometry(t.place);
        label->setAlignment((t.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
        label->setFont(font_of(t.look));
        switch (t.look) {
            case Look::Title:
                set_text_colour(label, Qt::white);
                break;
            case Look::Plain:
                set_text_colour(label, Qt::black);
                break;
            case Look::Link:
                set_text_colour(label, kBlue);
                label->setCursor(Qt::PointingHandCursor);
                break;
        }
    }
    connect(findChild<ClickLabel*>("la_website_2"), &ClickLabel::clicked, this,
            [] { open_with_desktop(QUrl(kWebsite), {}); });  // la_website_2Click
    connect(findChild<ClickLabel*>("la_email_2"), &ClickLabel::clicked, this,
            [] { open_with_desktop(QUrl(QString("mailto:") + kEmail), {}); });  // la_email_2Click

    auto* box = new QLabel(this);
    box->setObjectName("im_box_picture");
    box->setGeometry(kBoxPicture);
    box->setAlignment(Qt::AlignCenter);
    box->setPixmap(ui::program_picture(program_dir_, "splash_box.png"));
    box->lower();
}

void TSplashForm::build_choices() {
    cb_sound_ = new QComboBox(this);
    cb_sound_->setObjectName("cb_sound");
    cb_sound_->setGeometry(kDriverList);
    cb_sound_->setFont(font_of(Look::Plain));
    for (const sound::DriverRow& d : sound::kDrivers) {
        cb_sound_->addItem(text(d.text));
        cb_sound_->setItemData(cb_sound_->count() - 1,
                               text(d.linux_output),
                               Qt::ToolTipRole);
    }
    cb_sound_->setMaxVisibleItems(3);
    cb_sound_->setAccessibleName(text(QT_TRANSLATE_NOOP("Splash", "Sound output")));

    chb_splashscreen_ = new QCheckBox(text(QT_TRANSLATE_NOOP("Splash", "Display this splash screen at startup")), this);
    chb_splashscreen_->setObjectName("chb_splashscreen");
    chb_splashscreen_->setGeometry(kCheckBox);
    chb_splashscreen_->setFont(font_of(Look::Plain));
    set_text_colour(chb_splashscreen_, Qt::white);
    // The label white on the band, the check mark dark in its white box:
    // light grey there looks disabled.
    ui::set_colour(chb_splashscreen_, QPalette::Base, Qt::white);
    ui::set_colour(chb_splashscreen_, QPalette::Text, ui::kNavy);
    setTabOrder(cb_sound_, chb_splashscreen_);
}

void TSplashForm::build_buttons() {
    auto* paypal = new ClickLabel(this);
    paypal->setObjectName("btn_paypal");
    paypal->setGeometry(kPaypal);
    paypal->setPixmap(ui::program_picture(program_dir_, "splash_donate.png"));
    paypal->setCursor(Qt::PointingHandCursor);
    paypal->setAccessibleName(text(QT_TRANSLATE_NOOP("Splash", "Donate")));
    paypal->setAccessibleDescription(text(QT_TRANSLATE_NOOP("Splash", "Opens the donation page in the browser")));
    connect(paypal, &ClickLabel::clicked, this, [] { open_with_desktop(QUrl(kDonationPage), {}); });

    btn_play_ = new ClickLabel(this);
    btn_play_->setObjectName("btn_play");
    btn_play_->setGeometry(kPlay);
    btn_play_->setPixmap(ui::program_picture(program_dir_, "splash_play.png"));
    btn_play_->setCursor(Qt::PointingHandCursor);
    btn_play_->setAccessibleName(text(QT_TRANSLATE_NOOP("Splash", "Play")));
    btn_play_->setAccessibleDescription(text(QT_TRANSLATE_NOOP("Splash", "Switches the unit on")));
    connect(btn_play_, &ClickLabel::clicked, this, [this] { btn_playClick(); });

    btn_play_disabled_ = new ClickLabel(this);
    btn_play_disabled_->setObjectName("btn_play_disabled");
    btn_play_disabled_->setGeometry(kPlay);
    btn_play_disabled_->setPixmap(ui::program_picture(program_dir_, "splash_play_disabled.png"));
    btn_play_disabled_->setCursor(Qt::WhatsThisCursor);
    btn_play_disabled_->setToolTip(text(QT_TRANSLATE_NOOP("Splash", "please select sound driver first")));
    btn_play_disabled_->setAccessibleName(text("Play"));
    btn_play_disabled_->setAccessibleDescription(text(QT_TRANSLATE_NOOP("Splash", "Unavailable until a sound output is chosen")));
    btn_play_disabled_->hide();

    la_sound_hint_ = new QLabel(this);
    la_sound_hint_->setObjectName("la_sound_hint");
    la_sound_hint_->setGeometry(kSoundHint);
    la_sound_hint_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    la_sound_hint_->setWordWrap(true);
    la_sound_hint_->setFont(pixel_font("Arial", 11));
    set_text_colour(la_sound_hint_, Qt::white);
}

}  // namespace ignivar::windows
