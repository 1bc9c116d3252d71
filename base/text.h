// The texts a player reads, as the plain layers hand them over: English
// words with %1, %2 ... in place of their arguments, and the context the
// translators find them in. The windows show them in the language spoken;
// logs, tests and the headless tools read them in English.
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

// Marks a text of a table for the translators; the text stays as it is.
#define IGNIVAR_TEXT(context, text) text

namespace ignivar {

struct Text {
    // Null: `english` is not for translating (a file's path, a number, a
    // library's own words).
    const char* context = nullptr;
    std::string english;
    std::vector<Text> args;  // in place of %1, %2 ... in turn

    // The next argument: words of their own, or a text as it stands.
    Text with(Text arg) && {
        args.push_back(std::move(arg));
        return std::move(*this);
    }
    Text with(std::string arg) && { return std::move(*this).with(Text{nullptr, std::move(arg), {}}); }

    // The whole text in English, its arguments in place.
    std::string in_english() const;
};

// A text to translate (the translators' tools find it by this name).
inline Text said(const char* context, const char* english) { return Text{context, english, {}}; }

// Puts each of `args` in place of %1, %2 ... in `words` (a %n without its
// argument stays as it is; an argument's own %n is left alone).
inline std::string with_args(const std::string& words, const std::vector<std::string>& args) {
    std::string out;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const char next = i + 1 < words.size() ? words[i + 1] : '\0';
        if (words[i] == '%' && next >= '1' && next <= '9' && static_cast<std::size_t>(next - '1') < args.size()) {
            out += args[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += words[i];
        }
    }
    return out;
}

inline std::string Text::in_english() const {
    std::vector<std::string> parts;
    for (const Text& a : args) parts.push_back(a.in_english());
    return with_args(english, parts);
}

}  // namespace ignivar
