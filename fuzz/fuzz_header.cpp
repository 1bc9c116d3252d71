// The quick header check against the decoder: whenever a decoder (FORMAT,
// DECODER) gives a picture, the header check must have read the same size
// from the same bytes, so that a budget reckoned from it holds.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "skin/picture.h"

#ifdef FIX_PNG_CRC
#include "png_crc.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ignivar::skin;
#ifdef FIX_PNG_CRC
    const std::vector<std::uint8_t> fixed = with_right_crcs(data, size);
    data = fixed.data();
    size = fixed.size();
#endif
    const auto picture = DECODER(data, size, kNoLimit);
    if (!picture) return 0;
    const auto header = picture_size(Format::FORMAT, data, size);
    if (!header || header->width != static_cast<std::uint32_t>(picture->width) ||
        header->height != static_cast<std::uint32_t>(picture->height))
        __builtin_trap();
    // And a limit just below what the pixels take stops the decoder.
    if (header->bytes() > 0 && DECODER(data, size, header->bytes() - 1)) __builtin_trap();
    return 0;
}
