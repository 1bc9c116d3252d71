// Pictures of the skin in one form: 8-bit RGBA, straight alpha, rows from
// the top. Decoders for BMP (our own), PNG (libpng) and JPEG (libjpeg).
#pragma once

#include <bit>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "files/read.h"
#include "skin/pixel_memory.h"

namespace ignivar::skin {

// The largest side a skin picture may have; anything larger is refused
// before memory is allocated for it.
inline constexpr int kMaxPictureSide = 16384;

// How a picture's four bytes a pixel are laid out: RGBA with straight
// alpha, as every decoder gives them and every reader here takes them; or
// what the desktop's painter draws without converting: each pixel a 32-bit
// word 0xAARRGGBB in the machine's byte order, its colour premultiplied by
// its alpha.
enum class PixelForm : std::uint8_t { Rgba, PremultipliedArgb };

struct Picture {
    int width = 0;
    int height = 0;
    PixelBytes rgba;  // width * height * 4 bytes, in `form`
    PixelForm form = PixelForm::Rgba;

    Picture() = default;
    Picture(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}
    // Its pixels left unset, for one about to write every one of them.
    struct Unset {};
    Picture(int w, int h, Unset) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4) {}

    std::uint8_t* pixel(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    bool empty() const { return width == 0 || height == 0; }
};

// A decoded picture, or the message that says why it could not be decoded.
using Decoded = Result<Picture>;

// The most a decoder may allocate for one picture: its pixels and its own
// working memory, as the decoder itself reckons them from the header it
// has read. Past it, it stops before allocating, with kPastLimit.
inline constexpr std::uint64_t kNoLimit = ~0ull;
inline constexpr std::string_view kPastLimit =
    IGNIVAR_TEXT("Pictures", "it would need more memory than is left for pictures");
Error past_limit();
// A picture whose sides are 0 or past kMaxPictureSide.
Error too_large(const char* kind, std::uint64_t width, std::uint64_t height);
// What `path` is when it cannot be written.
Error cannot_write(const std::string& path);

// What a picture's decoded RGBA pixels are made into: opaque (alpha
// dropped, for pictures drawn opaque) and in which form.
struct PixelFinish {
    bool opaque = false;
    PixelForm form = PixelForm::Rgba;
};
// Finishes `count` RGBA pixels in place.
void finish_pixels(std::uint8_t* rgba, std::size_t count, PixelFinish finish);
// Finishes a picture still in RGBA; one in another form is left as it is.
void finish_picture(Picture& p, PixelFinish finish);
// PNG and JPEG rows are finished as they are decoded, while they are still
// in the processor's cache (a pass over a large picture afterwards goes
// through memory again). A BMP is left in RGBA, to be finished once its
// see-through colour is keyed out.
Decoded decode_png(const std::uint8_t* data, std::size_t size, std::uint64_t limit = kNoLimit, PixelFinish finish = {});
Decoded decode_jpeg(const std::uint8_t* data, std::size_t size, std::uint64_t limit = kNoLimit, PixelFinish finish = {});
Decoded decode_bmp(const std::uint8_t* data, std::size_t size, std::uint64_t limit = kNoLimit);

enum class Format { Bmp, Png, Jpeg, Unknown };
// By the file name's extension, without regard to case.
Format format_of(std::string_view path);
std::string extension_of(std::string_view path);  // without the dot
// "Unknown picture file extension (.xyz)"
Error unknown_extension(std::string_view path);

// The largest picture file that is read at all.
inline constexpr std::uint64_t kMaxPictureFile = 256ULL * 1024 * 1024;

// Reads a picture file (a regular file, at most kMaxPictureFile bytes).
// A message names the file.
Result<files::Bytes> read_picture_file(const std::string& path);
// The size a picture file's header promises, read without decoding it (as
// the decoder reads it), or nothing when the header cannot be read: a
// quick refusal before a decoder starts.
struct PictureSize {
    std::uint32_t width = 0, height = 0;
    std::uint64_t bytes() const { return std::uint64_t{width} * height * 4; }
};
std::optional<PictureSize> picture_size(Format format, const std::uint8_t* data, std::size_t size);
// Where the PNG chunk that begins at byte `at` of a file's `size` bytes
// ends (after its length, type, data and check sum), or nothing where it
// runs past the end of the file.
std::optional<std::size_t> png_chunk_end(const std::uint8_t* data, std::size_t size, std::size_t at);
// Decodes a file's bytes by its extension; a message names the file.
Decoded decode_picture(const std::string& path, const std::vector<std::uint8_t>& bytes, std::uint64_t limit = kNoLimit,
                       PixelFinish finish = {});
// Reads and decodes a picture file, chosen by its extension.
Decoded load_picture(const std::string& path);

// Makes every pixel of the colour of the bottom-left pixel transparent and
// all others opaque: how a BMP's transparency is given.
void key_out_bottom_left(Picture& p);
// Drops the alpha channel: for pictures drawn opaque.
void make_opaque(Picture& p);
// Brings an RGBA picture into the premultiplied ARGB form, in place.
void premultiply(Picture& p);
// Where a pixel's alpha byte lies among its four.
inline int alpha_index(const Picture& p) {
    return p.form == PixelForm::Rgba || std::endian::native == std::endian::little ? 3 : 0;
}

// The red 10 by 10 square with a black outline that stands in for a
// missing picture.
Picture placeholder();

// Encoders, for the project's own assets, tests and fuzzing seeds.
Status write_png(const Picture& p, const std::string& path);
Status write_bmp(const Picture& p, const std::string& path, int bits_per_pixel = 24);
Status write_jpeg(const Picture& p, const std::string& path, int quality = 90, bool progressive = false);
std::vector<std::uint8_t> encode_bmp(const Picture& p, int bits_per_pixel = 24);

}  // namespace ignivar::skin
