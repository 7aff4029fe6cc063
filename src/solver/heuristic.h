// How promising a position looks, judged from the pile rules alone: cards on
// the goal piles, cards the goal piles want next and how deep they lie,
// face-down cards, cards lying in the order their pile builds, and room to
// move (empty piles that take cards).
#pragma once

#include <cstdint>

#include "solver/table_rules.h"

namespace tarnik {
struct Game;
}

namespace tarnik::solver {

// Higher is better. `disorder` is what each card above a card out of its
// pile's order costs: strategies differ in how much they care.
constexpr int32_t kDefaultDisorder = 2;
int32_t Estimate(const Game& game, const TableRules& rules, int32_t disorder = kDefaultDisorder);

// Whether every card has reached its goal.
bool IsWon(const Game& game, const TableRules& rules);

}  // namespace tarnik::solver
