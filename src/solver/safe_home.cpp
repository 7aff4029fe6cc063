#include "solver/safe_home.h"

#include <bit>

namespace tarnik::solver {

// The greatest set of home cards closed under both needs, found by taking
// out the cards that break one until none does.
GoalsAhead ReadGoals(const TableRules& rules, CardMask home, const GoalCards& goals) {
  GoalsAhead out;
  CardMask settled = home;
  for (;;) {
    CardMask kept = 0;
    for (CardMask m = settled; m; m &= m - 1) {
      const int32_t z = std::countr_zero(m);
      if (!(rules.builders[z] & ~settled)) kept |= CardMask{1} << z;
    }
    // A card lies settled only on settled cards.
    for (int32_t g = 0; g < goals.count; ++g) {
      bool below = true;
      for (int32_t k = 0; k < goals.size[g]; ++k) {
        const CardMask bit = CardMask{1} << (goals.cards[g][k] & 63);
        below = below && (kept & bit);
        if (!below) kept &= ~bit;
      }
    }
    if (kept == settled) break;
    settled = kept;
  }
  out.settled = settled;
  for (int32_t g = 0; g < goals.count; ++g) {
    const int32_t p = goals.pile[g], n = goals.size[g];
    const int32_t top = n == 0 ? 52 : goals.cards[g][n - 1] & 63;
    if (!rules.goalTakesInTurn[p][top]) continue;
    const bool open = top == 52 || InMask(settled, top);
    (open ? out.open : out.closed) |= rules.goalTakes[p][top];
  }
  return out;
}

bool GoesHomeAhead(const TableRules& rules, const GoalsAhead& goals, CardMask home, int32_t c) {
  const auto opens = [&](int32_t v) { return InMask(goals.open, v) && !InMask(goals.closed, v); };
  if (!opens(c)) return false;
  for (CardMask m = rules.builders[c] & ~goals.settled; m; m &= m - 1) {
    const int32_t b = std::countr_zero(m);
    if (InMask(home, b) || !opens(b) || (rules.builders[b] & ~goals.settled)) return false;
  }
  return true;
}

}  // namespace tarnik::solver
