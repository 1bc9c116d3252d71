// The skin loader: reads Config.ini, sizes the main window, chooses the
// windowed or full-screen layout and loads and places the 100 pictures.
// It produces a description that the main window applies; it never
// touches the display model.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "base/text.h"
#include "sim/pictures.h"
#include "skin/ini.h"
#include "skin/picture.h"
#include "skin/picture_budget.h"

namespace ignivar::skin {

inline constexpr int kSections = kPictureSections;

// The picture of section "Image<n>", n = 1..100.
std::string_view section_picture_name(int n);
// The section number (1..100) of a picture name, or 0.
int section_of_picture(std::string_view name);

struct PlacedPicture {
    enum class Source { None, File, Placeholder };
    Source source = Source::None;
    std::string file;  // as formed from the skin folder and the file name
    std::shared_ptr<const Picture> picture;
    bool transparent = false;  // drawn with transparency, else opaque
    int left = 0, top = 0, width = 0, height = 0;
    // The file's "@<n>x" variant (foo@2x.png beside foo.png), drawn where the
    // window shows the skin n times its size; none when the skin has none.
    std::shared_ptr<const Picture> hires;
    int hires_scale = 0;
};

struct Skin {
    int client_width = 0, client_height = 0;
    int game_width = 0, game_height = 0;  // the unit's own size ("GameWidth", "GameHeight")
    std::uint32_t colour = 0;                         // $00BBGGRR
    std::optional<std::uint32_t> transparent_colour;  // windowed only
    int offset_x = 0, offset_y = 0;

    struct Backdrop {
        bool shown = false;
        bool stretch = false;
        std::string file;
        std::shared_ptr<const Picture> picture;
    } backdrop;

    struct Logo {
        bool shown = false;
        std::string file;
        std::shared_ptr<const Picture> picture;
        int x = 0, y = 0;
    } logo;

    bool menu_shown = false;
    int menu_width = 0, menu_height = 0;  // the closed in-game menu's background

    std::array<PlacedPicture, kSections> pictures{};  // index n-1 for section n

    // The LCD's own settings ([LCD]): its glass with no segment on it, drawn
    // over the face where unlit segments are drawn at a strength of their
    // own (a face may show them faintly), a high-contrast face, and the
    // segments' shadow on the glass's back, in skin pixels and percent.
    struct Lcd {
        PlacedPicture glass;
        // The whole face again in high contrast, for low vision: no ghosts
        // of segments on its glass (none when the skin has none).
        PlacedPicture contrast;
        int shadow_x = 2, shadow_y = 2, shadow_blur = 1, shadow_strength = 30;
    } lcd;
    // What the load went past: settings out of range, taken as their defaults.
    std::vector<Text> warnings;

    // The largest scale (device pixels per skin pixel) at which the
    // window's frames fit the memory budget beside the pictures.
    int max_scale = 1;
};

// The client size a window can really have: a skin file may ask for any
// number, but a window (and its frame) is kept within 1..kMaxPictureSide.
int usable_extent(int requested);

// What the frames of a client area take at a scale: the window's back
// buffer, the frame drawn and its edges, each 4 bytes a pixel.
inline constexpr int kFrameCopies = 3;
std::uint64_t frame_bytes(int client_width, int client_height, int scale);
// The largest scale, up to `wanted`, at which the frames of a client area
// fit the memory budget (at least 1).
int largest_scale(int client_width, int client_height, int wanted);

struct LoadRequest {
    std::string config_path;  // Config.ini beside the program, or the player's own
    std::string program_dir;  // where relative paths fall back to
    std::string own_dir;      // the player's Config.ini's folder: searched before program_dir
    bool fullscreen = false;
    int screen_width = 1024, screen_height = 768;
    // The window shows the skin this many times its size: the pictures'
    // "@<n>x" variants are loaded where there are any (1: none).
    int scale = 1;
    // Relative paths are looked for in the current directory first (the
    // program's own platform starts it in its folder); a front end that is
    // started anywhere says no.
    bool search_current_dir = true;
    // Where decoded pictures are kept between runs (the desktop program's).
    PictureKeeper* keeper = nullptr;
    // The LCD's glass is loaded (only drawn where unlit segments have a
    // strength of their own: a front end that knows they have none spares
    // its start the picture).
    bool lcd_glass = true;
    // The high-contrast face is loaded (only for a player who chose it).
    bool lcd_contrast = false;
    // The full screen's backdrop and logo are loaded (a front end with a
    // background of its own, or that never shows the logo, spares its start
    // their pictures).
    bool backdrop = true;
    bool logo = true;
    // The form of the pictures' pixels (the premultiplied one is only for
    // a painter that takes it).
    PixelForm form = PixelForm::Rgba;
};

inline constexpr const char* kMissingConfig =
    IGNIVAR_TEXT("Skin", "Configuration file (Config.ini) not found. Please reinstall the game.");

// The in-game menu's click area and its folded background, in skin pixels.
struct Extent {
    int width, height;
};
inline constexpr Extent kGameMenuFolded{36, 32};

// Loads the skin over `skin`, which keeps what an earlier load gave it
// where the file now names nothing. A failure is the message for the
// player; it is fatal when Config.ini is missing (the program must end).
Status load_skin(const LoadRequest& request, Skin& skin);

// The unit's size as a skin file gives it ("GameWidth", "GameHeight"),
// read without loading any picture; the usual size when the file cannot
// be read (the load then says why).
Extent game_size(const std::string& config_path);

// Loads the skin as the unit alone is shown outside the window (a clip,
// the libretro core): laid out full screen on a "screen" of the unit's own
// size, so that the backdrop shows where the case is see-through, with no
// logo and no in-game menu.
Status load_unit_face(LoadRequest request, Skin& skin);

// Turns a path from Config.ini into one to open: "\" and "/" both separate;
// a relative path is taken from the current directory, or from the
// program's folder when it is not there.
std::string resolve_path(const std::string& path, const std::string& program_dir);
// The same with a folder searched between the current one and the program's.
std::string resolve_path(const std::string& path, const std::string& own_dir, const std::string& program_dir,
                         bool current_dir = true);
// A folder key's value with a trailing separator.
std::string as_folder(std::string folder);

}  // namespace ignivar::skin
