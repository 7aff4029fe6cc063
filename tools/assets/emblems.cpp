// Outlines of the three court emblems, drawn in a 40 × 24 unit box.
#include "emblems.h"

#include "raster.h"

namespace tarnik::assets {

namespace {

// A crown: a band with five points, each tipped with a ball.
QPainterPath KingCrown() {
  QPainterPath p;
  p.moveTo(4, 24);
  p.lineTo(2, 6);
  p.lineTo(11, 15);
  p.lineTo(15, 3);
  p.lineTo(20, 13);
  p.lineTo(25, 3);
  p.lineTo(29, 15);
  p.lineTo(38, 6);
  p.lineTo(36, 24);
  p.closeSubpath();
  for (QPointF tip : {QPointF(2, 5), QPointF(15, 2.5), QPointF(25, 2.5), QPointF(38, 5)}) {
    p.addEllipse(tip, 2.6, 2.6);
  }
  p.addEllipse(QPointF(20, 11), 2.6, 2.6);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

// A coronet: a band under three rounded lobes, each with a pearl.
QPainterPath QueenDiadem() {
  QPainterPath p;
  p.addRoundedRect(QRectF(4, 18, 32, 6), 1.5, 1.5);
  p.addEllipse(QPointF(11, 16), 6, 6);
  p.addEllipse(QPointF(29, 16), 6, 6);
  p.addEllipse(QPointF(20, 12), 7.5, 7.5);
  p.addEllipse(QPointF(20, 2.4), 2.4, 2.4);
  p.addEllipse(QPointF(9, 8.4), 2.0, 2.0);
  p.addEllipse(QPointF(31, 8.4), 2.0, 2.0);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

// A beret with a band and a plume sweeping up behind it.
QPainterPath JackCap() {
  QPainterPath p;
  p.moveTo(2, 19);
  p.cubicTo(0, 11, 10, 7, 20, 7);
  p.cubicTo(30, 7, 38, 11, 36, 19);
  p.closeSubpath();
  p.addRect(QRectF(5, 18, 28, 6));
  QPainterPath plume;
  plume.moveTo(24, 9);
  plume.cubicTo(26, 3, 33, 0, 40, 0);
  plume.cubicTo(36, 3, 33, 7, 30, 11);
  plume.closeSubpath();
  p.addPath(plume);
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

}  // namespace

QPainterPath CourtEmblem(int k, const QRectF& box) {
  const QPainterPath shape = k == 12 ? KingCrown() : k == 11 ? QueenDiadem() : JackCap();
  return FitPath(shape, box);
}

}  // namespace tarnik::assets
