// What the clip writer and the palette learner share of FFmpeg: owners of
// its objects, its errors in words, the encoders of each format, frames
// whose memory is used again, and filter graphs.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "base/result.h"
#include "clips/writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

namespace ignivar::clips::ff {

struct FrameFree {
    void operator()(AVFrame* f) const { av_frame_free(&f); }
};
struct PacketFree {
    void operator()(AVPacket* p) const { av_packet_free(&p); }
};
struct CodecFree {
    void operator()(AVCodecContext* c) const { avcodec_free_context(&c); }
};
struct GraphFree {
    void operator()(AVFilterGraph* g) const { avfilter_graph_free(&g); }
};
struct FifoFree {
    void operator()(AVAudioFifo* f) const { av_audio_fifo_free(f); }
};
struct SwsFree {
    void operator()(SwsContext* s) const { sws_freeContext(s); }
};
struct PoolFree {
    void operator()(AVBufferPool* p) const { av_buffer_pool_uninit(&p); }
};
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFree>;
using GraphPtr = std::unique_ptr<AVFilterGraph, GraphFree>;

// `what` and FFmpeg's words for `code` after it.
Error av_failure(Text what, int code);

struct Kind {
    const char* muxer;
    const char* video;
    AVPixelFormat pixels;
    const char* audio;  // none for a silent format
};
Kind kind_of(Format f);

// Frames of one shape whose memory is used again once the encoders and
// filters let go of it: fresh memory for each of thousands of frames
// costs more than encoding them.
class FramePool {
public:
    FramePool(AVPixelFormat format, int w, int h)
        : format_(format), w_(w), h_(h),
          pool_(av_buffer_pool_init(static_cast<std::size_t>(std::max(0, av_image_get_buffer_size(format, w, h, 64))),
                                    av_buffer_alloc)) {}

    FramePtr get(std::int64_t pts) {
        FramePtr f(av_frame_alloc());
        if (!f || !pool_ || !(f->buf[0] = av_buffer_pool_get(pool_.get()))) return nullptr;
        f->format = format_;
        f->width = w_;
        f->height = h_;
        av_image_fill_arrays(f->data, f->linesize, f->buf[0]->data, format_, w_, h_, 64);
        f->pts = pts;
        return f;
    }

    // A frame holding a copy of the face's pixels.
    FramePtr bgra(const std::uint32_t* xrgb, int stride, std::int64_t pts) {
        FramePtr f = get(pts);
        if (!f) return nullptr;
        for (int y = 0; y < h_; ++y)
            std::memcpy(f->data[0] + static_cast<std::ptrdiff_t>(y) * f->linesize[0],
                        xrgb + static_cast<std::ptrdiff_t>(y) * stride, static_cast<std::size_t>(w_) * 4);
        return f;
    }

private:
    AVPixelFormat format_;
    int w_, h_;
    std::unique_ptr<AVBufferPool, PoolFree> pool_;
};

// A filter graph of one video input, a chain, and one output.
struct Graph {
    GraphPtr graph;
    AVFilterContext* source = nullptr;
    AVFilterContext* palette = nullptr;  // a second input, for paletteuse
    AVFilterContext* sink = nullptr;
};
Result<Graph> make_graph(int w, int h, int fps, const char* chain, bool with_palette);

}  // namespace ignivar::clips::ff
