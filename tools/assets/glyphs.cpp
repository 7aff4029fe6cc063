// Rank letters from the deck's fonts and suit shapes drawn as curves.
#include "glyphs.h"

#include <QFontDatabase>
#include <QLinearGradient>
#include <cstdio>

#include "palette.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

const char* const kSerifFont = "/usr/share/fonts/truetype/dejavu/DejaVuSerifCondensed-Bold.ttf";
const char* const kSansFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";
QString serifFamily, sansFamily;

// Registers one font file and returns its family name, or "" if missing.
QString AddFont(const char* file) {
  const int id = QFontDatabase::addApplicationFont(file);
  if (id < 0) {
    std::fprintf(stderr, "tarnik-assets: font %s is missing (package fonts-dejavu-extra)\n", file);
    return {};
  }
  return QFontDatabase::applicationFontFamilies(id).value(0);
}

// A heart; `round` widens the lobes (the second suit set).
QPainterPath Heart(bool round) {
  const double lobe = round ? 2 : 6;
  QPainterPath p;
  p.moveTo(50, 94);
  p.cubicTo(26, 70, lobe - 2, 52, lobe, 30);
  p.cubicTo(lobe + 2, 8, 36, 2, 50, 24);
  p.cubicTo(64, 2, 100 - lobe - 2, 8, 100 - lobe, 30);
  p.cubicTo(102 - lobe, 52, 74, 70, 50, 94);
  p.closeSubpath();
  return p;
}

// A stem with a flared foot, below a spade or a club.
QPainterPath Stem(bool wide) {
  const double foot = wide ? 22 : 17;
  QPainterPath p;
  p.moveTo(47, 58);
  p.cubicTo(47, 80, 44, 90, 50 - foot, 99);
  p.lineTo(50 + foot, 99);
  p.cubicTo(56, 90, 53, 80, 53, 58);
  p.closeSubpath();
  return p;
}

// A spade: a heart turned over, on a stem.
QPainterPath Spade(bool round) {
  QPainterPath p;
  const double side = round ? 2 : 5;
  p.moveTo(50, 0);
  p.cubicTo(66, 22, 100 - side, 38, 100 - side, 58);
  p.cubicTo(100 - side, 76, 78, 86, 58, 70);
  p.cubicTo(54, 67, 51, 64, 50, 60);
  p.cubicTo(49, 64, 46, 67, 42, 70);
  p.cubicTo(22, 86, side, 76, side, 58);
  p.cubicTo(side, 38, 34, 22, 50, 0);
  p.closeSubpath();
  p.addPath(Stem(round));
  return p.simplified();
}

// A club: three round leaves on a stem.
QPainterPath Club(bool round) {
  const double r = round ? 22 : 20.5;
  QPainterPath p;
  p.addEllipse(QPointF(50, 24), r, r);
  p.addEllipse(QPointF(50 - 26, 62), r, r);
  p.addEllipse(QPointF(50 + 26, 62), r, r);
  QPainterPath heart;
  heart.addEllipse(QPointF(50, 52), 14, 14);
  p.addPath(heart);
  p.addPath(Stem(round));
  p.setFillRule(Qt::WindingFill);
  return p.simplified();
}

// A diamond with gently curved sides; the second set is a little fuller.
QPainterPath Diamond(bool round) {
  const double bulge = round ? 34 : 30;
  QPainterPath p;
  p.moveTo(50, 0);
  p.quadTo(100 - bulge, bulge, 88, 50);
  p.quadTo(100 - bulge, 100 - bulge, 50, 100);
  p.quadTo(bulge, 100 - bulge, 12, 50);
  p.quadTo(bulge, bulge, 50, 0);
  p.closeSubpath();
  return p;
}

// Fills a suit outline: flat ink for set 0, a soft top-lit gradient for 1.
void FillSuit(QPainter& p, const QPainterPath& path, int suitSet, int s) {
  const QColor ink = SuitInk(s);
  if (suitSet == 0) {
    p.fillPath(path, ink);
    return;
  }
  const QRectF b = path.boundingRect();
  QLinearGradient g(b.topLeft(), b.bottomRight());
  g.setColorAt(0, s >= 2 ? QColor(236, 60, 64) : QColor(84, 88, 104));
  g.setColorAt(0.55, ink);
  g.setColorAt(1, s >= 2 ? QColor(150, 0, 20) : QColor(0, 0, 0));
  p.fillPath(path, g);
}

// One suit glyph of `size` pixels with `margin` left free around it.
QImage SuitGlyph(int suitSet, int s, int size, double margin) {
  const QPainterPath path =
      FitPath(SuitPath(suitSet, s), QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
  return Ink(
      size, size, [&](QPainter& p) { FillSuit(p, path, suitSet, s); }, SurfaceBase(), 0.45);
}

}  // namespace

bool LoadDeckFonts() {
  serifFamily = AddFont(kSerifFont);
  sansFamily = AddFont(kSansFont);
  return !serifFamily.isEmpty() && !sansFamily.isEmpty();
}

QPainterPath SuitPath(int suitSet, int s) {
  const bool round = suitSet == 1;
  switch (s) {
    case 0:
      return Spade(round);
    case 1:
      return Club(round);
    case 2:
      return Heart(round);
    default:
      return Diamond(round);
  }
}

QImage SuitSymbol(int suitSet, int s) {
  return SuitGlyph(suitSet, s, 14, 1.0);
}

QImage Pip(int suitSet, int s) {
  return SuitGlyph(suitSet, s, 10, 0.0);
}

QString RankText(int k) {
  static const char* const kRanks[13] = {"A", "2", "3",  "4", "5", "6", "7",
                                         "8", "9", "10", "J", "Q", "K"};
  return kRanks[k];
}

QFont LabelFont(int pixelSize, bool bold) {
  QFont font(sansFamily);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QPainterPath TextPath(const QString& text, bool serif, double pixelSize) {
  QFont font(serif ? serifFamily : sansFamily);
  font.setPixelSize(static_cast<int>(pixelSize));
  font.setWeight(QFont::Bold);
  font.setStretch(QFont::Condensed);
  font.setHintingPreference(QFont::PreferNoHinting);
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path;
}

QImage RankLetter(int letterSet, int k, bool red) {
  const QString text = RankText(k);
  const bool serif = letterSet == 0;
  const QPainterPath raw = TextPath(text, serif, 100);
  // Letters stand 12 pixels high; "10" is squeezed to the box width.
  const double squeeze = text.size() > 1 ? (serif ? 0.72 : 0.78) : 1.0;
  QPainterPath fitted = FitPath(raw, QRectF(0.5, 1, 13, 12), squeeze);
  const QRectF b = fitted.boundingRect();
  fitted.translate(7 - b.center().x(), 1 - b.top());
  const QColor ink = red ? kRedInk : kBlackInk;
  return Ink(
      14, 14, [&](QPainter& p) { p.fillPath(fitted, ink); }, SurfaceBase(), 0.38);
}

}  // namespace tarnik::assets
