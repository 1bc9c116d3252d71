// The libretro core's loading of a state (retro_unserialize): whatever the
// bytes, the core either refuses them and runs on as it was, or runs on
// from the moment they hold, its pictures and its sound of the right size,
// however far on that moment's clock stands. The checksum is made right
// first, so that the fuzzer reaches the fields behind it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "files/places.h"
#include "libretro/machine.h"
#include "sim/state.h"

namespace {

using namespace ignivar;

// A tenth of a second of a 16-bit mono tone at 44.1 kHz, as a WAV file.
std::vector<std::uint8_t> tone_wav() {
    const std::uint32_t frames = 4410, bytes = frames * 2;
    std::vector<std::uint8_t> out;
    const auto put = [&](std::uint32_t v, int n) {
        for (int i = 0; i < n; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    const auto text = [&](const char* t) { out.insert(out.end(), t, t + 4); };
    text("RIFF"), put(36 + bytes, 4), text("WAVE"), text("fmt "), put(16, 4), put(1, 2), put(1, 2), put(44100, 4),
        put(88200, 4), put(2, 2), put(16, 2), text("data"), put(bytes, 4);
    for (std::uint32_t i = 0; i < frames; ++i) put(static_cast<std::uint16_t>((i % 50) * 600 - 15000), 2);
    return out;
}

// A skin of nothing but its file, and five short samples beside it.
std::string system_folder() {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / "ignivar-fuzz-core";
    std::filesystem::create_directories(root / "ignivar" / "Sound");
    std::ofstream(root / "ignivar" / "Config.ini") << "[Common]\nGameWidth=64\nGameHeight=48\n";
    const std::vector<std::uint8_t> wav = tone_wav();
    for (int s = 0; s < kSampleCount; ++s)
        std::ofstream(root / "ignivar" / files::sound_file(sample_name(static_cast<Sample>(s))), std::ios::binary)
            .write(reinterpret_cast<const char*>(wav.data()), static_cast<std::streamsize>(wav.size()));
    return root.string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string folder = system_folder();
    static libretro::Machine machine(libretro::Options{}, folder, {});
    if (!machine.ready()) __builtin_trap();
    std::vector<std::uint8_t> bytes(data, data + size);
    if (bytes.size() >= 20) {
        // The unit's part checks out, so that the fuzzer reaches past it
        // (into the LCD's history after it, too).
        const std::uint32_t crc = crc32(bytes.data() + 20, std::min(bytes.size(), state_size()) - 20);
        for (int i = 0; i < 4; ++i) bytes[16 + i] = static_cast<std::uint8_t>(crc >> (8 * i));
    }
    const std::vector<std::uint8_t> before = machine.save();
    if (!machine.load(bytes.data(), bytes.size()) && machine.save() != before) __builtin_trap();
    for (int frame = 0; frame < 20; ++frame) {
        libretro::Machine::Held held{};
        held[static_cast<std::size_t>(frame % 7)] = frame % 3 != 0;
        machine.run_frame(held);
        if (machine.audio().size() != static_cast<std::size_t>(machine.rate() / libretro::Machine::kFps) * 2) __builtin_trap();
    }
    if (machine.save().size() != libretro::Machine::state_bytes()) __builtin_trap();
    return 0;
}
