#include "clips/exporter.h"

#include <memory>

#include "files/places.h"
#include "files/read.h"
#include "skin/compositor.h"
#include "sound/mixer.h"

namespace ignivar::clips {
namespace {

constexpr int kRate = 48000;

struct Scene {
    skin::Skin skin;
    std::unique_ptr<skin::LcdShadows> shadows;  // the real look's
    std::unique_ptr<skin::Compositor> compositor;
    skin::Rect view;  // the part of the frame in the clip
};

Result<std::unique_ptr<Scene>> make_scene(const ExportRequest& r) {
    auto scene = std::make_unique<Scene>();
    skin::LoadRequest req;
    req.config_path = r.config;
    req.program_dir = r.data_dir;
    req.scale = r.zoom;
    req.search_current_dir = false;
    if (Status s = skin::load_unit_face(req, scene->skin); !s) return s.error();
    if (scene->skin.max_scale < r.zoom)
        return failure(said("Clips", "at zoom %1 the clip's frames would need more memory than a skin may take").with(std::to_string(r.zoom)));
    if (r.look.real) scene->shadows = std::make_unique<skin::LcdShadows>(scene->skin);
    scene->compositor = std::make_unique<skin::Compositor>(scene->skin, r.zoom);
    const skin::Rect lcd = skin::lcd_rect(scene->skin);
    scene->view = r.lcd_only ? skin::Rect{lcd.x * r.zoom, lcd.y * r.zoom, lcd.w * r.zoom, lcd.h * r.zoom}
                             : skin::Rect{0, 0, scene->compositor->width(), scene->compositor->height()};
    // Video codecs take even sizes.
    scene->view.w &= ~1;
    scene->view.h &= ~1;
    return scene;
}

void load_sounds(sound::Mixer& mixer, const std::string& data_dir) {
    for (int i = 0; i < kSampleCount; ++i) {
        const auto s = static_cast<Sample>(i);
        auto bytes = files::read_regular_file(files::join(data_dir, files::sound_file(sample_name(s))), 64ull << 20);
        if (!bytes) continue;  // that effect stays silent, as in the program
        if (auto decoded = sound::decode_wav(bytes->data(), bytes->size())) mixer.set_sample(s, std::move(decoded).value());
    }
}

// One pass over the game: each frame (and its sound) handed on.
Status run_pass(const host::Replay& replay, Millis length, const ExportRequest& r, Scene& scene, sound::Mixer* mixer,
                const std::function<Status(const std::uint32_t*, int, bool, const std::vector<std::int16_t>&)>& take,
                const std::function<bool(double)>& progress) {
    SilentSink silent;
    auto run = host::ReplayRun::start(replay, silent);
    if (!run) return run.error();
    host::ReplayRun& game = **run;
    const Millis begin = game.host().unit().timers().now();
    if (mixer) {
        mixer->stop_all();
        game.host().on_event([&](const UnitEvent& e) {
            if (e.kind == EventKind::SoundPlayed) mixer->start(e.sample, e.at - begin);
        });
    }
    scene.compositor->invalidate();
    const std::int64_t frames = length * r.fps / 1000;
    std::vector<std::int16_t> audio;
    std::int64_t audio_at = 0;
    for (std::int64_t i = 0; i < frames; ++i) {
        game.advance(i * 1000 / r.fps - game.elapsed());
        // Nothing drawn again: the picture of the frame before (never so for the first).
        skin::LcdFrame lcd{r.look, r.look.real ? game.host().lcd_shades() : skin::LcdShades{}, scene.shadows.get()};
        const bool same = scene.compositor->update(game.host().unit().display(), {}, &lcd).empty();
        const std::int64_t audio_to = (i + 1) * kRate / r.fps;
        audio.assign(static_cast<std::size_t>(audio_to - audio_at) * 2, 0);
        if (mixer) mixer->mix(audio_at, audio_to, audio.data());
        audio_at = audio_to;
        const std::uint32_t* at = scene.compositor->pixels() + static_cast<std::ptrdiff_t>(scene.view.y) * scene.compositor->width() + scene.view.x;
        if (Status s = take(at, scene.compositor->width(), same, audio); !s) return s;
        if (progress && !progress(static_cast<double>(i + 1) / static_cast<double>(frames))) return failure(said("Clips", "cancelled"));
    }
    return {};
}

}  // namespace

Status export_clip(const host::Replay& replay, const ExportRequest& r, const std::function<bool(double)>& progress) {
    if (r.zoom < 1 || r.zoom > 4) return failure(said("Clips", "the zoom is 1 to 4"));
    if (r.fps < 1 || r.fps > 60) return failure(said("Clips", "the frame rate is 1 to 60 frames a second"));
    if (Status s = check_out(r.replay_file, r.out); !s) return s;
    const Result<Millis> length = clip_length(replay);
    if (!length) return length.error();
    auto scene = make_scene(r);
    if (!scene) return scene.error();
    const ClipShape shape{r.format, (*scene)->view.w, (*scene)->view.h, r.fps, kRate};
    const bool two_passes = r.format == Format::Gif;
    const auto part = [&](double base) {
        return [&progress, base, two_passes](double f) { return !progress || progress(two_passes ? base + f / 2 : f); };
    };
    std::vector<std::uint8_t> palette;
    if (two_passes) {
        // A GIF's 256 colours are learnt from the whole clip first.
        auto learner = PaletteLearner::open(shape.width, shape.height, shape.fps);
        if (!learner) return learner.error();
        if (Status s = run_pass(replay, *length, r, **scene, nullptr,
                                [&](const std::uint32_t* p, int stride, bool, const std::vector<std::int16_t>&) {
                                    return (*learner)->frame(p, stride);
                                },
                                part(0));
            !s)
            return s;
        auto learnt = (*learner)->finish();
        if (!learnt) return learnt.error();
        palette = std::move(learnt).value();
    }
    auto writer = Writer::open(r.out, shape, palette);
    if (!writer) return writer.error();
    sound::Mixer mixer(kRate);
    if (has_sound(r.format)) load_sounds(mixer, r.data_dir);
    const Status done = run_pass(replay, *length, r, **scene, has_sound(r.format) ? &mixer : nullptr,
                                 [&](const std::uint32_t* p, int stride, bool same, const std::vector<std::int16_t>& audio) {
                                     if (Status s = (*writer)->frame(p, stride, same); !s) return s;
                                     return (*writer)->sound(audio.data(), audio.size() / 2);
                                 },
                                 part(0.5));
    if (!done) {
        (*writer)->cancel();
        return done;
    }
    return (*writer)->finish();
}

}  // namespace ignivar::clips
