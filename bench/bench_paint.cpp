// Times painting one frame of the face with every segment lit: windowed at
// the default skin's size and full screen at 1920 x 1080.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/frame_painter.h"

using namespace ignivar;

namespace {

void measure(const char* label, skin::Skin& s, const skin::Picture* menu) {
    ignivar::Display everything;
    everything.Vid_Show_All(true);
    app::FramePainter painter;
    QImage target(s.client_width, s.client_height, QImage::Format_RGB32);
    std::vector<double> ms;
    for (int i = 0; i < 300; ++i) {
        const auto start = std::chrono::steady_clock::now();
        QPainter p(&target);
        painter.paint(p, s, everything, skin::folded_game_menu(s, menu));
        p.end();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    ms.erase(ms.begin());  // the first frame converts the pictures
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    std::printf("%-28s %4dx%-4d  mean %.3f ms  median %.3f ms  p99 %.3f ms\n", label, s.client_width,
                s.client_height, sum / ms.size(), ms[ms.size() / 2], ms[ms.size() * 99 / 100]);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const std::string dir = argc > 1 ? argv[1] : IGNIVAR_ASSET_DIR;
    skin::Picture menu;
    if (auto d = skin::load_picture(dir + "/Graphics/Program/game_menu.png"); std::holds_alternative<skin::Picture>(d))
        menu = std::get<skin::Picture>(d);
    for (bool fullscreen : {false, true}) {
        skin::LoadRequest req;
        req.config_path = dir + "/Config.ini";
        req.program_dir = dir;
        req.fullscreen = fullscreen;
        req.screen_width = 1920;
        req.screen_height = 1080;
        skin::Skin s;
        if (const auto r = skin::load_skin(req, s); !r.error.empty()) {
            std::fprintf(stderr, "skin: %s\n", r.error.c_str());
            return 1;
        }
        measure(fullscreen ? "paint, full screen" : "paint, windowed", s, &menu);
    }
    return 0;
}
