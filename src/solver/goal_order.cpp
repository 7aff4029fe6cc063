#include "solver/goal_order.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace tarnik::solver {

namespace {

// A walk through goal pile `goal`'s drop table from its top card `top`: the
// cards it takes next are 0 cards away, the cards it takes on those 1, and
// so on; each card's distance in `out` is lowered to what the walk finds.
void WalkGoalPile(const TableRules& rules, int32_t goal, int32_t top, GoalDistance& out) {
  const CardMask(&takes)[53] = rules.goalTakes[goal];
  CardMask front = takes[top], seen = front;
  for (uint8_t level = 0; front && level < kNeverNeeded; ++level) {
    CardMask next = 0;
    for (CardMask m = front; m; m &= m - 1) {
      const int32_t v = std::countr_zero(m);
      out.of[v] = std::min(out.of[v], level);
      next |= takes[v];
    }
    front = next & ~seen;
    seen |= front;
  }
}

}  // namespace

void GoalDistances(const TableRules& rules, const int32_t* goals, const int32_t* tops,
                   int32_t count, GoalDistance& out) {
  std::fill(std::begin(out.of), std::end(out.of), kNeverNeeded);
  for (int32_t g = 0; g < count; ++g) WalkGoalPile(rules, goals[g], tops[g], out);
}

void GoalPileDistances(const TableRules& rules, int32_t goal, int32_t top, GoalDistance& out) {
  std::fill(std::begin(out.of), std::end(out.of), kNeverNeeded);
  WalkGoalPile(rules, goal, top, out);
}

int32_t BlockingPairs(const uint8_t* values, int32_t n, const GoalDistance& distance) {
  int32_t pairs = 0;
  for (int32_t k = 0; k < n; ++k)
    for (int32_t j = k + 1; j < n; ++j) pairs += distance.of[values[j]] > distance.of[values[k]];
  return pairs;
}

}  // namespace tarnik::solver
