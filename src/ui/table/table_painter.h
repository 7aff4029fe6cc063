// Drawing the table off-screen: the background tiles, every pile from the
// cells of the card sheet, and the optional texts beside the piles. Piles
// lie in classic pixels; a surface is drawn at its cells' factor, each card
// a ready cell copied to its position rounded to the device pixel.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/game/game.h"
#include "ui/art/table_art.h"

namespace tarnik {

// Fills the client-sized part of `surface` with one background tile of the
// classic artwork.
void TileTableBack(QImage& surface, const QImage& backArt, int32_t tile, QSize client);
// Draws one pile; on the drag surface every card casts its shadow. The
// surface's top-left corner lies at device point `origin` of the table.
void DrawPile(QImage& surface, const CardCells& cells, const Game& game, const Pile& pile,
              bool withShadows, QPoint origin = QPoint(), const QRect& clip = QRect());
// Draws `first` and every pile after it: the empty piles' markers first,
// then the cards of the others in table order. Only inside `clip`, in
// device pixels, when it is not null.
void DrawPiles(QImage& surface, const CardCells& cells, const Game& game, const Pile* first,
               const QRect& clip = QRect());
// Composes the table of the game in play into the table surface, at the
// table's factor: the whole of it, or only the device rectangle `clip`.
void ComposeTableImage(TableArt& art, const Game& game, const QRect& clip = QRect());
// Draws a pile's top card face, plain or highlighted, on the table surface.
void DrawTopCardImage(TableArt& art, const Game& game, const Pile& pile, bool highlighted);
// The device pixels that a rectangle of classic pixels covers at `factor`.
QRect DeviceRect(const QRect& classic, double factor);

}  // namespace tarnik
