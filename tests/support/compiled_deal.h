// A deal of a library game as the solver sees it, for tests of the solver.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/game/game.h"
#include "engine/library/library.h"
#include "solver/flat_rules.h"
#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik::testing {

// The deal laid out on a quiet game, its rules read and compiled to flat
// positions.
struct CompiledDeal {
  std::unique_ptr<Game> game;
  solver::TableRules rules;
  std::unique_ptr<solver::FlatRules> flat;
};

// Deals `seed` of library game `g` into `table` and compiles it into
// `out`; false where the deal fails or its rules do not compile.
bool CompileDeal(const Library& library, int32_t g, uint32_t seed, SolverTable& table,
                 CompiledDeal& out);

}  // namespace tarnik::testing
