// The best-first search behind Solve: positions are expanded in order of
// their estimate, every position is entered once (by its canonical key),
// and each action is followed by the forced actions it makes possible.
#pragma once

#include <vector>

#include "solver/solver.h"
#include "solver/strategy.h"

namespace tarnik::solver {

SolveResult Search(const SolverTable& table, const SolveOptions& options);
// The strategies a search of `table` starts with, in the order they take
// turns: what the rules read off the table choose.
std::vector<StrategyKind> SearchKinds(const SolverTable& table);

}  // namespace tarnik::solver
