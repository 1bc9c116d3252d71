// The languages the program speaks: English, the texts' own, and the
// translations compiled into it; which one to speak (the player's choice,
// else the desktop's), and the translators that make Qt speak it.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>
#include <array>
#include <string>
#include <string_view>

#include "base/result.h"

namespace ignivar::ui {

struct Language {
    std::string_view code;      // as the desktop's locales name it: "de"
    std::string_view own_name;  // the language in itself, as a menu offers it
};
inline constexpr std::array<Language, 5> kLanguages = {{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\u00e7ais"},
    {"es", "Espa\u00f1ol"},
    {"ja", "\u65e5\u672c\u8a9e"},
}};

// The language to speak: `chosen` when it is one of ours, else the first of
// the desktop's languages (most wanted first, "de-DE" or "de_DE.UTF-8")
// that is, else English.
std::string_view pick_language(std::string_view chosen, const QStringList& desktop);
// The desktop's languages, from LANGUAGE, LC_ALL, LC_MESSAGES and LANG as
// the C library weighs them.
QStringList desktop_languages();

// A text of the program in the language spoken; `context` groups it as the
// translators see it ("Unit": the signs over the case, "Messages": what a
// message box says ...).
inline QString tr_text(const char* context, const char* english) {
    return QCoreApplication::translate(context, english);
}

// The language spoken now ("en" ...).
std::string spoken_language();

// A text of a plain layer, or what a failure says, in the language spoken.
QString in_language(const Text& text);
QString in_language(const Error& error);

// The program's translation and Qt's own for one language, installed in
// the application while this lives; English installs none.
class Translation {
public:
    Translation() = default;
    explicit Translation(std::string_view code) { use(code); }
    ~Translation();
    Translation(const Translation&) = delete;
    Translation& operator=(const Translation&) = delete;

    // Speaks `code` (one of kLanguages) from now on; windows made after
    // this, and texts set after it, are in it.
    void use(std::string_view code);
    std::string_view code() const { return code_; }

private:
    void remove();

    std::string code_ = "en";
    QTranslator ours_, qt_;
    bool installed_ = false;
};

}  // namespace ignivar::ui
