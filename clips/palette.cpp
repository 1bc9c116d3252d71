// Learning a GIF's colours from the frames of a whole clip.
#include "clips/ffmpeg_parts.h"

namespace ignivar::clips {
namespace {

using namespace ff;

class FfPaletteLearner : public PaletteLearner {
public:
    FfPaletteLearner(int w, int h) : w_(w), h_(h) {}
    Status open(int fps) {
        auto g = make_graph(w_, h_, fps, "[in]palettegen=stats_mode=full[out]", false);
        if (!g) return g.error();
        graph_ = std::move(*g);
        return {};
    }
    Status frame(const std::uint32_t* xrgb, int stride) override {
        FramePtr in = faces_.bgra(xrgb, stride, frames_++);
        if (!in) return failure(said("Clips", "out of memory for a frame"));
        // Pushed through at once: the palette learns from it, and its memory
        // is free for the next frame instead of waiting in a queue.
        if (int e = av_buffersrc_add_frame_flags(graph_.source, in.get(), AV_BUFFERSRC_FLAG_PUSH); e < 0)
            return av_failure(said("Clips", "the GIF's colours"), e);
        return {};
    }
    Result<std::vector<std::uint8_t>> finish() override {
        if (int e = av_buffersrc_add_frame(graph_.source, nullptr); e < 0) return av_failure(said("Clips", "the GIF's colours"), e);
        FramePtr out(av_frame_alloc());
        if (int e = av_buffersink_get_frame(graph_.sink, out.get()); e < 0) return av_failure(said("Clips", "the GIF's colours"), e);
        std::vector<std::uint8_t> palette(16 * 16 * 4);
        for (int y = 0; y < 16; ++y) std::memcpy(&palette[static_cast<std::size_t>(y) * 64], out->data[0] + y * out->linesize[0], 64);
        return palette;
    }

private:
    int w_, h_;
    Graph graph_;
    FramePool faces_{AV_PIX_FMT_BGRA, w_, h_};
    std::int64_t frames_ = 0;
};

}  // namespace

Result<std::unique_ptr<PaletteLearner>> PaletteLearner::open(int width, int height, int fps) {
    av_log_set_level(AV_LOG_ERROR);
    auto p = std::make_unique<FfPaletteLearner>(width, height);
    if (Status s = p->open(fps); !s) return s.error();
    return std::unique_ptr<PaletteLearner>(std::move(p));
}

}  // namespace ignivar::clips
