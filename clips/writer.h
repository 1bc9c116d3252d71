// A clip file written through FFmpeg's libraries: frames of the face (XRGB)
// and their sound (16-bit stereo) encoded as MP4 (H.264 and AAC), WebM (VP9
// and Opus), GIF (a palette made from the whole clip, dithered) or animated
// WebP. The file appears only once it is whole.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <string>
#include <vector>

#include "base/result.h"

namespace ignivar::clips {

enum class Format { Mp4, Webm, Gif, Webp };
std::optional<Format> format_named(std::string_view name);     // "mp4", "webm", "gif", "webp"
std::optional<Format> format_of_file(std::string_view path);   // by its extension
const char* format_name(Format f);
bool has_sound(Format f);

struct ClipShape {
    Format format = Format::Mp4;
    int width = 0, height = 0;  // of the frames given
    int fps = 30;
    int rate = 48000;           // of the sound given
};

class Writer {
public:
    // A GIF needs its palette first: frames of the whole clip are given to
    // learn_palette() before the writer is made with it.
    static Result<std::unique_ptr<Writer>> open(const std::string& path, const ClipShape& shape,
                                                const std::vector<std::uint8_t>& palette = {});
    virtual ~Writer() = default;
    // One frame: `height` rows of `width` pixels, `stride` pixels apart;
    // `same`: the picture is the one of the frame before (nothing is
    // converted again).
    virtual Status frame(const std::uint32_t* xrgb, int stride, bool same = false) = 0;
    // Sound that goes with the frames so far (interleaved stereo).
    virtual Status sound(const std::int16_t* samples, std::size_t frames) = 0;
    // Ends the file and moves it into place.
    virtual Status finish() = 0;
    // Gives up: nothing is left behind.
    virtual void cancel() = 0;
};

// Learns a GIF's 256 colours from the frames of a clip (FFmpeg's palettegen).
class PaletteLearner {
public:
    static Result<std::unique_ptr<PaletteLearner>> open(int width, int height, int fps);
    virtual ~PaletteLearner() = default;
    virtual Status frame(const std::uint32_t* xrgb, int stride) = 0;
    // The palette picture (16 x 16 colours, BGRA).
    virtual Result<std::vector<std::uint8_t>> finish() = 0;
};

}  // namespace ignivar::clips
