// The settings file: whatever bytes it holds, the store reads what it can,
// and before its first write keeps every byte of a file it did not fully
// understand in a copy beside it.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "settings/qt_store.h"

namespace {

std::string slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace fs = std::filesystem;
    // One folder for the whole run, removed at its end.
    static const struct Folder {
        std::string path = [] {
            std::string t = (fs::temp_directory_path() / "ignivar-fuzz-XXXXXX").string();
            return std::string(::mkdtemp(t.data()));
        }();
        ~Folder() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    } folder;
    const std::string& dir = folder.path;
    for (const auto& e : fs::directory_iterator(dir)) fs::remove_all(e.path());
    const std::string file = dir + "/Brasquel50.ini";
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary) << bytes;
    {
        ignivar::QtStore store(file);
        (void)store.read_number("HiScore1", 0);
        (void)store.all_values();
        const bool understood = store.open_problem().empty();
        const std::string backup = store.backup_name();
        if (!store.write_number("Key1", 2)) __builtin_trap();
        if (!understood && slurp(backup) != bytes) __builtin_trap();  // nothing lost
        if (store.read_number("Key1", 0) != 2) __builtin_trap();
    }
    if (ignivar::QtStore(file).read_number("Key1", 0) != 2) __builtin_trap();
    return 0;
}
