// Whether a search on progress moves alone (Board::Progressed) is enough to
// prove a deal lost: the moves it leaves out are never needed for a win.
#pragma once

#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

// Where these rules hold, the moves the progress search leaves out are
// drags of a run from a face-up card it builds on to another top it
// builds on, uncovering a card the goal piles do not take now. With one
// deck, a card builds on two cards at most (one rank above it, out of its
// suit), and the two take the same cards and continue the same runs; so
// the drag only trades what lies on the one for what lies on the other.
// A winning line that makes such a trade plays every later move on the
// other card instead, until one of the two cards goes home; there it
// makes the trade back, which then uncovers a card the goal piles take,
// so it is progress. Each such rewrite leaves the line with one trade
// fewer, so every won deal has a winning line of progress moves alone,
// and a search of every position they reach proves a deal lost.
// The rewrite holds where the tableau piles (IsTableau) are alike, with
// no size limits, free cells, table-wide conditions or automatic moves;
// they lift any part of a run, and runs fall one rank a card, so that no
// run that holds one of the two cards ever goes onto what lies on the
// other (where a press lifts any group, as in Yukon, it may: seed 927 is
// won only by such a trade); the cards an empty pile takes build on no
// card; no stock or redeal puts cards on them; goal piles take one card
// at a time; "Automatic play" is off; and no pile lies over another, so
// what the pointer reaches does not hang on how many cards a pile holds.
bool ProgressProves(const FlatRules& flat, const TableRules& rules);

// Where besides the stock and the waste form one cycle turned without end
// (TableRules::stockCycles), a card of the cycle is always there to take,
// so a winning line can leave it there until some card goes onto it: a
// drag from the waste onto a tableau pile is then progress only where a
// card that builds on the card dragged is open (OpenCards). Meanwhile the
// card it would cover stays uncovered, which hinders no move of the line.
bool WasteWaits(const FlatRules& flat, const TableRules& rules);

// The cards that could be dropped onto a card now: every face-up card, the
// cards of the stock, and the top cards of the goal piles.
CardMask OpenCards(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos);

}  // namespace tarnik::solver
