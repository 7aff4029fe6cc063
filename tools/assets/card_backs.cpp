// Patterns of the card backs.
#include "card_backs.h"

#include <QPainterPath>
#include <cmath>

#include "palette.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

// The printed field inside the white border.
const QRectF kField(3.5, 3.5, 57, 73);

// A fine diagonal lattice with a dot at every crossing, the classic back.
void Lattice(QPainter& p, QColor ink, QColor ground) {
  p.fillRect(kField, ground);
  p.setPen(QPen(ink, 0.9));
  for (double d = -80; d < 144; d += 5) {
    p.drawLine(QPointF(d, 0), QPointF(d + 80, 80));
    p.drawLine(QPointF(d + 80, 0), QPointF(d, 80));
  }
  p.setPen(QPen(ink, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(kField.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
}

// Concentric guilloche rings on dark green, gold on green.
void Rosette(QPainter& p) {
  p.fillRect(kField, QColor(18, 88, 52));
  const QPointF c(32, 40);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(226, 196, 110), 0.7));
  for (int ring = 0; ring < 3; ++ring) {
    const double base = 8 + ring * 7;
    QPainterPath wave;
    for (int i = 0; i <= 360; ++i) {
      const double a = i * M_PI / 180;
      const double r = base + 2.2 * std::sin(a * (10 + 2 * ring));
      const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
      i == 0 ? wave.moveTo(pt) : wave.lineTo(pt);
    }
    p.drawPath(wave);
  }
  p.setPen(QPen(QColor(226, 196, 110), 1.0));
  p.drawRoundedRect(kField.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
}

// A five-pointed star outline centred on c.
QPainterPath Star(QPointF c, double outer, double inner) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double r = i % 2 ? inner : outer;
    const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i == 0 ? star.moveTo(pt) : star.lineTo(pt);
  }
  star.closeSubpath();
  return star;
}

// Small gold stars on navy around one large star.
void Stars(QPainter& p) {
  p.fillRect(kField, QColor(22, 34, 86));
  const QColor gold(232, 196, 90);
  for (int row = 0; row < 8; ++row) {
    for (int col = 0; col < 6; ++col) {
      const QPointF c(8 + col * 10 + (row % 2) * 5, 9 + row * 9.3);
      if (std::hypot(c.x() - 32, c.y() - 40) < 15) continue;
      p.fillPath(Star(c, 2.2, 0.9), gold);
    }
  }
  p.fillPath(Star(QPointF(32, 41), 12, 5), gold);
}

// A red tartan: wide bands of dark green and navy crossed by fine lines.
void Tartan(QPainter& p) {
  p.fillRect(kField, QColor(176, 26, 36));
  auto band = [&](double at, double width, QColor colour) {
    p.fillRect(QRectF(at, 0, width, 80), colour);
    p.fillRect(QRectF(0, at + 8, 64, width), colour);
  };
  for (double x = 0; x < 64; x += 20) {
    QColor green(20, 70, 40, 150), navy(20, 30, 70, 150);
    band(x + 2, 6, green);
    band(x + 12, 3, navy);
  }
  p.setPen(QPen(QColor(240, 210, 120, 200), 0.6));
  for (double x = 0; x < 64; x += 20) {
    p.drawLine(QPointF(x + 10, 0), QPointF(x + 10, 80));
    p.drawLine(QPointF(0, x + 18), QPointF(64, x + 18));
  }
}

// A burgundy trellis with a small gold flower in every diamond.
void Trellis(QPainter& p) {
  p.fillRect(kField, QColor(112, 20, 40));
  const QColor gold(214, 170, 80);
  p.setPen(QPen(gold, 0.8));
  for (double d = -80; d < 144; d += 10) {
    p.drawLine(QPointF(d, 0), QPointF(d + 80, 80));
    p.drawLine(QPointF(d + 80, 0), QPointF(d, 80));
  }
  for (double y = 0; y < 84; y += 10) {
    for (double x = 0; x < 68; x += 10) {
      QPainterPath flower;
      flower.addEllipse(QPointF(x, y + 5), 1.3, 1.3);
      p.fillPath(flower, gold);
    }
  }
}

// Rows of overlapping fans in two teals, an art-deco print.
void Fans(QPainter& p) {
  p.fillRect(kField, QColor(10, 96, 102));
  for (int row = 0; row < 11; ++row) {
    for (int col = -1; col < 6; ++col) {
      const QPointF c(col * 12 + (row % 2) * 6 + 6, row * 8 + 4);
      for (int ring = 0; ring < 3; ++ring) {
        const double r = 6 - ring * 2;
        p.setPen(Qt::NoPen);
        p.setBrush(ring % 2 ? QColor(10, 96, 102) : QColor(120, 200, 190));
        p.drawPie(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), 0, 180 * 16);
      }
    }
  }
}

// Fish scales in purple and lilac.
void Scales(QPainter& p) {
  p.fillRect(kField, QColor(72, 36, 104));
  for (int row = 0; row < 12; ++row) {
    for (int col = -1; col < 7; ++col) {
      const QPointF c(col * 10 + (row % 2) * 5 + 4, row * 7 + 2);
      p.setPen(QPen(QColor(190, 160, 226), 0.8));
      p.setBrush(QColor(96, 52, 136));
      p.drawChord(QRectF(c.x() - 5, c.y() - 5, 10, 10), 180 * 16, 180 * 16);
    }
  }
}

// Draws the pattern of back b into the field.
void Pattern(QPainter& p, int b) {
  switch (b) {
    case 0:
      Lattice(p, QColor(30, 60, 150), QColor(236, 240, 250));
      break;
    case 1:
      Lattice(p, QColor(170, 24, 36), QColor(250, 236, 236));
      break;
    case 2:
      Rosette(p);
      break;
    case 3:
      Stars(p);
      break;
    case 4:
      Tartan(p);
      break;
    case 5:
      Trellis(p);
      break;
    case 6:
      Fans(p);
      break;
    default:
      Scales(p);
      break;
  }
}

}  // namespace

QImage CardBack(int b) {
  return Ink(
      64, 80,
      [b](QPainter& p) {
        // A paler edge than the faces': a stock fanned one pixel a card then
        // shows the light paper edges of a real pack, not a dark block.
        p.setPen(QPen(kBackEdge, 1.0));
        p.setBrush(kIvory);
        p.drawRoundedRect(QRectF(0.5, 0.5, 63, 79), 4.5, 4.5);
        p.save();
        QPainterPath field;
        field.addRoundedRect(kField, 2.5, 2.5);
        p.setClipPath(field);
        Pattern(p, b);
        p.restore();
      },
      QColor(110, 110, 110), 0.5);
}

}  // namespace tarnik::assets
