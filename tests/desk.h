// A main window on a host of its own, made as the program makes them: the
// tests reach the unit through the host, the window through `w`.
#pragma once

#include <memory>
#include <string>

#include "app/main_window.h"
#include "host/host.h"
#include "host/system_clock.h"
#include "settings/memory_store.h"

namespace ignivar::test {

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
