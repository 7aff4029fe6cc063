// How promising a flat position looks: the same estimate as Estimate in
// heuristic.h gives the engine's table, read off the card bytes.
#pragma once

#include <cstdint>

#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Higher is better; see Estimate.
int32_t FlatEstimate(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                     int32_t disorder);
// Cards on the goal piles (GameScore).
int32_t FlatScore(const FlatRules& flat, const FlatPosition& pos);

}  // namespace tarnik::solver
