// A game's pile rules compiled once into tables that the move generator on a
// flat position reads: which card may go on which top card of each pile,
// which card continues a run that may be lifted, which piles cover which,
// and the flags the moves consult. The engine's own TakeableCard and CanDrop
// fill the tables, on scratch piles, so that the two agree by construction.
// Every rule and flag compiles; a damaged game the flat generator would not
// model (a stock that deals to itself, a grid cell far off the table) is
// declined and searched on the engine's table as before.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"
#include "solver/solver.h"
#include "solver/table_rules.h"

namespace tarnik {
struct Game;
}

namespace tarnik::solver {

// How a press lifts cards from a pile (see TakeableCard).
enum class FlatTake : uint8_t {
  Nothing,  // no card
  Whole,    // the top card alone, or the whole run that ends at the top
  Pressed,  // the pressed card with everything above it
  Top,      // the top card
  Limited,  // the run down to the pressed card, within the free cells
};

struct FlatPile {
  uint32_t flags = 0;  // PileFlags
  int32_t column = 0;
  int32_t row = 0;
  int32_t sizeLimit = 0;
  int32_t initialSize = 0;
  int32_t cardsPerClick = 1;  // what a click on the stock deals to it
  PileStart start = PileStart::Any;
  CardRemoval removal = CardRemoval::None;
  FlatTake take = FlatTake::Nothing;
  bool oneCard = false;        // takes one card at a time
  bool placementNone = false;  // takes no card on a card
  bool fans = false;           // every card shows a strip: any card may be pressed
  // Where the pile lies in the window and how its cards fan out (steps of
  // 16 pixels face up, 4 face down, across or down; 1 across for a pile
  // shown by its size); whether a later pile may lie over it.
  int32_t left = 0, top = 0;
  PileDirection direction = PileDirection::NoDirection;
  bool overlaid = false;
  bool attributes = false;  // its drops depend on the rest of the table
  // The cards a drop of one card may put on each top card (52: empty pile),
  // before the face of the top card, the size limit and the attributes.
  CardMask accepts[53] = {};
  // The cards that continue a run lifted from this pile below each card.
  CardMask continues[52] = {};
  // Whether whole runs go home from it only in suit (AutoSuite without
  // AutoStraight): a run it lifts across suits moves, but never goes home.
  bool homeInSuit = false;
  // The later piles within one column and row: holding cards, they cover it.
  int32_t coverers[kMaxPiles] = {};
  int32_t covererCount = 0;

  bool Has(uint32_t flag) const { return (flags & flag) != 0; }
};

struct FlatRules {
  int32_t pileCount = 0;
  int32_t deckSize = 52;
  uint32_t gameFlags = 0;
  uint32_t randomState = 0;
  bool sorts = false;     // some pile keeps its cards sorted
  bool autoPlay = false;  // the player's "Automatic play"
  // Every pile's flags together: steps no pile asks for are passed over.
  uint32_t anyFlags = 0;
  FlatPile piles[kMaxPiles];
  // The goal piles, in table order.
  int32_t goals[kMaxPiles] = {};
  int32_t goalCount = 0;
  uint64_t allPiles = 0;   // bit p for every pile p
  uint64_t goalPiles = 0;  // bit p: pile p is a goal pile
  uint64_t runPiles = 0;   // bit p: complete runs go home from pile p
  // Bit p: a click on pile p's face-down top card turns it (not a stock,
  // nor a pile whose cards are removed in marked sets).
  uint64_t turnPiles = 0;
  uint64_t dealPiles = 0;  // bit p: a click on the stock deals to pile p (ManualFillDest)
  // By the piles' own limits, where no attribute weighs the table: bit p,
  // pile p fits any number of cards dropped (fitAll), one at a time with
  // no size limit (fitOne), or has a size limit its count weighs (sized).
  uint64_t fitAll = 0, fitOne = 0, sized = 0;
  // Bit p: pile p's top card may ever go home at once by its rules alone:
  // not a goal pile, a pile filled automatically or a stock, nor a pile
  // that gives its cards in a redeal where several do.
  uint64_t senders = 0;
  // Bit p: every face-up card of pile p lifts from the card pressed,
  // whatever lies there (FlatTake::Pressed, no take condition, not one
  // card at a time).
  uint64_t pressedPiles = 0;
  // Bit p: the listing walks many of pile p's cards, each lifting a group
  // of its own (pressedPiles, and runs that no free cells limit), so that
  // passing over the cards no pile takes (DropTargets::taken) pays.
  uint64_t walkedPiles = 0;
  int8_t goalOf[kMaxPiles] = {};  // each goal pile's place among the goal piles
  // Where the goal piles follow one another on the table in their order
  // (their counts and cards then lie together), the first of them; else -1.
  int32_t goalsFrom = -1;
  // The piles the table-wide conditions read.
  int32_t cells[kMaxPiles] = {};  // MustBeEmpty
  int32_t cellCount = 0;
  int32_t filled[kMaxPiles] = {};  // MustHaveCards
  int32_t filledCount = 0;
  // Whether a search on progress moves alone proves a deal lost
  // (ProgressProves), and there each card's twins (ReadTwins).
  bool progressProves = false;
  CardMask twins[52] = {};
};

// Whether pile `p` is one the player both takes cards from and drops cards
// on that is not a goal pile: a column or a free cell, not a stock, a
// waste or a foundation.
inline bool IsTableau(const FlatPile& p) {
  return !p.Has(PileFlags::WinGoal) && !(p.placementNone && p.start == PileStart::None);
}

// Whether piles `a` and `b` play alike wherever they stand: the same
// flags, limits and tables of what they take and lift.
bool PlayAlike(const FlatPile& a, const FlatPile& b);

// Whether `below`, lying under face-up card `above` on pile `p`, continues
// a run that may go home whole: a press lifts both, and where runs go home
// only in suit, the two share it.
inline bool MendsRun(const FlatPile& p, int32_t above, int32_t below) {
  return InMask(p.continues[above], below) && (!p.homeInSuit || Suit(above) == Suit(below));
}

// Compiles the rules of the table laid out on `game` (with `rules` already
// analysed); false when the flat generator cannot carry them out exactly.
bool CompileFlatRules(const Game& game, const TableRules& rules, const SolverTable& table,
                      FlatRules& out);

}  // namespace tarnik::solver
