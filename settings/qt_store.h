// The real settings store: a per-user INI file kept by QSettings
// ($XDG_CONFIG_HOME/Zandrel/Brasquel50.ini), written through at every change.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "sim/ports.h"

class QSettings;

namespace ignivar {

class QtStore : public SettingsStore {
public:
    // The user's own store.
    QtStore();
    // A store kept in the given INI file.
    explicit QtStore(const std::string& file);
    ~QtStore() override;

    std::optional<std::string> read_text(std::string_view name) override;
    std::vector<std::pair<std::string, std::string>> all_values() override;

    std::string file_name() const;
    // Why the existing file could not be read, or empty. A file whose
    // content was not fully understood is kept as it is until the first
    // write, which first saves a copy of it beside it (see backup_name(),
    // the first free of name.unreadable, name.unreadable-2, ...); one that
    // is not a regular file is never written.
    const Text& open_problem_text() const { return open_problem_; }
    std::string open_problem() const { return open_problem_.in_english(); }
    std::string backup_name() const;
    // The file is no regular file: nothing is ever written to it, and every
    // write reports that.
    bool refused() const { return !refused_.english.empty() && !settings_; }

protected:
    Status store_text(std::string_view name, std::string_view text) override;
    Status store_texts(const Values& values) override;

private:
    void open();
    // The regular file to read and write (a link followed), or false when
    // nothing in its place may be.
    bool find_target();
    // An existing file: read, or moved aside when far too large; false
    // when it can be neither.
    bool check_existing_file();
    std::string stored_key(std::string_view name);
    // The values that the file does not hold as they are.
    Values not_held_yet(const Values& values);
    // Why a write cannot be made now (the lock), or empty.
    Text writable_now();

    std::string path_;    // as asked for
    std::string target_;  // the regular file read and written (a link followed)
    std::unique_ptr<QSettings> settings_;  // none when the file is refused
    std::map<std::string, std::string> unstored_;  // values that could not be written, for this run
    Text open_problem_;
    Text refused_;
    Text unwritable_;  // why writes stopped during the run
    std::string backup_;
    bool must_back_up_ = false;
    bool backed_up_ = false;
};

// The folder of the user's settings file, for messages.
std::string default_store_file();

}  // namespace ignivar
