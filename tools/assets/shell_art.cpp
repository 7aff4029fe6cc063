// The drag cursor and the program icon.
#include "shell_art.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include "glyphs.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

// One card of the cursor's cascade: a white rectangle with a black edge.
void CursorCard(QPainter& p, QRect card, bool pip) {
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  p.drawRect(card.adjusted(0, 0, -1, -1));
  if (!pip) return;
  // A small spade drawn pixel by pixel so it stays crisp.
  static const char* const kSpade[6] = {"..#..", ".###.", "#####", "#####", "..#..", ".###."};
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 5; ++x) {
      if (kSpade[y][x] == '#') p.drawPoint(card.left() + 3 + x, card.top() + 4 + y);
    }
  }
}

// The hand: fingers behind the cards are drawn first, the palm and thumb
// in front of them after.
void CursorHand(QPainter& p, bool front) {
  p.setPen(Qt::black);
  p.setBrush(Qt::white);
  if (!front) {
    for (int i = 0; i < 4; ++i) p.drawRoundedRect(QRect(18, 5 + 3 * i, 8, 3), 1, 1);
    return;
  }
  p.drawRoundedRect(QRect(13, 17, 14, 13), 4, 4);
  p.drawRoundedRect(QRect(7, 14, 11, 4), 2, 2);
  p.drawLine(18, 21, 24, 21);
  p.drawLine(18, 24, 24, 24);
}

// Writes a path as SVG path data.
QString SvgPathData(const QPainterPath& path) {
  QString d;
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    const QString xy = QString("%1 %2 ").arg(e.x, 0, 'f', 2).arg(e.y, 0, 'f', 2);
    if (e.isMoveTo())
      d += "M" + xy;
    else if (e.isLineTo())
      d += "L" + xy;
    else if (e.type == QPainterPath::CurveToElement)
      d += "C" + xy;
    else
      d += xy;
  }
  return d + "Z";
}

// One card of the icon: ivory with a grey edge and a large suit.
QString IconCard(double shift, double degrees, int suit, const char* colour) {
  const QPainterPath pip = FitPath(SuitPath(0, suit), QRectF(84, 78, 76, 76));
  return QString(
             "  <g transform=\"translate(%4 0) rotate(%1 122 200)\">\n"
             "    <rect x=\"62\" y=\"40\" width=\"120\" height=\"156\" rx=\"14\" fill=\"#fcfaf2\" "
             "stroke=\"#4a4a4a\" stroke-width=\"5\"/>\n"
             "    <path d=\"%2\" fill=\"%3\"/>\n"
             "  </g>\n")
      .arg(degrees)
      .arg(SvgPathData(pip), colour)
      .arg(shift);
}

}  // namespace

QImage DragCursor() {
  const int n = 32 * ArtScale();
  QImage image(n, n, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, ArtScale() > 1);
  p.scale(ArtScale(), ArtScale());
  CursorHand(p, false);
  CursorCard(p, QRect(1, 6, 11, 15), false);
  CursorCard(p, QRect(4, 3, 11, 15), false);
  CursorCard(p, QRect(7, 0, 11, 15), true);
  CursorHand(p, true);
  p.end();
  // Two colours only: anything drawn is black or white, nothing between.
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      const QRgb c = image.pixel(x, y);
      if (qAlpha(c) < 128)
        image.setPixel(x, y, 0);
      else
        image.setPixel(x, y, qGray(c) < 128 ? 0xFF000000 : 0xFFFFFFFF);
    }
  }
  return image;
}

QByteArray IconSvg() {
  QString svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
      "viewBox=\"0 0 256 256\">\n"
      "  <defs>\n"
      "    <radialGradient id=\"felt\" cx=\"50%\" cy=\"40%\" r=\"70%\">\n"
      "      <stop offset=\"0\" stop-color=\"#35a862\"/>\n"
      "      <stop offset=\"1\" stop-color=\"#10592f\"/>\n"
      "    </radialGradient>\n"
      "  </defs>\n"
      "  <rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"44\" fill=\"url(#felt)\" "
      "stroke=\"#0a3a1f\" stroke-width=\"6\"/>\n";
  svg += IconCard(-14, -18, 2, "#ce1020");
  svg += IconCard(14, 12, 0, "#16161a");
  svg += "</svg>\n";
  return svg.toUtf8();
}

QImage IconImage(int size) {
  QSvgRenderer renderer(IconSvg());
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  renderer.render(&p);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace tarnik::assets
