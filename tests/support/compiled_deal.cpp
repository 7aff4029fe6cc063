#include "support/compiled_deal.h"

#include "engine/table/preferences.h"
#include "solver/sandbox.h"

namespace tarnik::testing {

bool CompileDeal(const Library& library, int32_t g, uint32_t seed, SolverTable& table,
                 CompiledDeal& out) {
  if (g < 0 || !DealTable(library, g, seed, Preferences{}, table)) return false;
  out.game = solver::NewQuietGame();
  solver::LoadTable(table, *out.game);
  solver::AnalyseRules(*out.game, out.rules);
  out.flat = std::make_unique<solver::FlatRules>();
  return solver::CompileFlatRules(*out.game, out.rules, table, *out.flat);
}

}  // namespace tarnik::testing
