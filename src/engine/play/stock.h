// The stock and the redeal: a click on the stock deals to its receiving
// piles; a click on an empty redeal pile gathers the cards of the redeal
// piles into it, interleaved at random, and deals them out again.
#pragma once

#include <cstdint>

namespace tarnik {

struct Game;
struct Pile;

// The click on a non-empty stock, with its follow-ups and its record.
void StockClick(Game& game, Pile& stock);
// Deals from the stock to every receiving pile in table order.
void DealFromStock(Game& game, Pile& stock);
// When the RemoveBad piles show all four suits, their non-king top cards go
// to the last WinGoal pile.
void RemoveBadCards(Game& game);
// The click on an empty pile: a redeal when the pile offers one.
void EmptyPileClick(Game& game, Pile& pile);
// Cards on the piles that give up their cards in a redeal.
int32_t CountRedealCards(const Game& game);
// The generator state a gathering draws from: `state` itself, or 1 for the
// two states from which no pile would ever give up a card.
uint32_t GatherStartState(uint32_t state);
// Gathers the redeal piles' cards onto `pile` and refills the RedealSource
// piles; 1 when any card moved.
int GatherAndRedeal(Game& game, Pile& pile, int keepFaces);

}  // namespace tarnik
