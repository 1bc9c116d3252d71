#include "clips/ffmpeg_parts.h"

#include <cstdio>

namespace ignivar::clips::ff {

Error av_failure(Text what, int code) {
    char buf[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, buf, sizeof buf);
    return failure(Text{nullptr, "%1: %2", {}}.with(std::move(what)).with(std::string(buf)));
}

Kind kind_of(Format f) {
    switch (f) {
        case Format::Mp4: return {"mp4", "libx264", AV_PIX_FMT_YUV420P, "aac"};
        case Format::Webm: return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P, "libopus"};
        case Format::Gif: return {"gif", "gif", AV_PIX_FMT_PAL8, nullptr};
        case Format::Webp: return {"webp", "libwebp_anim", AV_PIX_FMT_BGRA, nullptr};
    }
    return {};
}

Result<Graph> make_graph(int w, int h, int fps, const char* chain, bool with_palette) {
    Graph g;
    g.graph.reset(avfilter_graph_alloc());
    char args[256];
    std::snprintf(args, sizeof args, "video_size=%dx%d:pix_fmt=%d:time_base=1/%d:pixel_aspect=1/1", w, h, AV_PIX_FMT_BGRA, fps);
    if (int e = avfilter_graph_create_filter(&g.source, avfilter_get_by_name("buffer"), "in", args, nullptr, g.graph.get()); e < 0)
        return av_failure(said("Clips", "the clip's filters"), e);
    if (with_palette) {
        std::snprintf(args, sizeof args, "video_size=16x16:pix_fmt=%d:time_base=1/%d:pixel_aspect=1/1", AV_PIX_FMT_BGRA, fps);
        if (int e = avfilter_graph_create_filter(&g.palette, avfilter_get_by_name("buffer"), "pal", args, nullptr,
                                                 g.graph.get());
            e < 0)
            return av_failure(said("Clips", "the clip's filters"), e);
    }
    if (int e = avfilter_graph_create_filter(&g.sink, avfilter_get_by_name("buffersink"), "out", nullptr, nullptr, g.graph.get()); e < 0)
        return av_failure(said("Clips", "the clip's filters"), e);
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
    if (e < 0) return av_failure(said("Clips", "the clip's filters"), e);
    return g;
}

}  // namespace ignivar::clips::ff
