// Drawing helpers shared by the asset generator: conversion to the skin's
// picture type and the LCD ink.
#pragma once

#include <filesystem>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <string>

#include "skin/picture.h"

namespace ignivar::assets {

// Writes a file the player may edit (Config.ini): only when it is not there
// or still holds what the generator wrote last time (kept beside it as
// NAME.generated). An edited file is left as it is.
void write_unless_edited(const std::filesystem::path& file, const std::string& text);

// Near-black liquid-crystal ink, slightly see-through like the real thing.
inline QColor ink(int alpha = 238) { return QColor(26, 30, 22, alpha); }

QImage transparent_image(int w, int h);
skin::Picture to_picture(const QImage& image);
// Writes a PNG (with alpha) or fails loudly: the build must not go on
// with a missing asset.
void save_png(const QImage& image, const std::string& path);
// Writes a 24-bit BMP whose see-through colour is its bottom-left pixel.
void save_keyed_bmp(const QImage& image, const std::string& path, QColor key);

// A painter with antialiasing on, ready to draw in ink.
void prepare(QPainter& p);

// Shapes of the LCD segments, each drawn inside its rectangle.
void draw_flame(QPainter& p, const QRectF& r);
void draw_shot(QPainter& p, const QRectF& r, int position);
void draw_hero(QPainter& p, const QRectF& r, int pose);  // 0 waiting, 1..3 lanes
void draw_enemy(QPainter& p, const QRectF& r, int part);  // 1 body, 2 resting arm, 3 throwing arm
void draw_tank(QPainter& p, const QRectF& r);
void draw_miss_scene(QPainter& p, const QRectF& r, int part);
void draw_miss_mark(QPainter& p, const QRectF& r);
void draw_speaker(QPainter& p, const QRectF& r);
void draw_bell(QPainter& p, const QRectF& r);
void draw_colon(QPainter& p, const QRectF& r);
void draw_label(QPainter& p, const QRectF& r, const QString& text, int pixel_size);
void draw_digit(QPainter& p, const QRectF& r, int digit);

}  // namespace ignivar::assets
