// What the solver learns from the pile rules of a game before it searches:
// which piles are interchangeable, which cards may be built on which, which
// cards a goal pile takes next, and whether a card may be sent to a goal
// pile at once without losing any win.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"

namespace tarnik {
struct Game;
}

namespace tarnik::solver {

using CardMask = uint64_t;  // bit v stands for card value v (0 … 51)

inline bool InMask(CardMask mask, int32_t value) {
  return (mask >> value) & 1u;
}

struct TableRules {
  int32_t pileCount = 0;
  int32_t deckSize = 52;
  int32_t copies[52] = {};  // how often the deck holds each card
  // Whether the deck holds no card twice: a card is then home once one
  // copy of it is; and the cards it lacks.
  bool singleCopies = true;
  CardMask lacking = 0;
  // Piles of one class behave alike wherever they stand, so that two
  // positions that differ only by an exchange of their cards are the same.
  int32_t classOf[kMaxPiles] = {};
  // The cards that may lie on card v on pile p (its own build rule).
  CardMask buildsOn[kMaxPiles][52] = {};
  // The cards goal pile p takes next, by its top card (index 52: empty).
  CardMask goalTakes[kMaxPiles][53] = {};
  // Whether a goal pile with a given top card (52: empty) takes its next card
  // without shutting out any other: it takes one card only, or, empty, there
  // are enough like piles for every card that may start one.
  bool goalTakesInTurn[kMaxPiles][53] = {};
  // Whether safe goal moves may be made at once, and for each card the cards
  // that must all be on the goal piles first.
  bool safeGoalMoves = false;
  CardMask mustBeHome[52] = {};
  // The cards that may be built on each card on some pile not a goal pile.
  CardMask builders[52] = {};
  // Whether a card may also go home ahead of the cards that could be built
  // on it (see GoesHomeAhead): safe goal moves, one deck, goal piles that
  // take one card at a time, no pile that must keep cards, no fan over
  // another pile and no "Automatic play".
  bool aheadGoalMoves = false;
  // Whether no pile but a goal pile ever takes a dropped card: every move
  // brings cards nearer home, so the positions are few.
  bool nothingBuilds = false;
  // Piles that take dropped cards but give them only to goal piles (the
  // waste piles of Calculation): a card there blocks every card below it.
  bool goalOnlyStack[kMaxPiles] = {};
  bool anyGoalOnlyStack = false;
  // The piles that give up their cards in a redeal.
  int32_t redealGivers = 0;
  // Goal piles that only their top card and their size can affect: they
  // never give a card back, keep the order cards came in, and no rule reads
  // deeper into them. Which cards lie below follows from the rest of the
  // table, so the order they came in is left out of a position's key.
  bool topOnly[kMaxPiles] = {};
  // For such a goal pile, the card that stands for each top card in the
  // key: the lowest card whose row of goalTakes is the same. Two tops with
  // one row take the same cards, and nothing else reads them, so the two
  // positions have the same future (Golf: any card of the rank).
  uint8_t topClass[kMaxPiles][52] = {};
  // A stock that deals to one waste pile and nowhere else: clicks change
  // nothing but those two piles, and the waste only gives its top card, so
  // a run of clicks matters only through the card it brings up. -1 when the
  // game has no such stock.
  int32_t stock = -1;
  int32_t waste = -1;
  // Whether, besides, the stock deals one card a click and may be turned
  // over without end: its cards and the waste's then form one cycle that
  // clicks turn through and come back to, so where the cycle is cut (which
  // card lies on the waste) changes nothing a search taking runs of clicks
  // can reach, and the key takes the cycle alone (see CycleKey).
  bool stockCycles = false;
  // Whether a later pile in table order may ever lie over some part of pile
  // p, fanned as far as the deck allows: only then can the hit test take a
  // point of p for another pile.
  bool mayBeOverlaid[kMaxPiles] = {};
};

// Analyses the rules of the game laid out on `game`.
void AnalyseRules(const Game& game, TableRules& rules);

// Whether the piles stand apart from every other pile, neither covering nor
// covered, and no fan reaching into another pile's place or from another
// pile into theirs, so that exchanging their cards with a like pile changes
// nothing.
bool StandsApart(const Pile* piles, int32_t count, int32_t index, int32_t deckSize);

}  // namespace tarnik::solver
