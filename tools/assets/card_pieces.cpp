// Surfaces, shadow, markers and counter strip.
#include "card_pieces.h"

#include <QFont>

#include "glyphs.h"
#include "palette.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

// Edge colour the smooth outlines of markers are laid over: a mid table tone.
const QColor kTableTone(52, 96, 64);
const QColor kChalk(236, 238, 226);
const QColor kChalkShade(28, 34, 30);

// The outline of an empty place on the table: a dark ring with a light one
// inside, visible on light and dark backgrounds alike.
void SlotRing(QPainter& p, bool dotted) {
  QPen dark(kChalkShade, 1.2);
  QPen light(kChalk, 1.2);
  if (dotted) {
    dark.setDashPattern({2, 2});
    light.setDashPattern({2, 2});
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(dark);
  p.drawRoundedRect(QRectF(0.8, 0.8, 62.4, 78.4), 5, 5);
  p.setPen(light);
  p.drawRoundedRect(QRectF(2.0, 2.0, 60, 76), 4, 4);
}

// Fills a path in chalk with a dark rim, the style of every marker symbol.
void ChalkShape(QPainter& p, const QPainterPath& path, QColor fill = kChalk) {
  p.setPen(QPen(kChalkShade, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(fill);
  p.drawPath(path);
}

// A crown of five points, the sign of the court cards.
QPainterPath Crown(QRectF box) {
  const double l = box.left(), t = box.top(), w = box.width(), h = box.height();
  QPainterPath p;
  p.moveTo(l, t + h);
  p.lineTo(l, t + 0.25 * h);
  p.lineTo(l + 0.25 * w, t + 0.6 * h);
  p.lineTo(l + 0.5 * w, t);
  p.lineTo(l + 0.75 * w, t + 0.6 * h);
  p.lineTo(l + w, t + 0.25 * h);
  p.lineTo(l + w, t + h);
  p.closeSubpath();
  return p;
}

// Marker of an empty pile that accepts only jacks, queens and kings.
void FaceCardMarker(QPainter& p) {
  SlotRing(p, false);
  ChalkShape(p, Crown(QRectF(16, 26, 32, 22)), QColor(240, 206, 96));
  for (double x : {16.0, 32.0, 48.0}) {
    QPainterPath jewel;
    jewel.addEllipse(QPointF(x, x == 32 ? 24.0 : 31.5), 2.4, 2.4);
    ChalkShape(p, jewel, QColor(240, 206, 96));
  }
  const char* letters[3] = {"J", "Q", "K"};
  for (int i = 0; i < 3; ++i) {
    const QPainterPath letter =
        FitPath(TextPath(letters[i], true, 100), QRectF(13 + 14 * i, 54, 10, 11));
    ChalkShape(p, letter);
  }
}

// Marker of an empty redeal pile: a circling arrow, the sign to deal again.
void RedealMarker(QPainter& p) {
  SlotRing(p, false);
  const QPointF c(32, 40);
  QPainterPath ring;
  ring.arcMoveTo(QRectF(c.x() - 15, c.y() - 15, 30, 30), 100);
  ring.arcTo(QRectF(c.x() - 15, c.y() - 15, 30, 30), 100, 300);
  QPainterPathStroker stroker;
  stroker.setWidth(6);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath arrow = stroker.createStroke(ring);
  const QPointF end = ring.currentPosition();
  QPainterPath head;
  head.moveTo(end + QPointF(-6, -7));
  head.lineTo(end + QPointF(8, -1));
  head.lineTo(end + QPointF(-3, 9));
  head.closeSubpath();
  arrow = arrow.united(head);
  ChalkShape(p, arrow, QColor(170, 236, 170));
}

// Marker of an empty pile that accepts any card: the four suits.
void AnyCardMarker(QPainter& p) {
  SlotRing(p, false);
  const QPointF centres[4] = {{32, 25}, {19, 40}, {45, 40}, {32, 55}};
  const int order[4] = {0, 2, 3, 1};
  for (int i = 0; i < 4; ++i) {
    const int s = order[i];
    const QRectF box(centres[i].x() - 7, centres[i].y() - 7, 14, 14);
    ChalkShape(p, FitPath(SuitPath(0, s), box), s >= 2 ? QColor(244, 150, 150) : kChalk);
  }
}

// Marker of a pile that takes nothing by hand: the empty place alone.
void NoneMarker(QPainter& p) {
  SlotRing(p, false);
}

// Marker of a blank space: only a dotted outline.
void BlankSpaceMarker(QPainter& p) {
  SlotRing(p, true);
}

}  // namespace

QImage CardSurface(int face, bool highlighted) {
  const QColor fill = face == 0 ? (highlighted ? kIvoryHighlight : kIvory)
                                : (highlighted ? kWhiteFaceHighlight : kWhiteFace);
  return Ink(
      64, 80,
      [&](QPainter& p) {
        p.setPen(QPen(kCardEdge, 1.0));
        p.setBrush(fill);
        p.drawRoundedRect(QRectF(0.5, 0.5, 63, 79), 4.5, 4.5);
        if (face == 1) {
          // The white face carries a fine inner rule like a printed border.
          p.setPen(QPen(highlighted ? QColor(120, 160, 220) : QColor(200, 206, 218), 1.0));
          p.setBrush(Qt::NoBrush);
          p.drawRoundedRect(QRectF(2.5, 2.5, 59, 75), 3, 3);
        }
      },
      QColor(110, 110, 110), 0.5);
}

QImage DropShadow() {
  const QImage shape =
      Supersample(64, 80, [](QPainter& p) { p.fillPath(CardShape(64, 80, 5), Qt::black); });
  QImage out = WhiteCanvas(64, 80);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      if (qAlpha(shape.pixel(x, y)) >= 128 && (x + y) % 2 == 0) out.setPixel(x, y, qRgb(8, 10, 8));
    }
  }
  return out;
}

QImage EmptyPileMarkers() {
  using MarkerFn = void (*)(QPainter&);
  const MarkerFn markers[5] = {BlankSpaceMarker, FaceCardMarker, RedealMarker, AnyCardMarker,
                               NoneMarker};
  QImage out = WhiteCanvas(320, 80);
  for (int i = 0; i < 5; ++i) Place(out, Ink(64, 80, markers[i], kTableTone, 0.5), {64 * i, 0});
  return out;
}

QImage CounterStrip() {
  const QColor felt(26, 84, 52), slot(18, 60, 36), mark(52, 118, 80);
  return Flatten(Supersample(14, 64,
                             [&](QPainter& p) {
                               p.fillRect(QRectF(0, 0, 14, 64), felt);
                               for (int s = 0; s < 4; ++s) {
                                 p.setPen(Qt::NoPen);
                                 p.setBrush(slot);
                                 p.drawRoundedRect(QRectF(1, 16 * s + 1, 12, 14), 2, 2);
                                 const QRectF box(3.5, 16 * s + 4.5, 7, 7);
                                 p.fillPath(FitPath(SuitPath(0, s), box), mark);
                               }
                             }),
                 felt, 0.5);
}

}  // namespace tarnik::assets
