// The order in which the goal piles will need the cards: for each card,
// how many cards its goal piles must take before one of them takes it.
// Where piles take cards but give them only to goal piles (Calculation's
// waste piles), a card lying above a card needed sooner blocks it; the
// estimate counts such pairs so that the search keeps each of those piles
// in the order its cards will be needed.
#pragma once

#include <cstdint>

#include "solver/table_rules.h"

namespace tarnik::solver {

constexpr uint8_t kNeverNeeded = 255;

// For each card value, the fewest cards some goal pile must take before it
// takes that card (kNeverNeeded: none ever would), from the drop tables.
struct GoalDistance {
  uint8_t of[52];
};

// The distances with goal pile `goals[g]` showing top card `tops[g]`
// (52: empty), for `count` goal piles.
void GoalDistances(const TableRules& rules, const int32_t* goals, const int32_t* tops,
                   int32_t count, GoalDistance& out);
// The distances goal pile `goal` alone gives with top card `top`: those of
// several goal piles are, card by card, the least of each pile's own.
void GoalPileDistances(const TableRules& rules, int32_t goal, int32_t top, GoalDistance& out);

// The pairs of cards in `values` (a pile, bottom first) where a card lies
// above a card the goal piles need sooner.
int32_t BlockingPairs(const uint8_t* values, int32_t n, const GoalDistance& distance);

}  // namespace tarnik::solver
