// The four styles' centre pictures.
#include "pictures.h"

#include "deck_svg.h"
#include "emblems.h"
#include "glyphs.h"
#include "palette.h"
#include "raster.h"

namespace tarnik::assets {

namespace {

constexpr int kW = 48, kH = 64;
// The court frame between the corner indices: picture columns 7 to 40.
const QRectF kFrame(7.5, 0.5, 33, 63);
const QRectF kInside(8, 1, 32, 62);

using Picture = QImage;

// Smooth drawing of one picture over the plain surface.
Picture Draw(const PaintFn& paint) {
  return Ink(kW, kH, paint, SurfaceBase(), 0.4);
}

// A thin line rectangle around the court figure, and a rule across the
// middle where the two halves of a double-headed figure meet.
void FrameLines(QPainter& p, QColor colour, bool middleRule) {
  p.setPen(QPen(colour, 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(kFrame);
  if (middleRule) p.drawLine(QPointF(8, 31.5), QPointF(40, 31.5));
}

// Style 0 frame of the number cards: a fine rule framing the pips, with a
// small ornament at each corner.
Picture ClassicFrame() {
  return Draw([](QPainter& p) {
    p.setPen(QPen(kFrameLine, 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(kFrame, 2, 2);
    for (QPointF c :
         {QPointF(7.5, 0.5), QPointF(40.5, 0.5), QPointF(7.5, 63.5), QPointF(40.5, 63.5)}) {
      const QPointF in((c.x() < 24 ? 3.0 : -3.0), (c.y() < 32 ? 3.0 : -3.0));
      QPainterPath dot;
      dot.addEllipse(c + in, 1.1, 1.1);
      p.fillPath(dot, kDarkGold);
    }
  });
}

// Style 0 ace: one large pip; the ace of spades is dressed in a gold
// medallion with a fleuron above and below, as a fine deck's ace of spades is.
Picture ClassicAce(int s) {
  return Draw([s](QPainter& p) {
    if (s == 0) {
      p.setPen(QPen(kDarkGold, 1.0));
      p.setBrush(QColor(250, 238, 200));
      p.drawEllipse(QPointF(24, 32), 16, 16);
      p.setPen(QPen(kDarkGold, 0.7));
      p.drawEllipse(QPointF(24, 32), 13.5, 13.5);
      for (int i = 0; i < 2; ++i) {
        p.save();
        p.translate(24, 32);
        p.rotate(180 * i);
        QPainterPath fleuron;
        fleuron.moveTo(0, -16.5);
        fleuron.cubicTo(5, -18, 9, -22, 12, -21);
        fleuron.cubicTo(8, -24, 3, -24, 0, -28);
        fleuron.cubicTo(-3, -24, -8, -24, -12, -21);
        fleuron.cubicTo(-9, -22, -5, -18, 0, -16.5);
        p.fillPath(fleuron, kDarkGold);
        p.restore();
      }
      p.fillPath(FitPath(SuitPath(0, 0), QRectF(12, 19, 24, 26)), kBlackInk);
      return;
    }
    p.fillPath(FitPath(SuitPath(0, s), QRectF(11, 19, 26, 26)), SuitInk(s));
  });
}

// Style 0 court card: a traditional double-headed figure of the Paris
// pattern inside a fine frame.
Picture ClassicCourt(const SvgDeck& deck, int k, int s) {
  static const char* const kRanks[3] = {"jack", "queen", "king"};
  const QString id = QString("%1_%2").arg(kRanks[k - 10], DeckSuitName(s));
  Picture picture = WhiteCanvas(kW, kH);
  Place(picture, deck.Region(id, QRectF(0.125, 0.025, 0.75, 0.95), 32, 62), {8, 1});
  PlaceOpaque(picture, Draw([](QPainter& p) { FrameLines(p, QColor(60, 56, 52), false); }), {0, 0});
  return picture;
}

// Style 1 frame: four corner brackets instead of a full rule.
Picture ModernFrame() {
  return Draw([](QPainter& p) {
    p.setPen(QPen(QColor(120, 140, 170), 1.2, Qt::SolidLine, Qt::SquareCap));
    const double l = 8, r = 40, t = 1, b = 63, a = 6;
    p.drawPolyline(QPolygonF({{l, t + a}, {l, t}, {l + a, t}}));
    p.drawPolyline(QPolygonF({{r - a, t}, {r, t}, {r, t + a}}));
    p.drawPolyline(QPolygonF({{l, b - a}, {l, b}, {l + a, b}}));
    p.drawPolyline(QPolygonF({{r - a, b}, {r, b}, {r, b - a}}));
  });
}

// Style 1 ace: a large pip on a pale disc of its colour.
Picture ModernAce(int s) {
  return Draw([s](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(s >= 2 ? QColor(250, 222, 222) : QColor(222, 228, 240));
    p.drawEllipse(QPointF(24, 32), 16.5, 16.5);
    p.fillPath(FitPath(SuitPath(1, s), QRectF(13, 21, 22, 22)), SuitInk(s));
  });
}

// Style 1 court card: a flat-coloured bust, mirrored into a double-headed
// card, in a frame of the suit's colour.
Picture ModernCourt(const SvgDeck& deck, int k, int s) {
  static const char* const kRanks[3] = {"jack", "queen", "king"};
  const QString id = QString("%1_%2").arg(kRanks[k - 10], DeckSuitName(s));
  const QImage bust = deck.Region(id, QRectF(0.255, 0.232, 0.51, 0.352), 32, 30);
  Picture picture = WhiteCanvas(kW, kH);
  Place(picture, bust, {8, 1});
  Place(picture, Turned(bust), {8, 32});
  const QColor line = s >= 2 ? QColor(200, 90, 90) : QColor(80, 92, 130);
  PlaceOpaque(picture, Draw([&](QPainter& p) { FrameLines(p, line, true); }), {0, 0});
  return picture;
}

// Style 2 frame: a short bar under the upper index and over the lower
// one, in the free margins beside the pips.
Picture LargeIndexFrame() {
  return Draw([](QPainter& p) {
    p.fillRect(QRectF(1, 26, 6, 1.5), kFrameLine);
    p.fillRect(QRectF(41, 36.5, 6, 1.5), kFrameLine);
  });
}

// Style 2 ace: the suit as large as the space allows.
Picture LargeIndexAce(int s) {
  return Draw(
      [s](QPainter& p) { p.fillPath(FitPath(SuitPath(0, s), QRectF(8, 10, 32, 44)), SuitInk(s)); });
}

// Style 2 court card: the rank letter in large type under its golden
// emblem, with the suit below.
Picture LargeIndexCourt(int k, int s) {
  return Draw([k, s](QPainter& p) {
    const QPainterPath emblem = CourtEmblem(k, QRectF(13, 2, 22, 14));
    p.setPen(QPen(kDarkGold.darker(130), 0.9));
    p.setBrush(kGold);
    p.drawPath(emblem);
    p.setPen(Qt::NoPen);
    p.fillPath(FitPath(TextPath(RankText(k), true, 100), QRectF(9, 18, 30, 30)), SuitInk(s));
    p.fillPath(FitPath(SuitPath(0, s), QRectF(17, 50, 14, 13)), SuitInk(s));
  });
}

// Style 3 frame: one small dot in each free margin, nothing more.
Picture MinimalFrame() {
  return Draw([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawEllipse(QPointF(3.5, 28.5), 1.3, 1.3);
    p.drawEllipse(QPointF(44.5, 35.5), 1.3, 1.3);
  });
}

// Style 3 ace: the suit drawn as an outline.
Picture MinimalAce(int s) {
  return Draw([s](QPainter& p) {
    p.setPen(QPen(SuitInk(s), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(FitPath(SuitPath(0, s), QRectF(12, 20, 24, 24)));
  });
}

// Style 3 court card: the emblem as a plain silhouette over the suit, in
// a hairline frame.
Picture MinimalCourt(int k, int s) {
  return Draw([k, s](QPainter& p) {
    FrameLines(p, QColor(170, 170, 170), false);
    p.fillPath(CourtEmblem(k, QRectF(10, 15, 28, 17)), SuitInk(s));
    p.fillPath(FitPath(SuitPath(0, s), QRectF(18, 37, 12, 12)), SuitInk(s));
  });
}

}  // namespace

bool CentrePictures(int style, QImage out[17], QString* error) {
  const SvgDeck paris(DeckPath("svg-gm-paris/paris.svgz"));
  const SvgDeck nicu(DeckPath("svg-nicu-white/white.svgz"));
  if ((style == 0 && !paris.ok()) || (style == 1 && !nicu.ok())) {
    *error = "the card decks of package kdegames-card-data-kf5 are missing";
    return false;
  }
  for (int s = 0; s < 4; ++s) {
    for (int k = 10; k <= 12; ++k) {
      const int number = k == 10 ? 5 + s : k == 11 ? 9 + s : 13 + s;
      switch (style) {
        case 0:
          out[number] = ClassicCourt(paris, k, s);
          break;
        case 1:
          out[number] = ModernCourt(nicu, k, s);
          break;
        case 2:
          out[number] = LargeIndexCourt(k, s);
          break;
        default:
          out[number] = MinimalCourt(k, s);
          break;
      }
    }
    out[1 + s] = style == 0   ? ClassicAce(s)
                 : style == 1 ? ModernAce(s)
                 : style == 2 ? LargeIndexAce(s)
                              : MinimalAce(s);
  }
  out[0] = style == 0   ? ClassicFrame()
           : style == 1 ? ModernFrame()
           : style == 2 ? LargeIndexFrame()
                        : MinimalFrame();
  return true;
}

}  // namespace tarnik::assets
