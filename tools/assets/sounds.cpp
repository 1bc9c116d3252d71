// The five effects, synthesised as a piezo buzzer would play them: square
// waves with hard edges, short notes, 16-bit mono PCM.
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "assets.h"

namespace ignivar::assets {
namespace {

constexpr int kRate = 22050;

struct Note {
    double hz_from, hz_to;  // a sweep when they differ; 0 is a rest
    int ms;
};

std::vector<std::int16_t> render(const std::vector<Note>& notes, double volume = 0.35) {
    std::vector<std::int16_t> out;
    double phase = 0;
    for (const Note& n : notes) {
        const int count = kRate * n.ms / 1000;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / count;
            const double hz = n.hz_from + (n.hz_to - n.hz_from) * t;
            double v = 0;
            if (hz > 0) {
                phase += hz / kRate;
                phase -= std::floor(phase);
                v = phase < 0.5 ? 1.0 : -1.0;
            }
            // A 2 ms ramp at each end of a note keeps it from clicking.
            const int edge = kRate / 500;
            const double ramp = std::min(1.0, std::min(i, count - 1 - i) / static_cast<double>(edge));
            out.push_back(static_cast<std::int16_t>(v * volume * ramp * 32767));
        }
    }
    return out;
}

void put(std::ofstream& f, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) f.put(static_cast<char>((v >> (8 * i)) & 255));
}

void write_wav(const std::filesystem::path& path, const std::vector<std::int16_t>& samples) {
    std::ofstream f(path, std::ios::binary);
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    put(f, 36 + data, 4);
    f.write("WAVEfmt ", 8);
    put(f, 16, 4);
    put(f, 1, 2);  // PCM
    put(f, 1, 2);  // mono
    put(f, kRate, 4);
    put(f, kRate * 2, 4);
    put(f, 2, 2);
    put(f, 16, 2);
    f.write("data", 4);
    put(f, data, 4);
    for (std::int16_t s : samples) put(f, static_cast<std::uint16_t>(s), 2);
    if (!f) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

void make_sounds(const std::string& out_dir) {
    const auto dir = std::filesystem::path(out_dir) / "Sound";
    std::filesystem::create_directories(dir);
    // The enemy's throw: a short high blip.
    write_wav(dir / "Enemy.wav", render({{1320, 1320, 35}, {0, 0, 10}}));
    // The jet of water: a quick downward sweep.
    write_wav(dir / "Shot.wav", render({{2400, 900, 70}}));
    // A miss: a harsh low warble.
    write_wav(dir / "Miss.wav", render({{220, 220, 60}, {165, 165, 60}, {220, 220, 60}, {165, 165, 60}, {120, 120, 90}}));
    // The start: a rising fanfare.
    write_wav(dir / "Start.wav", render({{523, 523, 90}, {0, 0, 20}, {659, 659, 90}, {0, 0, 20}, {784, 784, 90},
                                         {0, 0, 20}, {1047, 1047, 200}}));
    // Game over: a falling phrase.
    write_wav(dir / "Gameover.wav", render({{784, 784, 150}, {0, 0, 30}, {659, 659, 150}, {0, 0, 30}, {523, 523, 150},
                                            {0, 0, 30}, {392, 392, 140}, {392, 370, 260}}));
}

}  // namespace ignivar::assets
