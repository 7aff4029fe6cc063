// Carrying out a player's action on a flat position, step for step as the
// engine does after a press and release: the drag with its sort, automatic
// filling and automatic runs; the click on the stock with its deal, bad-card
// removal and runs; the redeal on an empty pile; the mark of a top card in
// a pairing game; the turn of a top card; each followed, with the player's
// "Automatic play", by automatic moves.
#pragma once

#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/solver.h"

namespace tarnik::solver {

// Carries out `action` on `pos`; an action the table does not allow changes
// nothing, as with the engine.
void ApplyFlatAction(const FlatRules& rules, FlatPosition& pos, const SolverAction& action);
// ApplyFlatAction for an action the listing (ListFlatChoices) gave on
// `pos`: it is allowed, and a drag lifts the group from the card pressed.
void ApplyListedAction(const FlatRules& rules, FlatPosition& pos, const SolverAction& action);

// Whether a click on pile `stock`, while it holds cards and no card is
// marked, only turns its top card up and moves it onto the one pile it
// deals to: one card a click, nothing sorted, no runs or removals, no
// automatic play. FlatDealOne is then that click.
bool FlatClickDealsOne(const FlatRules& rules, int32_t stock);
void FlatDealOne(const FlatRules& rules, FlatPosition& pos, int32_t stock);

// Whether a click on pile `stock` while it is empty only gathers the cards
// of pile `waste`, the one pile that gives up its cards, back onto it in
// one block: one kind of redeal, no pile refilled, no automatic play.
// FlatRedealOne is then that click on a position whose waste holds cards.
bool FlatClickRedealsOne(const FlatRules& rules, int32_t stock, int32_t waste);
void FlatRedealOne(const FlatRules& rules, FlatPosition& pos, int32_t stock, int32_t waste);

// Whether some top card is marked (only a pairing game marks cards).
bool FlatAnyMarked(const FlatRules& rules, const FlatPosition& pos);

// Marks as unseen by the automatic runs only the piles holding a complete
// run that could go home (in suit where only suit runs go home), so that
// the runs after the next action need not look at every pile.
void SeeFlatRuns(const FlatRules& rules, FlatPosition& pos);

// Puts every sorted pile in order, as laying a position out does.
void SortFlatPiles(const FlatRules& rules, FlatPosition& pos);

}  // namespace tarnik::solver
