#include "app/frame_painter.h"

namespace ignivar::app {

QColor window_colour(std::uint32_t colour) {
    std::uint8_t rgba[4];
    skin::colour_rgba(colour, rgba);
    return QColor(rgba[0], rgba[1], rgba[2]);
}

void FramePainter::reset() {
    cache_.clear();
    copied_bytes_ = 0;
    stretched_ = QImage();
    stretched_source_ = nullptr;
}

const QImage& FramePainter::image(const skin::Picture* picture, bool transparent) {
    const Key key{picture, transparent};
    auto it = cache_.find(key);
    if (it != cache_.end()) return it->second;
    // The skin's own pixels; opaque ones have had their alpha set to 255.
    const QImage wrapped(picture->rgba.data(), picture->width, picture->height, picture->width * 4,
                         transparent ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
    // A copy in the form that blends fastest, while the copies stay small
    // next to the skin; past that the skin's pixels are drawn as they are,
    // so that a huge skin is not held in memory twice.
    const std::size_t bytes = picture->rgba.size();
    if (copied_bytes_ + bytes <= kMaxCopiedBytes) {
        copied_bytes_ += bytes;
        return cache_
            .emplace(key, wrapped.convertToFormat(transparent ? QImage::Format_ARGB32_Premultiplied
                                                              : QImage::Format_RGB32))
            .first->second;
    }
    return cache_.emplace(key, wrapped).first->second;
}

const QImage& FramePainter::stretched(const skin::Picture* picture, int w, int h) {
    if (stretched_source_ != picture || stretched_.width() != w || stretched_.height() != h) {
        stretched_ = image(picture, false).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched_source_ = picture;
    }
    return stretched_;
}

void FramePainter::paint(QPainter& p, const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu) {
    const int width = skin::usable_extent(skin.client_width), height = skin::usable_extent(skin.client_height);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, width, height), window_colour(skin.colour));
    for (const skin::FrameItem& item : skin::frame_items(skin, display, game_menu)) {
        if (item.picture->empty()) continue;
        if (item.stretch) {
            if (item.clip_w <= 0 || item.clip_h <= 0) continue;
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(item.x, item.y), stretched(item.picture, item.clip_w, item.clip_h));
            continue;
        }
        const QImage& img = image(item.picture, item.transparent);
        // Only the part inside the client area, worked out in 64 bits: a
        // skin may place a picture anywhere in 32 bits.
        const long long x0 = item.x, y0 = item.y;
        const long long x1 = std::min<long long>(x0 + std::min(item.clip_w, img.width()), width);
        const long long y1 = std::min<long long>(y0 + std::min(item.clip_h, img.height()), height);
        const long long vx = std::max(0LL, x0), vy = std::max(0LL, y0);
        if (vx >= x1 || vy >= y1) continue;
        p.setCompositionMode(item.transparent ? QPainter::CompositionMode_SourceOver : QPainter::CompositionMode_Source);
        p.drawImage(QPoint(static_cast<int>(vx), static_cast<int>(vy)), img,
                    QRect(static_cast<int>(vx - x0), static_cast<int>(vy - y0), static_cast<int>(x1 - vx),
                          static_cast<int>(y1 - vy)));
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

QImage FramePainter::render(const skin::Skin& skin, const Display& display, const skin::GameMenuLook& game_menu) {
    QImage out(skin::usable_extent(skin.client_width), skin::usable_extent(skin.client_height), QImage::Format_RGB32);
    QPainter p(&out);
    paint(p, skin, display, game_menu);
    return out;
}

}  // namespace ignivar::app
