// Small hand-made tables of piles and cards for the rule tests.
#pragma once

#include <vector>

#include "support/play_table.h"

namespace tarnik::testing {

class TableBuilder {
 public:
  TableBuilder();
  // Adds a pile with the given rules (Flags must be non-zero) and returns it.
  Pile& AddPile(const PileDef& def);
  // Pushes a card on top of a pile.
  Card& Push(Pile& pile, int32_t value, int32_t face = FaceUp);
  // Links the piles in table order and lays every pile out.
  void Finish();
  Pile* piles() { return piles_; }

 private:
  Pile piles_[kMaxPiles];
  Card cards_[kMaxCards];
  int pileCount_ = 0;
  int cardCount_ = 0;
};

// A card value from rank (0 ace … 12 king) and suit (0 spades … 3 diamonds).
constexpr int32_t V(int32_t rank, int32_t suit) { return rank * 4 + suit; }

}  // namespace tarnik::testing
