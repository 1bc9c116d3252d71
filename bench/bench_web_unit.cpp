// The page's unit run natively: creating one, and games played a frame at
// a time. scripts/bench_web.sh sets these beside the same figures measured
// in the browser.
#include <cstdio>
#include <filesystem>

#include "web/unit_figures.h"

int main() {
    const auto folder = std::filesystem::temp_directory_path() / "ignivar-bench-web-replays";
    const auto f = ignivar::web::measure_unit(IGNIVAR_ASSET_DIR, folder.string());
    std::filesystem::remove_all(folder);
    if (f.create_ms <= 0) {
        std::fprintf(stderr, "bench_web_unit: the unit could not be created from %s\n", IGNIVAR_ASSET_DIR);
        return 1;
    }
    std::printf("create_ms %.2f\nreal_time_multiple %.0f\n", f.create_ms, f.real_time_multiple);
    return 0;
}
