// The main window on screens of real sizes (the offscreen platform given
// one screen by the test's command): zoom, full screen, the in-game menu
// and the logo, each inside the screen and sharp.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTest>

#include "desk.h"
#include "input/controls.h"
#include "sim/state.h"
#include "skin/frame.h"

namespace ignivar::app {
namespace {

struct Window : test::Desk {
    explicit Window(bool fullscreen) : test::Desk(fullscreen) { w->power_on(); }
    QPoint centre_of(const char* picture) const {
        const auto& p = w->skin().pictures[skin::section_of_picture(picture) - 1];
        return {p.left + p.width / 2, p.top + p.height / 2};
    }
};

QSize screen() { return QGuiApplication::primaryScreen()->geometry().size(); }

// The desktop's exact look draws what it drew before the real look came,
// pixel for pixel: the checksums of those frames of the windowed layout, at
// 1x and 2x, with every segment lit, the alarm, and a moment of a game.
TEST(Painting, TheExactLookIsTodaysFrames) {
    const std::uint32_t today[2][3] = {{0x3aee9cb6, 0x504f6c14, 0x38f234ad}, {0xff156551, 0x07d72e88, 0x2be5efb4}};
    Window win(false);
    QWidget* w = win.w.get();
    std::vector<Display> faces;
    Display all;
    all.Vid_Show_All(true);
    faces.push_back(all);
    for (int i = 0; i < 3; ++i) QTest::keyClick(w, Qt::Key_3);
    faces.push_back(win.host.unit().display());
    for (int i = 0; i < 200; ++i) win.host.coin().force(i % 3 == 0);
    QTest::keyClick(w, Qt::Key_2);
    for (int i = 0; i < 90; ++i) win.host.handle([&] { win.host.unit().advance(100); });
    QTest::keyClick(w, Qt::Key_Right);
    faces.push_back(win.host.unit().display());
    for (int z = 1; z <= 2; ++z) {
        View view;
        view.zoom = z;
        view.see_through = window_colour(*win.w->skin().transparent_colour).rgb();
        for (std::size_t f = 0; f < faces.size(); ++f) {
            FramePainter painter;
            const QImage frame = painter.render(win.w->skin(), faces[f], {}, view);
            const std::uint32_t crc = crc32(frame.constBits(), static_cast<std::size_t>(frame.sizeInBytes()));
            EXPECT_EQ(crc, today[z - 1][f]) << "zoom " << z << ", face " << f;
        }
    }
}

TEST(Zoom, EverythingScalesTogetherAndTheChoiceIsKept) {
    ASSERT_GE(screen().height(), 1080);  // 3x fits
    Window win(false);
    const auto before = win.store.all_values();
    win.w->set_zoom(3);
    EXPECT_EQ(win.w->zoom(), 3);
    EXPECT_EQ(win.w->size(), QSize(540 * 3, 360 * 3));
    // Every button area where the skin puts it, three times as far.
    for (int i = 0; i < input::kButtonCount; ++i) {
        const auto b = static_cast<input::Button>(i);
        const auto& p = win.w->skin().pictures[input::button_area_section(b) - 1];
        const QPoint centre((p.left + p.width / 2) * 3, (p.top + p.height / 2) * 3);
        EXPECT_EQ(win.w->area_at(centre), b) << input::button_id(b);
    }
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, win.centre_of("btn_time_top") * 3);
    EXPECT_EQ(win.host.unit().state().mode, 1);
    // The shape scales with it.
    EXPECT_FALSE(win.w->mask().contains(QPoint(1, 1)));
    EXPECT_TRUE(win.w->mask().contains(QPoint(270 * 3, 180 * 3)));
    // Stored as a value of its own, only when it changes.
    EXPECT_EQ(win.store.read_text("Zoom"), "3");
    auto after = win.store.all_values();
    std::erase_if(after, [](const auto& v) { return v.first == "Zoom"; });
    EXPECT_EQ(after, before);
    win.store.write_text("Zoom", "x");  // a mark: nothing may write it again
    win.w->set_zoom(3);
    EXPECT_EQ(win.store.read_text("Zoom"), "x");
    QTest::keyClick(win.w.get(), Qt::Key_Minus);
    EXPECT_EQ(win.w->zoom(), 2);
    EXPECT_EQ(win.store.read_text("Zoom"), "2");
}

// Every zoom keeps the window inside the screen, wherever it stood, and
// the largest offered is the largest whose window fits.
TEST(Zoom, TheWindowStaysInsideTheScreen) {
    Window win(false);
    const QRect area = win.w->screen()->availableGeometry();
    const int largest = std::min({area.width() / 540, area.height() / 360, 4});
    EXPECT_EQ(win.w->largest_windowed_zoom(), largest);
    for (const QPoint corner : {area.bottomRight(), area.topLeft(), area.center()}) {
        for (int factor = 1; factor <= 4; ++factor) {
            win.w->set_zoom(1);
            win.w->move(corner - QPoint(270, 180));
            win.w->set_zoom(factor);
            EXPECT_EQ(win.w->zoom(), std::min(factor, largest)) << factor;
            EXPECT_TRUE(area.contains(win.w->geometry())) << factor << " from " << corner.x() << "," << corner.y();
        }
        for (int i = 0; i < 6; ++i) QTest::keyClick(win.w.get(), Qt::Key_Plus);
        EXPECT_EQ(win.w->zoom(), largest);
    }
}

// Full screen fits the unit as large as it goes (up to 8x) with pictures
// drawn for that size; the in-game menu's thirteen rows all on the screen.
TEST(FullScreen, SharpAtTheFitAndTheMenuOnTheScreen) {
    Window win(true);
    const int fit = std::min({screen().width() / 540, screen().height() / 360, 8});
    EXPECT_EQ(win.w->zoom(), fit);
    EXPECT_EQ(win.w->skin().pictures[0].hires_scale, fit > 1 ? fit : 0) << "the case drawn for " << fit << "x";
    const int menu_zoom = std::min(fit, screen().height() / 448);
    QTest::mouseClick(win.w.get(), Qt::LeftButton, {}, QPoint(10, 10) * menu_zoom);
    ASSERT_TRUE(win.w->game_menu().open());
    EXPECT_EQ(win.w->game_menu().zoom(), menu_zoom);
    for (const QLabel* label : win.w->game_menu().labels()) {
        ASSERT_NE(label, nullptr);
        EXPECT_TRUE(win.w->rect().contains(label->geometry())) << label->text().toStdString();
    }
    EXPECT_EQ(win.w->game_menu().labels().back()->geometry().bottom(), 448 * menu_zoom - 1);
    EXPECT_EQ(win.store.read_text("FullscreenZoom"), std::nullopt);
}

// The screen's logo, kept at its size in its corner, is not drawn where
// the zoomed unit would cover it.
TEST(FullScreen, TheLogoIsNeverUnderTheUnit) {
    Window win(true);
    const skin::Skin& s = win.w->skin();
    ASSERT_TRUE(s.logo.picture);
    const int z = win.w->zoom();
    const QRect unit(s.offset_x * z, s.offset_y * z, s.game_width * z, s.game_height * z);
    const QRect logo(QPoint(s.client_width * z - s.logo.picture->width, 0), QSize(s.logo.picture->width, s.logo.picture->height));
    EXPECT_EQ(s.logo.shown, !unit.intersects(logo)) << z << "x";
}

// A frame kept up to date by painting only what changed is the frame
// painted whole, pixel for pixel, through a whole game: windowed at the
// largest zoom and in full screen.
TEST(Painting, PartialRepaintsAreWholeOnes) {
    for (bool fullscreen : {false, true}) {
        Window win(fullscreen);
        if (!fullscreen) win.w->set_zoom(4);
        QImage frame = win.w->render_frame();
        std::vector<skin::FrameItem> shown = win.w->frame_items();
        int steps = 0, partial = 0;
        const auto check = [&](const char* what) {
            const std::vector<skin::FrameItem> now = win.w->frame_items();
            // What the window asks to repaint.
            const QRegion region = repaint_region(changed_region(shown, now, win.w->zoom()), 1.0);
            shown = now;
            if (region.isEmpty()) return;
            win.w->paint_into(frame, region);
            partial += region.boundingRect().width() * region.boundingRect().height() < frame.width() * frame.height() / 4;
            ++steps;
            ASSERT_EQ(frame, win.w->render_frame()) << what << " after " << steps << " repaints";
        };
        QWidget* w = win.w.get();
        QTest::keyClick(w, Qt::Key_3);
        check("time");
        QTest::keyPress(w, Qt::Key_1);
        check("game A held");
        QTest::keyRelease(w, Qt::Key_1);
        check("game A");
        const Qt::Key keys[] = {Qt::Key_Right, Qt::Key_Control, Qt::Key_Left, Qt::Key_Alt};
        for (int i = 0; i < 600 && win.host.unit().state().mode != kGameOver; ++i) {
            win.host.unit().advance(197);
            check("tick");
            QTest::keyPress(w, keys[i % 4]);
            check("press");
            QTest::keyRelease(w, keys[i % 4]);
            check("release");
        }
        EXPECT_EQ(win.host.unit().state().mode, kGameOver);
        EXPECT_GT(partial, steps / 2) << "most repaints are a small part of the window";
    }
}

// Many places changed close together are repainted as the rectangle around
// them, a few far apart each alone; whatever is repainted covers every change.
TEST(Painting, ManyCloseChangesAreRepaintedAsOne) {
    QRegion grid;
    for (int i = 0; i < 200; ++i) grid += QRect(i % 15 * 20, i / 15 * 20, 10, 10);
    const struct {
        const char* what;
        QRegion changed;
        qreal dpr;
        int rects;
    } cases[] = {
        {"nothing", QRegion(), 1.0, 0},
        {"one place", QRegion(5, 5, 40, 30), 1.0, 1},
        {"two hundred close", grid, 1.0, 1},
        {"two far apart", QRegion(0, 0, 10, 10) + QRegion(3000, 2000, 10, 10), 1.0, 2},
        {"two near", QRegion(0, 0, 10, 10) + QRegion(60, 60, 10, 10), 1.0, 1},
        {"the same two at 2x, four times the screen's pixels", QRegion(0, 0, 10, 10) + QRegion(60, 60, 10, 10), 2.0, 2},
        {"two a little further apart", QRegion(0, 0, 10, 10) + QRegion(200, 200, 10, 10), 1.0, 2},
    };
    for (const auto& c : cases) {
        const QRegion out = repaint_region(c.changed, c.dpr);
        EXPECT_EQ(out.rectCount(), c.rects) << c.what;
        EXPECT_TRUE((c.changed - out).isEmpty()) << c.what;
    }
}

// Painting over the layers every frame draws alike, composed once, and a
// rectangle at a time, changes no pixel: a game's frames, whole and in
// part, at another zoom and desktop scale, and of a skin whose first layers come and go (no case), against
// the same frames painted layer by layer.
// A large see-through picture is drawn only where it shows: what is left
// out of any part holds no pixel that is not wholly see-through, and what
// is drawn stays inside the part.
TEST(Painting, ALargeSeeThroughPictureIsLeftOutOnlyWhereItIsClear) {
    QImage glass(1000, 700, QImage::Format_ARGB32_Premultiplied);
    glass.fill(Qt::transparent);
    for (int y = 0; y < glass.height(); ++y) {
        for (int x = 0; x < 300 - y / 3; ++x) glass.setPixel(x, y, qRgba(0, 0, 0, (x + y) % 7 ? 9 : 0));  // a sheen
        glass.setPixel(glass.width() - 1, y, qRgba(1, 1, 1, 1));  // and a frame
    }
    for (int x = 0; x < glass.width(); ++x) glass.setPixel(x, 0, qRgba(1, 1, 1, 1));
    PictureImages images;
    const PictureImages::Runs* runs = images.runs(glass);
    ASSERT_NE(runs, nullptr);
    std::vector<QRect> shown;
    for (const QRect part : {glass.rect(), QRect(400, 200, 300, 300), QRect(250, 10, 200, 500), QRect(0, 0, 1, 1),
                             QRect(990, 600, 30, 200), QRect(-50, -50, 100, 100), QRect(500, 300, 0, 0)}) {
        runs->shown_within(part, shown);
        QRegion drawn;
        for (const QRect& r : shown) {
            EXPECT_TRUE(part.contains(r)) << "outside the part";
            drawn += r;
        }
        for (int y = std::max(0, part.top()); y <= std::min(part.bottom(), glass.height() - 1); ++y)
            for (int x = std::max(0, part.left()); x <= std::min(part.right(), glass.width() - 1); ++x) {
                if (qAlpha(glass.pixel(x, y)) != 0) {
                    ASSERT_TRUE(drawn.contains(QPoint(x, y))) << x << "," << y;
                }
            }
    }
    runs->shown_within(QRect(400, 200, 300, 300), shown);
    EXPECT_TRUE(shown.empty()) << "clear glass: nothing to draw";
    QImage small(100, 100, QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(images.runs(small), nullptr) << "a small picture: its content rectangle is enough";
}

TEST(Painting, ComposedLayersChangeNoPixel) {
    Window win(true);
    FramePainter layered, composed;
    View plain, view;  // `layered` never composes
    QImage kept;
    std::vector<skin::FrameItem> kept_items;
    int steps = 0;
    const auto check = [&](const skin::Skin& skin, const Display& display, const char* what) {
        ++steps;
        view.zoom = plain.zoom = steps % 5 == 4 ? win.w->zoom() + 1 : win.w->zoom();
        const QImage want = layered.render(skin, display, {}, plain);
        const std::vector<skin::FrameItem> items = skin::frame_items(skin, display, {});
        if (kept.size() == want.size()) {  // the last frame, with what changed painted over it
            view.region = changed_region(kept_items, items, view.zoom);
            QPainter p(&kept);
            composed.paint(p, skin, display, {}, view);
            p.end();
            view.region = QRegion();
            ASSERT_EQ(kept, want) << what << ", in part, step " << steps;
        }
        // In layers, then over the layers composed as the window composes them.
        ASSERT_EQ(composed.render(skin, display, {}, view), want) << what;
        composed.compose_base(skin, display, {}, view);
        ASSERT_EQ(composed.render(skin, display, {}, view), want) << what << ", composed";
        kept = want, kept_items = items;
    };
    const skin::Skin& skin = win.w->skin();
    const Display& display = win.host.unit().display();
    check(skin, display, "all lit");
    QWidget* w = win.w.get();
    QTest::keyClick(w, Qt::Key_3);
    check(skin, display, "time");
    QTest::keyClick(w, Qt::Key_1);
    check(skin, display, "game A");
    for (int i = 0; i < 12; ++i) {
        win.host.unit().advance(593);
        QTest::keyClick(w, i % 2 ? Qt::Key_Left : Qt::Key_Right);
        check(skin, display, "game");
    }
    skin::Skin no_case = skin;
    no_case.pictures[skin::section_of_picture("im_background") - 1].picture.reset();
    Display all;  // the buttons' pictures too: the first layer drawn is a pressed button's
    all.Vid_Show_All(true);
    for (int i = static_cast<int>(Seg::BtnGameADown); i < kSegmentCount; ++i) all.Vid_Show_Segment(static_cast<Seg>(i), true);
    composed.reset(), layered.reset();
    const Display* states[] = {&all, &display, &all, &display};
    for (const Display* d : states) check(no_case, *d, "no case");
    // The windowed layout, see-through, at its largest zoom.
    Window windowed(false);
    ASSERT_TRUE(windowed.w->skin().transparent_colour);
    plain.see_through = view.see_through = window_colour(*windowed.w->skin().transparent_colour).rgb();
    plain.zoom = view.zoom = 4;
    EXPECT_EQ(composed.render(windowed.w->skin(), all, {}, view), layered.render(windowed.w->skin(), all, {}, plain));
    // At a desktop scale of 2, the finer pictures drawn pixel for pixel.
    const auto at_2x = [&](FramePainter& painter, View v) {
        v.dpr = 2, v.zoom = 2;
        QImage out(frame_size(windowed.w->skin(), v.zoom) * 2, QImage::Format_ARGB32_Premultiplied);
        out.setDevicePixelRatio(2);
        QPainter p(&out);
        painter.paint(p, windowed.w->skin(), all, {}, v);
        return out;
    };
    EXPECT_EQ(at_2x(composed, view), at_2x(layered, plain));
}

}  // namespace
}  // namespace ignivar::app
