// The real settings store: a per-user INI file kept by QSettings
// ($XDG_CONFIG_HOME/Zandrel/Brasquel50.ini), written through at every change.
#pragma once

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
    // Why the existing file could not be read, or empty. Such a file is
    // kept as it is until the first write, which first saves a copy of it
    // beside it (see backup_name()).
    const std::string& open_problem() const { return open_problem_; }
    std::string backup_name() const;

protected:
    std::string store_text(std::string_view name, std::string_view text) override;

private:
    void check_open();
    std::string stored_key(std::string_view name);

    std::unique_ptr<QSettings> settings_;
    std::string open_problem_;
    bool backed_up_ = false;
};

// The folder of the user's settings file, for messages.
std::string default_store_file();

}  // namespace ignivar
