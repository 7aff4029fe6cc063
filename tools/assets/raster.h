// Small drawing helpers shared by the artwork generators: smooth drawing
// at a larger scale averaged down, and turning coverage into artwork pixels
// for a bitmap whose only transparent colour is pure white.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>

namespace tarnik::assets {

using PaintFn = std::function<void(QPainter&)>;

// The resolution the artwork is made at: 1 for the classic files, 2 or 3
// for the larger ones. Every helper below takes sizes and positions in
// classic pixels and makes images of that many device pixels per pixel.
void SetArtScale(int scale);
int ArtScale();

// Draws `paint` (in w × h pixel coordinates) at `factor` times the size on
// a transparent canvas and averages each factor × factor block down, so
// edges are smooth. Returns premultiplied ARGB of w × h classic pixels.
QImage Supersample(int w, int h, const PaintFn& paint, int factor = 4);

// Turns a smooth drawing into artwork for masked copying: pixels covered
// less than `cut` become pure white (transparent), the others are laid over
// `base` and kept just off pure white so they stay opaque.
QImage Flatten(const QImage& premultiplied, QColor base, double cut = 0.4);

// Supersample and Flatten in one step.
QImage Ink(int w, int h, const PaintFn& paint, QColor base, double cut = 0.4);

// Copies every pixel of `item` (white included) into `target` at `pos`.
void Place(QImage& target, const QImage& item, QPoint pos);

// Copies only the non-white pixels of `item` into `target` at `pos`.
void PlaceOpaque(QImage& target, const QImage& item, QPoint pos);

// The image turned half a turn, for the upside-down copies of the art.
QImage Turned(const QImage& image);

// A blank artwork canvas: RGB32 filled with pure white.
QImage WhiteCanvas(int w, int h);

// `path` scaled and moved so that its bounding box fits `box` centred,
// keeping its proportions (stretching x by `xStretch` first).
QPainterPath FitPath(const QPainterPath& path, const QRectF& box, double xStretch = 1.0);

// The rounded outline of a card of w × h with corner radius r.
QPainterPath CardShape(double w, double h, double r);

// Mixes two colours: t = 0 gives a, t = 1 gives b.
QColor Mix(QColor a, QColor b, double t);

}  // namespace tarnik::assets
