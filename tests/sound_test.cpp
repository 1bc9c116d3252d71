// The sound layer on SDL's audio drivers: samples really mixed into the
// output (the disk driver records it to a file), the start-up's choices and
// failures, and a machine without any audio device.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

#include "settings/memory_store.h"
#include "sim/coin.h"
#include "sim/unit.h"
#include "sim/virtual_clock.h"
#include "sound/sound_output.h"
#include "temp_dir.h"

namespace ignivar::sound {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's shadow memory needs a large address space
#else
constexpr bool kSanitized = false;
#endif

// Stereo 16-bit frames of a mono sample file, as the mixer plays it.
std::vector<std::int16_t> stereo_pcm(const std::string& wav) {
    SDL_AudioSpec wav_format;
    Uint8* buf = nullptr;
    Uint32 len = 0;
    if (!SDL_LoadWAV(wav.c_str(), &wav_format, &buf, &len)) return {};
    std::vector<std::int16_t> out;
    const auto* s = reinterpret_cast<const std::int16_t*>(buf);
    for (Uint32 i = 0; i < len / 2; ++i) out.insert(out.end(), {s[i], s[i]});
    SDL_FreeWAV(buf);
    return out;
}

std::vector<std::int16_t> read_pcm(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> pcm(bytes.size() / 2);
    if (!pcm.empty()) std::memcpy(pcm.data(), bytes.data(), pcm.size() * 2);
    return pcm;
}

std::int16_t clip(int v) { return static_cast<std::int16_t>(std::clamp(v, -32768, 32767)); }

// The first stretch of a sample's sound: 512 frames from its first non-silent one.
std::vector<std::int16_t> opening(const std::vector<std::int16_t>& pcm) {
    const auto first = std::find_if(pcm.begin(), pcm.end(), [](std::int16_t v) { return v != 0; });
    const auto start = (first - pcm.begin()) & ~1;  // a whole frame
    return {pcm.begin() + start, pcm.begin() + std::min<std::ptrdiff_t>(start + 1024, pcm.size())};
}

// The disk driver writes in real time on SDL's audio thread; waits (bounded)
// until `what` shows up in the recorded output.
bool recorded(const std::string& file, const std::vector<std::int16_t>& what) {
    for (int i = 0; i < 100; ++i) {
        const auto pcm = read_pcm(file);
        if (std::search(pcm.begin(), pcm.end(), what.begin(), what.end()) != pcm.end()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    return false;
}

struct DiskAudio {
    DiskAudio() {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
    }
    ~DiskAudio() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    test::TempDir dir;
    std::string file = dir.file("out.raw");
};

class Clock : public LocalClock {
public:
    LocalTime now() override { return {}; }
};

// A unit switched on that sounds through `out`, as the start window leaves it.
struct SoundingUnit {
    Clock clock;
    RandomCoin coin{1};
    Unit unit;
    SoundingUnit(MemoryStore& store, SoundOutput& out) : unit(store, out, clock, coin) {
        unit.set_sound_output(out.active());
        unit.power_on();
    }
    // The time, then game A, which plays its Start sample.
    void start_game_a() {
        unit.Inp_time_down();
        unit.Inp_time_up();
        unit.Inp_game_a_down();
        unit.Inp_game_a_up();
    }
};

TEST(Sound, StartingAGamePlaysTheStartSample) {
    DiskAudio disk;
    MemoryStore store;
    SoundOutput out(kDir);
    ASSERT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    const LibraryState lib = library_state();
    ASSERT_TRUE(lib.device_open);
    EXPECT_STREQ(lib.driver, "disk");
    EXPECT_EQ(lib.rate, 22050);
    EXPECT_EQ(lib.channels, 64);
    EXPECT_LE(lib.buffer_frames * 1000 / lib.rate, 25) << "ms of output latency";

    SoundingUnit sounding(store, out);
    sounding.start_game_a();
    EXPECT_TRUE(recorded(disk.file, opening(stereo_pcm(out.sample_path(Sample::Start)))));
    out.shutdown();
    EXPECT_FALSE(library_state().device_open);
}

TEST(Sound, OverlappingEffectsAreMixedTogether) {
    DiskAudio disk;
    MemoryStore store;
    SoundOutput out(kDir);
    ASSERT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    // Two samples started together, and one sample on two channels at once.
    SDL_LockAudio();
    const int a = FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Start));
    const int b = FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Shot));
    const int c = FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Shot));
    SDL_UnlockAudio();
    EXPECT_GE(a, 0);
    EXPECT_NE(a, b);
    EXPECT_NE(b, c);
    const auto start = stereo_pcm(out.sample_path(Sample::Start));
    const auto shot = stereo_pcm(out.sample_path(Sample::Shot));
    std::vector<std::int16_t> mixed(std::max(start.size(), shot.size()));
    for (std::size_t i = 0; i < mixed.size(); ++i)
        mixed[i] = clip(clip((i < start.size() ? start[i] : 0) + (i < shot.size() ? shot[i] : 0)) +
                        (i < shot.size() ? shot[i] : 0));
    EXPECT_TRUE(recorded(disk.file, opening(mixed)));
    FSOUND_StopSound(FSOUND_ALL);
    out.shutdown();
}

// Sounds follow the flames once chosen: a sample from lane 1 is whole on
// the left and a quarter on the right; not chosen, or from the middle, a
// sample on the same channel is as the file has it again.
TEST(Sound, ASampleFromALaneLeansToItsSideOnceChosen) {
    DiskAudio disk;
    MemoryStore store;
    SoundOutput out(kDir);
    ASSERT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    const auto shot = opening(stereo_pcm(out.sample_path(Sample::Shot)));
    const auto leaning = [&](const std::vector<std::int16_t>& pcm) {
        for (std::size_t at = 0; at + shot.size() <= pcm.size(); at += 2) {
            bool same = true;
            for (std::size_t i = 0; same && i < shot.size(); i += 2)
                same = pcm[at + i] == shot[i] && std::abs(pcm[at + i + 1] - shot[i + 1] * 63 / 255) <= 1;
            if (same) return true;
        }
        return false;
    };
    out.set_panned(true);
    out.play(Sample::Shot, 1);
    bool heard = false;
    for (int i = 0; i < 100 && !heard; ++i) {
        heard = leaning(read_pcm(disk.file));
        if (!heard) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    EXPECT_TRUE(heard);
    while (Mix_Playing(-1) > 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    out.set_panned(false);
    out.play(Sample::Shot, 1);
    EXPECT_TRUE(recorded(disk.file, shot));
    out.shutdown();
}

// A store that notes, at every write, whether the library had a device.
class WatchingStore : public MemoryStore {
public:
    std::vector<std::pair<std::string, bool>> writes;

protected:
    Status store_text(std::string_view name, std::string_view text) override {
        writes.emplace_back(std::string(name) + "=" + std::string(text), library_state().device_open);
        return MemoryStore::store_text(name, text);
    }
};

TEST(Sound, StartUpByDriver) {
    struct Case {
        const char* driver;
        const char* stored;
        bool active;
    };
    const Case cases[] = {
        {"(no sound)", "SoundMode=2", false},
        {"Windows MultiMedia", "SoundMode=1", true},
        {"Microsoft DirectSound", "SoundMode=0", true},
    };
    for (const Case& c : cases) {
        WatchingStore store;
        SoundOutput out(kDir);
        EXPECT_TRUE(out.startup(c.driver, store).ok()) << c.driver;
        EXPECT_EQ(out.active(), c.active) << c.driver;
        ASSERT_EQ(store.writes.size(), 1u) << c.driver;
        EXPECT_EQ(store.writes[0].first, c.stored);
        EXPECT_FALSE(store.writes[0].second) << c.driver << ": stored before the library started";
        EXPECT_EQ(library_state().device_open, c.active) << c.driver;  // the dummy driver here
        for (int i = 0; i < kSampleCount; ++i)
            EXPECT_EQ(out.handle(static_cast<Sample>(i)) != nullptr, c.active) << c.driver << " sample " << i;
        out.play(Sample::Shot, kNoLane);  // harmless either way
        out.shutdown();
        out.shutdown();  // and again
        EXPECT_FALSE(library_state().device_open);
    }
}

// On demand, the device opens only when woken or when a sample plays, and
// closes again when nothing plays; the samples survive it.
TEST(Sound, TheDeviceOnDemand) {
    DiskAudio disk;
    MemoryStore store;
    SoundOutput out(kDir);
    set_device_on_demand(true);
    ASSERT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    EXPECT_FALSE(library_state().device_open) << "not opened at start";
    EXPECT_TRUE(rest_device());
    EXPECT_TRUE(FSOUND_StopSound(FSOUND_ALL));
    EXPECT_GE(FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Start)), 0) << "a sample wakes it";
    EXPECT_TRUE(library_state().device_open);
    EXPECT_FALSE(rest_device()) << "the sample still plays";
    FSOUND_StopSound(FSOUND_ALL);
    EXPECT_TRUE(rest_device());
    EXPECT_FALSE(library_state().device_open);
    EXPECT_TRUE(wake_device());
    EXPECT_TRUE(library_state().device_open);
    SDL_LockAudio();
    EXPECT_GE(FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Shot)), 0);
    SDL_UnlockAudio();
    EXPECT_TRUE(recorded(disk.file, opening(stereo_pcm(out.sample_path(Sample::Shot)))))
        << "the samples are whole after the device was closed";
    FSOUND_StopSound(FSOUND_ALL);
    out.shutdown();
    EXPECT_TRUE(rest_device()) << "no sound started: nothing to wait for";
    set_device_on_demand(false);
    EXPECT_FALSE(library_state().device_open);
}

// The player's mute silences every sample; the unit's own switch goes on
// as without it, and unmuted the next sample sounds.
TEST(Sound, MuteSilencesEverySample) {
    DiskAudio disk;
    MemoryStore store;
    SoundOutput out(kDir);
    ASSERT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    SoundingUnit sounding(store, out);
    out.set_muted(true);
    sounding.start_game_a();
    EXPECT_TRUE(sounding.unit.state().game_sound) << "the unit's switch is its own";
    EXPECT_EQ(Mix_Playing(-1), 0);
    for (int i = 0; i < kSampleCount; ++i) out.play(static_cast<Sample>(i), kNoLane);
    EXPECT_EQ(Mix_Playing(-1), 0);
    out.set_muted(false);
    SDL_LockAudio();
    out.play(Sample::Shot, kNoLane);
    SDL_UnlockAudio();
    EXPECT_TRUE(recorded(disk.file, opening(stereo_pcm(out.sample_path(Sample::Shot)))));
    out.shutdown();
}

TEST(Sound, NoAudioDeviceAtAll) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    MemoryStore store;
    SoundOutput out(kDir);
    EXPECT_TRUE(out.startup("Microsoft DirectSound", store).ok());
    EXPECT_FALSE(library_state().device_open);
    EXPECT_NE(out.handle(Sample::Enemy), nullptr);  // loaded from its file all the same
    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, out.handle(Sample::Enemy)), -1);
    out.play(Sample::Miss, kNoLane);
    out.stop_all();
    out.shutdown();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

TEST(Sound, MissingSampleFiles) {
    namespace fs = std::filesystem;
    struct Case {
        const char* name;
        std::vector<const char*> files;  // copied into the program folder
        bool ok;
    };
    const Case cases[] = {
        {"no Sound folder", {}, false},
        {"only Enemy.wav missing", {"Gameover", "Miss", "Shot", "Start"}, false},
        {"only Shot.wav missing", {"Enemy", "Gameover", "Miss", "Start"}, true},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        fs::create_directories(dir.path / "Sound");
        for (const char* f : c.files)
            fs::copy_file(fs::path(kDir) / "Sound" / (std::string(f) + ".wav"), dir.path / "Sound" / (std::string(f) + ".wav"));
        MemoryStore store;
        store.write_text("SplashScreen", "0");
        SoundOutput out(dir.path.string());
        std::vector<std::string> shown;
        const Status started = out.startup("Windows MultiMedia", store);
        if (!started) {
            shown.push_back(started.message());
            SoundOutput::forget_driver(store);
        }
        const bool ok = started.ok();
        EXPECT_EQ(ok, c.ok) << c.name;
        if (c.ok) {
            EXPECT_TRUE(shown.empty()) << c.name;
            EXPECT_EQ(out.handle(Sample::Shot), nullptr);
            out.play(Sample::Shot, kNoLane);  // silent and harmless
            EXPECT_EQ(store.read_text("SoundMode"), "1");
        } else {
            EXPECT_EQ(shown, std::vector<std::string>{"Sound folder unproperly installed. Please reinstall the game."})
                << c.name;
            EXPECT_EQ(store.read_text("SoundMode"), "-1") << c.name;
            EXPECT_EQ(store.read_text("SplashScreen"), "1") << c.name;
        }
        out.shutdown();
    }
}

// A WAV file's bytes: a PCM header and `data_bytes` of silence.
std::string wav_file(int rate, int channels, int bits, std::size_t data_bytes) {
    std::string out;
    const auto put = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    out += "RIFF";
    put(static_cast<std::uint32_t>(36 + data_bytes), 4);
    out += "WAVEfmt ";
    put(16, 4), put(1, 2), put(static_cast<std::uint32_t>(channels), 2), put(static_cast<std::uint32_t>(rate), 4);
    put(static_cast<std::uint32_t>(rate * channels * bits / 8), 4), put(static_cast<std::uint32_t>(channels * bits / 8), 2);
    put(static_cast<std::uint32_t>(bits), 2);
    out += "data";
    put(static_cast<std::uint32_t>(data_bytes), 4);
    out.append(data_bytes, bits == 8 ? '\x80' : '\0');
    return out;
}

// Hostile sound files are refused by our own check before any library
// decodes them, in a process whose memory is bounded, with a device open.
TEST(Sound, HostileWavesAreRefusedBeforeAnyLibrarySeesThem) {
    test::TempDir dir;
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"one_hertz.wav", wav_file(1, 1, 8, 24'348)},
        {"long_and_slow.wav", wav_file(4000, 1, 8, 15'000'000)},  // 62 min: 2.1 GB as it would be played
        {"over_the_cap.wav", wav_file(44100, 2, 16, 17 << 20)},
        {"twelve_bits.wav", wav_file(22050, 1, 12, 1000)},
        {"six_channels.wav", wav_file(22050, 6, 16, 1200)},
    };
    for (const Case& c : cases) dir.write(c.name, c.bytes);
    const pid_t pid = fork();
    if (pid == 0) {
        rlimit limit{1ull << 30, 1ull << 30};
        if (!kSanitized) setrlimit(RLIMIT_AS, &limit);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (!FSOUND_Init(44100, 64, 0)) _exit(2);
        int accepted = 0;
        for (const Case& c : cases) accepted += FSOUND_Sample_Load(FSOUND_FREE, dir.file(c.name).c_str(), FSOUND_2D, 0, 0) != nullptr;
        FSOUND_Close();
        _exit(accepted == 0 ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
}

TEST(Sound, AllSamplesTogetherStayWithinTheirBudget) {
    test::TempDir dir;
    dir.write("minute.wav", wav_file(48000, 2, 16, 59 * 48000 * 4));  // near the longest one sample may be
    const std::string minute = dir.file("minute.wav");
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(FSOUND_Init(44100, 64, 0));
    FSOUND_SAMPLE* a = FSOUND_Sample_Load(FSOUND_FREE, minute.c_str(), FSOUND_2D, 0, 0);
    FSOUND_SAMPLE* b = FSOUND_Sample_Load(FSOUND_FREE, minute.c_str(), FSOUND_2D, 0, 0);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, minute.c_str(), FSOUND_2D, 0, 0), nullptr);  // a third is past it
    FSOUND_Sample_Free(b);
    FSOUND_SAMPLE* c = FSOUND_Sample_Load(FSOUND_FREE, minute.c_str(), FSOUND_2D, 0, 0);
    EXPECT_NE(c, nullptr);
    FSOUND_Sample_Free(a);
    FSOUND_Sample_Free(c);
    FSOUND_Close();
}

TEST(Sound, ANonWaveFileIsNoSample) {
    test::TempDir dir;
    dir.write("noise.wav", "RIFF....WAVEjunk");
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, dir.file("noise.wav").c_str(), FSOUND_2D, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, dir.file("absent.wav").c_str(), FSOUND_2D, 0, 0), nullptr);
    // A FIFO in a sample's place is refused at once instead of waiting for a writer.
    ASSERT_EQ(mkfifo(dir.file("fifo.wav").c_str(), 0600), 0);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_FREE, dir.file("fifo.wav").c_str(), FSOUND_2D, 0, 0), nullptr);
    FSOUND_Sample_Free(nullptr);
    FSOUND_Close();
}

}  // namespace
}  // namespace ignivar::sound
