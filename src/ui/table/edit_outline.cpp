#include "ui/table/edit_outline.h"

#include <QPainter>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"

namespace tarnik {

const Pile* OutlinedPile(const Game& game) {
  if (!game.EditMode || !game.EditPile) return nullptr;
  const ptrdiff_t index = game.EditPile - game.PileTable;
  if (index < 0 || index >= CountPiles(game.PileTable)) return nullptr;  // not in the game
  return game.EditPile;
}

void DrawEditOutline(QPainter& painter, const Game& game) {
  const Pile* pile = OutlinedPile(game);
  if (!pile) return;
  constexpr int kPen = 3;
  painter.save();
  painter.setPen(
      QPen(QColor::fromRgb(kEditOutlineColour), kPen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  // The pen is centred on the rectangle's edge: 2 pixels out, it lies wholly
  // outside the cards.
  painter.drawRect(QRect(pile->Left - 2, pile->Top - 2, pile->Width + 3, pile->Height + 3));
  painter.restore();
}

}  // namespace tarnik
