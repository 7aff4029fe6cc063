// Court figures taken from the SVG card decks of Debian's
// kdegames-card-data-kf5 package (GPL-2+, see data/CREDITS.md).
#pragma once

#include <QImage>
#include <QRectF>
#include <QString>
#include <memory>

class QSvgRenderer;

namespace tarnik::assets {

class SvgDeck {
 public:
  // Opens a deck file (.svgz); ok() tells whether it could be read.
  explicit SvgDeck(const QString& path);
  ~SvgDeck();
  bool ok() const;

  // Renders the part `crop` (fractions of the card, 0 … 1) of the card
  // "<rank>_<suit>" (e.g. "king_club") into w × h pixels, smooth, with the
  // deck's white paper turned into the transparent colour.
  QImage Region(const QString& id, const QRectF& crop, int w, int h) const;

 private:
  std::unique_ptr<QSvgRenderer> renderer_;
};

// Where the deck files are installed.
QString DeckPath(const char* deck);

// The id suffix of suit s: "spade", "club", "heart", "diamond".
QString DeckSuitName(int s);

}  // namespace tarnik::assets
