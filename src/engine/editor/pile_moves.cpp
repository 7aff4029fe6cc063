#include "engine/editor/pile_moves.h"

#include "engine/game/game.h"
#include "engine/play/start_game.h"
#include "engine/table/layout.h"

namespace tarnik {

void MovePileToPoint(Game& game, uint16_t x, uint16_t y) {
  if (!game.EditPile) return;
  const int32_t tw = TableWidth(game.PileTable);
  const int32_t th = TableHeight(game.PileTable);
  const int64_t c = (int64_t{x} - HalfDown(int64_t{game.client.Width} - tw) - 32) / 32;
  const int64_t r = (int64_t{y} - HalfDown(int64_t{game.client.Height} - th) - 40) / 40;
  game.EditPile->Column = c < 0 ? 0 : Clamp32(c);
  game.EditPile->Row = r < 0 ? 0 : Clamp32(r);
  RefreshPreview(game);
}

void CycleDirection(Game& game) {
  if (!game.EditPile) return;
  PileDirection& d = game.EditPile->Direction;
  switch (d) {
    case PileDirection::Horizontal: d = PileDirection::Vertical; break;
    case PileDirection::Vertical: d = PileDirection::Size; break;
    case PileDirection::Size: d = PileDirection::NoDirection; break;
    case PileDirection::NoDirection: d = PileDirection::Horizontal; break;
    default: break;
  }
  RefreshPreview(game);
}

}  // namespace tarnik
