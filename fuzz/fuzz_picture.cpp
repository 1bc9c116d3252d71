// Fuzzes one picture decoder, chosen when building (DECODER is decode_bmp,
// decode_png or decode_jpeg): any input gives a picture or a message.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <variant>

#include "skin/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto result = ignivar::skin::DECODER(data, size);
    if (auto* p = std::get_if<ignivar::skin::Picture>(&result)) {
        // The picture must be as large as it says it is.
        if (p->rgba.size() != static_cast<std::size_t>(p->width) * p->height * 4) std::abort();
        ignivar::skin::key_out_bottom_left(*p);
    }
    return 0;
}
