// The player's actions as the solver sees them: every press and drag that
// may change the table, carried out with the engine's own steps and the
// follow-ups a release or a click runs, and the actions that can be taken
// at once without losing a win (turning a face-down top card, sending a
// card home that no other card needs).
#pragma once

#include <cstdint>
#include <vector>

#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Every action that may change the table, in table order of the pressed pile.
void ListActions(Game& game, const TableRules& rules, std::vector<SolverAction>& out);

// A move of the search: `clicks` clicks on the stock, then `action`.
struct Choice {
  int32_t clicks = 0;
  SolverAction action;
};

// The moves of the search. Without a simple stock (TableRules::stock) they
// are the actions themselves. With one, clicks on the stock are never moves
// on their own: each card the clicks bring up to the top of the waste, in
// one turn of the stock from here, gives a move for each place it can go,
// the clicks first. Leaves the table changed by the clicks; in order of
// their clicks. `scratch` is working room, kept by the caller.
void ListChoices(Game& game, const TableRules& rules, std::vector<Choice>& out,
                 std::vector<SolverAction>& scratch);
// The click on the stock that ListChoices counts.
SolverAction StockClickAction(const TableRules& rules);
// Carries out an action the way a press (and release) on the table does,
// without the glide, which changes nothing but the picture. `anyFlags`,
// every pile's flags together where the caller knows them (AnyPileFlags),
// lets a drag pass over the automatic fills and runs no pile asks for.
void ApplyAction(Game& game, const SolverAction& action, uint32_t anyFlags = ~0u);
// Every pile's flags together, for ApplyAction.
uint32_t AnyPileFlags(Game& game);
// Finds and carries out one forced action; false when none is left.
bool ApplyForcedAction(Game& game, const TableRules& rules, SolverAction& done);

}  // namespace tarnik::solver
