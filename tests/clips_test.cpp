// Clips read back with FFmpeg's and libwebp's own readers: their length,
// size and frame rate, their first frame against the headless composer's
// picture, and the game's sound where it was played.
#include <gtest/gtest.h>

#include <dlfcn.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
#include <webp/demux.h>
}

#include <cmath>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>
#include <fstream>
#include <iterator>
#include <memory>

#include "clips/exporter.h"
#include "clips/module.h"
#include "files/places.h"
#include "files/read.h"
#include "recorded_game.h"
#include "skin/frame.h"
#include "skin/skin.h"
#include "sound/mixer.h"

namespace ignivar::test {
namespace {

const std::string kDir = IGNIVAR_ASSET_DIR;

// What a clip file holds, as a reader finds it.
struct ReadBack {
    int width = 0, height = 0;
    AVRational fps{0, 1};
    std::int64_t frames = 0;
    double seconds = 0;
    skin::Picture first;       // RGBA
    std::vector<float> left;   // the sound's left channel at 48 kHz
};

ReadBack read_back(const std::string& path) {
    ReadBack out;
    AVFormatContext* raw = nullptr;
    EXPECT_EQ(avformat_open_input(&raw, path.c_str(), nullptr, nullptr), 0) << path;
    if (!raw) return out;
    std::unique_ptr<AVFormatContext, void (*)(AVFormatContext*)> fc(raw, [](AVFormatContext* c) { avformat_close_input(&c); });
    avformat_find_stream_info(fc.get(), nullptr);
    const int v = av_find_best_stream(fc.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    const int a = av_find_best_stream(fc.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    const auto decoder = [&](int index) {
        const AVCodecParameters* par = fc->streams[index]->codecpar;
        AVCodecContext* c = avcodec_alloc_context3(avcodec_find_decoder(par->codec_id));
        avcodec_parameters_to_context(c, par);
        avcodec_open2(c, c->codec, nullptr);
        return std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)>(c, [](AVCodecContext* x) { avcodec_free_context(&x); });
    };
    const AVStream* vs = fc->streams[v];
    out.width = vs->codecpar->width;
    out.height = vs->codecpar->height;
    out.fps = vs->avg_frame_rate;
    out.seconds = fc->duration / double(AV_TIME_BASE);
    auto vdec = decoder(v);
    std::unique_ptr<AVCodecContext, void (*)(AVCodecContext*)> adec(nullptr, [](AVCodecContext*) {});
    SwrContext* swr = nullptr;
    if (a >= 0) {
        adec = decoder(a);
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        swr_alloc_set_opts2(&swr, &mono, AV_SAMPLE_FMT_FLT, 48000, &adec->ch_layout, adec->sample_fmt, adec->sample_rate, 0, nullptr);
        swr_init(swr);
    }
    AVPacket* pkt = av_packet_alloc();
    AVFrame* frame = av_frame_alloc();
    const auto take_video = [&] {
        if (!out.first.empty()) return;
        out.first = skin::Picture(frame->width, frame->height);
        SwsContext* sws = sws_getContext(frame->width, frame->height, static_cast<AVPixelFormat>(frame->format), frame->width,
                                         frame->height, AV_PIX_FMT_RGBA, SWS_BILINEAR | SWS_ACCURATE_RND | SWS_FULL_CHR_H_INT,
                                         nullptr, nullptr, nullptr);
        std::uint8_t* dst[1] = {out.first.rgba.data()};
        const int stride[1] = {frame->width * 4};
        sws_scale(sws, frame->data, frame->linesize, 0, frame->height, dst, stride);
        sws_freeContext(sws);
    };
    const auto take_audio = [&] {
        // The first channel alone: the game's sound is the same on both.
        std::vector<float> mono(static_cast<std::size_t>(frame->nb_samples) + 64);
        std::uint8_t* dst[1] = {reinterpret_cast<std::uint8_t*>(mono.data())};
        const int n = swr_convert(swr, dst, static_cast<int>(mono.size()), const_cast<const std::uint8_t**>(frame->extended_data),
                                  frame->nb_samples);
        out.left.insert(out.left.end(), mono.begin(), mono.begin() + std::max(0, n));
    };
    const auto drain = [&](AVCodecContext* c, bool video) {
        while (avcodec_receive_frame(c, frame) == 0) {
            if (video) take_video();
            else take_audio();
        }
    };
    while (av_read_frame(fc.get(), pkt) == 0) {
        if (pkt->stream_index == v) {
            ++out.frames;
            avcodec_send_packet(vdec.get(), pkt);
            drain(vdec.get(), true);
        } else if (pkt->stream_index == a) {
            avcodec_send_packet(adec.get(), pkt);
            drain(adec.get(), false);
        }
        av_packet_unref(pkt);
    }
    avcodec_send_packet(vdec.get(), nullptr);
    drain(vdec.get(), true);
    if (adec) {
        avcodec_send_packet(adec.get(), nullptr);
        drain(adec.get(), false);
    }
    av_frame_free(&frame);
    av_packet_free(&pkt);
    swr_free(&swr);
    return out;
}

// The face at the replay's first moment, as the headless composer draws
// the whole unit (laid out on a screen of its own size, no logo, no menu).
skin::Picture composed_start(const host::Replay& replay) {
    skin::Skin s;
    skin::LoadRequest req;
    req.config_path = kDir + "/Config.ini";
    req.program_dir = kDir;
    req.fullscreen = true;
    req.screen_width = 540;
    req.screen_height = 360;
    req.search_current_dir = false;
    EXPECT_TRUE(skin::load_skin(req, s).ok());
    s.logo.shown = false;
    s.menu_shown = false;
    SilentSink silent;
    auto run = host::ReplayRun::start(replay, silent);
    (*run)->advance(0);
    return skin::render_frame(s, (*run)->host().unit().display(), {});
}

double mean_difference(const skin::Picture& a, const skin::Picture& b) {
    double sum = 0;
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            for (int c = 0; c < 3; ++c) sum += std::abs(a.pixel(x, y)[c] - b.pixel(x, y)[c]);
    return sum / (3.0 * a.width * a.height);
}

// How much of `b` is found in `a` from `lag` on (normalised correlation).
double likeness(const std::vector<float>& a, const std::vector<float>& b, std::size_t lag) {
    double ab = 0, aa = 0, bb = 0;
    for (std::size_t i = 0; i < b.size() && i + lag < a.size(); ++i) {
        ab += a[i + lag] * b[i];
        aa += a[i + lag] * a[i + lag];
        bb += b[i] * b[i];
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 0;
}

clips::ExportRequest request(clips::Format format, int fps, const std::string& out) {
    clips::ExportRequest r;
    r.format = format;
    r.fps = fps;
    r.config = kDir + "/Config.ini";
    r.data_dir = kDir;
    r.out = out;
    return r;
}

TEST(Clips, AnMp4HoldsTheGameFromItsFirstFrameAndItsStartSound) {
    TempDir dir;
    const host::Replay replay = recorded_game(dir);
    const clips::ExportRequest r = request(clips::Format::Mp4, 30, dir.file("game.mp4"));
    ASSERT_TRUE(clips::export_clip(replay, r).ok());
    const ReadBack clip = read_back(r.out);
    const Millis length = *clips::clip_length(replay);
    EXPECT_EQ(clip.width, 540);
    EXPECT_EQ(clip.height, 360);
    EXPECT_EQ(av_cmp_q(clip.fps, AVRational{30, 1}), 0) << clip.fps.num << "/" << clip.fps.den;
    EXPECT_EQ(clip.frames, length * 30 / 1000);
    EXPECT_NEAR(clip.seconds, length / 1000.0, 0.1);

    const skin::Picture composed = composed_start(replay);
    ASSERT_EQ(clip.first.width, composed.width);
    ASSERT_EQ(clip.first.height, composed.height);
    EXPECT_LT(mean_difference(clip.first, composed), 2.5);  // H.264 at its quality, 4:2:0 colour

    // The Start sample, as the mixer brings it to 48 kHz, is what sounds
    // from the first moment.
    auto wav = files::read_regular_file(files::join(kDir, files::sound_file(sample_name(Sample::Start))), 1 << 24);
    ASSERT_TRUE(wav.ok());
    sound::Mixer mixer(48000);
    mixer.set_sample(Sample::Start, *sound::decode_wav(wav->data(), wav->size()));
    mixer.start(Sample::Start, 0);
    std::vector<std::int16_t> stereo(2 * 24000);
    mixer.mix(0, 24000, stereo.data());
    std::vector<float> start(24000);
    for (std::size_t i = 0; i < start.size(); ++i) start[i] = stereo[2 * i] / 32768.f;
    ASSERT_GT(clip.left.size(), 48000u * 25);
    EXPECT_GT(likeness(clip.left, start, 0), 0.95);
    EXPECT_LT(likeness(clip.left, start, 4800), 0.5);  // and not a tenth of a second later
}

// The real look is drawn on the game's own time: the same replay gives the
// same clip every time, and not the exact look's.
TEST(Clips, TheRealLookIsTheSameEveryTime) {
    TempDir dir;
    const host::Replay replay = recorded_game(dir);
    std::vector<std::string> clips;
    for (const char* name : {"real1.gif", "real2.gif", "exact.gif"}) {
        clips::ExportRequest r = request(clips::Format::Gif, 20, dir.file(name));
        r.look.real = name[0] == 'r';
        r.look.unlit = r.look.real ? 10 : skin::kUnlitAsFace;
        ASSERT_TRUE(clips::export_clip(replay, r).ok()) << name;
        auto bytes = files::read_regular_file(r.out, 64 << 20);
        ASSERT_TRUE(bytes.ok());
        clips.emplace_back(bytes->begin(), bytes->end());
    }
    EXPECT_EQ(clips[0], clips[1]);
    EXPECT_NE(clips[0], clips[2]);
}

TEST(Clips, GifAndWebpHoldTheirFrames) {
    TempDir dir;
    const host::Replay replay = recorded_game(dir, false);
    const Millis length = *clips::clip_length(replay);
    // The GIF through the module the desktop program loads for its clips.
    void* module = dlopen(IGNIVAR_CLIPS_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr) << dlerror();
    using Entry = clips::ExportFunction (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(module, clips::kModuleEntry));
    ASSERT_NE(entry, nullptr);
    const clips::ExportRequest gif = request(clips::Format::Gif, 10, dir.file("game.gif"));
    ASSERT_TRUE(entry()(replay, gif, {}).ok());
    EXPECT_EQ(read_back(gif.out).frames, length * 10 / 1000);

    clips::ExportRequest webp = request(clips::Format::Webp, 10, dir.file("game.webp"));
    webp.lcd_only = true;
    ASSERT_TRUE(clips::export_clip(replay, webp).ok());
    std::ifstream in(webp.out, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    const WebPData data{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
    WebPAnimDecoder* dec = WebPAnimDecoderNew(&data, nullptr);
    ASSERT_NE(dec, nullptr);
    WebPAnimInfo info;
    ASSERT_TRUE(WebPAnimDecoderGetInfo(dec, &info));
    // A frame that shows what the one before showed is merged into it: one
    // picture for each change of the face, as long as the frames it stands for.
    int end = 0, pictures = 0;
    while (WebPAnimDecoderHasMoreFrames(dec)) {
        std::uint8_t* pixels = nullptr;
        WebPAnimDecoderGetNext(dec, &pixels, &end);
        ++pictures;
    }
    WebPAnimDecoderDelete(dec);
    SilentSink silent;
    auto run = host::ReplayRun::start(replay, silent);
    int changes = 0;
    std::vector<std::uint8_t> before;
    for (Millis t = 0; t < length / 100 * 100; t += 100) {
        (*run)->advance(t - (*run)->elapsed());
        std::vector<std::uint8_t> lit;
        for (int i = 0; i < kSegmentCount; ++i) lit.push_back((*run)->host().unit().display().Vid_Is_Lit(static_cast<Seg>(i)));
        changes += t == 0 || lit != before;
        before = lit;
    }
    EXPECT_EQ(pictures, changes);
    EXPECT_EQ(end, length / 100 * 100);
}

// An export never writes over its replay or over a file that is no clip,
// and renders only what the replay proves, however long it claims to be.
TEST(Clips, AnExportRefusesWhatItMayNotTakeOrDestroy) {
    TempDir dir;
    const host::Replay replay = recorded_game(dir);
    const std::string own = dir.file("played.replay");
    ASSERT_EQ(::link(own.c_str(), dir.file("another-name.mp4").c_str()), 0);
    dir.write("notes.mp4", "my notes, not a clip");
    dir.write("empty.mp4", "");
    host::Replay ten_days = replay;
    ten_days.length = 10LL * 24 * 3600 * 1000;  // a forged end line, its checksum made right by writing it anew
    struct Case {
        const char* what;
        std::string out;
        const host::Replay* replay;
        const char* refused;  // a part of the message, or null: written
    } cases[] = {
        {"onto the replay itself", own, &replay, "is the replay itself"},
        {"onto the replay by another name", dir.file("another-name.mp4"), &replay, "is the replay itself"},
        {"onto a file that is no clip", dir.file("notes.mp4"), &replay, "is no clip"},
        {"onto a folder", dir.path.string(), &replay, "is a folder"},
        {"a game claimed ten days long", dir.file("long.gif"), &ten_days, "does not prove its game"},
        {"onto an empty file", dir.file("empty.mp4"), &replay, nullptr},
    };
    for (const Case& c : cases) {
        const auto before = std::filesystem::exists(c.out) && std::filesystem::is_regular_file(c.out)
                                ? std::filesystem::file_size(c.out) : 0;
        clips::ExportRequest r = request(clips::format_of_file(c.out).value_or(clips::Format::Gif), 5, c.out);
        r.replay_file = own;
        const Status s = clips::export_clip(*c.replay, r);
        if (!c.refused) {
            EXPECT_TRUE(s.ok()) << c.what << ": " << s.message();
            continue;
        }
        ASSERT_FALSE(s.ok()) << c.what;
        EXPECT_NE(s.message().find(c.refused), std::string::npos) << c.what << ": " << s.message();
        if (std::filesystem::is_regular_file(c.out)) {
            EXPECT_EQ(std::filesystem::file_size(c.out), before) << c.what;
        }
        EXPECT_FALSE(std::filesystem::exists(c.out + ".partial")) << c.what;
    }
    EXPECT_TRUE(host::read_replay_file(own).ok()) << "the replay is as it was";
}

// An export stopped by a signal leaves nothing of its clip behind.
TEST(Clips, AnExportEndedBySignalLeavesNoPartialFile) {
    TempDir dir;
    (void)recorded_game(dir);
    const std::string out = dir.file("game.webm"), partial = out + ".partial";
    for (const int signal : {SIGTERM, SIGINT}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const std::string program = kDir + "/ignivar-sim", replay = dir.file("played.replay");
            ::execl(program.c_str(), program.c_str(), "export", "--fps", "60", "--zoom", "4", replay.c_str(),
                    out.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        for (int i = 0; i < 3000 && !std::filesystem::exists(partial); ++i) ::usleep(2000);
        ASSERT_TRUE(std::filesystem::exists(partial)) << "the export began writing";
        ::kill(child, signal);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + signal) << status;
        EXPECT_FALSE(std::filesystem::exists(partial));
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

}  // namespace
}  // namespace ignivar::test
