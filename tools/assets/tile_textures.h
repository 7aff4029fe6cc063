// The texture families the table tiles are made of. Every function returns
// a seamless 128 × 128 tile.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace tarnik::assets {

QImage Baize(QColor base, uint32_t seed);
QImage Wood(QColor light, QColor dark, uint32_t seed, int rings);
QImage Leather(QColor base, uint32_t seed);
QImage Marble(QColor ground, QColor vein, uint32_t seed);
QImage Linen(QColor base, uint32_t seed);
QImage Tartan(QColor ground, QColor band, QColor line, uint32_t seed);
QImage Gingham(QColor ground, QColor check, uint32_t seed);
QImage Checks(QColor a, QColor b, uint32_t seed);
QImage Parquet(QColor light, QColor dark, uint32_t seed);
QImage Argyle(QColor a, QColor b, QColor line, uint32_t seed);
QImage Dots(QColor ground, QColor dot, uint32_t seed);
QImage Waves(QColor ground, QColor crest, uint32_t seed);
QImage StarField(QColor ground, QColor star, uint32_t seed);
QImage Damask(QColor ground, QColor figure, uint32_t seed);
QImage Basket(QColor light, QColor dark, uint32_t seed);
QImage Cork(uint32_t seed);
QImage Slate(QColor base, uint32_t seed);
QImage Quilted(QColor base, uint32_t seed);
QImage Celebration(uint32_t seed);

}  // namespace tarnik::assets
