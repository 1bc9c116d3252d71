// Times painting one frame of the face with every segment lit, whole and
// as a game tick repaints it (the places of three segments): windowed and
// full screen at 1920 x 1080 and 3840 x 2160; there also the face showing
// the time, and every layer drawn anew (the composed layers off), against
// one plain copy of the frame's pixels; and there the repaint of one
// segment fading in the real look (the mean over the repaints of its fade
// on and off, at 60 frames a second) against that of one segment switched
// in the exact look. All on one thread.
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

ignivar::Display all_lit() {
    ignivar::Display d;
    d.Vid_Show_All(true);
    return d;
}

// The face showing the time: its mark, the colon and four digits.
ignivar::Display time_shown() {
    ignivar::Display d;
    d.Vid_Show_All(false);
    d.Vid_Show_Segment(ignivar::Seg::PanelTime1, true);
    d.Vid_Show_Segment(ignivar::Seg::PanelTimeColon, true);
    d.Vid_Show_Panel_Score(1234, true);
    return d;
}

double measure(const char* label, skin::Skin& s, const skin::Picture* menu, const app::View& view,
               const ignivar::Display& everything = all_lit(), bool compose = true, bool quiet = false) {
    app::FramePainter painter;
    QImage target(s.client_width * view.zoom, s.client_height * view.zoom,
                  view.see_through ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    std::vector<double> ms;
    painter.render(s, everything, skin::folded_game_menu(s, menu), view);
    // As the window does after its first frame.
    if (compose) painter.compose_base(s, everything, skin::folded_game_menu(s, menu), view);
    for (int i = 0; i < 300; ++i) {
        const auto start = std::chrono::steady_clock::now();
        QPainter p(&target);
        painter.paint(p, s, everything, skin::folded_game_menu(s, menu), view);
        p.end();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    double sum = 0;
    for (double v : ms) sum += v;
    if (!quiet)
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
    double time_face = 0, layered = 0, switched = 0, fading = 0;
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
        if (c.screen_w == 3840 && c.fullscreen) {
            time_face = measure("paint, the time shown, same", s, &menu, view, time_shown());
            layered = measure("paint, every layer anew, same", s, &menu, view, all_lit(), false);
            // One segment: switched on (the exact look), and a moment of its
            // fade (the real look, its shadow too); each repaint the part
            // of the window the window itself asks for.
            ignivar::Display before = time_shown(), after = time_shown();
            after.Vid_Show_Segment(flame_seg(2, 3), true);
            app::View one = view;
            one.region = app::changed_region(skin::frame_items(s, before, {}), skin::frame_items(s, after, {}), c.zoom);
            switched = measure("repaint, one segment switched", s, &menu, one, after);
            const skin::LcdShadows shadows(s);
            // Each repaint of a fade, on at 0 and off at 500 ms, at 60 frames a second.
            skin::LcdHistory history;
            history.settle(before, 0);
            history.observe(after, 0);
            history.observe(before, 500);
            std::vector<skin::LcdFrame> frames;
            for (Millis t = 0; t < 1000; t += 16)
                if (history.fading_until(t)) frames.push_back({{true, skin::kUnlitAsFace}, history.shades(t), &shadows});
            double sum = 0;
            int repaints = 0;
            for (std::size_t f = 1; f < frames.size(); ++f) {
                const ignivar::Display& shown = frames[f].shades.seg[static_cast<int>(flame_seg(2, 3))] ? after : before;
                one.region = app::changed_region(skin::frame_items(s, shown, {}, &frames[f - 1]),
                                                 skin::frame_items(s, shown, {}, &frames[f]), c.zoom);
                if (one.region.isEmpty()) continue;
                one.lcd = &frames[f];
                sum += measure(("repaint, fade frame " + std::to_string(f)).c_str(), s, &menu, one, shown, true, true);
                ++repaints;
            }
            fading = sum / repaints;
            std::printf("repaint, one segment fading (real): %d repaints, mean of their medians %.3f ms\n", repaints, fading);
        }
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
    const double copy = copy_ms[50];
    std::printf("full screen 3840x2160, one copy of the frame's pixels %.3f ms (checksum %u):\n", copy, to[99]);
    std::printf("  whole frame, all lit     %.2fx the copy (every layer anew: %.2fx)\n", whole.back() / copy,
                layered / copy);
    std::printf("  whole frame, time shown  %.2fx the copy\n", time_face / copy);
    std::printf("  a game tick              %.2fx the copy, %.1fx the whole 1x window\n", tick.back() / copy,
                tick.back() / whole[0]);
    std::printf("  one segment fading (real look) %.2fx one segment switched (exact look)\n", fading / switched);
    return 0;
}
