// ignivar-sim: runs the unit without a window from a script of commands.
#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "driver/driver.h"
#include "driver/skin_report.h"
#include "product.h"
#include "settings/memory_store.h"
// The browser build's driver (run under node) has neither a settings file
// nor the clip exporter: both need libraries a browser lacks.
#ifndef __EMSCRIPTEN__
#include "driver/export_cli.h"
#include "settings/qt_store.h"
#endif

namespace {

int usage(std::ostream& out = std::cerr) {
    out << "usage: ignivar-sim [--store FILE] [SCRIPT]\n"
                 "       ignivar-sim skin [--fullscreen] [--screen WxH] CONFIG\n"
                 "       ignivar-sim manual CONFIG\n"
                 "       ignivar-sim verify REPLAY\n"
                 "       ignivar-sim export [--format F] [--zoom N] [--fps N] [--view unit|lcd] [--look exact|real] REPLAY OUT\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        const std::string form = argv[1];
        const std::vector<std::string> rest(argv + 2, argv + argc);
        if (form == "skin") return ignivar::run_skin_report(rest, std::cout, std::cerr);
        if (form == "manual") return ignivar::run_manual_report(rest, std::cout, std::cerr);
        if (form == "verify") return ignivar::run_verify(rest, std::cout, std::cerr);
#ifndef __EMSCRIPTEN__
        if (form == "export") return ignivar::run_export(rest, std::cout, std::cerr);
#endif
    }
    std::string store_file;
    std::string script;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--store") {
            if (++i >= argc) return usage();
            store_file = argv[i];
        } else if (arg == "--help" || arg == "-h") {
            usage(std::cout);
            std::cout << "Runs the Ignivar unit on virtual time from a script of commands (standard input\n"
                         "when no SCRIPT is given) and prints what its display shows; see ignivar-sim(1).\n";
            return 0;
        } else if (arg == "--version") {
            std::cout << "ignivar-sim " << ignivar::kProgramVersion << '\n';
            return 0;
        } else if (script.empty() && (arg.empty() || arg[0] != '-')) {
            script = arg;
        } else {
            return usage();
        }
    }

    std::unique_ptr<ignivar::SettingsStore> store;
    if (store_file.empty()) {
        store = std::make_unique<ignivar::MemoryStore>();
    } else {
#ifdef __EMSCRIPTEN__
        std::cerr << "ignivar-sim: this build keeps no settings file\n";
        return 2;
#else
        auto qt = std::make_unique<ignivar::QtStore>(store_file);
        if (!qt->open_problem().empty())
            std::cerr << "ignivar-sim: " << qt->open_problem() << '\n';
        store = std::move(qt);
#endif
    }

    // The unit seeds its coin from the clock; scripts that must repeat use
    // `seed` or `coin`.
    const auto seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    ignivar::Driver driver(*store, std::cout, std::cerr, seed);
    if (script.empty()) return ignivar::run_script(driver, std::cin);
    std::ifstream in(script);
    if (!in) {
        std::cerr << "ignivar-sim: cannot open " << script << '\n';
        return 2;
    }
    return ignivar::run_script(driver, in);
}
