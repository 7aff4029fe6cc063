// Whether the pointer can make an action on a flat position (see reach.h):
// the card and pile rectangles follow from the counts and faces of the
// cards, as the layout places them.
#pragma once

#include <cstdint>

#include "solver/flat_position.h"
#include "solver/flat_rules.h"

namespace tarnik::solver {

// Whether some point of card `k` of pile `i` (-1: the card-sized area
// where the pile begins) lies on no card above it and, where a later pile
// may lie over the pile, in no later pile.
bool FlatPressReaches(const FlatRules& rules, const FlatPosition& pos, int32_t i, int32_t k);

// Whether dragged cards can be let go over pile `i`: some point of it lies
// in no later pile.
bool FlatDropReaches(const FlatRules& rules, const FlatPosition& pos, int32_t i);

// FlatPressReaches, at once where no later pile may lie over the pile and
// every card shows a strip.
inline bool FlatPressable(const FlatRules& rules, const FlatPosition& pos, int32_t i, int32_t k) {
  const FlatPile& p = rules.piles[i];
  if (!p.overlaid && (k < 0 || k == pos.count[i] - 1 || p.fans)) return true;
  return FlatPressReaches(rules, pos, i, k);
}

}  // namespace tarnik::solver
