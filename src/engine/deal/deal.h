// Shuffle and deal: a 32-bit seed fixes every deal. The generator, the order
// of its calls and the order of the deal are exact, so that a deal can be
// replayed from its seed by the log, tournaments, restarts and saved games.
#pragma once

#include <cstdint>

#include "engine/table/table.h"

namespace tarnik {

constexpr uint32_t kRandomMultiplier = 2707050037u;  // hexadecimal A15A4E35

// Advances the generator state and returns a number from 0 to n − 1 (n > 0).
uint32_t Random(uint32_t& state, uint32_t n);
// A fresh random seed from a millisecond tick count.
uint32_t FreshSeed(uint32_t tickMilliseconds);
// Shuffles the first DeckSize(flags) cards of a deck with the game's
// generator, then plays the shuffle sound.
void ShuffleDeck(Table& game, Card* deck, uint32_t flags);
// Puts one card on top of a pile during the deal, face down while the pile
// still owes face-down cards, then sorts and lays out the pile.
void DealOneCard(Pile& pile, Card& card, LayoutStyle style);
// Deals a shuffled deck to the linked, empty piles of a table: start cards
// first, then one card per pile per circuit in table order.
void DealCards(Pile* piles, Card* deck, uint32_t flags, LayoutStyle style);
// Moves the kings of every KingsToTop pile under its other cards.
void MoveKingsToTop(Table& game);
}  // namespace tarnik
