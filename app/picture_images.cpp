// Converting the skin's pictures for the painter.
#include "app/picture_images.h"

#include <algorithm>

namespace ignivar::app {

void PictureImages::reset() {
    images_.clear();
    scaled_.clear();
    content_.clear();
    runs_.clear();
    copied_bytes_ = 0;
    stretched_ = QImage();
    stretched_source_ = nullptr;
}

const QImage& PictureImages::image(const skin::Picture* picture, bool transparent, std::optional<QRgb> key) {
    const Key images_key{picture, transparent, key.has_value()};
    auto it = images_.find(images_key);
    if (it != images_.end()) return it->second;
    // The skin's own pixels; opaque ones have had their alpha set to 255.
    const bool premultiplied = picture->form == skin::PixelForm::PremultipliedArgb;
    const QImage wrapped(picture->rgba.data(), picture->width, picture->height, picture->width * 4,
                         premultiplied ? (transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32)
                                       : (transparent ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888));
    // Already in the form that blends fastest: drawn as they are.
    if (premultiplied && !key) return images_.emplace(images_key, wrapped).first->second;
    const std::size_t bytes = picture->rgba.size();
    if (key) {
        // The see-through colour is see-through wherever a picture has it.
        QImage keyed = wrapped.convertToFormat(QImage::Format_ARGB32);
        const QRgb k = *key & 0xFFFFFF;
        for (int y = 0; y < keyed.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
            for (int x = 0; x < keyed.width(); ++x)
                if ((line[x] & 0xFFFFFF) == k) line[x] = 0;
        }
        copied_bytes_ += bytes;
        return images_.emplace(images_key, keyed.convertToFormat(QImage::Format_ARGB32_Premultiplied)).first->second;
    }
    // A copy in the form that blends fastest, while the copies stay small
    // next to the skin; past that the skin's pixels are drawn as they are,
    // so that a huge skin is not held in memory twice.
    if (copied_bytes_ + bytes <= kMaxCopiedBytes) {
        copied_bytes_ += bytes;
        return images_
            .emplace(images_key, wrapped.convertToFormat(transparent ? QImage::Format_ARGB32_Premultiplied
                                                                    : QImage::Format_RGB32))
            .first->second;
    }
    return images_.emplace(images_key, wrapped).first->second;
}

QRect PictureImages::content(const skin::Picture* picture) {
    if (const auto it = content_.find(picture); it != content_.end()) return it->second;
    int left = picture->width, top = picture->height, right = -1, bottom = -1;
    const int a = skin::alpha_index(*picture);
    for (int y = 0; y < picture->height; ++y)
        for (int x = 0; x < picture->width; ++x)
            if (picture->pixel(x, y)[a] != 0) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    const QRect r = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    return content_.emplace(picture, r).first->second;
}

const QImage& PictureImages::scaled(const skin::Picture* picture, const QImage& image, int zoom) {
    const auto key = std::make_pair(picture, zoom);
    if (const auto it = scaled_.find(key); it != scaled_.end()) return it->second;
    const std::size_t bytes = static_cast<std::size_t>(image.width()) * image.height() * 4 * zoom * zoom;
    if (copied_bytes_ + bytes > kMaxCopiedBytes) return scaled_.emplace(key, QImage()).first->second;
    copied_bytes_ += bytes;
    return scaled_.emplace(key, image.scaled(image.width() * zoom, image.height() * zoom)).first->second;
}

const QImage& PictureImages::stretched(const skin::Picture* picture, int w, int h) {
    if (stretched_source_ != picture || stretched_.width() != w || stretched_.height() != h) {
        // A photograph behind the unit: smooth scaling suits it.
        stretched_ = image(picture, false, std::nullopt).scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        stretched_source_ = picture;
    }
    return stretched_;
}

const PictureImages::Runs* PictureImages::runs(const QImage& image) {
    constexpr qsizetype kLarge = 512 * 1024;
    if (image.format() != QImage::Format_ARGB32_Premultiplied || qsizetype{image.width()} * image.height() < kLarge)
        return nullptr;
    if (const auto it = runs_.find(&image); it != runs_.end()) return &it->second;
    Runs r;
    r.rows.resize(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            if (qAlpha(line[x]) == 0) {
                ++x;
                continue;
            }
            const int from = x;
            while (x < image.width() && qAlpha(line[x]) != 0) ++x;
            r.rows[static_cast<std::size_t>(y)].emplace_back(from, x);
        }
    }
    return &runs_.emplace(&image, std::move(r)).first->second;
}

void PictureImages::Runs::shown_within(const QRect& part, std::vector<QRect>& out) const {
    constexpr int kBand = 64;  // rows: few rectangles, each close around what it shows
    out.clear();
    const int last = std::min(part.bottom(), static_cast<int>(rows.size()) - 1);
    std::vector<std::pair<int, int>> spans;
    for (int top = std::max(0, part.top()); top <= last; top = (top / kBand + 1) * kBand) {
        const int bottom = std::min(last, (top / kBand + 1) * kBand - 1);
        spans.clear();
        for (int y = top; y <= bottom; ++y)
            for (const auto& [from, to] : rows[static_cast<std::size_t>(y)]) {
                const int l = std::max(from, part.left()), r = std::min(to, part.right() + 1);
                if (l < r) spans.emplace_back(l, r);
            }
        std::sort(spans.begin(), spans.end());
        for (std::size_t i = 0; i < spans.size();) {
            int l = spans[i].first, r = spans[i].second;
            for (++i; i < spans.size() && spans[i].first <= r; ++i) r = std::max(r, spans[i].second);
            out.emplace_back(l, top, r - l, bottom - top + 1);
        }
    }
}

}  // namespace ignivar::app
