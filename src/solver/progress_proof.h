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

// Where ProgressProves holds and besides the stock and the waste form one
// cycle turned without end (TableRules::stockCycles), every card of the
// cycle can be taken at any time, so a winning line can leave one there
// until a card goes onto it:
// the drag from the waste is made just before that, and meanwhile the
// card it would cover stays uncovered, which hinders no move of the line.
// Done for every such drag at once, each drag from the waste comes just
// before a drag onto its card, which comes before one onto that card, and
// so on to a move that is no drag from the waste: a progress move, and a
// move that is not a trade leaves from a card lying on a card it does not
// build on, or on one the goal piles take (OpenCards). So a drag from the
// waste onto a tableau pile is progress only where a card that builds on
// the card dragged is open, and the search on progress moves follows it
// with a drop onto that card alone (Board::AwaitedPile).
bool WasteWaits(const FlatRules& flat, const TableRules& rules);

// For each card that some card goes onto, its twins: the other cards that
// take the same cards and continue the same runs on the tableau piles
// (alike where ProgressProves).
void ReadTwins(const FlatRules& flat, CardMask twins[52]);

// The open cards: those that could go onto a card by a progress move, a
// chain of drags from the waste ending in one, where `wanted` holds the
// cards the goal piles take now and their twins: the top cards of the goal
// piles, the face-up cards of other piles but those lying on a card they
// build on that is not wanted (moving them would be a trade), and each card
// of the stock and the waste onto which an open card would go (a card
// builds on cards one rank above it, so the cycle's cards are read from
// the lowest rank up). The twins of the cards the goal piles take count as
// wanted so that the open cards are the same after a trade of what lies
// on two twins, which the rewrites that keep trades and twins out make.
// `tableau` holds the tableau piles (IsTableau), as the caller keeps them.
CardMask OpenCards(const FlatRules& flat, const TableRules& rules, const FlatPosition& pos,
                   CardMask wanted, uint64_t tableau);

}  // namespace tarnik::solver
