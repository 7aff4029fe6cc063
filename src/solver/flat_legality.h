// Which cards may be lifted and where they may go, on a flat position: the
// engine's TakeableCard and CanDrop, and the pointer's reach, read off the
// compiled rules.
#pragma once

#include <cstdint>

#include "solver/flat_position.h"
#include "solver/flat_rules.h"

namespace tarnik::solver {

// Whether every MustBeEmpty pile is empty (also when there is none).
inline bool CellsCleared(const FlatRules& rules, const FlatPosition& pos) {
  for (int32_t k = 0; k < rules.cellCount; ++k)
    if (!pos.Empty(rules.cells[k])) return false;
  return true;
}

// The number of empty MustBeEmpty piles.
inline int32_t FlatFreeCells(const FlatRules& rules, const FlatPosition& pos) {
  int32_t n = 0;
  for (int32_t k = 0; k < rules.cellCount; ++k) n += pos.Empty(rules.cells[k]);
  return n;
}

// Whether every MustHaveCards pile holds cards (also when there is none).
inline bool PilesFilled(const FlatRules& rules, const FlatPosition& pos) {
  for (int32_t k = 0; k < rules.filledCount; ++k)
    if (pos.Empty(rules.filled[k])) return false;
  return true;
}

// Whether a later pile holding cards stands within one column and row.
inline bool Covered(const FlatRules& rules, const FlatPosition& pos, int32_t p) {
  const FlatPile& f = rules.piles[p];
  for (int32_t k = 0; k < f.covererCount; ++k)
    if (!pos.Empty(f.coverers[k])) return true;
  return false;
}

// Whether a press can reach pile `p`: it is not covered and, empty, can be hit.
inline bool FlatReachable(const FlatRules& rules, const FlatPosition& pos, int32_t p) {
  if (Covered(rules, pos, p)) return false;
  return !pos.Empty(p) || rules.piles[p].start != PileStart::BlankSpace;
}

// FlatTakeable for the piles whose take reads the cards: a run, or the
// table-wide conditions.
int32_t FlatTakeableRun(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k);

// The deepest card a press on card `k` of pile `p` (-1: on no card) lifts
// from the run at its top, when `p` lifts limited runs and no table-wide
// condition holds back its cards, with `cells` free cells where the pile
// needs them (FlatFreeCells, counted once for every pile by a listing).
int32_t FlatLimitedRun(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k,
                       int32_t cells);

// The deepest card of the group a press on card `k` of pile `p` lifts, or -1.
// Inline where the pressed card or the top card alone settles it, since
// listing the moves asks it of every face-up card.
inline int32_t FlatTakeable(const FlatRules& rules, const FlatPosition& pos, int32_t p,
                            int32_t k) {
  const FlatPile& f = rules.piles[p];
  if (!f.Has(PileFlags::BeforeTake | PileFlags::RemoveAnyCard) && pos.count[p] > 0) {
    if (f.take == FlatTake::Pressed) return k;
    if (f.take == FlatTake::Top) return pos.count[p] - 1;
  }
  return FlatTakeableRun(rules, pos, p, k);
}

// Whether `count` cards whose bottom card is `card` (a value), taken from
// pile `from`, may be dropped on pile `to`.
bool FlatCanDrop(const FlatRules& rules, const FlatPosition& pos, int32_t from, int32_t to,
                 int32_t card, int32_t count);

// CanDrop's tests of the special attributes of both piles.
bool FlatAttributesAllow(const FlatRules& rules, const FlatPosition& pos, int32_t from, int32_t to,
                         int32_t card);

// FlatCanDrop for a card that the top of `to` (or `to` empty) takes by the
// pile's own table: what is left is its size limit and the attributes.
// Inline, since listing the moves asks it of every pile for every group.
inline bool FlatCanDropFitting(const FlatRules& rules, const FlatPosition& pos, int32_t from,
                               int32_t to, int32_t card, int32_t count) {
  const FlatPile& dst = rules.piles[to];
  if (dst.sizeLimit != 0 && pos.count[to] + count > dst.sizeLimit) return false;
  if (dst.oneCard && count != 1) return false;
  if (dst.attributes || rules.piles[from].flags & PileFlags::FoundationsOnly)
    return FlatAttributesAllow(rules, pos, from, to, card);
  return true;
}

}  // namespace tarnik::solver
