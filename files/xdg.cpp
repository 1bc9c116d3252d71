#include "files/xdg.h"

#include <cstdlib>
#include <fstream>
#include <pwd.h>
#include <unistd.h>

namespace ignivar::files {
namespace {

std::string home() {
    if (const char* h = std::getenv("HOME"); h && *h) return h;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return "/";
}

// A base directory: the variable when it holds an absolute path (the only
// kind the desktop's rules allow), else the default under the home folder.
std::string base(const char* variable, const char* fallback) {
    if (const char* v = std::getenv(variable); v && v[0] == '/') return v;
    return home() + "/" + fallback;
}

}  // namespace

std::string config_home() { return base("XDG_CONFIG_HOME", ".config"); }
std::string state_home() { return base("XDG_STATE_HOME", ".local/state"); }
std::string data_home() { return base("XDG_DATA_HOME", ".local/share"); }
std::string cache_home() { return base("XDG_CACHE_HOME", ".cache"); }

std::string pictures_dir() {
    if (const char* set = std::getenv("XDG_PICTURES_DIR"); set && set[0] == '/') return set;
    // Lines such as: XDG_PICTURES_DIR="$HOME/Pictures"
    std::ifstream dirs(config_home() + "/user-dirs.dirs");
    for (std::string line; std::getline(dirs, line);) {
        const std::string key = "XDG_PICTURES_DIR=\"";
        if (line.rfind(key, 0) != 0 || line.back() != '"') continue;
        std::string value = line.substr(key.size(), line.size() - key.size() - 1);
        if (value.rfind("$HOME", 0) == 0) value = home() + value.substr(5);
        if (!value.empty() && value[0] == '/' && value != home() && value != home() + "/") return value;
    }
    return home() + "/Pictures";
}

}  // namespace ignivar::files
