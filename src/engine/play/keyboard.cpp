#include "engine/play/keyboard.h"

#include <algorithm>

#include "engine/cards/pile_ops.h"
#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/play/pointer.h"
#include "engine/rules/legality.h"
#include "engine/rules/pointer_targets.h"
#include "engine/table/layout.h"

namespace tarnik {

namespace {

// Lifted cards hover this far down and right of where they would land, so
// the focused pile's top card still shows.
constexpr int32_t kLiftShift = 6;

// Where the pointer would press a pile: the middle of its top card, or of
// the empty pile's place.
void PressPoint(const Pile& pile, int32_t& x, int32_t& y) {
  if (const Card* top = pile.TopCard) {
    x = top->X + kCardWidth / 2;
    y = top->Y + kCardHeight / 2;
  } else {
    x = pile.Left + std::min(pile.Width, kCardWidth) / 2;
    y = pile.Top + std::min(pile.Height, kCardHeight) / 2;
  }
}

// Shows the lifted cards hovering over `pile`, the pile lit when it takes
// them; the pointer, if it takes over, holds them by the middle of the
// first card.
void Hover(Game& game, Pile& pile) {
  Pile* target = nullptr;
  if (&pile != game.DragSource &&
      CanDrop(game.PileTable, *game.DragSource, pile, *game.FloatPile.BottomCard,
              game.FloatPile.Count))
    target = &pile;
  if (game.DropTarget && game.DropTarget != target) game.display->DrawTopCard(*game.DropTarget, false);
  game.DropTarget = target;
  if (target) game.display->DrawTopCard(*target, true);
  int32_t x, y;
  LandingSpot(game, pile, x, y);
  game.FloatPile.Left = x + kLiftShift;
  game.FloatPile.Top = y + kLiftShift;
  game.GrabOffsetX = kCardWidth / 2;
  game.GrabOffsetY = kCardHeight / 2;
  DrawFloatPile(game);
}

// Space on the pile the cards came from: they go back at once, and the
// group one card deeper is lifted when a press could take it.
void GrowOrPutBack(Game& game) {
  Pile& source = *game.DragSource;
  Card* bottom = game.FloatPile.BottomCard;
  AppendPile(game.FloatPile, source);
  LayoutPile(game.FloatPile, game.Style());
  LayoutPile(source, game.Style());
  if (game.DropTarget) game.display->DrawTopCard(*game.DropTarget, false);
  game.DropTarget = nullptr;
  game.UncoveredPiles = 0;
  Card* below = bottom->Below;
  Card* grab = below && below->Face == FaceUp && !source.Has(PileFlags::RemoveAnyCard)
                   ? TakeableCard(game.PileTable, source, below)
                   : nullptr;
  if (grab && IsDeeper(source, bottom, grab)) {
    LiftCards(game, source, *grab);
    Hover(game, source);
    return;
  }
  game.display->ShowDragCursor(false);
  game.display->RedrawTable();
}

// Redraws the table with the frame where it now is, the lifted cards
// hovering over the focused pile.
void ShowFocus(Game& game) {
  game.display->RedrawTable();
  if (Pile* pile = FocusedPile(game); pile && IsDragging(game)) Hover(game, *pile);
}

}  // namespace

bool PilePressable(Game& game, int32_t index) {
  if (index < 0 || index >= CountPiles(game.PileTable)) return false;
  Pile& pile = game.PileTable[index];
  int32_t x, y;
  PressPoint(pile, x, y);
  return PileAtPoint(game, x, y) == &pile;
}

Pile* FocusedPile(Game& game) {
  if (!game.FocusShown || game.FocusPile < 0 || game.FocusPile >= CountPiles(game.PileTable))
    return nullptr;
  return &game.PileTable[game.FocusPile];
}

void MoveFocus(Game& game, int step) {
  const int32_t n = CountPiles(game.PileTable);
  if (n == 0 || game.EditMode) return;
  if (!game.FocusShown && PilePressable(game, game.FocusPile)) {
    game.FocusShown = true;
    return ShowFocus(game);
  }
  const int32_t start = FocusedPile(game) ? game.FocusPile : (step > 0 ? -1 : n);
  for (int32_t k = 1; k <= n; ++k) {
    const int32_t i = ((start + step * k) % n + n) % n;
    if (!PilePressable(game, i)) continue;
    game.FocusPile = i;
    game.FocusShown = true;
    return ShowFocus(game);
  }
}

void KeySpace(Game& game) {
  Pile* pile = FocusedPile(game);
  if (!pile) return MoveFocus(game, 1);
  if (IsDragging(game)) {
    if (pile == game.DragSource) return GrowOrPutBack(game);
    Hover(game, *pile);
    return PointerUp(game);
  }
  int32_t x, y;
  PressPoint(*pile, x, y);
  PointerDown(game, static_cast<int16_t>(x), static_cast<int16_t>(y));
  if (IsDragging(game)) Hover(game, *pile);
}

void KeyEnter(Game& game) {
  if (IsDragging(game)) return;
  Pile* pile = FocusedPile(game);
  if (!pile) return MoveFocus(game, 1);
  AutoMoveFromPile(game, pile);
}

void KeyEscape(Game& game) {
  if (IsDragging(game)) {
    if (game.DropTarget) game.display->DrawTopCard(*game.DropTarget, false);
    game.DropTarget = nullptr;
    return PointerUp(game);
  }
  HideFocus(game);
}

void HideFocus(Game& game) {
  if (!game.FocusShown) return;
  game.FocusShown = false;
  game.display->RedrawTable();
}

}  // namespace tarnik
