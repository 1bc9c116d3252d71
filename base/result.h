// The two shapes in which the program's operations report failure: a
// Result, which holds a value or the message that says why there is none,
// and a Report, which collects the problems a load went on past.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "base/text.h"

namespace ignivar {

struct Error {
    std::string message;  // in English
    // The program cannot go on (its skin file is missing).
    bool fatal = false;
    // The message as words to translate, where the layer that failed gave
    // them; empty: `message` is all there is.
    Text text = {};

    // The message as a text, to hand on as another's argument.
    Text words() const { return text.context || !text.args.empty() ? text : Text{nullptr, message, {}}; }
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : v_(std::move(value)) {}
    Result(Error error) : v_(std::move(error)) {}

    bool ok() const { return v_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { return std::get<0>(v_); }
    const T& value() const& { return std::get<0>(v_); }
    T&& value() && { return std::get<0>(std::move(v_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(v_); }
    const std::string& message() const { return error().message; }

private:
    std::variant<T, Error> v_;
};

// A status may be dropped where a failure is told elsewhere (a settings
// store tells its own failures to the window).
template <>
class Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const Error& error() const { return *error_; }
    const std::string& message() const { return error_->message; }

private:
    std::optional<Error> error_;
};

using Status = Result<void>;

inline Error failure(std::string message) { return Error{std::move(message), false}; }
inline Error failure(Text text, bool fatal = false) {
    std::string english = text.in_english();
    return Error{std::move(english), fatal, std::move(text)};
}
// What went wrong with a place (a file's path) after it: "where: what".
inline Error failure_at(std::string where, Text what) {
    return failure(Text{nullptr, "%1: %2", {}}.with(std::move(where)).with(std::move(what)));
}

// The problems met while reading something that is used as far as it
// could be understood. Only the first few are kept; the rest are counted.
class Report {
public:
    explicit Report(std::size_t kept = 100) : kept_(kept) {}

    void add(Text problem) {
        if (problems_.size() < kept_) problems_.push_back(std::move(problem));
        ++count_;
    }
    // Another report's problems, each as `where` says it (the problem its
    // last argument).
    void merge(const Report& other, const Text& where) {
        for (const Text& p : other.problems_) add(Text(where).with(p));
        count_ += other.count_ - other.problems_.size();
    }
    bool empty() const { return count_ == 0; }
    std::size_t count() const { return count_; }
    const std::vector<Text>& problems() const { return problems_; }

    // At most `shown` problems, one per line, and how many more there were.
    Text summary_text(std::size_t shown = 8) const {
        const auto line = [](Text above, Text next) { return Text{nullptr, "%1\n%2", {}}.with(std::move(above)).with(std::move(next)); };
        Text text;
        for (std::size_t i = 0; i < problems_.size() && i < shown; ++i) text = i ? line(text, problems_[i]) : problems_[i];
        if (count_ > shown) text = line(text, said("Messages", "... and %1 more").with(std::to_string(count_ - shown)));
        return text;
    }
    std::string summary(std::size_t shown = 8) const { return summary_text(shown).in_english(); }

private:
    std::size_t kept_;
    std::size_t count_ = 0;
    std::vector<Text> problems_;
};

}  // namespace ignivar
