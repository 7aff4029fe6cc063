#include "solver/hint.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

#include "engine/game/game.h"

namespace tarnik {

namespace {

static_assert(sizeof(PileDef) == 12 * sizeof(int32_t), "PileDef is compared byte by byte");

// The card `index` of a pile counted from the bottom, or null.
const Card* CardAt(const Pile& pile, int32_t index) {
  const Card* c = pile.BottomCard;
  for (int32_t i = 0; c && i < index; ++i) c = c->Above;
  return index >= 0 ? c : nullptr;
}

TableRect CardRect(const Card& card) { return {card.X, card.Y, kCardWidth, kCardHeight}; }

// The smallest rectangle holding both.
TableRect Union(const TableRect& a, const TableRect& b) {
  const int32_t left = std::min(a.Left, b.Left), top = std::min(a.Top, b.Top);
  const int32_t right = std::max(a.Left + a.Width, b.Left + b.Width);
  const int32_t bottom = std::max(a.Top + a.Height, b.Top + b.Height);
  return {left, top, right - left, bottom - top};
}

// A pile as the player sees its place: its top card, or its empty marker.
TableRect PileRect(const Pile& pile) {
  if (pile.TopCard) return CardRect(*pile.TopCard);
  return {pile.Left, pile.Top, kCardWidth, kCardHeight};
}

// The cards a press on card `index` lifts: that card alone where any single
// card may be taken, otherwise it and every card above it.
TableRect GroupRect(const Pile& pile, const Card& pressed) {
  TableRect rect = CardRect(pressed);
  if (pile.Has(PileFlags::RemoveAnyCard)) return rect;
  for (const Card* c = pressed.Above; c; c = c->Above) rect = Union(rect, CardRect(*c));
  return rect;
}

bool IsPile(const Game& game, int32_t index) {
  return index >= 0 && index < kMaxPiles && game.PileTable[index].Flags != 0;
}

}  // namespace

SolveOptions HintOptions(const std::atomic<bool>* cancel) {
  SolveOptions options;
  options.maxMilliseconds = kHintMilliseconds;
  options.maxNodes = kHintPositions;
  options.cancel = cancel;
  options.handBackMemory = true;
  return options;
}

bool CaptureHint(const Game& game, HintRequest& request) {
  std::string refusal;
  if (!CaptureTable(game, request.table, refusal)) return false;
  request.gameIndex = game.CurrentGame;
  request.seed = game.CurrentSeed;
  return true;
}

bool HintIsCurrent(const Game& game, const HintRequest& request) {
  if (game.CurrentGame != request.gameIndex || game.CurrentSeed != request.seed) return false;
  auto now = std::make_unique<SolverTable>();
  std::string refusal;
  if (!CaptureTable(game, *now, refusal)) return false;
  const SolverTable& then = request.table;
  return now->gameFlags == then.gameFlags && now->randomState == then.randomState &&
         now->autoPlay == then.autoPlay && now->dealThree == then.dealThree &&
         std::memcmp(now->piles, then.piles, sizeof then.piles) == 0 &&
         std::memcmp(now->position.Bytes, then.position.Bytes, sizeof then.position.Bytes) == 0;
}

HintMarks MarkHint(const Game& game, const SolverAction& action) {
  HintMarks marks;
  if (!IsPile(game, action.pile)) return marks;
  const Pile& pile = game.PileTable[action.pile];
  if (action.kind == SolverAction::Kind::Click) {
    const Card* pressed = action.card >= 0 ? CardAt(pile, action.card) : nullptr;
    if (action.card >= 0 && !pressed) return marks;
    marks.cards = pressed ? CardRect(*pressed) : PileRect(pile);
    marks.valid = true;
    return marks;
  }
  const Card* pressed = CardAt(pile, action.card);
  if (!pressed || !IsPile(game, action.target) || action.target == action.pile) return marks;
  marks.cards = GroupRect(pile, *pressed);
  marks.target = PileRect(game.PileTable[action.target]);
  marks.hasTarget = true;
  marks.valid = true;
  return marks;
}

}  // namespace tarnik
