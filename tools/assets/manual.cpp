// The unit's manual in twelve pages at the viewer's size, written as BMP.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainterPath>
#include <filesystem>
#include <stdexcept>

#include "art.h"
#include "assets.h"

namespace ignivar::assets {
namespace {

constexpr int kW = 345, kH = 255;

struct Page {
    const char* title;
    const char* text;  // paragraphs separated by "\n"
};

const Page kPages[12] = {
    {"", ""},  // the cover is drawn
    {QT_TRANSLATE_NOOP("ManualPages", "Welcome"),
     QT_TRANSLATE_NOOP("ManualPages", "IGNIVAR is a pocket game and a watch in one.\n"
     "A fire imp at the top of the screen throws flames down three lanes towards the house you "
     "guard. Move the firefighter under a flame and shoot water to put it out.\n"
     "When no game is running, the unit shows the time.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Buttons and keys"),
     QT_TRANSLATE_NOOP("ManualPages", "GAME A  -  key 1        GAME B  -  key 2\n"
     "TIME  -  key 3\n"
     "LEFT / RIGHT  -  left and right arrow keys\n"
     "SHOOT (left)  -  Ctrl        SHOOT (right)  -  Alt\n"
     "SET has no use on this unit.\n"
     "You can also click the pictured buttons with the left mouse button. Keys can be changed "
     "under Key settings.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Starting a game"),
     QT_TRANSLATE_NOOP("ManualPages", "Hold GAME A or GAME B: the best score of that game shows.\n"
     "Let go and the game begins with a fanfare. The three water tanks empty one by one; then the "
     "firefighter steps under the left lane and the first flame comes.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Game A and game B"),
     QT_TRANSLATE_NOOP("ManualPages", "Both games play by the same rules.\n"
     "Game B is faster from the start, and between 40 and 490 points it allows three flames at a "
     "time where game A allows two.\n"
     "Above 500 points both games allow up to five flames.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Putting out flames"),
     QT_TRANSLATE_NOOP("ManualPages", "Each press of a SHOOT button sends one jet of water up the firefighter's lane. It puts out "
     "the nearest flame there: 10 points.\n"
     "Flames stand still while the water rises, and the firefighter may keep moving. Hold no button "
     "down: each shot needs a new press.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Every 1000 points"),
     QT_TRANSLATE_NOOP("ManualPages", "At every 1000 points the screen clears for a short break: the tanks fill and empty again.\n"
     "Then play goes on at the slowest speed with one flame at a time, and grows faster again "
     "towards the next thousand.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Misses and game over"),
     QT_TRANSLATE_NOOP("ManualPages", "A flame that stays in the bottom row sets the house on fire: a miss. The row is cleared and "
     "a miss mark appears.\n"
     "The third miss ends the game. A better score than the best so far is kept, even after the "
     "program is closed. The last picture stays for 30 seconds.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Playing without sound"),
     QT_TRANSLATE_NOOP("ManualPages", "While you hold GAME A or GAME B, press LEFT: the speaker mark goes out.\n"
     "That game then plays silently, and it starts sooner.\n"
     "The next game has its sound again.")},
    {QT_TRANSLATE_NOOP("ManualPages", "The watch"),
     QT_TRANSLATE_NOOP("ManualPages", "TIME steps through five faces:\n"
     "TIME 1 and TIME 2 - the time of day, with AM or PM.\n"
     "ALARM - the alarm time, 12:00 AM.\n"
     "DATE - month and day.\n"
     "CHRONO - the chronograph at 00:00.\n"
     "When switched on, every mark lights for 30 seconds, then the time shows.")},
    {QT_TRANSLATE_NOOP("ManualPages", "The menu"),
     QT_TRANSLATE_NOOP("ManualPages", "Click the unit with the right mouse button for the menu: About (F1), Readme (F2), "
     "What's new (F3), this manual (F4), the configuration file, Key settings, Reset Hiscores, "
     "full screen (F12), the splash screen at start, and Exit (Esc).\n"
     "Drag the unit with the left mouse button to move it.")},
    {QT_TRANSLATE_NOOP("ManualPages", "Key settings"),
     QT_TRANSLATE_NOOP("ManualPages", "Key settings lets you choose a key for each of the seven buttons from the digits, letters, "
     "arrow keys, Alt, Ctrl, Shift and the space bar.\n"
     "Two buttons cannot share a key. The choice is kept for the next time.\n\n"
     "Have fun, and keep the house safe!")},
};

QImage page_image(int n) {
    QImage img(kW, kH, QImage::Format_RGB32);
    img.fill(QColor(252, 248, 236));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(0, 0, kW, 6), QColor(190, 52, 34));
    QFont small("DejaVu Sans");
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(QColor(120, 110, 100));
    // Between the viewer's two page buttons, which cover the bottom corners.
    if (n > 1) p.drawText(QRect(0, kH - 18, kW, 14), Qt::AlignHCenter, QString::number(n) + " / 12");
    if (n == 1) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(214, 78, 52));
        p.drawRoundedRect(QRectF(40, 40, 265, 150), 18, 18);
        p.setBrush(QColor(176, 186, 154));
        p.drawRect(QRectF(100, 60, 145, 100));
        p.setBrush(ink());
        draw_flame(p, QRectF(120, 70, 26, 24));
        draw_flame(p, QRectF(190, 100, 26, 24));
        draw_hero(p, QRectF(150, 118, 30, 36), 2);
        QFont title("DejaVu Sans");
        title.setPixelSize(30);
        title.setBold(true);
        p.setFont(title);
        p.setPen(QColor(120, 24, 14));
        p.drawText(QRect(0, 190, kW, 40), Qt::AlignCenter, "IGNIVAR");
        p.setFont(small);
        p.setPen(QColor(60, 50, 40));
        p.drawText(QRect(0, 226, kW, 16), Qt::AlignCenter,
                   QCoreApplication::translate("ManualPages", "Fire \u00B7 Water \u00B7 Watch  -  Instructions"));
        return img;
    }
    QFont title("DejaVu Sans");
    title.setPixelSize(16);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(150, 36, 22));
    const QString title_text = QCoreApplication::translate("ManualPages", kPages[n - 1].title);
    if (QFontMetrics(title).horizontalAdvance(title_text) > kW - 32)
        throw std::runtime_error("the title of manual page " + std::to_string(n) + " does not fit");
    p.drawText(QRect(16, 14, kW - 32, 24), Qt::AlignLeft | Qt::AlignVCenter, title_text);
    QFont body("DejaVu Sans");
    body.setPixelSize(11);
    p.setFont(body);
    p.setPen(QColor(30, 30, 30));
    const QRect text_area(16, 44, kW - 32, kH - 66);
    const QString text = QCoreApplication::translate("ManualPages", kPages[n - 1].text);
    const QRect used = p.boundingRect(text_area, Qt::TextWordWrap, text);
    if (used.height() > text_area.height())
        throw std::runtime_error("manual page " + std::to_string(n) + " does not fit");
    p.drawText(text_area, Qt::TextWordWrap, text);
    return img;
}

void draw_pages(const std::filesystem::path& dir) {
    std::filesystem::create_directories(dir);
    for (int n = 1; n <= 12; ++n) {
        const Status s = skin::write_bmp(to_picture(page_image(n)), (dir / (std::to_string(n) + ".bmp")).string(), 24);
        if (!s) throw std::runtime_error(s.message());
    }
}

}  // namespace

void make_manual(const std::string& out_dir, const std::string& translations_dir) {
    const auto dir = std::filesystem::path(out_dir) / "Graphics" / "Manual";
    // Each translation's pages in a folder named after its language.
    for_each_language(translations_dir, [&](const std::string& language) {
        draw_pages(language == "en" ? dir : dir / language);
    });
}

}  // namespace ignivar::assets
