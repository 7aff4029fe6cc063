// The player's actions as the solver sees them: every press and drag that
// may change the table, carried out with the engine's own steps and the
// follow-ups a release or a click runs, and the actions that can be taken
// at once without losing a win (turning a face-down top card, sending a
// card home that no other card needs).
#pragma once

#include <vector>

#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Every action that may change the table, in table order of the pressed pile.
void ListActions(Game& game, const TableRules& rules, std::vector<SolverAction>& out);
// Carries out an action the way a press (and release) on the table does,
// without the glide, which changes nothing but the picture.
void ApplyAction(Game& game, const SolverAction& action);
// Finds and carries out one forced action; false when none is left.
bool ApplyForcedAction(Game& game, const TableRules& rules, SolverAction& done);

}  // namespace tarnik::solver
