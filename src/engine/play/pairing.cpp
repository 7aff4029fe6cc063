#include "engine/play/pairing.h"

#include "engine/game/game.h"
#include "engine/play/moves.h"
#include "engine/table/layout.h"

namespace tarnik {

namespace {

// The pairing values (ace 1 … king 13) of the marked top cards in table
// order; returns how many cards are marked, keeping at most kMaxMarked.
int MarkedValues(const Game& game, int (&values)[kMaxMarked]) {
  int m = 0;
  for (int32_t i = 0; i < kMaxPiles && game.PileTable[i].Flags; ++i) {
    const Card* top = game.PileTable[i].TopCard;
    if (!top || top->Face != Marked) continue;
    if (m < kMaxMarked) values[m] = Rank(top->Value) + 1;
    ++m;
  }
  return m;
}

// Any number of cards below ten adding up to exactly 15.
bool AddsToFifteen(const int* values, int m) {
  int total = 0;
  for (int i = 0; i < m; ++i) total = values[i] >= 10 ? 16 : total + values[i];
  return total == 15;
}

// Moves the top card of `from` to `to` as every move does.
void MoveTopCard(Game& game, Pile& from, Pile& to) {
  LiftCards(game, from, *from.TopCard);
  GlideAndDrop(game, to);
}

Pile* FirstGoal(Game& game, bool mustBeEmpty, int32_t start) {
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (!p->Has(PileFlags::WinGoal) || (mustBeEmpty && p->TopCard)) continue;
    if (start >= 0 && static_cast<int32_t>(p->PileStart) != start) continue;
    return p;
  }
  return nullptr;
}

// The top of a complete face-up run from ace (on top) to king beneath it;
// `sameSuit` asks each card beneath to be of the ace's suit.
bool HoldsCompleteRun(const Pile& pile, bool sameSuit) {
  const Card* a = pile.TopCard;
  if (!a || a->Face != FaceUp || Rank(a->Value) != kAce) return false;
  for (const Card* b = a->Below; b && b->Face == FaceUp; a = b, b = b->Below) {
    const bool next = sameSuit ? b->Value == a->Value + 4 : Rank(b->Value) == Rank(a->Value) + 1;
    if (!next) break;
  }
  return Rank(a->Value) == kKing;
}

// One step of either automatic run.
int AutoRunStep(Game& game, uint32_t flag, bool sameSuit) {
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (!p->Has(flag) || !HoldsCompleteRun(*p, sameSuit)) continue;
    const int32_t start =
        sameSuit ? static_cast<int32_t>(PileStart::AutoSpades) + Suit(p->TopCard->Value) : -1;
    Pile* goal = FirstGoal(game, true, start);
    if (!goal) continue;
    for (int i = 0; i < 13; ++i) MoveTopCard(game, *p, *goal);
    return 1;
  }
  return 0;
}

}  // namespace

bool PairsOff(const int* v, int m, uint32_t f) {
  using namespace GameFlags;
  if ((f & PairRank) && m == 2 && v[0] == v[1]) return true;
  if (m == 2) {
    const int sum = v[0] + v[1];
    if (((f & Pair10) && sum == 10) || ((f & Pair11) && sum == 11) || ((f & Pair13) && sum == 13) ||
        ((f & Pair14) && sum == 14))
      return true;
  }
  if ((f & ThreeFace) && m == 3 && v[0] != v[1] && v[1] != v[2] && v[0] != v[2] &&
      v[0] + v[1] + v[2] == 36)
    return true;
  if ((f & HighQuart) && m == 4 && v[0] >= 10 && v[0] == v[1] && v[1] == v[2] && v[2] == v[3])
    return true;
  if ((f & SingleKing) && m == 1 && v[0] == 13) return true;
  return (f & Low15) && m >= 1 && m <= kMaxMarked && AddsToFifteen(v, m);
}

int PairCheck(const Game& game) {
  int v[kMaxMarked] = {};
  const int m = MarkedValues(game, v);
  return PairsOff(v, m, game.CurrentFlags) ? 1 : 0;
}

void ToggleMark(Game& game, Pile& pile) {
  Card* top = pile.TopCard;
  if (!top) return;
  top->Face = top->Face == FaceUp ? Marked : FaceUp;
  game.display->RedrawTable();
  if (!PairCheck(game)) return;
  Pile* goal = FirstGoal(game, false, -1);
  if (!goal) return;  // no goal pile: the set stays marked
  for (Pile* p = FirstPile(game.PileTable); p; p = p->Next) {
    if (!p->TopCard || p->TopCard->Face != Marked) continue;
    p->TopCard->Face = FaceUp;
    MoveTopCard(game, *p, *goal);
  }
}

int AutoStraightStep(Game& game) {
  return AutoRunStep(game, PileFlags::AutoStraight, false);
}
int AutoSuiteStep(Game& game) {
  return AutoRunStep(game, PileFlags::AutoSuite, true);
}

void AutoRuns(Game& game) {
  while (AutoSuiteStep(game)) {
  }
  while (AutoStraightStep(game)) {
  }
}

}  // namespace tarnik
