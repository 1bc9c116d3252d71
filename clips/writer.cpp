#include "clips/writer.h"
#include "clips/ffmpeg_parts.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>


namespace ignivar::clips {
namespace {

using namespace ff;

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
        return av_failure(said("Clips", "cannot write %1").with(path_), e);
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
        if (palette.size() != 16 * 16 * 4 || av_frame_get_buffer(pal.get(), 0) < 0) return failure(said("Clips", "no palette for the GIF"));
        for (int y = 0; y < 16; ++y) std::memcpy(pal->data[0] + y * pal->linesize[0], &palette[static_cast<std::size_t>(y) * 64], 64);
        pal->pts = 0;
        if (int e = av_buffersrc_add_frame(gif_.palette, pal.get()); e < 0) return av_failure(said("Clips", "the GIF's palette"), e);
        if (int e2 = av_buffersrc_add_frame(gif_.palette, nullptr); e2 < 0)  // one palette for the whole clip
            return av_failure(said("Clips", "the GIF's palette"), e2);
    }
    if (int e = avio_open(&oc_->pb, temp_.c_str(), AVIO_FLAG_WRITE); e < 0) return av_failure(said("Clips", "cannot write %1").with(path_), e);
    AVDictionary* mux = nullptr;
    if (shape_.format == Format::Gif || shape_.format == Format::Webp) av_dict_set(&mux, "loop", "0", 0);
    const int e = avformat_write_header(oc_, &mux);
    av_dict_free(&mux);
    if (e < 0) return av_failure(said("Clips", "cannot write %1").with(path_), e);
    header_ = true;
    return {};
}

Status FfWriter::new_encoder(const char* name, CodecPtr& context) {
    const AVCodec* codec = avcodec_find_encoder_by_name(name);
    if (!codec) return failure(said("Clips", "this FFmpeg has no %1 encoder").with(name));
    context.reset(avcodec_alloc_context3(codec));
    if (!context) return failure(said("Clips", "there is not enough memory for the %1 encoder").with(name));
    if (oc_->oformat->flags & AVFMT_GLOBALHEADER) context->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    return {};
}

Status FfWriter::start_stream(AVCodecContext* c, const char* name, AVDictionary* opts, AVStream*& stream) {
    const int e = avcodec_open2(c, c->codec, &opts);
    av_dict_free(&opts);
    if (e < 0) return av_failure(said("Clips", "cannot start the %1 encoder").with(name), e);
    stream = avformat_new_stream(oc_, nullptr);
    if (!stream) return failure(said("Clips", "cannot write %1").with(path_));
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
    if (int e = avcodec_send_frame(c, f); e < 0) return av_failure(said("Clips", "cannot encode the clip"), e);
    std::unique_ptr<AVPacket, PacketFree> pkt(av_packet_alloc());
    for (;;) {
        const int e = avcodec_receive_packet(c, pkt.get());
        if (e == AVERROR(EAGAIN) || e == AVERROR_EOF) return {};
        if (e < 0) return av_failure(said("Clips", "cannot encode the clip"), e);
        // Every picture stands for a frame's time, the last one too (some
        // encoders leave it out, and the clip would end a frame early).
        if (pkt->duration == 0 && c->codec_type == AVMEDIA_TYPE_VIDEO) pkt->duration = 1;
        av_packet_rescale_ts(pkt.get(), c->time_base, s->time_base);
        pkt->stream_index = s->index;
        if (int w = av_interleaved_write_frame(oc_, pkt.get()); w < 0) return av_failure(said("Clips", "cannot write %1").with(path_), w);
    }
}

Status FfWriter::frame(const std::uint32_t* xrgb, int stride, bool same) {
    if (same && last_ && shape_.format != Format::Gif) {
        FramePtr again(av_frame_clone(last_.get()));
        again->pts = frames_++;
        return encode(video_.get(), vs_, again.get());
    }
    FramePtr in = faces_.bgra(xrgb, stride, frames_++);
    if (!in) return failure(said("Clips", "out of memory for a frame"));
    if (shape_.format == Format::Gif) {
        if (int e = av_buffersrc_add_frame(gif_.source, in.get()); e < 0) return av_failure(said("Clips", "the GIF's colours"), e);
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
    if (!yuv) return failure(said("Clips", "out of memory for a frame"));
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
    if (av_audio_fifo_write(fifo_.get(), planes, static_cast<int>(frames)) < 0) return failure(said("Clips", "out of memory for sound"));
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
        if (av_frame_get_buffer(f.get(), 0) < 0) return failure(said("Clips", "out of memory for sound"));
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
        if (int e = av_buffersrc_add_frame(gif_.source, nullptr); e < 0) return av_failure(said("Clips", "the GIF's colours"), e);
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
    if (int e = av_write_trailer(oc_); e < 0) return av_failure(said("Clips", "cannot write %1").with(path_), e);
    close(true);
    std::error_code ec;
    std::filesystem::rename(temp_, path_, ec);
    if (ec) return failure(said("Clips", "cannot write %1: %2").with(path_).with(ec.message()));
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

}  // namespace

Result<std::unique_ptr<Writer>> Writer::open(const std::string& path, const ClipShape& shape,
                                             const std::vector<std::uint8_t>& palette) {
    av_log_set_level(AV_LOG_ERROR);  // the encoders' chatter is no message for the player
    auto w = std::make_unique<FfWriter>(path, shape);
    if (Status s = w->open(palette); !s) return s.error();
    return std::unique_ptr<Writer>(std::move(w));
}

}  // namespace ignivar::clips
