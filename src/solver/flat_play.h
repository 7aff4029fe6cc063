// Carrying out a player's action on a flat position, step for step as the
// engine does after a press and release: the drag with its sort, automatic
// filling and automatic runs; the click on the stock with its deal, bad-card
// removal and runs; the redeal on an empty pile; the mark of a top card in
// a pairing game; the turn of a top card; each followed, with the player's
// "Automatic play", by automatic moves.
#pragma once

#include <bit>
#include <cstring>

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

// Where the pile dealt to follows the stock on the table, the stock's top
// card lies just below its cards: they shift down by one under it, as
// MoveCards would move it, without the call (a turn of the stock deals
// every card of it, and the listing turns the stock at every position).
// Inline, as the listing's turn of the stock calls it for every card.
inline void FlatDealOne(const FlatRules& rules, FlatPosition& pos, int32_t stock) {
  pos.TurnTop(stock, FaceUp);
  const int32_t to = std::countr_zero(rules.dealPiles);
  if (to != stock + 1) {
    MoveCards(pos, stock, pos.count[stock] - 1, to,
              rules.piles[stock].Has(PileFlags::RemoveAnyCard));
    return;
  }
  uint8_t* at = pos.cards + pos.start[to] - 1;
  const uint8_t card = *at;
  const int32_t n = pos.count[to];
  std::memmove(at, at + 1, static_cast<size_t>(n));
  at[n] = card;
  pos.start[to] = static_cast<uint8_t>(pos.start[to] - 1);
  pos.count[stock] = static_cast<uint8_t>(pos.count[stock] - 1);
  pos.count[to] = static_cast<uint8_t>(pos.count[to] + 1);
  pos.Touch(stock);
  pos.Touch(to);
}

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
