// The baseline for the program's start: a bare Qt 6 window showing one
// 540 x 360 picture, timed from the start of main to its first paint as
// the program times its own.
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
    explicit Bare(const QString& picture) : image_(picture) { setFixedSize(540, 360); }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).drawImage(0, 0, image_);
        if (painted_) return;
        painted_ = true;
        std::fprintf(stderr, "first frame painted %.1f ms after start\n",
                     std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - g_start).count());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }

private:
    QImage image_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string dir = argc > 1 ? argv[1] : IGNIVAR_ASSET_DIR;
    Bare window(QString::fromStdString(dir + "/Graphics/Skin/background.png"));
    window.show();
    return QApplication::exec();
}
