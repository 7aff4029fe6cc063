// Rendering parts of SVG card decks.
#include "deck_svg.h"

#include <QPainter>
#include <QSvgRenderer>

#include "raster.h"

namespace tarnik::assets {

SvgDeck::SvgDeck(const QString& path) : renderer_(std::make_unique<QSvgRenderer>(path)) {}
SvgDeck::~SvgDeck() = default;

bool SvgDeck::ok() const {
  return renderer_->isValid();
}

QImage SvgDeck::Region(const QString& id, const QRectF& crop, int w, int h) const {
  const QRectF card = renderer_->boundsOnElement(id);
  const double sx = w / (crop.width() * card.width());
  const double sy = h / (crop.height() * card.height());
  const QRectF target(-crop.left() * card.width() * sx, -crop.top() * card.height() * sy,
                      card.width() * sx, card.height() * sy);
  const QImage smooth = Supersample(
      w, h, [&](QPainter& p) { renderer_->render(&p, id, target); }, 4);
  // The card's own paper is white; paper and near-white become transparent.
  const QImage straight = smooth.convertToFormat(QImage::Format_ARGB32);
  QImage out = WhiteCanvas(w, h);
  for (int y = 0; y < out.height(); ++y) {
    const QRgb* from = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
    QRgb* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = from[x];
      const bool paper = qRed(c) >= 242 && qGreen(c) >= 242 && qBlue(c) >= 242;
      if (qAlpha(c) >= 128 && !paper) to[x] = qRgb(qRed(c), qGreen(c), qBlue(c));
    }
  }
  return out;
}

QString DeckPath(const char* deck) {
  return QString("/usr/share/carddecks/%1").arg(deck);
}

QString DeckSuitName(int s) {
  static const char* const kNames[4] = {"spade", "club", "heart", "diamond"};
  return kNames[s];
}

}  // namespace tarnik::assets
