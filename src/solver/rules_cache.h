// The rules of a game as a search reads them, worked out once per set of
// pile rules: the analysis of the piles and, where they compile, the flat
// move generator's tables. Laying a table out and asking the engine's
// CanDrop about every pair of cards costs far more than a short search, and
// a hint, the check of every deal offered and a bench search the same rules
// again and again, so the searches of one process share a small cache of
// them, on whatever thread they run.
#pragma once

#include <memory>

#include "solver/flat_dead_end.h"
#include "solver/flat_rules.h"
#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

struct CompiledRules {
  TableRules rules;
  // The flat tables, made for the table's random state at the time; a
  // search whose redeal interleaves piles by its own state copies them.
  FlatRules flat;
  bool flatCompiles = false;
  // Where the check of dead ends holds, shared by every board of a search.
  DeadEndRules dead;
};

// The compiled rules of the game of `table` (its piles, game flags and the
// player's options that change the rules, not its cards): from the cache
// when some search already compiled them, else compiled now and kept.
std::shared_ptr<const CompiledRules> RulesOf(const SolverTable& table);

}  // namespace tarnik::solver
