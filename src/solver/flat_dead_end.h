// A sound check that a flat position can never be won, for games where a
// card goes home only by a drop on a goal pile's top card (Golf and the
// like): a card that no goal top, now or later, could ever take.
#pragma once

#include "solver/flat_buried.h"
#include "solver/flat_position.h"
#include "solver/flat_rules.h"
#include "solver/table_rules.h"

namespace tarnik::solver {

struct DeadEndRules {
  bool active = false;  // the game allows the check at all
  // Piles whose cards go home only by a drop of one card on a goal pile.
  bool mustDrop[kMaxPiles] = {};
  // … and leave the pile only for a goal pile, from the top down: a card
  // lying below another cannot be a goal's top before that one is home.
  bool keepsOrder[kMaxPiles] = {};
  // For each card, the goal tops it may be dropped on (any goal pile).
  CardMask takenOn[52] = {};
  // The cards an empty goal pile may take, for each goal pile.
  CardMask startsGoal[kMaxPiles] = {};
  // Where every goal pile takes a card only while a higher card of its
  // suit shows elsewhere (but the cards of `exempt`), the cards of its suit
  // above each card: one of them must still be out when it goes.
  bool needsHigher = false;
  CardMask exempt = 0;
  CardMask higher[52] = {};
  int32_t copies[52] = {};
  bool oneDeck = false;  // one copy of each card: tops can be told apart
  // For each goal pile (in goal order), the tops on it that take each card.
  CardMask takesOn[kMaxPiles][52] = {};
  // … and whether a stock deals cards onto it: any of those may be its top.
  bool dealtTo[kMaxPiles] = {};
  // With one deck and no stock dealing onto a goal pile, the cards that
  // must be home before each card can go home on any goal pile.
  CardMask mustPrecede[52] = {};
  bool ordered = false;  // some card needs another first
  // Where the only way home is a redeal away: the check waits for the last.
  bool afterRedeals = false;
  // Where columns build: cards that can never leave their place (see Buried).
  BuriedRules buried;
};

// Whether some pile takes drops but gives its cards only to goal piles
// (the waste piles of Calculation and the like): its order is binding.
bool HasGoalOnlyStacks(const FlatRules& flat);

// Reads from the compiled rules whether and where the check holds.
void CompileDeadEnds(const FlatRules& flat, const TableRules& rules, DeadEndRules& out);

// The check as a board uses it: compiled only where nothing but goal
// piles take cards, or piles keep cards in the order they will go home,
// since only there is a card stranded often enough to pay for the check;
// elsewhere the check of buried cards, where it holds.
void CompileBoardDeadEnds(const FlatRules& flat, const TableRules& rules, DeadEndRules& out);

// Whether some card of a mustDrop pile can never go home: no goal top
// takes it, and no card that may still become a goal's top would (one not
// home yet, not the card itself, not lying below it on a keepsOrder pile),
// or no higher card of its suit is out where the goals need one; or, with
// one deck, those cards cannot each have a top of their own; or a card of
// a keepsOrder pile for which every goal pile would first need a card that
// lies below it there; or cards each of which must go home before the next
// (a card above another on a keepsOrder pile, a card its goal piles need
// first) in a ring. Every card must go home to win, so the position is
// lost.
bool DeadEnd(const DeadEndRules& dead, const FlatRules& flat, const FlatPosition& pos);

}  // namespace tarnik::solver
