#include "solver/flat_legality.h"

namespace tarnik::solver {

namespace {

// Whether card `below` lying under card `above` continues the pile's run.
bool Continues(const FlatPile& f, uint8_t above, uint8_t below) {
  return IsUp(below) && InMask(f.continues[CardValue(above)], CardValue(below));
}

// FlatLimitedRun, inline where FlatTakeableRun walks the run.
inline int32_t LimitedWalk(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k,
                           int32_t cells) {
  const FlatPile& f = rules.piles[p];
  const bool needCells = f.Has(PileFlags::NeedFreeCells);
  int32_t a = pos.count[p] - 1;
  for (int32_t n = 0; a > 0; --a) {
    if (!Continues(f, pos.At(p, a), pos.At(p, a - 1))) return a;
    if (a == k) return k;
    if (needCells && ++n > cells) return a;
  }
  return a;
}

// Any part of the run down to the pressed card, limited by the free cells
// when the pile needs them.
int32_t LimitedRun(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k) {
  const bool needCells = rules.piles[p].Has(PileFlags::NeedFreeCells);
  return LimitedWalk(rules, pos, p, k, needCells ? FlatFreeCells(rules, pos) : 0);
}

// Some other top-card-only pile shows a higher card of the card's suit.
bool HigherOnTopElsewhere(const FlatRules& rules, const FlatPosition& pos, int32_t from,
                          int32_t card) {
  for (int32_t p = 0; p < rules.pileCount; ++p) {
    if (p == from || pos.Empty(p) || rules.piles[p].removal != CardRemoval::TopCardOnly) continue;
    const int32_t top = CardValue(pos.Top(p));
    if (Suit(top) == Suit(card) && Rank(top) > Rank(card)) return true;
  }
  return false;
}

// The card's rank lies in the previous pile (only its bottom card counts
// while pile `to` is empty); the first pile has none.
bool RankInPrevPile(const FlatPosition& pos, int32_t to, int32_t card) {
  if (to == 0 || pos.Empty(to - 1)) return false;
  if (pos.Empty(to)) return Rank(CardValue(pos.At(to - 1, 0))) == Rank(card);
  for (int32_t k = 0; k < pos.count[to - 1]; ++k)
    if (Rank(CardValue(pos.At(to - 1, k))) == Rank(card)) return true;
  return false;
}

}  // namespace

bool FlatAttributesAllow(const FlatRules& rules, const FlatPosition& pos, int32_t from, int32_t to,
                     int32_t card) {
  const FlatPile &src = rules.piles[from], &dst = rules.piles[to];
  const int32_t rank = Rank(card);
  if (dst.Has(PileFlags::LowAndKing) && rank != kKing &&
      !HigherOnTopElsewhere(rules, pos, from, card))
    return false;
  if (dst.Has(PileFlags::LowAndAce) && rank != kAce &&
      !HigherOnTopElsewhere(rules, pos, from, card))
    return false;
  if (dst.Has(PileFlags::RankAbove) && !RankInPrevPile(pos, to, card)) return false;
  if (src.Has(PileFlags::FoundationsOnly) && !dst.Has(PileFlags::WinGoal)) return false;
  const bool fromCell = src.Has(PileFlags::MustBeEmpty);
  const bool cleared = CellsCleared(rules, pos);
  if (dst.Has(PileFlags::BeforeStart) && !fromCell && !cleared && pos.Empty(to)) return false;
  if (dst.Has(PileFlags::BeforeNoColumn) && !fromCell && !cleared && src.column != dst.column)
    return false;
  if (dst.Has(PileFlags::BeforeDrop) && !fromCell && !cleared) return false;
  if (dst.Has(PileFlags::BeforeAny) && !cleared) return false;
  return true;
}

int32_t FlatLimitedRun(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k,
                       int32_t cells) {
  return LimitedWalk(rules, pos, p, k, cells);
}

int32_t FlatTakeableRun(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k) {
  const FlatPile& f = rules.piles[p];
  if (f.Has(PileFlags::BeforeTake) && !CellsCleared(rules, pos)) return -1;
  if (f.Has(PileFlags::RemoveAnyCard)) return k;
  const int32_t top = pos.count[p] - 1;
  if (top < 0) return -1;
  switch (f.take) {
    case FlatTake::Whole: {
      if (k == top) return top;
      int32_t a = top;
      while (a > 0 && Continues(f, pos.At(p, a), pos.At(p, a - 1))) --a;
      return a;
    }
    case FlatTake::Pressed:
      return k;
    case FlatTake::Top:
      return top;
    case FlatTake::Limited:
      return LimitedRun(rules, pos, p, k);
    default:
      return -1;
  }
}

bool FlatCanDrop(const FlatRules& rules, const FlatPosition& pos, int32_t from, int32_t to,
                 int32_t card, int32_t count) {
  const FlatPile& dst = rules.piles[to];
  const int32_t n = pos.count[to];
  const int32_t top = n ? CardValue(pos.Top(to)) : 52;
  if (n && CardFace(pos.Top(to)) == FaceDown) return false;
  if (!InMask(dst.accepts[top], card)) return false;
  return FlatCanDropFitting(rules, pos, from, to, card, count);
}

}  // namespace tarnik::solver
