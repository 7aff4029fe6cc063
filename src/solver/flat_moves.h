// The moves of the search on a flat position: the same actions, choices and
// forced actions, in the same order, as ListActions, ListChoices and
// ApplyForcedAction list and make on the engine's table.
#pragma once

#include <vector>

#include "solver/actions.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Every action that may change the table, in table order of the pressed pile.
void ListFlatActions(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<SolverAction>& out);

// The moves of the search (see ListChoices): with a simple stock, the cards
// one turn of it brings up, each with its clicks. `scratch` is working room.
void ListFlatChoices(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     std::vector<Choice>& out, FlatPosition& scratch,
                     std::vector<SolverAction>& listing);

// Finds and carries out one forced action; false when none is left.
bool ApplyFlatForced(const FlatRules& flat, const TableRules& rules, FlatPosition& pos,
                     SolverAction& done);

}  // namespace tarnik::solver
