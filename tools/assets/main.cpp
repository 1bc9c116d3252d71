// make_assets OUT_DIR ICON.svg TRANSLATIONS_DIR: draws the default skin, the
// program's own pictures, the manual pages (in each language of the compiled
// translations), the sound effects and the icons into OUT_DIR.
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "assets.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: make_assets OUT_DIR ICON.svg TRANSLATIONS_DIR\n");
        return 2;
    }
    // Fonts need an application object; no display is needed to draw.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qt_argc = 1;
    QGuiApplication app(qt_argc, argv);
    try {
        ignivar::assets::make_face(argv[1]);
        ignivar::assets::make_windows(argv[1], argv[3]);
        ignivar::assets::make_manual(argv[1], argv[3]);
        ignivar::assets::make_sounds(argv[1]);
        ignivar::assets::make_icons(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_assets: %s\n", e.what());
        return 1;
    }
    return 0;
}
