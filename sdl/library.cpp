#include "sdl/library.h"

#include <dlfcn.h>

namespace ignivar::sdl {
namespace {

// SDL_mixer's file name as the dynamic linker knows it; SDL itself comes
// with it.
constexpr const char* kMixerFile = "libSDL2_mixer-2.0.so.0";

struct Opened {
    Functions functions;
    std::string problem;  // empty when every function was found
};

Opened open_libraries() {
    Opened o;
    // Never closed: SDL's threads may run until the program ends.
    void* mixer = ::dlopen(kMixerFile, RTLD_NOW | RTLD_LOCAL);
    if (!mixer) {
        const char* why = ::dlerror();
        o.problem = std::string("the SDL libraries cannot be opened (") + (why ? why : kMixerFile) + ")";
        return o;
    }
    // Looked up in SDL_mixer and in the libraries it depends on (SDL).
#define IGNIVAR_SDL_LOOK_UP(name)                                                                        \
    o.functions.name = reinterpret_cast<decltype(&::name)>(::dlsym(mixer, #name));                       \
    if (!o.functions.name) {                                                                             \
        o.problem = "the SDL libraries found have no " #name ": they are older than this program needs"; \
        return o;                                                                                        \
    }
    IGNIVAR_SDL_FUNCTIONS(IGNIVAR_SDL_LOOK_UP)
#undef IGNIVAR_SDL_LOOK_UP
    return o;
}

const Opened& opened() {
    static const Opened o = open_libraries();
    return o;
}

}  // namespace

const Functions* functions() { return opened().problem.empty() ? &opened().functions : nullptr; }

std::string problem() { return opened().problem; }

}  // namespace ignivar::sdl
