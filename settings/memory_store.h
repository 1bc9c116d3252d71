// A settings store held in memory, for tests and for runs that should leave
// nothing behind. Value names compare without regard to case, as the
// platform's store does.
#pragma once

#include <map>
#include <string>

#include "sim/ports.h"

namespace ignivar {

class MemoryStore : public SettingsStore {
public:
    std::optional<std::string> read_text(std::string_view name) override;
    std::vector<std::pair<std::string, std::string>> all_values() override;

    // Makes every later write fail with `message` (empty: writes succeed).
    void fail_writes(std::string message) { failure_ = std::move(message); }

protected:
    Status store_text(std::string_view name, std::string_view text) override;

private:
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, std::string, NoCase> values_;
    std::string failure_;
};

}  // namespace ignivar
