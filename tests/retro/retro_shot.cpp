// retro_shot CORE OUT.png [FRAMES]: the picture the core gives after FRAMES
// runs (1 by default) of our own front end, for comparing with what
// RetroArch shows.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "frontend.h"
#include "skin/picture.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: retro_shot CORE OUT.png [FRAMES]\n");
        return 2;
    }
    ignivar::retro::Frontend f(argv[1]);
    if (!f.loaded() || !f.start()) {
        std::fprintf(stderr, "retro_shot: cannot start %s\n", argv[1]);
        return 1;
    }
    const int frames = argc > 3 ? std::atoi(argv[3]) : 1;
    for (int i = 0; i < frames; ++i) f.run();
    ignivar::skin::Picture p(static_cast<int>(f.width), static_cast<int>(f.height));
    for (std::size_t i = 0; i < f.frame.size(); ++i) {
        const std::uint32_t v = f.frame[i];
        p.rgba[i * 4] = static_cast<std::uint8_t>(v >> 16);
        p.rgba[i * 4 + 1] = static_cast<std::uint8_t>(v >> 8);
        p.rgba[i * 4 + 2] = static_cast<std::uint8_t>(v);
        p.rgba[i * 4 + 3] = 255;
    }
    if (const ignivar::Status s = ignivar::skin::write_png(p, argv[2]); !s) {
        std::fprintf(stderr, "retro_shot: %s\n", s.message().c_str());
        return 1;
    }
    return 0;
}
