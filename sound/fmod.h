// The sound library's interface as the program calls it: seven functions of
// the FSOUND family, with the arguments and results the program relies on.
// Here they run on SDL2 and SDL2_mixer.
#pragma once

#include <string>

// A loaded sample; opaque to callers.
struct FSOUND_SAMPLE;

// Output types for FSOUND_SetOutput.
inline constexpr int FSOUND_OUTPUT_WINMM = 1;   // here: ALSA
inline constexpr int FSOUND_OUTPUT_DSOUND = 2;  // here: SDL's own choice (PipeWire, PulseAudio ...)

inline constexpr int FSOUND_FREE = -1;       // any free sample slot or channel
inline constexpr int FSOUND_ALL = -3;        // every channel
inline constexpr unsigned FSOUND_2D = 0x2000;  // no 3-D processing

// Starts the library: opens an audio device at `mixrate` Hz with
// `maxsoftwarechannels` mixing channels. False when no device could be had;
// samples still load then, and playing does nothing.
bool FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned flags);
// Chooses the output; when the library is started on another one, its
// device is opened again on this one.
bool FSOUND_SetOutput(int outputtype);
// Loads a WAV file into memory. `index` must be FSOUND_FREE; `offset` and
// `length` 0 (the whole file). Null when the file cannot be loaded.
FSOUND_SAMPLE* FSOUND_Sample_Load(int index, const char* name, unsigned mode, int offset, int length);
// Starts a sample on a free channel and returns at once: the channel, or -1
// when nothing plays (no device, null sample, every channel busy).
int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sample);
// Stops a channel, or every channel with FSOUND_ALL.
bool FSOUND_StopSound(int channel);
// Releases a sample; null is harmless.
void FSOUND_Sample_Free(FSOUND_SAMPLE* sample);
// Shuts the library down; harmless when it was never started.
void FSOUND_Close();

namespace ignivar::sound {

// What the library is doing, for tests and figures.
struct LibraryState {
    bool device_open = false;
    int rate = 0;             // Hz of the open device
    int channels = 0;         // mixing channels allocated
    int buffer_frames = 0;    // the device's buffer, in sample frames
    int output_type = 0;      // the output the device was opened on
    const char* driver = "";  // SDL's audio driver name
};
LibraryState library_state();

// With this on, the library starts with its device closed and opens it only
// when woken or when a sample plays; it can be closed again while nothing
// plays. Off (the default), the device is open from start to close.
void set_device_on_demand(bool on);
// Opens a resting device; true when a device is open. A device that could
// not be opened is not tried again until the library is started again.
bool wake_device();
// Why the last device could not be opened, in the library's words.
std::string device_problem();
// Closes the device while nothing plays; true when it is (now) closed.
bool rest_device();
// The loudness of every channel, 0 to 100 percent of the samples' own.
void set_volume(int percent);
// The balance of the next sample played, each side 0 to 100 percent (100
// and 100: as the sample is), set before any of it sounds; the samples
// after it play as they are.
void balance_next_sample(int left_percent, int right_percent);

}  // namespace ignivar::sound
