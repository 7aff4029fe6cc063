// Builds small tables of piles and cards by hand for the rule tests: piles
// are added in table order, cards are pushed bottom first, and Finish links
// and lays out the table as the start of a game does.
#pragma once

#include <initializer_list>
#include <vector>

#include "engine/cards/cards.h"

namespace tarnik::testing {

class TableBuilder {
 public:
  TableBuilder();
  // Adds a pile with the given rules (Flags must be non-zero) and returns it.
  Pile& AddPile(const PileDef& def);
  // Pushes a card on top of a pile.
  Card& Push(Pile& pile, int32_t value, int32_t face = FaceUp);
  // Pushes several face-up cards, bottom first.
  void PushAll(Pile& pile, std::initializer_list<int32_t> values);
  // Links the piles in table order and lays every pile out.
  void Finish();
  Pile* piles() { return piles_; }

 private:
  Pile piles_[kMaxPiles];
  Card cards_[kMaxCards];
  int pileCount_ = 0;
  int cardCount_ = 0;
};

// The values of a pile's cards, bottom first.
std::vector<int32_t> PileValues(const Pile& pile);

// A card value from rank (0 ace … 12 king) and suit (0 spades … 3 diamonds).
constexpr int32_t V(int32_t rank, int32_t suit) { return rank * 4 + suit; }

// A pile definition with the given flags and every rule at "Any"/"None"
// so that a test names only the rules it is about.
PileDef OpenPile(uint32_t flags = PileFlags::AutoFillSource);

}  // namespace tarnik::testing
