// The card counter's chips: which face-down cards are listed, in which band
// and column, and which face corner each shows.
#include "engine/records/card_counter.h"

#include <gtest/gtest.h>

#include "support/table_builder.h"

namespace tarnik {
namespace {

using testing::OpenPile;
using testing::TableBuilder;
using testing::V;

// A stock pile of two face-down cards and a tableau pile holding a face-down
// nine of hearts, a face-down second nine of hearts, a face-down two of clubs
// and a face-up king.
struct CardCounterTest : ::testing::Test {
  CardCounterTest() {
    Pile& stock = table.AddPile(OpenPile(PileFlags::ManualFillSource));
    Pile& tableau = table.AddPile(OpenPile(PileFlags::AutoPlay));
    for (int32_t v : {V(kKing, Spades), V(kAce, Diamonds)}) table.Push(stock, v, FaceDown);
    for (int32_t v : {V(8, Hearts), V(8, Hearts), V(1, Clubs)}) table.Push(tableau, v, FaceDown);
    table.Push(tableau, V(kKing, Clubs), FaceUp);
    table.Finish();
  }
  std::vector<CounterChip> Chips(uint32_t flags, int32_t rankOffset, bool stock) {
    return CounterChips(table.piles(), flags, rankOffset, stock);
  }
  TableBuilder table;
};

// Tableau: the first nine of hearts in the upper band, its second copy in the
// lower band, the two of clubs in the upper band; the face-up king is absent
// and the stock's cards are not listed. Stock: only the pile refilled by
// hand. With aces high the leftmost column shows the face of a two, the
// king's place the ace; the places still follow the internal rank.
TEST_F(CardCounterTest, ChipsOfTheTableauAndTheStock) {
  EXPECT_EQ(Chips(GameFlags::TwoDeck, 0, false),
            (std::vector<CounterChip>{{64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 1},
                                      {64 * 8 + 2, 80 * 2 + 2, 14 * 8 + 1, 16 * 2 + 65},
                                      {64 * 1 + 2, 80 * 1 + 2, 14 * 1 + 1, 16 * 1 + 1}}));
  EXPECT_EQ(Chips(0, 0, true), (std::vector<CounterChip>{{64 * 12 + 2, 2, 14 * 12 + 1, 1},
                                                        {2, 80 * 3 + 2, 1, 16 * 3 + 1}}));
  EXPECT_EQ(Chips(0, 1, true), (std::vector<CounterChip>{{2, 2, 14 * 12 + 1, 1},
                                                        {64 * 1 + 2, 80 * 3 + 2, 1, 16 * 3 + 1}}));
}

// A face turned up or marked leaves the list; a four-deck game lists nothing.
TEST_F(CardCounterTest, FaceUpCardsAndFourDeckGamesShowNoChips) {
  table.piles()[1].BottomCard->Face = FaceUp;
  EXPECT_EQ(Chips(0, 0, false).size(), 2u);
  table.piles()[1].BottomCard->Above->Face = Marked;
  EXPECT_EQ(Chips(0, 0, false).size(), 1u);
  EXPECT_TRUE(Chips(GameFlags::FourDeck, 0, false).empty());
  EXPECT_TRUE(Chips(GameFlags::FourDeck, 0, true).empty());
}

}  // namespace
}  // namespace tarnik
