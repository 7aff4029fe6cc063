#include "engine/play/double_click.h"

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/pointer.h"
#include "engine/rules/pointer_targets.h"

namespace tarnik {

bool ClicksMarkCards(const Game& game) {
  for (int32_t i = 0, n = CountPiles(game.PileTable); i < n; ++i)
    if (game.PileTable[i].Has(PileFlags::GroupRemoval)) return true;
  return false;
}

void DoubleClick(Game& game, int16_t x, int16_t y) {
  if (IsDragging(game)) return;
  if (!ClicksMarkCards(game)) {
    Pile* pile = PileAtPoint(game, x, y);
    const Card* top = pile ? pile->TopCard : nullptr;
    const bool onTop = top && x >= top->X && x < top->X + kCardWidth && y >= top->Y &&
                       y < top->Y + kCardHeight;
    if (onTop && AutoMoveFromPile(game, pile)) return;
  }
  PointerDown(game, x, y);
}

}  // namespace tarnik
