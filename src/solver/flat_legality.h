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

// The deepest card of the group a press on card `k` of pile `p` lifts, or -1.
int32_t FlatTakeable(const FlatRules& rules, const FlatPosition& pos, int32_t p, int32_t k);

// Whether `count` cards whose bottom card is `card` (a value), taken from
// pile `from`, may be dropped on pile `to`.
bool FlatCanDrop(const FlatRules& rules, const FlatPosition& pos, int32_t from, int32_t to,
                 int32_t card, int32_t count);

}  // namespace tarnik::solver
