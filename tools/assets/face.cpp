// The unit's face: the case, every LCD segment in its place, the pressed
// buttons, the full-screen backdrop and logo, and the Config.ini that
// places them all.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <functional>
#include <random>
#include <sstream>

#include "art.h"
#include "assets.h"
#include "skin/skin.h"

namespace ignivar::assets {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 540, kHeight = 360;
const QRect kCase(4, 4, 532, 352);
const QRect kBezel(104, 24, 332, 262);
const QRect kGlass(120, 38, 300, 240);
const QColor kKey(255, 0, 255);

// Lane centres and the rows of the five positions (position 1 nearest the hero).
constexpr int kLaneX[4] = {0, 190, 270, 350};
constexpr int kPosY[6] = {0, 214, 192, 170, 148, 126};

struct Segment {
    std::string name;
    QRect rect;
    std::function<void(QPainter&, const QRectF&)> draw;
    bool bmp = false;  // written as a keyed BMP instead of a PNG
};

std::vector<Segment> segments() {
    std::vector<Segment> s;
    auto label = [](const char* text, int size) {
        return [text, size](QPainter& p, const QRectF& r) { draw_label(p, r, text, size); };
    };
    s.push_back({"im_panel_game_a", {124, 42, 38, 12}, label("GAME A", 9)});
    s.push_back({"im_panel_game_b", {164, 42, 38, 12}, label("GAME B", 9)});
    s.push_back({"im_panel_time_1", {210, 42, 34, 12}, label("TIME 1", 9)});
    s.push_back({"im_panel_time_2", {246, 42, 34, 12}, label("TIME 2", 9)});
    s.push_back({"im_panel_alarm", {284, 42, 34, 12}, label("ALARM", 9)});
    s.push_back({"im_panel_date", {320, 42, 28, 12}, label("DATE", 9)});
    s.push_back({"im_panel_chrono", {352, 42, 40, 12}, label("CHRONO", 9)});
    s.push_back({"im_panel_time_am", {370, 60, 20, 11}, label("AM", 9)});
    s.push_back({"im_panel_time_pm", {370, 74, 20, 11}, label("PM", 9)});
    s.push_back({"im_panel_time_colon", {300, 58, 8, 28}, draw_colon});
    s.push_back({"im_panel_sound", {190, 62, 18, 16}, draw_speaker});
    s.push_back({"im_panel_bell", {212, 62, 16, 16}, draw_bell});
    for (int i = 1; i <= 3; ++i)
        s.push_back({"im_panel_miss_" + std::to_string(i), {124 + (i - 1) * 18, 62, 14, 16}, draw_miss_mark});
    for (int t = 1; t <= 3; ++t)
        s.push_back({"im_water_tank_" + std::to_string(t), {130, 212 - (t - 1) * 24, 26, 20}, draw_tank});
    for (int e = 1; e <= 3; ++e)
        s.push_back({"im_enemy_" + std::to_string(e), {228, 88, 84, 36},
                     [e](QPainter& p, const QRectF& r) { draw_enemy(p, r, e); }, true});
    for (int pos = 5; pos >= 1; --pos)
        for (int lane = 1; lane <= 3; ++lane)
            s.push_back({"im_flame_" + std::to_string(lane) + "_" + std::to_string(pos),
                         {kLaneX[lane] - 18, kPosY[pos], 24, 20}, draw_flame});
    for (int pos = 5; pos >= 1; --pos)
        for (int lane = 1; lane <= 3; ++lane)
            s.push_back({"im_shot_" + std::to_string(lane) + "_" + std::to_string(pos),
                         {kLaneX[lane] + 8, kPosY[pos], 12, 20},
                         [pos](QPainter& p, const QRectF& r) { draw_shot(p, r, pos); }});
    for (int h : {1, 2, 3})
        s.push_back({"im_hero_" + std::to_string(h), {kLaneX[h] - 20, 238, 40, 36},
                     [h](QPainter& p, const QRectF& r) { draw_hero(p, r, h); }});
    s.push_back({"im_hero_0", {124, 238, 40, 36}, [](QPainter& p, const QRectF& r) { draw_hero(p, r, 0); }});
    s.push_back({"im_miss_1", {380, 226, 34, 34}, [](QPainter& p, const QRectF& r) { draw_miss_scene(p, r, 1); }});
    s.push_back({"im_miss_2", {380, 188, 34, 34}, [](QPainter& p, const QRectF& r) { draw_miss_scene(p, r, 2); }});
    s.push_back({"im_miss_3", {380, 150, 34, 32}, [](QPainter& p, const QRectF& r) { draw_miss_scene(p, r, 3); }});
    return s;
}

// Digit cells (no picture of their own) and the glyph sources.
constexpr QRect kCells[6] = {{}, {258, 58, 20, 30}, {280, 58, 20, 30}, {310, 58, 20, 30}, {332, 58, 20, 30},
                             {354, 68, 12, 18}};

struct Button {
    const char* id;
    QRect rect;
    bool round;
    const char* caption;
};

const Button kButtons[] = {
    {"shoot_left", {26, 104, 64, 64}, true, "SHOOT"},  {"left", {26, 206, 64, 64}, true, "\u25C0"},
    {"shoot_right", {450, 104, 64, 64}, true, "SHOOT"}, {"right", {450, 206, 64, 64}, true, "\u25B6"},
    {"game_a", {150, 298, 48, 18}, false, "GAME A"},   {"game_b", {210, 298, 48, 18}, false, "GAME B"},
    {"time", {270, 298, 48, 18}, false, "TIME"},       {"set", {330, 298, 48, 18}, false, "SET"},
};

void draw_button(QPainter& p, const Button& b, bool pressed) {
    p.save();
    const QRectF r = QRectF(b.rect).adjusted(2, 2, -2, -2);
    // The well the button sits in.
    p.setBrush(QColor(60, 14, 10, 150));
    if (b.round) p.drawEllipse(r.adjusted(-2, -1, 2, 3));
    else p.drawRoundedRect(r.adjusted(-2, -1, 2, 3), 10, 10);
    const QRectF face = pressed ? r.translated(0, 2).adjusted(1, 1, -1, -1) : r;
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    const bool yellow = b.round;
    g.setColorAt(0, pressed ? (yellow ? QColor(196, 160, 40) : QColor(70, 70, 76)) : (yellow ? QColor(255, 214, 80) : QColor(112, 112, 120)));
    g.setColorAt(1, pressed ? (yellow ? QColor(150, 112, 20) : QColor(44, 44, 48)) : (yellow ? QColor(214, 160, 32) : QColor(66, 66, 72)));
    p.setBrush(g);
    p.setPen(QPen(QColor(40, 20, 10, 160), 1));
    if (b.round) p.drawEllipse(face);
    else p.drawRoundedRect(face, 8, 8);
    if (!pressed) {  // a highlight on the raised button
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        if (b.round) p.drawEllipse(face.adjusted(face.width() * 0.2, 3, -face.width() * 0.2, -face.height() * 0.55));
        else p.drawRoundedRect(face.adjusted(6, 2, -6, -face.height() * 0.55), 4, 4);
    }
    p.restore();
}

void draw_caption(QPainter& p, const QRectF& r, const QString& text, int size) {
    QFont f("DejaVu Sans");
    f.setPixelSize(size);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.8);
    p.setFont(f);
    p.setPen(QColor(255, 236, 200));
    p.drawText(r, Qt::AlignCenter, text);
    p.setPen(Qt::NoPen);
}

void draw_clear_glass(QPainter& p) {
    QLinearGradient glass(kGlass.topLeft(), kGlass.bottomRight());
    glass.setColorAt(0, QColor(190, 200, 168));
    glass.setColorAt(1, QColor(160, 172, 140));
    p.setBrush(glass);
    p.drawRect(kGlass);
}

// The glass alone, with no ghost of a segment on it: drawn over the face
// where unlit segments are drawn at a strength of the player's choice.
QImage draw_glass(int scale = 1) {
    QImage img(kGlass.width() * scale, kGlass.height() * scale, QImage::Format_RGB32);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    p.translate(-kGlass.topLeft());
    draw_clear_glass(p);
    return img;
}

// The whole case with released (or chosen pressed) buttons; the glass
// carries faint ghosts of every segment, as real LCD glass does.
QImage draw_face(const std::vector<Segment>& segs, const char* pressed, int scale = 1) {
    QImage img = transparent_image(kWidth * scale, kHeight * scale);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    QLinearGradient body(0, 0, 0, kHeight);
    body.setColorAt(0, QColor(214, 78, 52));
    body.setColorAt(0.55, QColor(178, 44, 30));
    body.setColorAt(1, QColor(128, 28, 20));
    p.setBrush(body);
    p.setPen(QPen(QColor(90, 20, 14), 2));
    p.drawRoundedRect(QRectF(kCase).adjusted(0.5, 0.5, -0.5, -0.5), 30, 30);
    p.setPen(QPen(QColor(255, 170, 140, 90), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(kCase).adjusted(5, 5, -5, -5), 26, 26);
    p.setPen(Qt::NoPen);
    // Bezel and glass.
    p.setBrush(QColor(36, 34, 38));
    p.drawRoundedRect(kBezel, 14, 14);
    draw_clear_glass(p);
    p.save();
    p.setOpacity(0.06);
    for (const Segment& s : segs) s.draw(p, QRectF(s.rect));
    for (int c = 1; c <= 5; ++c) draw_digit(p, QRectF(kCells[c]), 8);
    p.restore();
    prepare(p);
    // Printing on the case.
    draw_caption(p, QRectF(104, 4, 332, 18), "IGNIVAR", 13);
    draw_caption(p, QRectF(120, 330, 300, 16), "FIRE  \u00B7  WATER  \u00B7  WATCH", 10);
    for (const Button& b : kButtons) {
        draw_button(p, b, pressed && std::string(b.id) == pressed);
        const QRectF cap = b.round ? QRectF(b.rect.left() - 8, b.rect.bottom() + 4, b.rect.width() + 16, 14)
                                   : QRectF(b.rect.left() - 6, b.rect.bottom() + 2, b.rect.width() + 12, 12);
        draw_caption(p, cap, b.caption, b.round ? 10 : 8);
    }
    return img;
}

// The face for low vision: black case and bezel, white glass with no ghost
// of a segment on it (the segments, near black, stand out at their
// strongest), the buttons black with thick yellow outlines, yellow print.
QImage draw_contrast_face(int scale = 1) {
    const QColor yellow(255, 230, 0);
    QImage img = transparent_image(kWidth * scale, kHeight * scale);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    p.setBrush(Qt::black);
    p.setPen(QPen(Qt::white, 2));
    p.drawRoundedRect(QRectF(kCase).adjusted(0.5, 0.5, -0.5, -0.5), 30, 30);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(kGlass);
    const auto caption = [&](const QRectF& r, const QString& text, int size) {
        QFont f("DejaVu Sans");
        f.setPixelSize(size);
        f.setBold(true);
        p.setFont(f);
        p.setPen(yellow);
        p.drawText(r, Qt::AlignCenter, text);
    };
    caption(QRectF(104, 4, 332, 18), "IGNIVAR", 14);
    caption(QRectF(120, 328, 300, 18), "FIRE  \u00B7  WATER  \u00B7  WATCH", 11);
    for (const Button& b : kButtons) {
        const QRectF r = QRectF(b.rect).adjusted(3, 3, -3, -3);
        p.setPen(QPen(yellow, b.round ? 5 : 3));
        p.setBrush(Qt::black);
        if (b.round) p.drawEllipse(r);
        else p.drawRoundedRect(r, 7, 7);
        const QRectF cap = b.round ? QRectF(b.rect.left() - 8, b.rect.bottom() + 3, b.rect.width() + 16, 15)
                                   : QRectF(b.rect.left() - 8, b.rect.bottom() + 1, b.rect.width() + 16, 13);
        caption(cap, b.caption, b.round ? 11 : 9);
    }
    return img;
}

// The glass's sheen and the bezel's inner rim, drawn over everything: a
// picture of the glass's size only, as nothing of it lies outside (a picture
// of the whole face would be mostly see-through, and slow to decode).
QImage draw_screen_top(int scale = 1) {
    QImage img = transparent_image(kGlass.width() * scale, kGlass.height() * scale);
    QPainter p(&img);
    prepare(p);
    p.scale(scale, scale);
    p.translate(-kGlass.topLeft());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 90), 3));
    p.drawRect(QRectF(kGlass).adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(Qt::NoPen);
    QPainterPath sheen;
    sheen.moveTo(kGlass.left() + 3, kGlass.top() + 3);
    sheen.lineTo(kGlass.left() + 140, kGlass.top() + 3);
    sheen.lineTo(kGlass.left() + 60, kGlass.bottom() - 3);
    sheen.lineTo(kGlass.left() + 3, kGlass.bottom() - 3);
    sheen.closeSubpath();
    QLinearGradient g(kGlass.topLeft(), QPointF(kGlass.left() + 140, kGlass.top() + 120));
    g.setColorAt(0, QColor(255, 255, 255, 38));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(g);
    p.drawPath(sheen);
    return img;
}

QImage draw_backdrop() {
    QImage img(1920, 1080, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(960, 1180), 1400);
    g.setColorAt(0, QColor(120, 36, 18));
    g.setColorAt(0.45, QColor(48, 16, 12));
    g.setColorAt(1, QColor(10, 8, 12));
    p.fillRect(img.rect(), g);
    std::mt19937 rng(1406);
    std::uniform_real_distribution<double> x(0, 1920), y(300, 1080), size(1.5, 5), glow(40, 160);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {  // embers drifting up
        const double yy = y(rng);
        p.setBrush(QColor(255, 150 + static_cast<int>(yy / 20) % 90, 60, static_cast<int>(glow(rng) * yy / 1080)));
        const double s = size(rng);
        p.drawEllipse(QPointF(x(rng), yy), s, s);
    }
    return img;
}

QImage draw_logo() {
    QImage img = transparent_image(300, 72);
    QPainter p(&img);
    prepare(p);
    draw_flame(p, QRectF(8, 6, 50, 60));
    p.setBrush(QColor(255, 190, 80));
    QFont f("DejaVu Sans");
    f.setPixelSize(40);
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    QPainterPath text;
    text.addText(68, 50, f, "IGNIVAR");
    p.setPen(QPen(QColor(90, 20, 10), 3));
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    QLinearGradient g(0, 14, 0, 52);
    g.setColorAt(0, QColor(255, 230, 120));
    g.setColorAt(1, QColor(240, 100, 30));
    p.setBrush(g);
    p.drawPath(text);
    p.end();
    // The flame in the logo burns in colour.
    QPainter q(&img);
    q.setRenderHint(QPainter::Antialiasing);
    q.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    QLinearGradient fg(0, 6, 0, 66);
    fg.setColorAt(0, QColor(255, 220, 90));
    fg.setColorAt(1, QColor(230, 60, 20));
    q.fillRect(QRect(8, 6, 50, 60), fg);
    return img;
}

// The largest scale the pictures are drawn at: full screen fits up to 8x.
constexpr int kMaxScale = 8;  // a 4K screen shows the unit at 6x, a 5K one at 8x

void write_ini_section(std::ostream& out, int n, const std::string& file, const QRect& r) {
    out << "[Image" << n << "]\n; " << skin::section_picture_name(n) << "\nFilename=" << file << "\nLeft=" << r.left()
        << "\nTop=" << r.top() << "\nWidth=" << r.width() << "\nHeight=" << r.height() << "\n\n";
}

}  // namespace

namespace {

// Every picture of the face drawn from its vectors at one scale: 1x, and
// for windows that show the unit larger "name@<scale>x.png".
void draw_at_scale(const fs::path& skin_dir, const std::vector<Segment>& segs, int scale) {
    const std::string at = scale == 1 ? "" : "@" + std::to_string(scale) + "x";
    for (const Segment& s : segs) {
        QImage img = transparent_image(s.rect.width() * scale, s.rect.height() * scale);
        QPainter p(&img);
        prepare(p);
        p.scale(scale, scale);
        s.draw(p, QRectF(0, 0, s.rect.width(), s.rect.height()));
        p.end();
        const std::string file = (skin_dir / (s.name.substr(3) + at + (s.bmp ? ".bmp" : ".png"))).string();
        if (s.bmp) save_keyed_bmp(img, file, kKey);
        else save_png(img, file);
    }
    for (int d = 0; d <= 9; ++d) {
        for (bool small : {false, true}) {
            const QRect cell = small ? kCells[5] : kCells[1];
            QImage img = transparent_image(cell.width() * scale, cell.height() * scale);
            QPainter p(&img);
            prepare(p);
            p.scale(scale, scale);
            draw_digit(p, QRectF(0, 0, cell.width(), cell.height()), d);
            p.end();
            const std::string name = std::string(small ? "panel_number_small_" : "panel_number_") + std::to_string(d);
            save_png(img, (skin_dir / (name + at + ".png")).string());
        }
    }
    save_png(draw_face(segs, nullptr, scale), (skin_dir / ("background" + at + ".png")).string());
    save_png(draw_screen_top(scale), (skin_dir / ("screen_top" + at + ".png")).string());
    save_png(draw_glass(scale), (skin_dir / ("glass" + at + ".png")).string());
    save_png(draw_contrast_face(scale), (skin_dir / ("contrast" + at + ".png")).string());
    for (const Button& b : kButtons) {
        const std::string id = b.id;
        if (id == "set") continue;
        const QRect r(b.rect.topLeft() * scale, b.rect.size() * scale);
        save_png(draw_face(segs, b.id, scale).copy(r), (skin_dir / ("button_" + id + "_down" + at + ".png")).string());
    }
}

// Each picture's file and place, by picture name.
std::map<std::string, std::pair<std::string, QRect>> placements(const std::vector<Segment>& segs) {
    std::map<std::string, std::pair<std::string, QRect>> placed;
    for (const Segment& s : segs) placed[s.name] = {s.name.substr(3) + (s.bmp ? ".bmp" : ".png"), s.rect};
    for (int d = 0; d <= 9; ++d)
        for (bool small : {false, true}) {
            const QRect cell = small ? kCells[5] : kCells[1];
            const std::string name = std::string(small ? "im_panel_number_small_" : "im_panel_number_") + std::to_string(d);
            placed[name] = {name.substr(3) + ".png", QRect(0, 0, cell.width(), cell.height())};
        }
    for (int c = 1; c <= 5; ++c) placed["im_panel_digit_pos_" + std::to_string(c)] = {"", kCells[c]};
    placed["im_background"] = {"background.png", QRect(0, 0, kWidth, kHeight)};
    placed["im_background_screen_top"] = {"screen_top.png", kGlass};
    for (const Button& b : kButtons) {
        const std::string id = b.id;
        placed["btn_" + id + "_top"] = {"", b.rect};  // the area only: the case shows the button
        if (id != "set") placed["btn_" + id + "_down"] = {"button_" + id + "_down.png", b.rect};
    }
    return placed;
}

std::string config_text(const std::map<std::string, std::pair<std::string, QRect>>& placed) {
    std::ostringstream ini;
    ini << "; Ignivar skin: the unit's face and where each of its pictures sits.\n"
           "; Pictures are PNG (with alpha), BMP (the bottom-left pixel's colour is see-through)\n"
           "; or JPEG, drawn unscaled at Left/Top and clipped to Width/Height.\n\n"
           "[Common]\nSkinDir=Graphics\\Skin\\\nGameWidth=" << kWidth << "\nGameHeight=" << kHeight << "\n\n"
           "[Fullscreen]\nBackdropDir=Graphics\\Backdrops\\\nBackdropFile=embers.jpg\nBackdropStretch=1\n"
           "BgColor=$00100A08\nGameOffsetX=Center\nGameOffsetY=Center\nLogoFile=logo.png\nLogoPosition=1\n\n"
           "[VideoMode]\nTranspColor=$00FF00FF\n\n"
           "[Manual]\nManualDir=Graphics\\Manual\\\nManualWidth=345\nManualHeight=255\n\n"
           "; The LCD: its glass with no segment on it (for unlit segments drawn at a\n"
           "; strength of their own), the whole face in high contrast (for low vision),\n"
           "; and the segments' shadow on the glass's back (offset and blur in pixels,\n"
           "; strength in percent).\n"
           "[LCD]\nGlass=glass.png\nGlassLeft=" << kGlass.left() << "\nGlassTop=" << kGlass.top()
        << "\nContrast=contrast.png"
        << "\nShadowX=2\nShadowY=2\nShadowBlur=1\nShadowStrength=30\n\n";
    for (int n = 1; n <= skin::kSections; ++n) {
        const std::string name(skin::section_picture_name(n));
        const auto it = placed.find(name);
        if (it == placed.end()) throw std::runtime_error("no picture made for " + name);
        write_ini_section(ini, n, it->second.first, it->second.second);
    }
    return ini.str();
}

}  // namespace

void make_face(const std::string& out_dir) {
    const fs::path root = out_dir;
    const fs::path skin_dir = root / "Graphics" / "Skin";
    const fs::path backdrop_dir = root / "Graphics" / "Backdrops";
    fs::create_directories(skin_dir);
    fs::create_directories(backdrop_dir);
    const auto segs = segments();
    for (int scale = 1; scale <= kMaxScale; ++scale) draw_at_scale(skin_dir, segs, scale);
    const Status written = skin::write_jpeg(to_picture(draw_backdrop()), (backdrop_dir / "embers.jpg").string(), 88);
    if (!written) throw std::runtime_error(written.message());
    save_png(draw_logo(), (backdrop_dir / "logo.png").string());
    write_unless_edited(root / "Config.ini", config_text(placements(segs)));
}

}  // namespace ignivar::assets
