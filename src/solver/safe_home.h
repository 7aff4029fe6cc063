// A second, looser test of a card that may go home at once, for goal piles
// that build one card at a time and may give their top card back: a card
// goes home ahead of a card that could be built on it when that card could
// itself go home at any time instead, and nothing a winning line could
// want from the goal piles lies under either of them.
#pragma once

#include <cstdint>

#include "solver/table_rules.h"

namespace tarnik::solver {

// The goal piles as the test reads them: each one's card values from the
// bottom up (a face in the high bits is ignored).
struct GoalCards {
  int32_t count = 0;
  int32_t pile[kMaxPiles] = {};
  const uint8_t* cards[kMaxPiles] = {};
  int32_t size[kMaxPiles] = {};
};

// What the test needs to know of the goal piles, worked out once per
// position: the settled cards (home, every card that could be built on
// them settled, and every card below them on their goal pile settled: a
// winning line never needs one of them back on the table), and the cards
// the goal piles take in turn on a settled or empty top (`open`) or on
// another top (`closed`).
struct GoalsAhead {
  CardMask settled = 0;
  CardMask open = 0;
  CardMask closed = 0;
};
GoalsAhead ReadGoals(const TableRules& rules, CardMask home, const GoalCards& goals);

// Whether card `c`, taken in turn by its goal pile, may go home now: it
// goes on an open top, and each card that could be built on it is settled,
// or is not home, goes on an open top too and has every card that could be
// built on it settled. Only where TableRules::aheadGoalMoves holds.
bool GoesHomeAhead(const TableRules& rules, const GoalsAhead& goals, CardMask home, int32_t c);

}  // namespace tarnik::solver
