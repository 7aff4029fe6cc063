// A sound check that a position of a game that builds on its columns can
// never be won: some card can never leave its place, because every way out
// needs a card that lies below it, or below another such card, first.
#pragma once

#include <cstdint>

#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

struct BuriedRules {
  bool active = false;  // the rules allow the check, and it may pay
  // Piles whose cards leave only when a press lifts them with the cards
  // above them (no stock, no redeal, no filling, no card taken from within).
  bool holds[kMaxPiles] = {};
  // For each card, the cards one of which must lie on its goal pile when it
  // goes home (one deck, goal piles that take one card at a time from empty);
  // made where the check is active or the estimate reads it (goalOrdered).
  CardMask goalFirst[52] = {};
  bool goalOrdered = false;
  // For each card, the top cards that take it on holds piles and on other
  // piles not goal piles, and the piles (a bit each) that take it while
  // empty.
  CardMask holdsTops[52] = {};
  CardMask otherTops[52] = {};
  uint64_t startPiles[52] = {};
  // The same read the other way: for each card, the cards (not itself) that
  // go onto it as a top on holds piles and on other piles; for each pile,
  // the cards it takes while empty, and the piles that take some.
  CardMask onHolds[52] = {};
  CardMask onOther[52] = {};
  CardMask onEmpty[kMaxPiles] = {};
  uint64_t emptyTakers = 0;
  bool anyOther = false;  // some card goes onto a top on a pile not holds
  // Whether a card comes onto a holds pile only by a drop of its own or
  // within a group lifted from a holds pile (no stock deals there, nothing
  // fills it, no group comes from elsewhere): a card elsewhere is then a
  // top there only once it could be dropped.
  bool comeByDrops = false;
  // Whether a card home may come back to the table.
  bool homeReturns = false;
  // Whether only the start is looked at: where a press on any face-up card
  // of a holds pile lifts the cards above it, nearly every card has a way
  // out by a press below it, and the check of each child cut few positions
  // (Yukon seed 20: a proof of loss in 692,467 expansions looking at every
  // child, 707,633 at the start alone, a fifth sooner).
  bool startOnly = false;
};

// The sets of cards last found shut in, looked at first in the next
// positions: a search meets the same set again and again, where the same
// move is played beside changes elsewhere.
struct BuriedMemo {
  static constexpr int32_t kSets = 8;
  CardMask sets[kSets] = {};
  int32_t next = 0;  // the set to replace next
};

// Reads from the compiled rules whether and where the check holds.
void CompileBuried(const FlatRules& flat, const TableRules& rules, BuriedRules& out);

// Whether some card can never leave its place: the largest set of cards
// on `holds` piles of which none can be the first to move. A card of it
// cannot go home while a card its goal pile needs first lies below a card
// of the set (itself included) or is in the set; cannot go onto a top that
// lies below such a card (or is home for good), nor onto an empty pile
// that holds a card of the set; and cannot be carried by a group lifted
// from below it, since the bottom card of that group could go nowhere
// either. Every card must go home to win, so the position is lost.
// Only a set holding a card of `moved` counts: where a position's parent
// has no such set, any set of the child holds a card the move put in a new
// place (see FlatBoard::DeadEnd). Sets found are kept in `memo`, and its
// sets are looked at first.
bool Buried(const BuriedRules& buried, const FlatRules& flat, const FlatPosition& pos,
            CardMask moved = ~CardMask{0}, BuriedMemo* memo = nullptr);

}  // namespace tarnik::solver
