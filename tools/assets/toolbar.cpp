// The 16 toolbar pictures, drawn in 16 × 16 units.
#include <QPainterPath>
#include <cmath>

#include "raster.h"
#include "shell_art.h"

namespace tarnik::assets {

namespace {

const QColor kOutline(52, 56, 64);
const QColor kPaper(252, 252, 250);
const QColor kArrow(38, 132, 60);
const QColor kArrowBlue(40, 98, 190);

// A page with a folded top-right corner.
void Page(QPainter& p) {
  QPainterPath page;
  page.moveTo(3.5, 1.5);
  page.lineTo(10, 1.5);
  page.lineTo(12.5, 4);
  page.lineTo(12.5, 14.5);
  page.lineTo(3.5, 14.5);
  page.closeSubpath();
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPaper);
  p.drawPath(page);
  p.setBrush(QColor(220, 222, 226));
  p.drawPolygon(QPolygonF({{10, 1.5}, {10, 4}, {12.5, 4}}));
}

// A bold arrow pointing right, centred, turned by `degrees`.
void StraightArrow(QPainter& p, double degrees, QColor colour) {
  p.save();
  p.translate(8, 8);
  p.rotate(degrees);
  QPainterPath arrow;
  arrow.moveTo(-6, -2);
  arrow.lineTo(0.5, -2);
  arrow.lineTo(0.5, -5.5);
  arrow.lineTo(6.5, 0);
  arrow.lineTo(0.5, 5.5);
  arrow.lineTo(0.5, 2);
  arrow.lineTo(-6, 2);
  arrow.closeSubpath();
  p.setPen(QPen(colour.darker(150), 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(colour);
  p.drawPath(arrow);
  p.restore();
}

// A curved arrow over the top, pointing left (back) or right (forward).
void CurvedArrow(QPainter& p, bool forward) {
  p.save();
  if (forward) {
    p.translate(16, 0);
    p.scale(-1, 1);
  }
  QPainterPath arc;
  arc.moveTo(13, 13);
  arc.cubicTo(14, 6, 9, 3.5, 5, 6.5);
  QPainterPathStroker stroker;
  stroker.setWidth(2.6);
  stroker.setCapStyle(Qt::FlatCap);
  QPainterPath shape = stroker.createStroke(arc);
  QPainterPath head;
  head.moveTo(1.5, 4.5);
  head.lineTo(7.5, 2.5);
  head.lineTo(6.5, 10);
  head.closeSubpath();
  shape = shape.united(head);
  p.setPen(QPen(kArrowBlue.darker(150), 0.8));
  p.setBrush(kArrowBlue);
  p.drawPath(shape);
  p.restore();
}

void BlankPage(QPainter& p) {
  Page(p);
}

void OpenFolder(QPainter& p) {
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(236, 196, 84));
  p.drawPolygon(QPolygonF({{1.5, 3.5}, {6, 3.5}, {7.5, 5}, {13.5, 5}, {13.5, 13.5}, {1.5, 13.5}}));
  p.setBrush(QColor(250, 220, 120));
  p.drawPolygon(QPolygonF({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}}));
}

void Diskette(QPainter& p) {
  p.setPen(QPen(QColor(20, 30, 70), 1));
  p.setBrush(QColor(50, 80, 160));
  p.drawPolygon(QPolygonF({{1.5, 1.5}, {13, 1.5}, {14.5, 3}, {14.5, 14.5}, {1.5, 14.5}}));
  p.setBrush(QColor(200, 206, 214));
  p.drawRect(QRectF(4.5, 1.5, 7, 4.5));
  p.fillRect(QRectF(9, 2.5, 1.5, 2.5), QColor(50, 80, 160));
  p.setBrush(kPaper);
  p.drawRect(QRectF(3.5, 8.5, 9, 6));
  p.setPen(QPen(QColor(170, 170, 180), 0.8));
  p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
  p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

// Two arcs chasing each other round a circle, each ending in a head.
void CirclingArrows(QPainter& p, QPointF c, double r, QColor colour) {
  const QRectF ring(c.x() - r, c.y() - r, 2 * r, 2 * r);
  p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap));
  p.setBrush(Qt::NoBrush);
  for (double start : {30.0, 210.0}) {
    p.drawArc(ring, static_cast<int>(start * 16), 115 * 16);
    const double end = (start + 115) * M_PI / 180;
    const QPointF at(c.x() + r * std::cos(end), c.y() - r * std::sin(end));
    const QPointF along(-std::sin(end), -std::cos(end)), out(std::cos(end), -std::sin(end));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF({at + along * 3.2, at + out * 2.6, at - out * 2.6}));
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
  }
}

void RestartPage(QPainter& p) {
  Page(p);
  CirclingArrows(p, QPointF(8, 9.5), 3.8, kArrow);
}

void ArrowLeft(QPainter& p) {
  StraightArrow(p, 180, kArrow);
}
void ArrowRight(QPainter& p) {
  StraightArrow(p, 0, kArrow);
}
void ArrowUp(QPainter& p) {
  StraightArrow(p, -90, kArrowBlue);
}
void ArrowDown(QPainter& p) {
  StraightArrow(p, 90, kArrowBlue);
}
void UndoArrow(QPainter& p) {
  CurvedArrow(p, false);
}
void RedoArrow(QPainter& p) {
  CurvedArrow(p, true);
}

// One footprint: a sole and four toes, at `at`, turned by `degrees`.
void Foot(QPainter& p, QPointF at, double degrees) {
  p.save();
  p.translate(at);
  p.rotate(degrees);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(96, 64, 36));
  p.drawEllipse(QRectF(-2.3, -2.6, 4.6, 6.0));
  p.drawEllipse(QRectF(-1.8, 3.8, 3.6, 2.8));
  for (int i = 0; i < 3; ++i)
    p.drawEllipse(QPointF(-1.6 + 1.6 * i, -4.0 + (i == 1 ? -0.4 : 0)), 0.8, 0.8);
  p.restore();
}

void Footprints(QPainter& p) {
  Foot(p, QPointF(4.8, 9.6), -10);
  Foot(p, QPointF(11.2, 5.2), 10);
}

// A small window with a title bar.
void SmallWindow(QPainter& p, QRectF r) {
  p.setPen(QPen(kOutline, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.fillRect(QRectF(r.left() + 0.5, r.top() + 0.5, r.width() - 1, 2), QColor(60, 100, 190));
}

void Autoplay(QPainter& p) {
  SmallWindow(p, QRectF(0.5, 0.5, 9, 8));
  SmallWindow(p, QRectF(6.5, 7.5, 9, 8));
  p.setPen(QPen(kArrow, 1.4));
  p.drawLine(QPointF(2.5, 11), QPointF(5, 13.5));
  p.drawLine(QPointF(11, 2.5), QPointF(13.5, 5));
  p.setPen(Qt::NoPen);
  p.setBrush(kArrow);
  p.drawPolygon(QPolygonF({{6, 14.5}, {6, 11}, {2.5, 14.5}}));
  p.drawPolygon(QPolygonF({{14.5, 6}, {11, 6}, {14.5, 2.5}}));
}

void DialogForm(QPainter& p) {
  SmallWindow(p, QRectF(0.5, 1.5, 15, 13));
  p.setPen(QPen(kOutline, 0.8));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(2.5, 5.5, 3, 3));
  p.drawLine(QPointF(7, 7), QPointF(13, 7));
  p.drawRect(QRectF(2.5, 10.5, 3, 3));
  p.drawLine(QPointF(7, 12), QPointF(13, 12));
  p.setPen(QPen(QColor(30, 140, 60), 1));
  p.drawLine(QPointF(3, 7), QPointF(4, 8));
  p.drawLine(QPointF(4, 8), QPointF(5.5, 5.5));
}

void HelpBook(QPainter& p) {
  p.setPen(QPen(QColor(20, 40, 100), 1));
  p.setBrush(QColor(44, 90, 190));
  p.drawRoundedRect(QRectF(2.5, 1.5, 11, 13), 1, 1);
  p.fillRect(QRectF(3, 12.5, 10, 1.5), kPaper);
  p.setPen(QPen(QColor(255, 236, 120), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  QPainterPath mark;
  mark.moveTo(6.3, 5.2);
  mark.cubicTo(6.3, 3.0, 10.3, 3.0, 10.0, 5.4);
  mark.cubicTo(9.8, 7.0, 8.2, 6.8, 8.2, 8.8);
  p.drawPath(mark);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 120));
  p.drawEllipse(QPointF(8.2, 10.8), 0.9, 0.9);
}

void ExitDoor(QPainter& p) {
  p.setPen(QPen(QColor(70, 44, 20), 1));
  p.setBrush(QColor(60, 60, 66));
  p.drawRect(QRectF(2.5, 1.5, 8, 13));
  p.setBrush(QColor(170, 110, 56));
  p.drawPolygon(QPolygonF({{2.5, 1.5}, {7.5, 3}, {7.5, 15.5}, {2.5, 14.5}}));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 220, 120));
  p.drawEllipse(QPointF(6.3, 9), 0.7, 0.7);
  p.save();
  p.translate(3.5, 0);
  p.scale(0.55, 0.55);
  p.translate(7, 7);
  StraightArrow(p, 0, QColor(210, 50, 40));
  p.restore();
}

// A light bulb, lit: the hint.
void LightBulb(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 236, 120, 110));
  p.drawEllipse(QPointF(8, 6.2), 7.2, 6.2);  // the glow
  QPainterPath glass;
  glass.moveTo(5.6, 11.2);
  glass.cubicTo(5.6, 9.2, 3.0, 8.2, 3.0, 5.8);
  glass.cubicTo(3.0, 3.0, 5.2, 1.0, 8.0, 1.0);
  glass.cubicTo(10.8, 1.0, 13.0, 3.0, 13.0, 5.8);
  glass.cubicTo(13.0, 8.2, 10.4, 9.2, 10.4, 11.2);
  glass.closeSubpath();
  p.setPen(QPen(QColor(150, 110, 20), 1));
  p.setBrush(QColor(255, 216, 64));
  p.drawPath(glass);
  p.setPen(QPen(QColor(255, 250, 220), 1.1, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(4.6, 2.6, 5.2, 5.2), 100 * 16, 70 * 16);  // a gleam
  p.setPen(QPen(kOutline, 1));
  p.setBrush(QColor(176, 180, 188));
  p.drawRect(QRectF(5.5, 11.5, 5, 3));
  p.drawLine(QPointF(5.5, 13), QPointF(10.5, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(kOutline);
  p.drawRect(QRectF(6.5, 14.5, 3, 1.2));
}

}  // namespace

QImage ToolbarStrip() {
  using IconFn = void (*)(QPainter&);
  const IconFn icons[kToolbarImages] = {BlankPage,  OpenFolder, Diskette,   RestartPage, ArrowLeft,
                                        ArrowRight, ArrowUp,    ArrowDown,  UndoArrow,   RedoArrow,
                                        Footprints, Autoplay,   DialogForm, HelpBook,    ExitDoor,
                                        LightBulb};
  const int n = 16 * ArtScale();
  QImage strip(n * kToolbarImages, n, QImage::Format_ARGB32);
  strip.fill(Qt::transparent);
  QPainter p(&strip);
  for (int i = 0; i < kToolbarImages; ++i) {
    const QImage icon = Supersample(16, 16, icons[i], 4);
    p.drawImage(n * i, 0, icon);
  }
  return strip;
}

}  // namespace tarnik::assets
