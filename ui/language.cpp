#include "ui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <string>
#include <vector>

namespace ignivar::ui {

std::string_view pick_language(std::string_view chosen, const QStringList& desktop) {
    for (const Language& l : kLanguages)
        if (l.code == chosen) return l.code;
    for (const QString& wanted : desktop) {
        // "de-DE", "de_DE.UTF-8", "de": the language is what comes first.
        const std::string code = wanted.section('-', 0, 0).section('_', 0, 0).section('.', 0, 0).toLower().toStdString();
        for (const Language& l : kLanguages)
            if (l.code == code) return l.code;
    }
    return kLanguages[0].code;
}

QStringList desktop_languages() {
    // Qt's system locale reads LC_ALL, LC_MESSAGES and LANG, and LANGUAGE
    // before them for the list of languages a user wants.
    return QLocale::system().uiLanguages();
}

QString in_language(const Text& text) {
    const QString words = text.context ? QCoreApplication::translate(text.context, text.english.c_str())
                                       : QString::fromStdString(text.english);
    std::vector<std::string> args;
    for (const Text& a : text.args) args.push_back(in_language(a).toStdString());
    return QString::fromStdString(with_args(words.toStdString(), args));
}

QString in_language(const Error& error) { return in_language(error.words()); }

std::string spoken_language() {
    const std::string code = QLocale().name().section('_', 0, 0).toStdString();
    return pick_language(code, {}) == code ? code : std::string(kLanguages[0].code);
}

Translation::~Translation() {
    remove();
    QLocale::setDefault(QLocale::system());
}

void Translation::remove() {
    if (!installed_) return;
    QCoreApplication::removeTranslator(&ours_);
    QCoreApplication::removeTranslator(&qt_);
    installed_ = false;
}

void Translation::use(std::string_view code) {
    remove();
    code_ = std::string(pick_language(code, {}));
    // Numbers and dates Qt formats, and the files picked by language.
    QLocale::setDefault(QLocale(QString::fromStdString(code_)));
    if (code_ == kLanguages[0].code) return;
    const QString name = QString::fromStdString(code_);
    // Ours are compiled into the program; Qt's own buttons come with Qt.
    const bool ours = ours_.load(":/i18n/ignivar_" + name + ".qm");
    const bool qt = qt_.load("qtbase_" + name, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (ours) QCoreApplication::installTranslator(&ours_);
    if (qt) QCoreApplication::installTranslator(&qt_);
    installed_ = ours || qt;
}

}  // namespace ignivar::ui
