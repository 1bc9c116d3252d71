#include "skin/manual.h"

#include <filesystem>
#include <new>

#include "skin/ini.h"
#include "skin/picture_budget.h"
#include "skin/skin.h"

namespace ignivar::skin {

Manual load_manual_within_budget(const std::string& config_path, const std::string& program_dir,
                                 const std::string& own_dir);

Manual load_manual(const std::string& config_path, const std::string& program_dir, const std::string& own_dir) {
    try {
        return load_manual_within_budget(config_path, program_dir, own_dir);
    } catch (const std::bad_alloc&) {
        Manual m;
        m.error = "There is not enough memory to load the manual's pages";
        return m;
    }
}

Manual load_manual_within_budget(const std::string& config_path, const std::string& program_dir,
                                 const std::string& own_dir) {
    Manual m;
    PictureBudget budget;
    std::optional<IniFile> ini;
    std::error_code ec;
    if (std::filesystem::is_regular_file(config_path, ec)) ini = IniFile::load(config_path);
    if (!ini) ini = IniFile::parse("");
    const std::string dir = as_folder(ini->read_string("Manual", "ManualDir", "Graphics\\Manual\\"));
    m.height = ini->read_integer("Manual", "ManualHeight", 255);
    m.width = ini->read_integer("Manual", "ManualWidth", 345);
    for (int n = 1; n <= kManualPages; ++n) {
        ManualPage& page = m.pages[n - 1];
        page.file = dir + std::to_string(n) + ".bmp";
        const std::string path = resolve_path(page.file, own_dir, program_dir);
        if (!std::filesystem::is_regular_file(path, ec)) {
            page.source = ManualPage::Source::Placeholder;
            page.picture = std::make_shared<const Picture>(placeholder());
            continue;
        }
        auto loaded = budget.load(path, PictureBudget::Use::AsIs);
        if (auto* message = std::get_if<std::string>(&loaded)) {
            m.error = *message;
            break;  // this page and the ones after it stay empty
        }
        page.source = ManualPage::Source::File;
        page.picture = std::get<std::shared_ptr<const Picture>>(loaded);
    }
    return m;
}

}  // namespace ignivar::skin
