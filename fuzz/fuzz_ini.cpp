// Fuzzes the INI reader and the integer conversion of the skin's keys.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "skin/ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto ini = ignivar::skin::IniFile::parse(text);
    (void)ini.read_integer("Common", "GameWidth", 540);
    (void)ini.read_string("Image1", "Filename", "");
    (void)ini.read_string("Fullscreen", "BgColor", "$00000000");
    (void)ignivar::skin::parse_integer(text.substr(0, 64));
    return 0;
}
