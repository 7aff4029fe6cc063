#include "engine/rules/pointer_targets.h"

#include "engine/rules/legality.h"
#include "engine/table/layout.h"
#include "engine/table/table.h"

namespace tarnik {

namespace {

bool Contains(int32_t left, int32_t top, int32_t width, int32_t height, int32_t x, int32_t y) {
  return x >= left && x < left + width && y >= top && y < top + height;
}

// The pile drawn on top at the point: the last one hit in table order. An
// empty "Blank space" pile cannot be hit.
Pile* TopmostPileAt(Table& game, int32_t x, int32_t y) {
  Pile* hit = nullptr;
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (!Contains(p->Left, p->Top, p->Width, p->Height, x, y)) continue;
    if (p->TopCard || p->PileStart != PileStart::BlankSpace) hit = p;
  }
  return hit;
}

// Sets the pile's GrabCard to the group of the first card under the point,
// from the top down, that offers a takeable group.
void FindGrab(Table& game, Pile& pile, int32_t x, int32_t y) {
  for (Card* c = pile.TopCard; c; c = c->Below) {
    if (!Contains(c->X, c->Y, kCardWidth, kCardHeight, x, y)) continue;
    if (Card* g = TakeableCard(game.PileTable, pile, c)) {
      pile.GrabCard = g;
      game.GrabBelow = IsDeeper(pile, g, c) ? 1 : 0;
      return;
    }
  }
}

// Drops the highlight of the present target, if there is one.
void ClearTarget(Table& game) {
  if (Pile* old = game.DropTarget) {
    game.DropTarget = nullptr;
    game.display->DrawTopCard(*old, false);
  }
}

}  // namespace

Pile* PileAtPoint(Table& game, int32_t x, int32_t y) {
  Pile* candidate = TopmostPileAt(game, x, y);
  if (!candidate || IsCovered(*candidate)) return nullptr;
  candidate->GrabCard = nullptr;
  if (candidate->TopCard) FindGrab(game, *candidate, x, y);
  return candidate;
}

void TrackDropTarget(Table& game) {
  Pile& floating = game.FloatPile;
  if (!floating.BottomCard || !game.DragSource) return;
  Pile* p = PileAtPoint(game, floating.Left + 32, floating.Top + 40);
  if (p && CanDrop(game.PileTable, *game.DragSource, *p, *floating.BottomCard, floating.Count)) {
    if (p != game.DropTarget) {
      ClearTarget(game);
      game.DropTarget = p;
      game.display->DrawTopCard(*p, true);
    }
  } else {
    ClearTarget(game);
  }
}

}  // namespace tarnik
