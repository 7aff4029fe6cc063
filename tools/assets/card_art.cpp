// Placing the pieces of the card artwork.
#include "card_art.h"

#include "card_backs.h"
#include "card_pieces.h"
#include "glyphs.h"
#include "pictures.h"
#include "raster.h"
#include "ui/art/card_images.h"

namespace tarnik::assets {

namespace {

// Both letter sets, black and red, upright and upside down.
void PlaceLetters(QImage& art) {
  for (int set = 0; set < kCardLetters; ++set) {
    for (int k = 0; k < 13; ++k) {
      for (int s : {0, 2}) {
        const QImage letter = RankLetter(set, k, s >= 2);
        Place(art, letter, RankLetterPos(set, k, s, false));
        Place(art, Turned(letter), RankLetterPos(set, k, s, true));
      }
    }
  }
}

// Both suit sets: corner symbols and pips, upright and upside down.
void PlaceSuits(QImage& art) {
  for (int set = 0; set < kCardSuits; ++set) {
    for (int s = 0; s < 4; ++s) {
      const QImage symbol = SuitSymbol(set, s);
      Place(art, symbol, SuitSymbolPos(set, s, false));
      Place(art, Turned(symbol), SuitSymbolPos(set, s, true));
      const QImage pip = Pip(set, s);
      Place(art, pip, PipPos(set, s, false));
      Place(art, Turned(pip), PipPos(set, s, true));
    }
  }
}

// Surfaces, shadow, markers, counter strip and backs.
void PlaceCardPieces(QImage& art) {
  for (int face = 0; face < kCardFaces; ++face) {
    Place(art, CardSurface(face, false), SurfacePos(face, false));
    Place(art, CardSurface(face, true), SurfacePos(face, true));
  }
  Place(art, DropShadow(), DropShadowPos());
  Place(art, EmptyPileMarkers(), MarkersPos());
  Place(art, CounterStrip(), CounterStripPos());
  for (int b = 0; b < kCardBacks; ++b) Place(art, CardBack(b), CardBackPos(b));
}

}  // namespace

QImage BuildCardArt(QString* error) {
  QImage art = WhiteCanvas(kCardArtWidth, kCardArtHeight);
  for (int style = 0; style < kCardStyles; ++style) {
    QImage pictures[kPictureCount];
    if (!CentrePictures(style, pictures, error)) return {};
    for (int n = 0; n < kPictureCount; ++n) Place(art, pictures[n], CentrePicturePos(style, n));
  }
  PlaceLetters(art);
  PlaceSuits(art);
  PlaceCardPieces(art);
  return art;
}

}  // namespace tarnik::assets
