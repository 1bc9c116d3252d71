// A main window on a host of its own, made as the program makes them: the
// tests reach the unit through the host, the window through `w`.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "host/host.h"
#include "host/system_clock.h"
#include "settings/memory_store.h"

namespace ignivar::test {

// A store that notes every value written, in order.
class RecordingStore : public MemoryStore {
public:
    std::vector<std::string> writes;

protected:
    Status store_text(std::string_view name, std::string_view text) override {
        writes.push_back(std::string(name) + "=" + std::string(text));
        return MemoryStore::store_text(name, text);
    }
};

template <typename Store = MemoryStore>
struct BasicDesk {
    // With FullscreenMode stored as given (nothing stored: not given).
    explicit BasicDesk(std::optional<bool> fullscreen, const std::string& dir = IGNIVAR_ASSET_DIR) {
        if (fullscreen) store.write_text("FullscreenMode", *fullscreen ? "1" : "0");
        w = std::make_unique<app::TForm1>(host, time, dir);
    }
    BasicDesk(const app::DataPaths& files, std::optional<bool> fullscreen) {
        if (fullscreen) store.write_text("FullscreenMode", *fullscreen ? "1" : "0");
        w = std::make_unique<app::TForm1>(host, time, files);
    }

    Unit& unit() { return host.unit(); }

    Store store;
    SilentSink sound;
    host::RealTime time;
    host::SystemClock clock;
    host::Host host{store, sound, time, 1, &clock};
    std::unique_ptr<app::TForm1> w;
};
using Desk = BasicDesk<>;

}  // namespace ignivar::test
