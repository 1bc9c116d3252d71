#include "art.h"
#include "assets.h"

#include <QCoreApplication>
#include <QTranslator>

#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>

namespace ignivar::assets {

QImage transparent_image(int w, int h) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

skin::Picture to_picture(const QImage& image) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    skin::Picture p(rgba.width(), rgba.height());
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(p.pixel(0, y), rgba.constScanLine(y), static_cast<std::size_t>(rgba.width()) * 4);
    return p;
}

void save_png(const QImage& image, const std::string& path) {
    if (const Status s = skin::write_png(to_picture(image), path); !s) throw std::runtime_error(s.message());
}

void save_keyed_bmp(const QImage& image, const std::string& path, QColor key) {
    QImage flat(image.size(), QImage::Format_ARGB32_Premultiplied);
    flat.fill(key);
    // Ink over the key colour without blending, so no pixel of a mixed
    // colour is left around the shape.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() >= 128) flat.setPixelColor(x, y, QColor(c.red(), c.green(), c.blue()));
        }
    flat.setPixelColor(0, image.height() - 1, key);
    if (const Status s = skin::write_bmp(to_picture(flat), path, 24); !s) throw std::runtime_error(s.message());
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
}

namespace {

// Maps unit coordinates (0..1) of a shape onto its rectangle.
QPointF at(const QRectF& r, double u, double v) { return {r.left() + u * r.width(), r.top() + v * r.height()}; }

QPainterPath flame_path(const QRectF& r) {
    QPainterPath path;
    path.moveTo(at(r, 0.50, 1.00));
    path.cubicTo(at(r, 0.05, 1.00), at(r, 0.00, 0.62), at(r, 0.22, 0.40));
    path.cubicTo(at(r, 0.30, 0.55), at(r, 0.36, 0.55), at(r, 0.38, 0.48));
    path.cubicTo(at(r, 0.36, 0.28), at(r, 0.48, 0.10), at(r, 0.58, 0.00));
    path.cubicTo(at(r, 0.62, 0.22), at(r, 0.80, 0.30), at(r, 0.86, 0.46));
    path.cubicTo(at(r, 0.92, 0.40), at(r, 0.92, 0.34), at(r, 0.90, 0.28));
    path.cubicTo(at(r, 1.06, 0.50), at(r, 1.00, 1.00), at(r, 0.50, 1.00));
    path.closeSubpath();
    // The inner tongue is left clear, as on the unit's glass.
    QPainterPath tongue;
    tongue.moveTo(at(r, 0.50, 0.90));
    tongue.cubicTo(at(r, 0.30, 0.90), at(r, 0.30, 0.70), at(r, 0.44, 0.56));
    tongue.cubicTo(at(r, 0.46, 0.68), at(r, 0.56, 0.70), at(r, 0.58, 0.60));
    tongue.cubicTo(at(r, 0.72, 0.72), at(r, 0.70, 0.90), at(r, 0.50, 0.90));
    tongue.closeSubpath();
    return path.subtracted(tongue);
}

void stick_figure(QPainter& p, const QRectF& r, double lean, bool arms_up, bool hose) {
    const QPen limb(ink(), std::max(2.5, r.width() * 0.10), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    // Helmet and head.
    p.setPen(Qt::NoPen);
    p.drawEllipse(at(r, 0.50 + lean * 0.2, 0.17), r.width() * 0.13, r.height() * 0.12);
    QPainterPath helmet;
    helmet.moveTo(at(r, 0.30 + lean * 0.2, 0.14));
    helmet.quadTo(at(r, 0.50 + lean * 0.2, -0.06), at(r, 0.72 + lean * 0.2, 0.14));
    helmet.closeSubpath();
    p.drawPath(helmet);
    p.setPen(limb);
    p.setBrush(Qt::NoBrush);
    const QPointF hip = at(r, 0.50, 0.64);
    // A sturdy coat rather than a stick.
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
    p.drawRoundedRect(QRectF(at(r, 0.36 + lean * 0.1, 0.30), at(r, 0.64 + lean * 0.05, 0.68)), 3, 3);
    p.setPen(limb);
    p.setBrush(Qt::NoBrush);
    p.drawLine(hip, at(r, 0.32, 0.98));
    p.drawLine(hip, at(r, 0.68, 0.98));
    if (arms_up) {
        p.drawLine(at(r, 0.50, 0.38), at(r, 0.30, 0.22));
        p.drawLine(at(r, 0.50, 0.38), at(r, 0.70, 0.22));
    } else {
        p.drawLine(at(r, 0.50, 0.38), at(r, 0.26, 0.58));
        p.drawLine(at(r, 0.50, 0.38), at(r, 0.76, 0.56));
    }
    if (hose) {
        // A nozzle held up over the head: the jet leaves from its tip.
        p.setPen(QPen(ink(), std::max(2.5, r.width() * 0.11), Qt::SolidLine, Qt::FlatCap));
        p.drawLine(at(r, 0.50, 0.24), at(r, 0.50, 0.02));
        p.setPen(Qt::NoPen);
        p.setBrush(ink());
        p.drawRect(QRectF(at(r, 0.40, 0.20), at(r, 0.60, 0.26)));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
}

}  // namespace

void draw_flame(QPainter& p, const QRectF& r) { p.drawPath(flame_path(r)); }

void draw_shot(QPainter& p, const QRectF& r, int position) {
    // A rising jet of water drops; the top position ends in a splash.
    for (int i = 0; i < 2; ++i) {
        const double cy = 0.28 + i * 0.48;
        QPainterPath drop;
        drop.moveTo(at(r, 0.5, cy - 0.26));
        drop.cubicTo(at(r, 0.95, cy + 0.02), at(r, 0.85, cy + 0.20), at(r, 0.5, cy + 0.20));
        drop.cubicTo(at(r, 0.15, cy + 0.20), at(r, 0.05, cy + 0.02), at(r, 0.5, cy - 0.26));
        p.drawPath(drop);
    }
    if (position == 5) {
        p.drawEllipse(at(r, 0.15, 0.04), r.width() * 0.12, r.width() * 0.12);
        p.drawEllipse(at(r, 0.85, 0.04), r.width() * 0.12, r.width() * 0.12);
    }
}

void draw_hero(QPainter& p, const QRectF& r, int pose) {
    if (pose == 0) {
        // Waiting beside the tanks, bucket in hand.
        stick_figure(p, r, 0.0, false, false);
        p.drawRect(QRectF(at(r, 0.70, 0.52), at(r, 0.96, 0.70)));
        return;
    }
    stick_figure(p, r, pose == 1 ? -0.15 : pose == 3 ? 0.15 : 0.0, true, true);
}

void draw_enemy(QPainter& p, const QRectF& r, int part) {
    if (part == 1) {
        // A horned fire imp: head with cut-out eyes, round body.
        QPainterPath head;
        head.addEllipse(QRectF(at(r, 0.32, 0.08), at(r, 0.68, 0.46)));
        QPainterPath eyes;
        eyes.addEllipse(QRectF(at(r, 0.40, 0.22), at(r, 0.47, 0.30)));
        eyes.addEllipse(QRectF(at(r, 0.53, 0.22), at(r, 0.60, 0.30)));
        eyes.addRect(QRectF(at(r, 0.43, 0.36), at(r, 0.57, 0.39)));
        p.drawPath(head.subtracted(eyes));
        QPolygonF horn_l({at(r, 0.34, 0.16), at(r, 0.26, 0.00), at(r, 0.42, 0.10)});
        QPolygonF horn_r({at(r, 0.66, 0.16), at(r, 0.74, 0.00), at(r, 0.58, 0.10)});
        p.drawPolygon(horn_l);
        p.drawPolygon(horn_r);
        p.drawRoundedRect(QRectF(at(r, 0.36, 0.48), at(r, 0.64, 0.84)), 4, 4);
        p.drawRect(QRectF(at(r, 0.38, 0.84), at(r, 0.46, 1.00)));
        p.drawRect(QRectF(at(r, 0.54, 0.84), at(r, 0.62, 1.00)));
        return;
    }
    const QPen arm(ink(), std::max(2.5, r.width() * 0.06), Qt::SolidLine, Qt::RoundCap);
    p.setPen(arm);
    if (part == 2) {
        // Resting: both arms down, an ember in each hand.
        p.drawLine(at(r, 0.34, 0.54), at(r, 0.18, 0.78));
        p.drawLine(at(r, 0.66, 0.54), at(r, 0.82, 0.78));
        p.setPen(Qt::NoPen);
        p.drawEllipse(at(r, 0.14, 0.84), r.width() * 0.05, r.width() * 0.05);
        p.drawEllipse(at(r, 0.86, 0.84), r.width() * 0.05, r.width() * 0.05);
    } else {
        // Throwing: an arm swung up with a fireball over the head.
        p.drawLine(at(r, 0.34, 0.54), at(r, 0.10, 0.34));
        p.drawLine(at(r, 0.66, 0.54), at(r, 0.86, 0.30));
        p.setPen(Qt::NoPen);
        draw_flame(p, QRectF(at(r, 0.80, 0.00), at(r, 1.00, 0.30)));
    }
    p.setPen(Qt::NoPen);
}

void draw_tank(QPainter& p, const QRectF& r) {
    QPainterPath body;
    body.addRoundedRect(QRectF(at(r, 0.08, 0.12), at(r, 0.92, 1.00)), 3, 3);
    QPainterPath window;
    window.addRect(QRectF(at(r, 0.22, 0.30), at(r, 0.78, 0.46)));
    p.drawPath(body.subtracted(window));
    p.drawRect(QRectF(at(r, 0.38, 0.00), at(r, 0.62, 0.12)));
}

void draw_miss_scene(QPainter& p, const QRectF& r, int part) {
    if (part == 1) {
        // The house the hero guards.
        QPainterPath house;
        house.moveTo(at(r, 0.50, 0.00));
        house.lineTo(at(r, 1.00, 0.42));
        house.lineTo(at(r, 0.88, 0.42));
        house.lineTo(at(r, 0.88, 1.00));
        house.lineTo(at(r, 0.12, 1.00));
        house.lineTo(at(r, 0.12, 0.42));
        house.lineTo(at(r, 0.00, 0.42));
        house.closeSubpath();
        QPainterPath openings;
        openings.addRect(QRectF(at(r, 0.24, 0.52), at(r, 0.44, 0.70)));
        openings.addRect(QRectF(at(r, 0.58, 0.62), at(r, 0.76, 1.00)));
        p.drawPath(house.subtracted(openings));
    } else if (part == 2) {
        // The house on fire: flames through the roof.
        draw_flame(p, QRectF(at(r, 0.00, 0.00), at(r, 0.42, 0.60)));
        draw_flame(p, QRectF(at(r, 0.34, 0.10), at(r, 0.70, 0.70)));
        draw_flame(p, QRectF(at(r, 0.62, 0.02), at(r, 1.00, 0.62)));
        p.drawRect(QRectF(at(r, 0.12, 0.70), at(r, 0.88, 1.00)));
    } else {
        // The alarm: rays around a mark of exclamation.
        p.drawRoundedRect(QRectF(at(r, 0.42, 0.10), at(r, 0.58, 0.62)), 2, 2);
        p.drawEllipse(QRectF(at(r, 0.42, 0.72), at(r, 0.58, 0.90)));
        const QPen ray(ink(), 2.0, Qt::SolidLine, Qt::RoundCap);
        p.setPen(ray);
        p.drawLine(at(r, 0.10, 0.10), at(r, 0.28, 0.26));
        p.drawLine(at(r, 0.90, 0.10), at(r, 0.72, 0.26));
        p.drawLine(at(r, 0.04, 0.50), at(r, 0.26, 0.50));
        p.drawLine(at(r, 0.96, 0.50), at(r, 0.74, 0.50));
        p.setPen(Qt::NoPen);
    }
}

void draw_miss_mark(QPainter& p, const QRectF& r) {
    // A small flame: one for each miss.
    draw_flame(p, r.adjusted(1, 0, -1, 0));
}

void draw_speaker(QPainter& p, const QRectF& r) {
    QPolygonF cone({at(r, 0.05, 0.35), at(r, 0.28, 0.35), at(r, 0.55, 0.08), at(r, 0.55, 0.92), at(r, 0.28, 0.65),
                    at(r, 0.05, 0.65)});
    p.drawPolygon(cone);
    p.setPen(QPen(ink(), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(at(r, 0.45, 0.28), at(r, 0.75, 0.72)), -50 * 16, 100 * 16);
    p.drawArc(QRectF(at(r, 0.40, 0.10), at(r, 0.95, 0.90)), -50 * 16, 100 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(ink());
}

void draw_bell(QPainter& p, const QRectF& r) {
    QPainterPath bell;
    bell.moveTo(at(r, 0.50, 0.06));
    bell.cubicTo(at(r, 0.20, 0.06), at(r, 0.24, 0.60), at(r, 0.06, 0.78));
    bell.lineTo(at(r, 0.94, 0.78));
    bell.cubicTo(at(r, 0.76, 0.60), at(r, 0.80, 0.06), at(r, 0.50, 0.06));
    p.drawPath(bell);
    p.drawEllipse(QRectF(at(r, 0.40, 0.80), at(r, 0.60, 0.98)));
}

void draw_colon(QPainter& p, const QRectF& r) {
    const double d = std::min(r.width(), r.height() * 0.2);
    p.drawRect(QRectF(r.center().x() - d / 2, r.top() + r.height() * 0.25, d, d));
    p.drawRect(QRectF(r.center().x() - d / 2, r.top() + r.height() * 0.65, d, d));
}

void draw_label(QPainter& p, const QRectF& r, const QString& text, int pixel_size) {
    QFont f("DejaVu Sans Condensed");
    f.setPixelSize(pixel_size);
    f.setBold(true);
    p.setFont(f);
    p.setPen(ink());
    p.drawText(r, Qt::AlignCenter, text);
    p.setPen(Qt::NoPen);
}

void draw_digit(QPainter& p, const QRectF& r, int digit) {
    // Seven slanted segments a..g; which are lit for each digit.
    static const char* on[10] = {"abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
    const double w = r.width(), h = r.height(), t = std::max(2.0, w * 0.16), slant = w * 0.12;
    auto pt = [&](double x, double y) { return QPointF(r.left() + x + slant * (1 - y / h), r.top() + y); };
    auto horizontal = [&](double y) {
        return QPolygonF({pt(t * 0.6, y), pt(t, y - t / 2), pt(w - slant - t, y - t / 2), pt(w - slant - t * 0.6, y),
                          pt(w - slant - t, y + t / 2), pt(t, y + t / 2)});
    };
    auto vertical = [&](double x, double y0, double y1) {
        return QPolygonF({pt(x, y0 + t * 0.6), pt(x + t / 2, y0 + t), pt(x + t / 2, y1 - t), pt(x, y1 - t * 0.6),
                          pt(x - t / 2, y1 - t), pt(x - t / 2, y0 + t)});
    };
    const double left = t / 2 + 0.5, right = w - slant - t / 2 - 0.5, top = t / 2 + 0.5, mid = h / 2, bottom = h - t / 2 - 0.5;
    for (const char* s = on[digit]; *s; ++s) {
        switch (*s) {
            case 'a': p.drawPolygon(horizontal(top)); break;
            case 'b': p.drawPolygon(vertical(right, top, mid)); break;
            case 'c': p.drawPolygon(vertical(right, mid, bottom)); break;
            case 'd': p.drawPolygon(horizontal(bottom)); break;
            case 'e': p.drawPolygon(vertical(left, mid, bottom)); break;
            case 'f': p.drawPolygon(vertical(left, top, mid)); break;
            case 'g': p.drawPolygon(horizontal(mid)); break;
        }
    }
}

void write_unless_edited(const std::filesystem::path& file, const std::string& text) {
    const auto slurp = [](const std::filesystem::path& p) -> std::optional<std::string> {
        std::ifstream in(p, std::ios::binary);
        if (!in) return std::nullopt;
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::filesystem::path stamp = file.string() + ".generated";
    const auto current = slurp(file);
    const bool edited = current && current != slurp(stamp);
    const auto write = [&](const std::filesystem::path& p) {
        std::ofstream out(p, std::ios::binary);
        out << text;
        if (!out) throw std::runtime_error("cannot write " + p.string());
    };
    write(stamp);
    if (edited) {
        if (current != text)
            std::fprintf(stderr, "make_assets: %s was edited; it is left as it is (the generated one is %s)\n",
                         file.string().c_str(), stamp.string().c_str());
        return;
    }
    write(file);
}

// English first, as the texts are; then each translation in turn.
void for_each_language(const std::string& translations_dir, const std::function<void(const std::string&)>& draw) {
    draw("en");
    for (const char* language : {"de", "fr", "es", "ja"}) {
        QTranslator translation;
        const QString file = QString::fromStdString(translations_dir) + "/ignivar_" + language + ".qm";
        if (!translation.load(file)) throw std::runtime_error("cannot read the translation " + file.toStdString());
        QCoreApplication::installTranslator(&translation);
        try {
            draw(language);
        } catch (const std::runtime_error& e) {
            QCoreApplication::removeTranslator(&translation);
            throw std::runtime_error(std::string(language) + ": " + e.what());
        }
        QCoreApplication::removeTranslator(&translation);
    }
}

}  // namespace ignivar::assets
