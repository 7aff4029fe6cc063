#include "engine/play/pointer.h"

#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/pairing.h"
#include "engine/play/stock.h"
#include "engine/rules/legality.h"
#include "engine/rules/pointer_targets.h"

namespace tarnik {

namespace {

// The pair click: mark or pair off, fill, record.
void PairClick(Game& game, Pile& pile) {
  ToggleMark(game, pile);
  AutoFill(game);
  game.services->RecordPosition(game);
}

// Lifts the group that begins at `grab` and holds it under the pointer.
void StartDrag(Game& game, Pile& pile, Card& grab, int32_t x, int32_t y) {
  if (game.GrabBelow) {
    // Pressed beneath the group: the group jumps to the pointer.
    const bool vertical = pile.Direction == PileDirection::Vertical;
    game.GrabOffsetX = vertical ? x - grab.X : 8;
    game.GrabOffsetY = vertical ? 8 : y - grab.Y;
    LiftCards(game, pile, grab);
    game.FloatPile.Left = x - game.GrabOffsetX;
    game.FloatPile.Top = y - game.GrabOffsetY;
    TrackDropTarget(game);
    DrawFloatPile(game);
  } else {
    game.GrabOffsetX = x - grab.X;
    game.GrabOffsetY = y - grab.Y;
    LiftCards(game, pile, grab);
  }
  game.display->ShowDragCursor(true);
}

}  // namespace

bool IsDragging(const Game& game) {
  return game.FloatPile.BottomCard != nullptr;
}

void PointerDown(Game& game, int16_t x, int16_t y) {
  if (IsDragging(game)) return;
  Pile* p = PileAtPoint(game, x, y);
  game.DragSource = p;
  if (!p) return;
  if (!p->TopCard) {
    EmptyPileClick(game, *p);
    return;
  }
  if (p->Has(PileFlags::GroupRemoval) && AnyCardMarked(game.PileTable)) return PairClick(game, *p);
  if (p->Has(PileFlags::ManualFillSource)) return StockClick(game, *p);
  if (p->Has(PileFlags::GroupRemoval)) return PairClick(game, *p);
  Card* g = p->GrabCard;
  if (g && g->Face == FaceUp)
    StartDrag(game, *p, *g, x, y);
  else if (g && g == p->TopCard)
    FlipTopCard(game, *p);
}

void PointerMove(Game& game, int16_t x, int16_t y) {
  if (!IsDragging(game)) return;
  game.FloatPile.Left = x - game.GrabOffsetX;
  game.FloatPile.Top = y - game.GrabOffsetY;
  TrackDropTarget(game);
  DrawFloatPile(game);
}

void PointerUp(Game& game) {
  if (!IsDragging(game)) return;
  game.display->ShowDragCursor(false);
  Pile* target = game.DropTarget;
  if (!target) {
    // No pile accepts the cards: they glide home and nothing is recorded.
    GlideAndDrop(game, *game.DragSource);
    game.UncoveredPiles = 0;
    return;
  }
  game.DropTarget = nullptr;
  GlideAndDrop(game, *target);
  AutoFill(game);
  AutoRuns(game);
  if (target != game.DragSource) game.services->RecordPosition(game);
  else game.UncoveredPiles = 0;
  if (game.prefs.AutoToggle) AutoPlayAll(game);
}

void RightClick(Game& game, int16_t x, int16_t y) {
  if (IsDragging(game)) return;
  AutoMoveFromPile(game, PileAtPoint(game, x, y));
}

}  // namespace tarnik
