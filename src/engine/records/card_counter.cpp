#include "engine/records/card_counter.h"

namespace tarnik {

// Walks the piles in table order; a second face-down copy of a card goes to
// the lower band.
std::vector<CounterChip> CounterChips(const Pile* piles, uint32_t gameFlags, int32_t rankOffset,
                                      bool showsStock) {
  std::vector<CounterChip> chips;
  if (gameFlags & GameFlags::FourDeck) return chips;
  bool seen[4][13] = {};
  const Pile* first = piles[0].Flags ? &piles[0] : nullptr;
  for (const Pile* pile = first; pile; pile = pile->Next) {
    if (pile->Has(PileFlags::ManualFillSource) != showsStock) continue;
    for (const Card* card = pile->BottomCard; card; card = card->Above) {
      if (card->Face != FaceDown) continue;
      const int32_t r = Rank(card->Value), s = Suit(card->Value);
      const int32_t d = (r + rankOffset) % 13;
      const bool second = seen[s][d];
      seen[s][d] = true;
      chips.push_back(
          {kCardWidth * d + 2, kCardHeight * s + 2, 14 * r + 1, 16 * s + (second ? 65 : 1)});
    }
  }
  return chips;
}

}  // namespace tarnik
