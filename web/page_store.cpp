// The page's settings: kept in the browser's storage as lines of
// name=value, written back only when one changed.
#include <algorithm>

#include "web/web_unit.h"

namespace ignivar::web {

std::string PageStore::text() {
    std::string out;
    for (const auto& [name, value] : all_values()) {
        // A value is one line: a line break in one could forge another setting.
        if (value.find_first_of("\r\n") != std::string::npos) continue;
        out += name + "=" + value + "\n";
    }
    return out;
}

void PageStore::take_in(std::string_view text) {
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const auto eq = line.find('=');
        if (eq == std::string_view::npos || eq == 0) continue;
        write_text(line.substr(0, eq), line.substr(eq + 1));
    }
    changed_ = false;
}

Status PageStore::store_text(std::string_view name, std::string_view text) {
    const auto old = read_text(name);
    if (old && *old == text) return {};
    changed_ = true;
    return MemoryStore::store_text(name, text);
}

}  // namespace ignivar::web
