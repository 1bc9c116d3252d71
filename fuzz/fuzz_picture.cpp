// Fuzzes one picture decoder, chosen when building (DECODER is decode_bmp,
// decode_png or decode_jpeg): any input gives a picture or a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>
#include <vector>

#include "skin/picture.h"

#ifdef FIX_PNG_CRC
#include "png_crc.h"
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
#ifdef FIX_PNG_CRC
    const std::vector<std::uint8_t> fixed = with_right_crcs(data, size);
    data = fixed.data();
    size = fixed.size();
#endif
    auto result = ignivar::skin::DECODER(data, size);
    if (result) {
        ignivar::skin::Picture* p = &result.value();
        // The picture must be as large as it says it is.
        if (p->rgba.size() != static_cast<std::size_t>(p->width) * p->height * 4) std::abort();
        ignivar::skin::key_out_bottom_left(*p);
    }
    return 0;
}
