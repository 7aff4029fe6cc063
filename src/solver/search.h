// The best-first search behind Solve: positions are expanded in order of
// their estimate, every position is entered once (by its canonical key),
// and each action is followed by the forced actions it makes possible.
#pragma once

#include "solver/solver.h"

namespace tarnik::solver {

SolveResult Search(const SolverTable& table, const SolveOptions& options);

}  // namespace tarnik::solver
