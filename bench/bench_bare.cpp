// The baseline for the program's start: a bare Qt 6 window showing one
// 540 x 360 picture, timed from the start of main to its first paint as
// the program times its own. With --text it writes a line over the
// picture too, in the start window's font: what any window's first text
// costs (Qt reads the desktop's fonts then). With --full-screen it shows
// the picture in a window over the whole screen, whose first paint fills
// every pixel of it: what any full-screen window's first frame costs.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <string>

namespace {

const auto g_start = std::chrono::steady_clock::now();

class Bare : public QWidget {
public:
    Bare(const QString& picture, bool text) : image_(picture), text_(text) { setFixedSize(540, 360); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image_);
        if (text_) {
            QFont font("Arial");
            font.setPixelSize(12);
            p.setFont(font);
            p.drawText(QRect(0, 0, 540, 24), Qt::AlignCenter, "Select sound driver:");
        }
        if (painted_) return;
        painted_ = true;
        std::fprintf(stderr, "first frame painted %.1f ms after start\n",
                     std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start).count());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    QImage image_;
    bool text_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool text = false, full_screen = false;
    std::string dir = IGNIVAR_ASSET_DIR;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--text") text = true;
        else if (std::string(argv[i]) == "--full-screen") full_screen = true;
        else dir = argv[i];
    }
    Bare window(QString::fromStdString(dir + "/Graphics/Skin/background.png"), text);
    if (full_screen) {
        window.setMinimumSize(0, 0);
        window.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window.showFullScreen();
    } else {
        window.show();
    }
    return QApplication::exec();
}
