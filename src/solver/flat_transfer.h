// Runs carried card by card through empty piles, as a player moves them
// where a pile gives only its top card: the cards above the run's bottom
// card go one to an empty pile each, the bottom card goes to the target,
// and the others follow it back in order. Listed and played as one move
// (a drag from below the top of a pile that gives its top card alone), so
// that a search weighs where the run lands and not the piles it passes
// through; the line it gives holds the single drags.
#pragma once

#include <vector>

#include "solver/actions.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Whether `action`, from `pos`, is a transfer: a drag from below the top of
// a pile that gives its top card alone.
bool IsTransfer(const FlatRules& flat, const FlatPosition& pos, const SolverAction& action);

// Plays the transfer `action` on `pos` drag by drag, appending the drags to
// `line` when given; false, with `pos` part played, when a drag is not
// allowed or the run does not land whole on its target.
bool PlayTransfer(const FlatRules& flat, FlatPosition& pos, const SolverAction& action,
                  std::vector<SolverAction>* line);

// Appends to `out` the transfers of two cards or more from `pos` that play
// through (`scratch` is working room).
void ListTransfers(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   FlatPosition& scratch, std::vector<Choice>& out);

}  // namespace tarnik::solver
