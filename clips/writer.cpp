#include "clips/writer.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>

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

namespace ignivar::clips {
namespace {

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

Error av_failure(const std::string& what, int code) {
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buf, sizeof buf);
    return failure(what + ": " + buf);
}

struct Kind {
    const char* muxer;
    const char* video;
    AVPixelFormat pixels;
    const char* audio;  // none for a silent format
};
Kind kind_of(Format f) {
    switch (f) {
        case Format::Mp4: return {"mp4", "libx264", AV_PIX_FMT_YUV420P, "aac"};
        case Format::Webm: return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P, "libopus"};
        case Format::Gif: return {"gif", "gif", AV_PIX_FMT_PAL8, nullptr};
        case Format::Webp: return {"webp", "libwebp_anim", AV_PIX_FMT_BGRA, nullptr};
    }
    return {};
}

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

Result<Graph> make_graph(int w, int h, int fps, const char* chain, bool with_palette) {
    Graph g;
    g.graph.reset(avfilter_graph_alloc());
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=1/%d:pixel_aspect=1/1", w, h, AV_PIX_FMT_BGRA, fps);
    if (int e = avfilter_graph_create_filter(&g.source, avfilter_get_by_name("buffer"), "in", args, nullptr, g.graph.get()); e < 0)
        return av_failure("the clip's filters", e);
    if (with_palette) {
        std::snprintf(args, sizeof args, "video_size=16x16:pix_fmt=%d:time_base=1/%d:pixel_aspect=1/1", AV_PIX_FMT_BGRA, fps);
        if (int e = avfilter_graph_create_filter(&g.palette, avfilter_get_by_name("buffer"), "pal", args, nullptr,
                                                 g.graph.get());
            e < 0)
            return av_failure("the clip's filters", e);
    }
    if (int e = avfilter_graph_create_filter(&g.sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, g.graph.get()); e < 0)
        return av_failure("the clip's filters", e);
    AVFilterInOut* outputs = avfilter_inout_alloc();
    outputs->name = av_strdup("in");
    outputs->filter_ctx = g.source;
    if (with_palette) {
        AVFilterInOut* pal = avfilter_inout_alloc();
        pal->name = av_strdup("pal");
        pal->filter_ctx = g.palette;
        outputs->next = pal;
    }
    AVFilterInOut* inputs = avfilter_inout_alloc();
    inputs->name = av_strdup("out");
    inputs->filter_ctx = g.sink;
    int e = avfilter_graph_parse_ptr(g.graph.get(), chain, &inputs, &outputs, nullptr);
    avfilter_inout_free(&inputs);
    avfilter_inout_free(&outputs);
    if (e >= 0) e = avfilter_graph_config(g.graph.get(), nullptr);
    if (e < 0) return av_failure("the clip's filters", e);
    return g;
}

class FfWriter : public Writer {
public:
    FfWriter(std::string path, const ClipShape& shape) : path_(std::move(path)), temp_(path_ + ".partial"), shape_(shape) {}
    ~FfWriter() override { close(false); }

    Status open(const std::vector<std::uint8_t>& palette);
    Status frame(const std::uint32_t* xrgb, int stride, bool same) override;
    Status sound(const std::int16_t* samples, std::size_t frames) override;
    Status finish() override;
    void cancel() override { close(false); }

private:
    Status open_video();
    Status open_audio();
    Status encode(AVCodecContext* c, AVStream* s, AVFrame* f);
    // The encoder of this name, with a context for it.
    Status new_encoder(const char* name, CodecPtr& context);
    // Opens the encoder with its options (freed here) and adds the clip's
    // stream for it.
    Status start_stream(AVCodecContext* c, const char* name, AVDictionary* opts, AVStream*& stream);
    Status encode_audio(bool all);
    void close(bool keep);

    std::string path_, temp_;
    ClipShape shape_;
    AVFormatContext* oc_ = nullptr;
    CodecPtr video_, audio_;
    AVStream* vs_ = nullptr;
    AVStream* as_ = nullptr;
    std::unique_ptr<SwsContext, SwsFree> sws_;
    std::unique_ptr<AVAudioFifo, FifoFree> fifo_;
    Graph gif_;
    FramePool faces_{AV_PIX_FMT_BGRA, shape_.width, shape_.height};
    FramePool yuv_{AV_PIX_FMT_YUV420P, shape_.width, shape_.height};
    FramePtr last_;  // the last frame as encoded, for a picture that did not change
    std::int64_t frames_ = 0, samples_ = 0;
    bool header_ = false;
};

Status FfWriter::open(const std::vector<std::uint8_t>& palette) {
    const Kind k = kind_of(shape_.format);
    if (int e = avformat_alloc_output_context2(&oc_, nullptr, k.muxer, temp_.c_str()); e < 0 || !oc_)
        return av_failure("cannot write " + path_, e);
    if (Status s = open_video(); !s) return s;
    if (k.audio)
        if (Status s = open_audio(); !s) return s;
    if (shape_.format == Format::Gif) {
        auto g = make_graph(shape_.width, shape_.height, shape_.fps, "[in][pal]paletteuse=dither=bayer:bayer_scale=4[out]", true);
        if (!g) return g.error();
        gif_ = std::move(*g);
        FramePtr pal(av_frame_alloc());
        pal->format = AV_PIX_FMT_BGRA;
        pal->width = pal->height = 16;
        if (palette.size() != 16 * 16 * 4 || av_frame_get_buffer(pal.get(), 0) < 0) return failure("no palette for the GIF");
        for (int y = 0; y < 16; ++y) std::memcpy(pal->data[0] + y * pal->linesize[0], &palette[static_cast<std::size_t>(y) * 64], 64);
        pal->pts = 0;
        if (int e = av_buffersrc_add_frame(gif_.palette, pal.get()); e < 0) return av_failure("the GIF's palette", e);
        if (int e2 = av_buffersrc_add_frame(gif_.palette, nullptr); e2 < 0)  // one palette for the whole clip
            return av_failure("the GIF's palette", e2);
    }
    if (int e = avio_open(&oc_->pb, temp_.c_str(), AVIO_FLAG_WRITE); e < 0) return av_failure("cannot write " + path_, e);
    AVDictionary* mux = nullptr;
    if (shape_.format == Format::Gif || shape_.format == Format::Webp) av_dict_set(&mux, "loop", "0", 0);
    const int e = avformat_write_header(oc_, &mux);
    av_dict_free(&mux);
    if (e < 0) return av_failure("cannot write " + path_, e);
    header_ = true;
    return {};
}

Status FfWriter::new_encoder(const char* name, CodecPtr& context) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (!codec) return failure(std::string("this FFmpeg has no ") + name + " encoder");
    context.reset(avcodec_alloc_context3(codec));
    if (!context) return failure(std::string("there is not enough memory for the ") + name + " encoder");
    if (oc_->oformat->flags & AVFMT_GLOBALHEADER) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return {};
}

Status FfWriter::start_stream(AVCodecContext* c, const char* name, AVDictionary* opts, AVStream*& stream) {
    const int e = avcodec_open2(c, c->codec, &opts);
    av_dict_free(&opts);
    if (e < 0) return av_failure(std::string("cannot start the ") + name + " encoder", e);
    stream = avformat_new_stream(oc_, nullptr);
    if (!stream) return failure("cannot write " + path_);
    stream->time_base = c->time_base;
    avcodec_parameters_from_context(stream->codecpar, c);
    return {};
}

Status FfWriter::open_video() {
    const Kind k = kind_of(shape_.format);
    if (Status s = new_encoder(k.video, video_); !s) return s;
    AVCodecContext* c = video_.get();
    c->width = shape_.width;
    c->height = shape_.height;
    c->pix_fmt = k.pixels;
    c->time_base = {1, shape_.fps};
    c->framerate = {shape_.fps, 1};
    c->gop_size = shape_.fps * 2;
    AVDictionary* opts = nullptr;
    if (shape_.format == Format::Mp4) {
        av_dict_set(&opts, "preset", "ultrafast", 0);
        av_dict_set(&opts, "tune", "animation", 0);
        av_dict_set(&opts, "crf", "18", 0);
    } else if (shape_.format == Format::Webm) {
        av_dict_set(&opts, "deadline", "realtime", 0);
        av_dict_set(&opts, "cpu-used", "8", 0);
        av_dict_set(&opts, "row-mt", "1", 0);
        av_dict_set(&opts, "crf", "30", 0);
        av_dict_set(&opts, "b", "0", 0);
    } else if (shape_.format == Format::Webp) {
        av_dict_set(&opts, "quality", "85", 0);
    }
    if (Status s = start_stream(c, k.video, opts, vs_); !s) return s;
    if (k.pixels == AV_PIX_FMT_YUV420P)
        sws_.reset(sws_getContext(shape_.width, shape_.height, AV_PIX_FMT_BGRA, shape_.width, shape_.height,
                                  AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    return {};
}

Status FfWriter::open_audio() {
    const Kind k = kind_of(shape_.format);
    if (Status s = new_encoder(k.audio, audio_); !s) return s;
    AVCodecContext* c = audio_.get();
    c->sample_rate = shape_.rate;
    c->sample_fmt = shape_.format == Format::Mp4 ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_S16;
    const AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    av_channel_layout_copy(&c->ch_layout, &stereo);
    c->bit_rate = 128000;
    c->time_base = {1, shape_.rate};
    AVDictionary* opts = nullptr;
    if (shape_.format == Format::Mp4) av_dict_set(&opts, "aac_coder", "fast", 0);
    if (Status s = start_stream(c, k.audio, opts, as_); !s) return s;
    fifo_.reset(av_audio_fifo_alloc(c->sample_fmt, 2, c->frame_size > 0 ? c->frame_size * 4 : 4096));
    return {};
}

Status FfWriter::encode(AVCodecContext* c, AVStream* s, AVFrame* f) {
    if (int e = avcodec_send_frame(c, f); e < 0) return av_failure("cannot encode the clip", e);
    std::unique_ptr<AVPacket, PacketFree> pkt(av_packet_alloc());
    for (;;) {
        const int e = avcodec_receive_packet(c, pkt.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF) return {};
        if (e < 0) return av_failure("cannot encode the clip", e);
        // Every picture stands for a frame's time, the last one too (some
        // encoders leave it out, and the clip would end a frame early).
        if (pkt->duration == 0 && c->codec_type == AVMEDIA_TYPE_VIDEO) pkt->duration = 1;
        av_packet_rescale_ts(pkt.get(), c->time_base, s->time_base);
        pkt->stream_index = s->index;
        if (int w = av_interleaved_write_frame(oc_, pkt.get()); w < 0) return av_failure("cannot write " + path_, w);
    }
}

Status FfWriter::frame(const std::uint32_t* xrgb, int stride, bool same) {
    if (same && last_ && shape_.format != Format::Gif) {
        FramePtr again(av_frame_clone(last_.get()));
        again->pts = frames_++;
        return encode(video_.get(), vs_, again.get());
    }
    FramePtr in = faces_.bgra(xrgb, stride, frames_++);
    if (!in) return failure("out of memory for a frame");
    if (shape_.format == Format::Gif) {
        if (int e = av_buffersrc_add_frame(gif_.source, in.get()); e < 0) return av_failure("the GIF's colours", e);
        FramePtr out(av_frame_alloc());
        while (av_buffersink_get_frame(gif_.sink, out.get()) >= 0) {
            if (Status s = encode(video_.get(), vs_, out.get()); !s) return s;
            av_frame_unref(out.get());
        }
        return {};
    }
    if (!sws_) {
        last_.reset(av_frame_clone(in.get()));
        return encode(video_.get(), vs_, in.get());
    }
    FramePtr yuv = yuv_.get(in->pts);
    if (!yuv) return failure("out of memory for a frame");
    sws_scale(sws_.get(), in->data, in->linesize, 0, shape_.height, yuv->data, yuv->linesize);
    last_.reset(av_frame_clone(yuv.get()));
    return encode(video_.get(), vs_, yuv.get());
}

Status FfWriter::sound(const std::int16_t* samples, std::size_t frames) {
    if (!audio_ || frames == 0) return {};
    // Into the encoder's own form: planar float for AAC, interleaved for Opus.
    std::vector<float> left(frames), right(frames);
    void* planes[2];
    if (audio_->sample_fmt == AV_SAMPLE_FMT_FLTP) {
        for (std::size_t i = 0; i < frames; ++i) {
            left[i] = samples[2 * i] / 32768.f;
            right[i] = samples[2 * i + 1] / 32768.f;
        }
        planes[0] = left.data();
        planes[1] = right.data();
    } else {
        planes[0] = const_cast<std::int16_t*>(samples);
    }
    if (av_audio_fifo_write(fifo_.get(), planes, static_cast<int>(frames)) < 0) return failure("out of memory for sound");
    return encode_audio(false);
}

Status FfWriter::encode_audio(bool all) {
    const int size = audio_->frame_size > 0 ? audio_->frame_size : 1024;
    while (av_audio_fifo_size(fifo_.get()) >= size || (all && av_audio_fifo_size(fifo_.get()) > 0)) {
        FramePtr f(av_frame_alloc());
        f->nb_samples = size;
        f->format = audio_->sample_fmt;
        av_channel_layout_copy(&f->ch_layout, &audio_->ch_layout);
        f->sample_rate = audio_->sample_rate;
        if (av_frame_get_buffer(f.get(), 0) < 0) return failure("out of memory for sound");
        av_samples_set_silence(f->data, 0, size, 2, audio_->sample_fmt);  // the last one is padded
        av_audio_fifo_read(fifo_.get(), reinterpret_cast<void**>(f->data), size);
        f->pts = samples_;
        samples_ += size;
        if (Status s = encode(audio_.get(), as_, f.get()); !s) return s;
    }
    return {};
}

Status FfWriter::finish() {
    if (shape_.format == Format::Gif) {
        if (int e = av_buffersrc_add_frame(gif_.source, nullptr); e < 0) return av_failure("the GIF's colours", e);
        FramePtr out(av_frame_alloc());
        while (av_buffersink_get_frame(gif_.sink, out.get()) >= 0) {
            if (Status s = encode(video_.get(), vs_, out.get()); !s) return s;
            av_frame_unref(out.get());
        }
    }
    if (Status s = encode(video_.get(), vs_, nullptr); !s) return s;
    if (audio_) {
        if (Status s = encode_audio(true); !s) return s;
        if (Status s = encode(audio_.get(), as_, nullptr); !s) return s;
    }
    if (int e = av_write_trailer(oc_); e < 0) return av_failure("cannot write " + path_, e);
    close(true);
    std::error_code ec;
    std::filesystem::rename(temp_, path_, ec);
    if (ec) return failure("cannot write " + path_ + ": " + ec.message());
    return {};
}

void FfWriter::close(bool keep) {
    if (oc_) {
        if (oc_->pb) avio_closep(&oc_->pb);
        avformat_free_context(oc_);
        oc_ = nullptr;
        if (!keep) {
            std::error_code ec;
            std::filesystem::remove(temp_, ec);
        }
    }
}

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
        if (!in) return failure("out of memory for a frame");
        // Pushed through at once: the palette learns from it, and its memory
        // is free for the next frame instead of waiting in a queue.
        if (int e = av_buffersrc_add_frame_flags(graph_.source, in.get(), AV_BUFFERSRC_FLAG_PUSH); e < 0)
            return av_failure("the GIF's colours", e);
        return {};
    }
    Result<std::vector<std::uint8_t>> finish() override {
        if (int e = av_buffersrc_add_frame(graph_.source, nullptr); e < 0) return av_failure("the GIF's colours", e);
        FramePtr out(av_frame_alloc());
        if (int e = av_buffersink_get_frame(graph_.sink, out.get()); e < 0) return av_failure("the GIF's colours", e);
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

Result<std::unique_ptr<Writer>> Writer::open(const std::string& path, const ClipShape& shape,
                                             const std::vector<std::uint8_t>& palette) {
    av_log_set_level(AV_LOG_ERROR);  // the encoders' chatter is no message for the player
    auto w = std::make_unique<FfWriter>(path, shape);
    if (Status s = w->open(palette); !s) return s.error();
    return std::unique_ptr<Writer>(std::move(w));
}

Result<std::unique_ptr<PaletteLearner>> PaletteLearner::open(int width, int height, int fps) {
    av_log_set_level(AV_LOG_ERROR);
    auto p = std::make_unique<FfPaletteLearner>(width, height);
    if (Status s = p->open(fps); !s) return s.error();
    return std::unique_ptr<PaletteLearner>(std::move(p));
}

}  // namespace ignivar::clips
