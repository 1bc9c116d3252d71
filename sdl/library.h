// SDL and SDL_mixer, opened the first time sound or a gamepad needs them
// instead of when the program starts: together with the sound servers,
// codecs and synthesizer they bring along, loading them takes about as
// long as bringing up Qt itself, and a player who only looks at the time
// needs none of it.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

#define IGNIVAR_SDL_FUNCTIONS(X)                                                                              \
    X(SDL_GetError) X(SDL_getenv) X(SDL_SetHint) X(SDL_ResetHint) X(SDL_InitSubSystem) X(SDL_QuitSubSystem)   \
    X(SDL_GetCurrentAudioDriver) X(SDL_PumpEvents) X(SDL_PeepEvents) X(SDL_IsGameController)                  \
    X(SDL_GameControllerOpen) X(SDL_GameControllerClose) X(SDL_GameControllerGetJoystick)                     \
    X(SDL_JoystickInstanceID) X(SDL_GameControllerRumble) X(SDL_GameControllerGetButtonFromString)           \
    X(SDL_GameControllerGetAxisFromString) X(Mix_OpenAudioDevice) X(Mix_CloseAudio) X(Mix_QuerySpec)          \
    X(Mix_AllocateChannels) X(Mix_Volume) X(Mix_QuickLoad_RAW) X(Mix_FreeChunk) X(Mix_PlayChannel)           \
    X(Mix_HaltChannel) X(Mix_Playing) X(Mix_GetChunk) X(Mix_SetPanning)

namespace ignivar::sdl {

// The functions the program calls, each as the library has it.
struct Functions {
#define IGNIVAR_SDL_MEMBER(name) decltype(&::name) name = nullptr;
    IGNIVAR_SDL_FUNCTIONS(IGNIVAR_SDL_MEMBER)
#undef IGNIVAR_SDL_MEMBER
};

// The libraries' functions, opened at the first call (from any thread);
// nullptr when they cannot be, then and at every later call.
const Functions* functions();

// Why the libraries could not be opened; empty when they were.
std::string problem();

}  // namespace ignivar::sdl
