#include "solver/goal_order.h"

#include <algorithm>
#include <bit>
#include <iterator>

namespace tarnik::solver {

// A walk through each goal pile's drop table from its top card: the cards
// it takes next are 0 cards away, the cards it takes on those 1, and so on.
void GoalDistances(const TableRules& rules, const int32_t* goals, const int32_t* tops,
                   int32_t count, GoalDistance& out) {
  std::fill(std::begin(out.of), std::end(out.of), kNeverNeeded);
  for (int32_t g = 0; g < count; ++g) {
    const CardMask(&takes)[53] = rules.goalTakes[goals[g]];
    CardMask front = takes[tops[g]], seen = front;
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
}

int32_t BlockingPairs(const uint8_t* values, int32_t n, const GoalDistance& distance) {
  int32_t pairs = 0;
  for (int32_t k = 0; k < n; ++k)
    for (int32_t j = k + 1; j < n; ++j) pairs += distance.of[values[j]] > distance.of[values[k]];
  return pairs;
}

}  // namespace tarnik::solver
