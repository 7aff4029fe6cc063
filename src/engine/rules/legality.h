// Which group of cards may be lifted from a pile, and whether a group may be
// dropped on a pile: every manual and automatic move of every game asks these
// two questions, answered from the pile rules alone. Nothing here changes the
// table; a refusal is a null card or false.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"

namespace tarnik {

// Game state predicates over the piles in use of a 48-pile table.
bool MustBeEmptyCleared(const Pile* piles);
bool MustHaveCardsFilled(const Pile* piles);
int32_t FreeCellCount(const Pile* piles);
bool AnyCardMarked(const Pile* piles);
// Some other TopCardOnly pile shows a higher card of the card's suit on top.
bool HigherOnTopElsewhere(const Pile* piles, const Pile& source, const Card& card);
// The card's rank lies in the previous pile (only its bottom card counts
// while `pile` is empty). A pile with no previous pile refuses.
bool RankInPrevPile(const Pile& pile, const Card& card);
// A later non-empty pile stands within one column and one row.
bool IsCovered(const Pile& pile);
// Walking up from the bottom, b is met before a.
bool IsDeeper(const Pile& pile, const Card* a, const Card* b);

// Rank sequences (t = rank of the top card, c = rank of the card dropped).
bool WrapAdjacent(int32_t t, int32_t c);
bool WrapNext(int32_t t, int32_t c);
bool NextByTwo(int32_t t, int32_t c);
bool NextByThree(int32_t t, int32_t c);
bool NextByFour(int32_t t, int32_t c);

// The rank step of a takeable run: 1 building down, 2 down by two, else 0.
int32_t RunStep(const Pile& pile);

// The deepest card of the group that a press on `pressed` lifts, or null.
Card* TakeableCard(const Pile* piles, const Pile& pile, Card* pressed);
// Whether a group of `count` cards whose bottom card is `card`, taken from
// `source`, may be dropped on `dest`.
bool CanDrop(const Pile* piles, const Pile& source, const Pile& dest, const Card& card,
             int32_t count);

}  // namespace tarnik
