// Paints a frame of the face with QPainter: the skin's pictures as QImages
// (converted once per skin load, up to a bound), in the drawing order of
// the frame.
#pragma once

#include <QImage>
#include <QPainter>
#include <unordered_map>

#include "skin/frame.h"

namespace ignivar::app {

class FramePainter {
public:
    // Forgets the converted pictures: call after every skin load.
    void reset();
    void paint(QPainter& painter, const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu);
    // The frame as an image of the client area's size.
    QImage render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu);

private:
    const QImage& image(const skin::Picture* picture, bool transparent);
    const QImage& stretched(const skin::Picture* picture, int w, int h);

    struct Key {
        const skin::Picture* picture;
        bool transparent;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const { return std::hash<const void*>()(k.picture) ^ k.transparent; }
    };
    // Converted copies of the pictures are kept to this many bytes in all.
    static constexpr std::size_t kMaxCopiedBytes = 64u * 1024 * 1024;
    std::unordered_map<Key, QImage, KeyHash> cache_;
    std::size_t copied_bytes_ = 0;
    QImage stretched_;
    const skin::Picture* stretched_source_ = nullptr;
};

QColor window_colour(std::uint32_t colour);

}  // namespace ignivar::app
