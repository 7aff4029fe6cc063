#include "engine/records/card_counter.h"

#include <algorithm>

#include "engine/cards/pile_ops.h"

namespace tarnik {

namespace {

// The panel rows a card of suit `s` may take: its own, and with a one- or
// two-suit deck also the rows of the suits turned into it.
int32_t SuitRows(uint32_t gameFlags, int32_t s, int32_t (&rows)[4]) {
  int32_t n = 0;
  for (int32_t row = 0; row < 4; ++row)
    if (SuitedCard(gameFlags, row) == s) rows[n++] = row;
  return n;
}

}  // namespace

// Walks the piles in table order; every further face-down copy of a card
// takes the next free row of its suit's rows, then the lower band.
std::vector<CounterChip> CounterChips(const Pile* piles, uint32_t gameFlags, int32_t rankOffset,
                                      bool showsStock) {
  std::vector<CounterChip> chips;
  if (gameFlags & GameFlags::FourDeck) return chips;
  int32_t seen[4][13] = {};
  const Pile* first = piles[0].Flags ? &piles[0] : nullptr;
  for (const Pile* pile = first; pile; pile = pile->Next) {
    if (pile->Has(PileFlags::ManualFillSource) != showsStock) continue;
    for (const Card* card = pile->BottomCard; card; card = card->Above) {
      if (card->Face != FaceDown) continue;
      const int32_t r = Rank(card->Value), s = Suit(card->Value);
      const int32_t d = (r + rankOffset) % 13;
      int32_t rows[4];
      const int32_t n = std::max(SuitRows(gameFlags, s, rows), int32_t{1});
      if (n == 1) rows[0] = s;
      const int32_t copy = seen[s][d]++;
      if (copy >= 2 * n) continue;  // a damaged table: no room left on the panel
      chips.push_back({kCardWidth * d + 2, kCardHeight * s + 2, 14 * r + 1,
                       16 * rows[copy % n] + (copy >= n ? 65 : 1)});
    }
  }
  return chips;
}

}  // namespace tarnik
