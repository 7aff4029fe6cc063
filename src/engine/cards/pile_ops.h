// Small operations on cards and piles that every part of the game uses: the
// deck size, the pile count, the score, the pile sort and the chain
// operations. None of them updates Count, positions or the screen.
#pragma once

#include <cstdint>

#include "engine/cards/cards.h"

namespace tarnik {

// 208 with FourDeck, 104 with TwoDeck, else 52.
int32_t DeckSize(uint32_t gameFlags);
// The card a deck of these flags holds in place of the pack's card `value`
// (0 to 51): the spade of its rank with OneSuit, with TwoSuits a club turned
// spade and a diamond turned heart, else the card itself.
int32_t SuitedCard(uint32_t gameFlags, int32_t value);
// How many copies of card `value` (0 to 51) the deck of these flags holds.
int32_t CopiesInDeck(uint32_t gameFlags, int32_t value);
// The number of leading records of a 48-pile table whose Flags is non-zero.
int32_t CountPiles(const Pile* piles);
// The sum of InitialSize over the piles in use.
int32_t TotalInitialSize(const Pile* piles);
// Cards played to their goal: WinGoal cards, or 4 × the complete four-of-a-rank
// piles of a FourRank game.
int32_t GameScore(const Pile* piles, uint32_t gameFlags);
// Keeps a SortAscending / SortDescending pile in order by exchanging values.
void SortPile(Pile& pile);

// Takes one card out of its pile's chain, wherever it lies.
void UnlinkCard(Pile& pile, Card& card);
// Puts a card directly above `below`; with no `below` it becomes the bottom.
void InsertCardAbove(Pile& pile, Card* below, Card& card);
// Moves `card` and everything above it, as one chain, into the empty `dest`.
void CutGroup(Pile& pile, Pile& dest, Card& card);
// Puts the whole chain of `src` on top of `dest`; `src` becomes empty.
void AppendPile(Pile& src, Pile& dest);

}  // namespace tarnik
