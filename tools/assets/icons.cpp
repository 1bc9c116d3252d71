// The program's icon in the hicolor theme's sizes, rendered from its SVG
// source, and the SVG itself for the scalable size.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <filesystem>
#include <stdexcept>

#include "assets.h"

namespace ignivar::assets {

void make_icons(const std::string& out_dir, const std::string& svg) {
    namespace fs = std::filesystem;
    QSvgRenderer renderer(QString::fromStdString(svg));
    if (!renderer.isValid()) throw std::runtime_error("cannot read the icon " + svg);
    const fs::path theme = fs::path(out_dir) / "icons" / "hicolor";
    for (int size : {16, 22, 24, 32, 48, 64, 128, 192, 256, 512}) {
        QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        renderer.render(&p);
        p.end();
        const std::string px = std::to_string(size);
        const fs::path dir = theme / (px + "x" + px) / "apps";
        fs::create_directories(dir);
        if (!img.save(QString::fromStdString((dir / "ignivar.png").string())))
            throw std::runtime_error("cannot write the icon at " + px + " pixels");
    }
    fs::create_directories(theme / "scalable" / "apps");
    fs::copy_file(svg, theme / "scalable" / "apps" / "ignivar.svg", fs::copy_options::overwrite_existing);
}

}  // namespace ignivar::assets
