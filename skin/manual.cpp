#include "skin/manual.h"

#include <new>

#include "files/read.h"
#include "skin/ini.h"
#include "skin/picture_budget.h"
#include "skin/skin.h"

namespace ignivar::skin {

Manual find_manual(const std::string& config_path, const std::string& program_dir, const std::string& own_dir,
                   const std::string& language) {
    Manual m;
    auto loaded = files::is_regular_file(config_path) ? IniFile::load(config_path) : Result<IniFile>(IniFile());
    const IniFile ini = loaded ? std::move(loaded).value() : IniFile();
    const std::string dir = as_folder(ini.read_string("Manual", "ManualDir", "Graphics\\Manual\\"));
    m.height = ini.read_integer("Manual", "ManualHeight", 255);
    m.width = ini.read_integer("Manual", "ManualWidth", 345);
    for (int n = 1; n <= kManualPages; ++n) {
        ManualPage& page = m.pages[n - 1];
        page.file = dir + std::to_string(n) + ".bmp";
        page.resolved = resolve_path(page.file, own_dir, program_dir);
        if (!language.empty()) {
            const std::string own_language = dir + language + "/" + std::to_string(n) + ".bmp";
            const std::string resolved = resolve_path(own_language, own_dir, program_dir);
            if (files::is_regular_file(resolved)) {
                page.file = own_language;
                page.resolved = resolved;
            }
        }
        if (files::is_regular_file(page.resolved)) {
            page.source = ManualPage::Source::File;
        } else {
            page.source = ManualPage::Source::Placeholder;
            static const auto mark = std::make_shared<const Picture>(placeholder());
            page.picture = mark;
        }
    }
    return m;
}

Status load_manual_pages(Manual& m) {
    PictureBudget budget;
    for (int n = 0; n < kManualPages; ++n) {
        ManualPage& page = m.pages[n];
        if (page.source != ManualPage::Source::File || page.picture) continue;
        Result<std::shared_ptr<const Picture>> loaded = failure("");
        try {
            loaded = budget.load(page.resolved, PictureBudget::Use::AsIs);
        } catch (const std::bad_alloc&) {
            loaded = failure(said("Manual", "There is not enough memory to load the manual's pages"));
        }
        if (!loaded) {
            for (int rest = n; rest < kManualPages; ++rest) {
                m.pages[rest].source = ManualPage::Source::Empty;
                m.pages[rest].picture.reset();
            }
            return loaded.error();
        }
        page.picture = *loaded;
    }
    return {};
}

Status load_manual(const std::string& config_path, const std::string& program_dir, Manual& manual,
                   const std::string& own_dir) {
    manual = find_manual(config_path, program_dir, own_dir);
    return load_manual_pages(manual);
}

}  // namespace ignivar::skin
