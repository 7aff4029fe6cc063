// The card counter's chips: which face-down cards are listed, in which band
// and column, and which face corner each shows.
#include "engine/records/card_counter.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::V;

// Face-down cards only, a second copy in the lower band; the stock is the pile
// refilled by hand; aces high turn faces, not places; four decks show none.
TEST(CardCounter, ChipsOfTheTableauAndTheStock) {
  testing::TableBuilder table;
  Pile& stock = table.AddPile(OpenPile(PileFlags::ManualFillSource));
  Pile& tableau = table.AddPile(OpenPile(PileFlags::AutoPlay));
  for (int32_t v : {V(kKing, Spades), V(kAce, Diamonds)}) table.Push(stock, v, FaceDown);
  for (int32_t v : {V(8, Hearts), V(8, Hearts), V(1, Clubs)}) table.Push(tableau, v, FaceDown);
  table.Push(tableau, V(kKing, Clubs), FaceUp);
  table.Finish();
  const auto chips = [&](uint32_t flags, int32_t aces, bool stock) {
    return CounterChips(table.piles(), flags, aces, stock);
  };
  EXPECT_EQ(chips(GameFlags::TwoDeck, 0, false),
            (std::vector<CounterChip>{{64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 1},
                                      {64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 65},
                                      {64 * 1 + 2, 80 * 1 + 2, 14 * 1 + 1, 16 * 1 + 1}}));
  EXPECT_EQ(chips(0, 0, true), (std::vector<CounterChip>{{64 * 12 + 2, 2, 14 * 12 + 1, 1},
                                                        {2, 80 * 3 + 2, 1, 16 * 3 + 1}}));
  EXPECT_EQ(chips(0, 1, true), (std::vector<CounterChip>{{2, 2, 14 * 12 + 1, 1},
                                                        {64 * 1 + 2, 80 * 3 + 2, 1, 16 * 3 + 1}}));
  tableau.BottomCard->Face = FaceUp;
  tableau.BottomCard->Above->Face = Marked;
  EXPECT_EQ(chips(0, 0, false).size(), 1u);
  EXPECT_TRUE(chips(GameFlags::FourDeck, 0, false).empty() &&
              chips(GameFlags::FourDeck, 0, true).empty());
}

}  // namespace
}  // namespace tarnik
