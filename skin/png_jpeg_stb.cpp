// PNG and JPEG through stb_image, where libpng and libjpeg are not at hand
// (the browser build). Reading only: the pictures it writes are the
// desktop's business.
#include <algorithm>
#include <cstring>

#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wunused-function"
#endif
#include <stb_image.h>
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

#include "skin/picture.h"

namespace ignivar::skin {
namespace {

Decoded decode(const char* kind, const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    if (size > static_cast<std::size_t>(INT32_MAX)) return failure(said("Pictures", "%1 file is too large").with(kind));
    const int length = static_cast<int>(size);
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(data, length, &w, &h, &channels)) return failure(stbi_failure_reason());
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide)
        return too_large(kind, static_cast<std::uint64_t>(std::max(w, 0)), static_cast<std::uint64_t>(std::max(h, 0)));
    // The pixels twice: stb's own and ours.
    if (std::uint64_t{static_cast<std::uint32_t>(w)} * static_cast<std::uint32_t>(h) * 8 > limit)
        return past_limit();
    stbi_uc* pixels = stbi_load_from_memory(data, length, &w, &h, &channels, 4);
    if (!pixels) return failure(stbi_failure_reason());
    Picture p(w, h, Picture::Unset{});
    std::memcpy(p.rgba.data(), pixels, p.rgba.size());
    stbi_image_free(pixels);
    finish_picture(p, finish);
    return p;
}

}  // namespace

Decoded decode_png(const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    if (size >= 8 && std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) == 0) {
        // Every chunk must fit in the file, as the desktop's reader demands.
        for (std::size_t i = 8; i + 8 <= size;) {
            const auto end = png_chunk_end(data, size, i);
            if (!end) return failure(said("Pictures", "PNG chunk runs past the end of the file"));
            i = *end;
        }
    }
    return decode("PNG", data, size, limit, finish);
}

Decoded decode_jpeg(const std::uint8_t* data, std::size_t size, std::uint64_t limit, PixelFinish finish) {
    return decode("JPEG", data, size, limit, finish);
}

Status write_png(const Picture&, const std::string& path) { return failure(said("Pictures", "%1: this build writes no pictures").with(path)); }

Status write_jpeg(const Picture&, const std::string& path, int, bool) {
    return failure(said("Pictures", "%1: this build writes no pictures").with(path));
}

}  // namespace ignivar::skin
