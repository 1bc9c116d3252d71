// The skin's pictures as the desktop's painter draws them: each converted
// once per skin load into the QImage form that blends fastest (premultiplied
// ARGB, or plain RGB for an opaque one), scaled once per zoom pixel for
// pixel, the see-through colour keyed out where the layout has one; with
// the part of a picture that is not wholly see-through worked out once too.
#pragma once

#include <QImage>
#include <QRect>
#include <map>
#include <optional>
#include <unordered_map>
#include <vector>

#include "skin/picture.h"

namespace ignivar::app {

class PictureImages {
public:
    // Forgets everything: before and after every skin load.
    void reset();

    // The picture in the form drawn: transparent (blended) or opaque, with
    // the see-through colour `key` made see-through.
    const QImage& image(const skin::Picture* picture, bool transparent, std::optional<QRgb> key);
    // `image` (of `picture`) scaled by the zoom, pixel for pixel; a null
    // image once the copies have reached their bound.
    const QImage& scaled(const skin::Picture* picture, const QImage& image, int zoom);
    // The picture smoothly stretched to a size (a photograph behind the unit).
    const QImage& stretched(const skin::Picture* picture, int w, int h);
    // The part of a picture that is not wholly see-through, in its pixels.
    QRect content(const skin::Picture* picture);

    // Where a large image is not wholly see-through, row by row: the glass
    // over the display is a sheen on one side and a thin frame, so that
    // most places the display changes under it need none of it drawn.
    struct Runs {
        std::vector<std::vector<std::pair<int, int>>> rows;  // [from, to) in each row
        // What is shown of the image within `part` (in its pixels), as a
        // few rectangles: in bands of rows, the stretches of the band where
        // any of its rows shows something. None where all is see-through.
        void shown_within(const QRect& part, std::vector<QRect>& out) const;
    };
    // Its runs, for a large premultiplied image (null for any other: its
    // content rectangle is all there is to know).
    const Runs* runs(const QImage& image);

private:
    struct Key {
        const skin::Picture* picture;
        bool transparent;
        bool keyed;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<const void*>()(k.picture) ^ (k.transparent ? 1 : 0) ^ (k.keyed ? 2 : 0);
        }
    };
    // Converted copies of the pictures are kept to this many bytes in all;
    // past that a huge skin's pixels are drawn as they are, not held twice.
    static constexpr std::size_t kMaxCopiedBytes = 256u * 1024 * 1024;
    std::unordered_map<Key, QImage, KeyHash> images_;
    std::map<std::pair<const skin::Picture*, int>, QImage> scaled_;
    std::unordered_map<const skin::Picture*, QRect> content_;
    std::unordered_map<const QImage*, Runs> runs_;
    std::size_t copied_bytes_ = 0;
    QImage stretched_;
    const skin::Picture* stretched_source_ = nullptr;
};

}  // namespace ignivar::app
