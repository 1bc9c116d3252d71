#include "input/key_codes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <array>
#include <utility>

#include "input/keys.h"

#if __has_include(<xcb/xkb.h>)
// The C header names a structure member `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#define IGNIVAR_HAVE_XCB_XKB 1
#endif

namespace ignivar::input {
namespace {

// Physical keys by their XKB key code (the Linux input code + 8), which
// both the X11 and the Wayland platform report as the native scan code.
// clang-format off
constexpr std::array<std::pair<quint32, std::uint16_t>, 20> kPlaces = {{
    {10, 0x31}, {11, 0x32}, {12, 0x33}, {13, 0x34}, {14, 0x35},   // digit row 1..5
    {15, 0x36}, {16, 0x37}, {17, 0x38}, {18, 0x39}, {19, 0x30},   // digit row 6..9, 0
    {37, vk::kCtrl}, {105, vk::kCtrl},                              // left and right Ctrl
    {50, vk::kShift}, {62, vk::kShift},                             // left and right Shift
    {64, vk::kAlt}, {108, vk::kAlt},                                // left and right Alt
    {111, vk::kUp}, {113, vk::kLeft}, {114, vk::kRight}, {116, vk::kDown},
}};
// The letters in their US places, for layouts whose letters are not Latin
// (the original platform gives those keys the Latin letter's code).
constexpr std::array<std::pair<quint32, char>, 26> kLetterPlaces = {{
    {24, 'Q'}, {25, 'W'}, {26, 'E'}, {27, 'R'}, {28, 'T'}, {29, 'Y'}, {30, 'U'}, {31, 'I'}, {32, 'O'}, {33, 'P'},
    {38, 'A'}, {39, 'S'}, {40, 'D'}, {41, 'F'}, {42, 'G'}, {43, 'H'}, {44, 'J'}, {45, 'K'}, {46, 'L'},
    {52, 'Z'}, {53, 'X'}, {54, 'C'}, {55, 'V'}, {56, 'B'}, {57, 'N'}, {58, 'M'},
}};
// clang-format on
constexpr quint32 kSpaceBar = 65;

}  // namespace

std::uint16_t key_code_of_qt_key(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return static_cast<std::uint16_t>(0x30 + (key - Qt::Key_0));
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::uint16_t>(0x41 + (key - Qt::Key_A));
    switch (key) {
        case Qt::Key_Left: return vk::kLeft;
        case Qt::Key_Right: return vk::kRight;
        case Qt::Key_Up: return vk::kUp;
        case Qt::Key_Down: return vk::kDown;
        case Qt::Key_Alt: return vk::kAlt;
        case Qt::Key_Control: return vk::kCtrl;
        case Qt::Key_Shift: return vk::kShift;
        case Qt::Key_Space: return vk::kSpace;
        default: return 0;
    }
}

std::uint16_t key_code(const QKeyEvent& e) {
    const quint32 place = e.nativeScanCode();
    if (place != 0) {
        for (const auto& [code, vk] : kPlaces)
            if (code == place) return vk;
        if (place == kSpaceBar) return vk::kSpace;
    }
    // The numeric keypad is never a digit, nor any other key of the table.
    if (e.modifiers() & Qt::KeypadModifier) return 0;
    const int key = e.key();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key_code_of_qt_key(key);
    // A letter of another script: the Latin letter of the same place.
    if (place != 0 && key > 0xFF && key < Qt::Key_Escape)
        for (const auto& [code, letter] : kLetterPlaces)
            if (code == place) return static_cast<std::uint16_t>(letter);
    // Without a physical key code (synthetic events), the key value decides.
    if (place == 0) return key_code_of_qt_key(key);
    return 0;
}

quint64 HeldKeys::identity(const QKeyEvent& e) {
    // The physical key where there is one, else the key value.
    return e.nativeScanCode() ? (quint64{1} << 32) | e.nativeScanCode() : static_cast<quint32>(e.key());
}

std::uint16_t HeldKeys::press(const QKeyEvent& e) {
    const quint64 id = identity(e);
    if (const auto it = held_.constFind(id); it != held_.constEnd()) return *it;  // a repeat
    const std::uint16_t code = key_code(e);
    if (code) held_.insert(id, code);
    return code;
}

std::uint16_t HeldKeys::release(const QKeyEvent& e) {
    const quint64 id = identity(e);
    if (const auto it = held_.find(id); it != held_.end()) {
        const std::uint16_t code = *it;
        held_.erase(it);
        return code;
    }
    return key_code(e);  // pressed before this window had the keyboard
}

std::vector<std::uint16_t> HeldKeys::release_all() {
    std::vector<std::uint16_t> codes(held_.cbegin(), held_.cend());
    held_.clear();
    return codes;
}

bool request_detectable_autorepeat() {
#ifdef IGNIVAR_HAVE_XCB_XKB
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection()) return false;
    xcb_connection_t* c = x11->connection();
    const auto use = xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, 1, 0), nullptr);
    const bool supported = use && use->supported;
    free(use);
    if (!supported) return false;
    constexpr uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    auto* reply = xcb_xkb_per_client_flags_reply(
        c, xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0), nullptr);
    const bool on = reply && (reply->value & flag);
    free(reply);
    return on;
#else
    return false;
#endif
}

}  // namespace ignivar::input
