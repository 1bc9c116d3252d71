// Times painting one frame of the face with every segment lit, whole and
// as a game tick repaints it (the places of three segments): windowed and
// full screen at 1920 x 1080 and 3840 x 2160.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/frame_painter.h"
#include "files/places.h"

using namespace ignivar;

namespace {

double measure(const char* label, skin::Skin& s, const skin::Picture* menu, const app::View& view) {
    ignivar::Display everything;
    everything.Vid_Show_All(true);
    app::FramePainter painter;
    QImage target(s.client_width * view.zoom, s.client_height * view.zoom,
                  view.see_through ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        const auto start = std::chrono::steady_clock::now();
        QPainter p(&target);
        painter.paint(p, s, everything, skin::folded_game_menu(s, menu), view);
        p.end();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    ms.erase(ms.begin());  // the first frame converts the pictures
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-34s %4dx%-4d  mean %.3f ms  median %.3f ms  p99 %.3f ms\n", label, target.width(),
                target.height(), sum / ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100]);
    return ms[ms.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string dir = argc > 1 ? argv[1] : IGNIVAR_ASSET_DIR;
    skin::Picture menu;
    if (auto d = skin::load_picture(files::program_picture(dir, "game_menu.png"))) menu = std::move(d).value();
    struct Case {
        const char* label;
        bool fullscreen;
        int screen_w, screen_h, zoom;
    };
    // Full screen "fit" lays the skin out on the screen's size in skin
    // pixels and draws it at the whole factor.
    const Case cases[] = {
        {"paint, windowed 1x", false, 1920, 1080, 1},
        {"paint, windowed 4x", false, 1920, 1080, 4},
        {"paint, full screen 1920x1080 fit", true, 1920, 1080, 3},
        {"paint, full screen 3840x2160 fit", true, 3840, 2160, 6},
    };
    std::vector<double> whole, tick;
    for (const Case& c : cases) {
        skin::LoadRequest req;
        req.config_path = dir + "/Config.ini";
        req.program_dir = dir;
        req.fullscreen = c.fullscreen;
        req.screen_width = c.screen_w / c.zoom;
        req.screen_height = c.screen_h / c.zoom;
        req.scale = c.zoom;
        // In the form the program loads it in for that layout.
        req.form = c.fullscreen ? skin::PixelForm::PremultipliedArgb : skin::PixelForm::Rgba;
        skin::Skin s;
        if (const Status r = skin::load_skin(req, s); !r) {
            std::fprintf(stderr, "skin: %s\n", r.message().c_str());
            return 1;
        }
        app::View view;
        view.zoom = c.zoom;
        if (s.transparent_colour) view.see_through = app::window_colour(*s.transparent_colour).rgb();
        whole.push_back(measure(c.label, s, &menu, view));
        // A tick: a flame moves on (two segments) and the score changes (one digit).
        ignivar::Display everything;
        everything.Vid_Show_All(true);
        const std::vector<skin::FrameItem> items = skin::frame_items(s, everything, {});
        const std::size_t mid = items.size() / 2;
        for (std::size_t i = mid; i < mid + 3 && i < items.size(); ++i) view.region += app::item_rect(items[i], c.zoom);
        const std::string tick_label = std::string(c.label).replace(0, 6, "tick, ");
        tick.push_back(measure(tick_label.c_str(), s, &menu, view));
    }
    // Against the whole 1x window painted in the same run (medians), and
    // the floor no painter goes under: copying a 3840 x 2160 frame once.
    std::vector<std::uint32_t> from(3840 * 2160, 0x00FF8040u), to(from.size());
    std::vector<double> copy_ms;
    for (int i = 0; i < 100; ++i) {
        from[i] = i;
        const auto start = std::chrono::steady_clock::now();
        std::memcpy(to.data(), from.data(), from.size() * 4);
        copy_ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(copy_ms.begin(), copy_ms.end());
    std::printf("full screen 3840x2160: whole frame %.1fx, a tick %.1fx the whole 1x window "
                "(one copy of the frame's pixels: %.1fx, %.3f ms; checksum %u)\n",
                whole.back() / whole[0], tick.back() / whole[0], copy_ms[50] / whole[0], copy_ms[50], to[99]);
    return 0;
}
