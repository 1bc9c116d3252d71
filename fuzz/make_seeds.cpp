// Writes the fuzzers' seed corpus: small pictures of each format and kind,
// made with the project's own encoders, a few skin files, saved games and
// a replay.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "host/replay.h"
#include "settings/memory_store.h"
#include "sim/coin.h"
#include "sim/state.h"
#include "sim/virtual_clock.h"
#include "skin/picture.h"

using namespace ignivar::skin;
namespace fs = std::filesystem;

namespace {

Picture pattern(int w, int h) {
    Picture p(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            std::uint8_t* d = p.pixel(x, y);
            d[0] = static_cast<std::uint8_t>(x * 40);
            d[1] = static_cast<std::uint8_t>(y * 40);
            d[2] = static_cast<std::uint8_t>((x ^ y) * 20);
            d[3] = static_cast<std::uint8_t>((x + y) % 2 ? 255 : 0);
        }
    return p;
}

void write(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

class NoStore : public ignivar::SettingsStore {
public:
    std::optional<std::string> read_text(std::string_view) override { return std::nullopt; }
    std::vector<std::pair<std::string, std::string>> all_values() override { return {}; }

protected:
    ignivar::Status store_text(std::string_view, std::string_view) override { return {}; }
};

// Saved games at a few moments: the watch, a game's count-down and play.
void write_states(const fs::path& dir) {
    using namespace ignivar;
    NoStore store;
    SilentSink sound;
    RandomCoin coin(7);
    Unit* unit_ptr = nullptr;
    VirtualClock clock([&] { return unit_ptr ? unit_ptr->timers().now() : Millis{0}; });
    Unit unit(store, sound, clock, coin);
    unit_ptr = &unit;
    unit.power_on();
    const auto save = [&](const char* name) {
        const auto bytes = encode_state(capture_state(unit, coin));
        write(dir / name, std::string(bytes.begin(), bytes.end()));
    };
    save("power_on.state");
    unit.Inp_time_down();
    unit.Inp_time_up();
    unit.advance(1500);
    save("watch.state");
    unit.Inp_game_a_down();
    save("ready.state");
    unit.Inp_game_a_up();
    unit.advance(5000);
    save("count_down.state");
    unit.advance(4000);
    unit.Inp_shoot_down();
    coin.force(1);
    save("shot.state");
}

// A WAV file of `frames` frames of a rising ramp.
std::string wav(int rate, int channels, int bits, int frames) {
    std::string out;
    const auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    const std::uint32_t data = static_cast<std::uint32_t>(frames * channels * bits / 8);
    out += "RIFF";
    put(36 + data, 4);
    out += "WAVEfmt ";
    put(16, 4), put(bits == 32 ? 3 : 1, 2), put(static_cast<std::uint32_t>(channels), 2);
    put(static_cast<std::uint32_t>(rate), 4), put(static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
    put(static_cast<std::uint32_t>(channels * bits / 8), 2), put(static_cast<std::uint32_t>(bits), 2);
    out += "data";
    put(data, 4);
    for (std::uint32_t i = 0; i < data; ++i) out += static_cast<char>(i * 7);
    return out;
}

// A short game A, played on a host and recorded.
void write_replay(const fs::path& dir) {
    using namespace ignivar;
    MemoryStore store;
    SilentSink sound;
    host::ManualTime time;
    host::Host h(store, sound, time, 3);
    h.create();
    h.handle([&] { h.unit().power_on(); });
    host::Recorder recorder(h);
    recorder.now_text = [] { return std::string("2026-12-08T10:00:00Z"); };
    recorder.on_finished([&](const host::Replay& r) { write(dir / "game.replay", host::write_replay(r)); });
    const auto click = [&](input::Button b) {
        h.press(b);
        time.advance(40);
        h.release(b);
    };
    click(input::Button::Time);
    click(input::Button::GameA);
    const input::Button moves[] = {input::Button::Right, input::Button::ShootLeft, input::Button::Left,
                                   input::Button::ShootRight};
    for (int i = 0; i < 600 && recorder.recording(); ++i) {
        time.advance(150);
        click(moves[i % 4]);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_seeds DIR\n";
        return 2;
    }
    const fs::path root = argv[1];
    for (const char* d : {"bmp", "png", "jpeg", "ini", "state", "replay", "wav", "gamepad", "settings"})
        fs::create_directories(root / d);
    write_states(root / "state");
    write_replay(root / "replay");
    write(root / "wav" / "mono8.wav", wav(8000, 1, 8, 40));
    write(root / "wav" / "stereo16.wav", wav(22050, 2, 16, 30));
    write(root / "wav" / "float.wav", wav(44100, 1, 32, 20));
    write(root / "gamepad" / "Gamepad.txt",
          "enabled = yes\nrumble = no   # quiet\ndpleft = left\nleftx- = left\nx = shoot_left\nstart = game_a\n"
          "righttrigger = time\nbogus\nz = jump\n");
    write(root / "settings" / "Brasquel50.ini",
          "[General]\nKey1=2\nKey2=3\nHiScore1=120\nSoundMode=0\nSplashScreen=1\nZoom=2\nWindowX=-40\n");
    write(root / "settings" / "odd.ini", "; comment\n[General]\nHint1=\"a, b\"\nKey3=0x10\n[Other]\nx=1\n");
    const Picture small = pattern(5, 3), square = pattern(8, 8);
    write_png(small, (root / "png" / "small.png").string());
    write_png(square, (root / "png" / "square.png").string());
    write_jpeg(square, (root / "jpeg" / "square.jpg").string(), 80);
    write_jpeg(small, (root / "jpeg" / "small.jpg").string(), 30);
    write_bmp(small, (root / "bmp" / "small24.bmp").string(), 24);
    write_bmp(square, (root / "bmp" / "square32.bmp").string(), 32);
    // A 4-bit RLE and an 8-bit palette picture, written by hand.
    const unsigned char rle4[] = {'B', 'M', 90, 0, 0, 0, 0, 0, 0, 0, 118, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0,
                                  1, 0, 4, 0, 2, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 0, 0, 0, 0, 0, 0, 0};
    std::string rle(reinterpret_cast<const char*>(rle4), sizeof rle4);
    rle += std::string(64, '\x40');
    rle += std::string("\x04\x12\x00\x00\x00\x03\x12\x30\x00\x01", 10);
    write(root / "bmp" / "rle4.bmp", rle);
    write(root / "ini" / "config.ini",
          "[Common]\nSkinDir=Graphics\\Skin\\\nGameWidth=540\nGameHeight=$168\n[Fullscreen]\nBgColor=$00000000\n"
          "GameOffsetX=Center\n; comment\n[Image1]\nFilename=background.png\nLeft=0x10\nTop=-3\n");
    write(root / "ini" / "odd.ini", "\xEF\xBB\xBF[a]\r\nb = \"c\"\n[\nd=e\n=f\n[g]]\nh=" + std::string(40, 'x'));
    return 0;
}
